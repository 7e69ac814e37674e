#include "platform/thread.h"

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <system_error>
#include <thread>

namespace platform {

bool StartWorkerThread(int (*proc)(void*), void* arg, ThreadPriority priority) {
  try {
    std::thread worker([proc, arg, priority] {
      if (priority == ThreadPriority::BelowNormal) {
        // Linux keeps a nice value per thread: raising it by two is the
        // counterpart of one step below normal priority.
        const auto tid = static_cast<id_t>(::syscall(SYS_gettid));
        const int current = ::getpriority(PRIO_PROCESS, tid);
        ::setpriority(PRIO_PROCESS, tid, current + 2);
      }
      proc(arg);
    });
    worker.detach();
    return true;
  } catch (const std::system_error&) {
    return false;
  }
}

}  // namespace platform
