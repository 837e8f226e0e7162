#pragma once

#include <QObject>
#include <QTabWidget>

namespace quillmoor::toolkit::qt {

// A tab panel's events. The change event is posted from the panel's own currentChanged, after
// the stack has shown the new page and the widget half has enabled only that page. Tabs change
// only by the mouse on the tab row or the arrow keys while it has the focus: the panel's
// Ctrl+Tab and Ctrl+Shift+Tab and the wheel over the tab row are taken here.
class PanelWatcher : public QObject {
public:
    PanelWatcher(int gadget, int window, QTabWidget& panel);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int gadget_;
    int window_;
};

}  // namespace quillmoor::toolkit::qt
