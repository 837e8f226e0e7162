#include "tests/support/qt/native_widgets.h"

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

}  // namespace quillmoor::test
