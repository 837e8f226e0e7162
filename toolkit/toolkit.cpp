// The front: starts the platform that the core's calls of toolkit.h run on. It alone names
// StartPlatform(), which the realisation linked after it defines, so that the core below never
// links back up to a realisation.

#include "toolkit/toolkit.h"

#include <memory>

#include "toolkit/core/running_core.h"

namespace quillmoor::toolkit {

bool InitToolkit() {
    if (RunningCore() != nullptr) {
        return true;
    }
    Failure().clear();
    auto core = std::make_unique<Core>();
    std::unique_ptr<Platform> platform = StartPlatform(*core, Failure());
    if (!platform) {
        return false;
    }
    Run(std::move(core), std::move(platform));
    return true;
}

}  // namespace quillmoor::toolkit
