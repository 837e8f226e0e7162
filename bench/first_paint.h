#pragma once

// The moment a start-up benchmark program counts as started: its window has been painted and
// the event loop has handled what was pending by then. Both start-up programs use this same
// probe, so that the comparison between them is fair.

namespace quillmoor::bench {

// Call as soon as the QApplication exists, before any window is built: from then on the first
// paint of a top-level window is noted, even one that happens while the window is being built.
void WatchForFirstPaint();

// Runs the event loop until a top-level window has been painted and the events pending at that
// moment have been handled, then prints the monotonic clock in nanoseconds on stdout. Call
// once, when the window is complete.
void ReportWhenPaintedAndIdle();

}  // namespace quillmoor::bench
