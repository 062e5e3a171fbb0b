#pragma once

namespace tp {

// Lowers the priority of the calling thread, for work that must not slow the thread that shows
// the window while both want the processor; the thread still runs whenever a processor is
// free. On Linux the thread's nice value rises by 10 (up to 19); it is never raised again.
void lowerThisThreadPriority();

} // namespace tp
