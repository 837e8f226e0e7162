#include <QKeyEvent>
#include <QMouseEvent>
#include <QTabBar>
#include <QTabWidget>

#include "toolkit/qt/qt_platform.h"

namespace quillmoor::toolkit::qt {

namespace {

// The panel's own keys for the next and previous tab; they reach it from any widget on a page.
bool IsTabCycleKey(const QEvent& event) {
    if (event.type() != QEvent::KeyPress) {
        return false;
    }
    const auto& key = static_cast<const QKeyEvent&>(event);
    return (key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab) &&
           key.modifiers().testFlag(Qt::ControlModifier);
}

// A tab panel's selection changes and releases on its tab row. Qt switches the shown page
// itself before it tells of the change, so the change and its announcement come together.
// Tabs change only by the mouse on the tab row or the arrow keys while it has the focus: the
// panel's Ctrl+Tab and Ctrl+Shift+Tab and the wheel over the tab row are taken here.
class PanelWatcher : public QObject {
public:
    PanelWatcher(QTabWidget& panel, Happenings& happenings)
        : QObject(&panel), panel_(IdOf(&panel)), happenings_(happenings) {
        connect(&panel, &QTabWidget::currentChanged, this, [this](int index) {
            happenings_.TabChanging(panel_);
            happenings_.TabChanged(panel_, index);
        });
        panel.installEventFilter(this);
        panel.tabBar()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (qobject_cast<QTabBar*>(watched) == nullptr) {
            return IsTabCycleKey(*event) || QObject::eventFilter(watched, event);
        }
        if (event->type() == QEvent::Wheel) {
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease) {
            happenings_.TabRowReleased(
                panel_, static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    NativeId panel_;
    Happenings& happenings_;
};

}  // namespace

// The panel takes the focus on its tab row, by Tab and by a click alike.
QWidget* MakePanel(QWidget& parent, Happenings& happenings) {
    auto* panel = new QTabWidget(&parent);
    panel->tabBar()->setFocusPolicy(Qt::StrongFocus);
    new PanelWatcher(*panel, happenings);
    return panel;
}

}  // namespace quillmoor::toolkit::qt
