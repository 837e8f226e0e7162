#pragma once

// How the toolkit reads the thread's messages: the one message loop of the program, run while
// it waits for an event, and by a test driver after it has posted its input.

#include "toolkit/core/platform.h"
#include "toolkit/win32/windows_api.h"

namespace quillmoor::toolkit::win32 {

// Handles every message pending for the thread. Each input is first reported to happenings,
// and a key press goes to the core before its window sees it: a key the core takes is never
// translated into characters nor dispatched.
void DeliverPendingMessages(Happenings& happenings);

}  // namespace quillmoor::toolkit::win32
