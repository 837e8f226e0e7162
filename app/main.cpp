// The program's entry: opens the main form and runs the event loop until the user confirms
// quitting.

#include <iostream>
#include <string>

#include "app/event_loop.h"
#include "app/main_form.h"
#include "app/memory_tuning.h"
#include "toolkit/toolkit.h"

namespace {

namespace tk = quillmoor::toolkit;

// Without a window no close event can ever arrive, so the loop would never end: say why and
// stop instead.
int RefuseToStart(const std::string& fallbackReason) {
    const std::string failure = tk::LastFailure();
    std::cerr << "cannot open the Quillmoor window: "
              << (failure.empty() ? fallbackReason : failure) << '\n';
    tk::EndToolkit();
    return 1;
}

}  // namespace

int main() {
    quillmoor::app::KeepFreedMemoryForReuse();
    if (!tk::InitToolkit()) {
        return RefuseToStart("no display could be reached");
    }
    if (!quillmoor::app::BuildMainForm()) {
        return RefuseToStart("the window system refused to create it");
    }
    while (quillmoor::app::HandleEvent(tk::WaitForEvent()) == quillmoor::app::LoopTurn::Continue) {
    }
    tk::EndToolkit();
    return 0;
}
