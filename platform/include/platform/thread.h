// Worker threads.
#pragma once

namespace platform {

enum class ThreadPriority { Normal, BelowNormal };

// Starts proc(arg) on a new thread at once, with the default stack. The thread
// is detached: the platform frees it when it ends, and it never holds up the end
// of the process. Returns false when the thread could not be started.
bool StartWorkerThread(int (*proc)(void*), void* arg, ThreadPriority priority);

}  // namespace platform
