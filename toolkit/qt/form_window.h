#pragma once

// The toolkit's top-level window: a fixed client area whose close requests only queue a close
// event, so that the caller decides whether the window goes.

#include <QWidget>

namespace quillmoor::toolkit::qt {

class FormWindow : public QWidget {
    Q_OBJECT

public:
    explicit FormWindow(int number);

    int Number() const { return number_; }

protected:
    // Close box, window menu and the platform's close key alike: the close is refused and a
    // close event is queued instead.
    void closeEvent(QCloseEvent* event) override;

private:
    int number_;
};

}  // namespace quillmoor::toolkit::qt
