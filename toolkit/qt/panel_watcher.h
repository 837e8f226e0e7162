#pragma once

#include <QObject>
#include <QTabWidget>

#include "toolkit/core/platform.h"

namespace quillmoor::toolkit::qt {

// A tab panel's selection changes and releases on its tab row. Qt switches the shown page
// itself before it tells of the change, so the change and its announcement come together.
// Tabs change only by the mouse on the tab row or the arrow keys while it has the focus: the
// panel's Ctrl+Tab and Ctrl+Shift+Tab and the wheel over the tab row are taken here.
class PanelWatcher : public QObject {
public:
    PanelWatcher(QTabWidget& panel, Happenings& happenings);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    NativeId panel_;
    Happenings& happenings_;
};

}  // namespace quillmoor::toolkit::qt
