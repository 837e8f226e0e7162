#include "tests/support/qt/native_widgets.h"

#include <QApplication>
#include <QTest>

#include "toolkit/core/running_core.h"
#include "toolkit/toolkit.h"

namespace quillmoor::test {

QWidget* GadgetWidget(int gadget) {
    const toolkit::Core* core = toolkit::RunningCore();
    return core == nullptr ? nullptr : reinterpret_cast<QWidget*>(core->GadgetNative(gadget));
}

QWidget* WindowWidget(int window) {
    return reinterpret_cast<QWidget*>(toolkit::WindowHandle(window));
}

bool CompositorActivatesWindows() {
    return QGuiApplication::platformName().startsWith(u"wayland");
}

bool ActivateShownWindow(QWidget& window) {
    if (!CompositorActivatesWindows()) {
        window.activateWindow();
        return QTest::qWaitForWindowActive(&window);
    }
    if (!QTest::qWaitForWindowExposed(&window)) {
        return false;
    }
    QApplication::setActiveWindow(&window);
    return window.isActiveWindow();
}

}  // namespace quillmoor::test
