#pragma once

// The one running core, which the calls of toolkit.h run on, and a realisation's test driver
// reaches for a gadget's native object. The core's files define it; the front starts it.

#include <memory>
#include <string>

#include "toolkit/core/core.h"

namespace quillmoor::toolkit {

// nullptr outside InitToolkit()..EndToolkit().
Core* RunningCore();
// Makes the core the running one over the platform started for it, which is told at once who
// the program is. Only the front's InitToolkit() starts a platform, and calls this.
void Run(std::unique_ptr<Core> core, std::unique_ptr<Platform> platform);
// What LastFailure() says; InitToolkit() has a failed start write its reason here.
std::string& Failure();

}  // namespace quillmoor::toolkit
