#pragma once

// The toolkit's top-level window: a fixed client area whose close requests are only reported,
// so that the caller decides whether the window goes.

#include <QWidget>

#include "toolkit/core/platform.h"

namespace quillmoor::toolkit::qt {

class FormWindow : public QWidget {
    Q_OBJECT

public:
    explicit FormWindow(Happenings& happenings);

protected:
    // Close box, window menu and the platform's close key alike: the close is refused and
    // reported instead.
    void closeEvent(QCloseEvent* event) override;
    // A new application palette or platform theme: the desktop's colours changed.
    bool event(QEvent* event) override;

private:
    Happenings& happenings_;
};

// Tells assistive technology, from now on, that each form window is a window with its title as
// its name: a plain top-level widget is only a "client" to it, which a screen reader on Linux
// shows as a filler, not as a frame. Calling it again changes nothing.
void ExposeFormWindowsAsWindows();

}  // namespace quillmoor::toolkit::qt
