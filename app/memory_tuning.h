#pragma once

namespace quillmoor::app {

// Every regeneration builds and drops buffers of a few hundred kilobytes. By default glibc
// hands such memory back to the system at once, and the next regeneration pays for faulting it
// in again; keeping it costs nothing but the memory the largest text already needed. Call once,
// at the start of the process.
void KeepFreedMemoryForReuse();

}  // namespace quillmoor::app
