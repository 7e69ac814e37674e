#include "platform/queue.h"

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <unordered_map>
#include <utility>

namespace platform {
namespace {

struct CallQueue {
  std::mutex mutex;
  std::condition_variable arrived;
  std::deque<std::function<void()>> calls;
  std::function<void()> wake;
};

CallQueue& Queue() {
  static CallQueue* queue = new CallQueue;  // outlives every thread that posts
  return *queue;
}

// Window handles live only on the UI thread; no lock is needed for them.
struct WindowTable {
  std::unordered_map<WindowHandle, MessageTarget*> targets;
  WindowHandle next = 1;
};

WindowTable& Windows() {
  static WindowTable table;
  return table;
}

}  // namespace

WindowHandle RegisterWindow(MessageTarget* target) {
  WindowTable& table = Windows();
  WindowHandle handle = table.next++;
  if (table.next == 0) table.next = 1;
  table.targets[handle] = target;
  return handle;
}

void UnregisterWindow(WindowHandle handle) { Windows().targets.erase(handle); }

bool IsWindow(WindowHandle handle) { return Windows().targets.count(handle) != 0; }

bool PostMessage(WindowHandle handle, unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
  if (handle == 0) return false;
  QueueCall([handle, message, wParam, lParam] {
    auto& targets = Windows().targets;
    auto it = targets.find(handle);
    if (it != targets.end()) it->second->OnPostedMessage(message, wParam, lParam);
  });
  return true;
}

void QueueCall(std::function<void()> fn) {
  CallQueue& queue = Queue();
  std::function<void()> wake;
  {
    std::lock_guard<std::mutex> lock(queue.mutex);
    queue.calls.push_back(std::move(fn));
    wake = queue.wake;
  }
  queue.arrived.notify_all();
  if (wake) wake();
}

int DrainQueuedCalls() {
  CallQueue& queue = Queue();
  int ran = 0;
  for (;;) {
    std::function<void()> call;
    {
      std::lock_guard<std::mutex> lock(queue.mutex);
      if (queue.calls.empty()) return ran;
      call = std::move(queue.calls.front());
      queue.calls.pop_front();
    }
    call();
    ++ran;
  }
}

bool RunQueuedCallsUntil(const std::function<bool()>& done, int timeoutMs) {
  CallQueue& queue = Queue();
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  while (!done()) {
    std::function<void()> call;
    {
      std::unique_lock<std::mutex> lock(queue.mutex);
      if (!queue.arrived.wait_until(lock, deadline, [&] { return !queue.calls.empty(); })) return done();
      call = std::move(queue.calls.front());
      queue.calls.pop_front();
    }
    call();
  }
  return true;
}

void SetQueueWakeHook(std::function<void()> wake) {
  CallQueue& queue = Queue();
  std::lock_guard<std::mutex> lock(queue.mutex);
  queue.wake = std::move(wake);
}

}  // namespace platform

extern "C" void platform_queue_call(void (*fn)(void*), void* context) {
  platform::QueueCall([fn, context] { fn(context); });
}
