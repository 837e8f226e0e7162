#pragma once

// The core that the calls of toolkit.h run on, for a realisation's test driver that needs to
// reach a gadget's native object. Defined by the front (toolkit/toolkit.cpp), which owns the
// running core; the core's own library never calls it.

#include "toolkit/core/core.h"

namespace quillmoor::toolkit {

// nullptr outside InitToolkit()..EndToolkit().
Core* RunningCore();

}  // namespace quillmoor::toolkit
