// The Windows program's start-up as its entry does it, up to the painted form: the probe
// stands where the program would begin to wait for input.

#include "app/gadget_ids.h"
#include "app/main_form.h"
#include "app/memory_tuning.h"
#include "bench/win32/painted_probe.h"
#include "toolkit/toolkit.h"

int main() {
    namespace tk = quillmoor::toolkit;
    quillmoor::app::KeepFreedMemoryForReuse();
    if (!tk::InitToolkit() || !quillmoor::app::BuildMainForm()) {
        return 1;
    }
    quillmoor::bench::ReportPainted(
        reinterpret_cast<HWND>(tk::WindowHandle(quillmoor::app::kMainWindow)));
    tk::EndToolkit();
    return 0;
}
