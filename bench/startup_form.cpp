// The program's own start-up, for the start-up benchmark: starts the toolkit and builds the
// main form exactly as the entry does, reports once the window is painted, and ends.

#include <iostream>

#include "app/main_form.h"
#include "app/memory_tuning.h"
#include "bench/first_paint.h"
#include "toolkit/toolkit.h"

int main() {
    namespace tk = quillmoor::toolkit;
    quillmoor::app::KeepFreedMemoryForReuse();
    if (!tk::InitToolkit()) {
        std::cerr << tk::LastFailure() << '\n';
        return 1;
    }
    quillmoor::bench::WatchForFirstPaint();
    if (!quillmoor::app::BuildMainForm()) {
        std::cerr << tk::LastFailure() << '\n';
        return 1;
    }
    quillmoor::bench::ReportWhenPaintedAndIdle();
    tk::EndToolkit();
    return 0;
}
