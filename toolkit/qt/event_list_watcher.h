#pragma once

#include <QAbstractItemView>
#include <QObject>
#include <QPoint>
#include <optional>

namespace quillmoor::toolkit::qt {

// A list box's events. A left press without Shift or Control records its point; the release
// then posts 0, unless the pointer first went beyond the drag distance, which posts 14002.
class ListWatcher : public QObject {
public:
    ListWatcher(int gadget, int window, QAbstractItemView& list);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void HandleMouse(const QMouseEvent& event);

    int gadget_;
    int window_;
    std::optional<QPoint> pressPoint_;
};

}  // namespace quillmoor::toolkit::qt
