// Calls and window messages delivered on the UI thread.
//
// Any thread may queue a call or post a message; the UI thread runs them one
// at a time from its event loop (also inside modal runs and message boxes).
// A message posted to a window that is gone by the time it is delivered is
// dropped. The desktop layer wakes its event loop through the wake hook; code
// without a desktop (tests, tools) drains the queue itself.
#pragma once

#include <cstdint>
#include <functional>

namespace platform {

using WindowHandle = std::uint32_t;  // 0 = no window

class MessageTarget {
 public:
  virtual ~MessageTarget() = default;
  virtual void OnPostedMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) = 0;
};

// Gives a target a handle that other threads may post to; the target must
// unregister before it is destroyed. Both run on the UI thread.
WindowHandle RegisterWindow(MessageTarget* target);
void UnregisterWindow(WindowHandle handle);
bool IsWindow(WindowHandle handle);

// Thread-safe. The message reaches the target on the UI thread, or is dropped
// when the handle has been unregistered by then. Returns false only when the
// handle is 0.
bool PostMessage(WindowHandle handle, unsigned message, std::uintptr_t wParam, std::intptr_t lParam);

// Thread-safe: runs fn later on the UI thread.
void QueueCall(std::function<void()> fn);

// Runs the calls queued so far (UI thread). Returns how many ran.
int DrainQueuedCalls();

// Waits up to timeoutMs for queued calls and runs them, until the timeout or
// until done() holds (checked after each call). For code without a desktop
// event loop. Returns done().
bool RunQueuedCallsUntil(const std::function<bool()>& done, int timeoutMs);

// The desktop layer installs this to wake its event loop when a call is queued;
// it may be called from any thread.
void SetQueueWakeHook(std::function<void()> wake);

}  // namespace platform

// The same queue for C code and for libraries that are loaded at run time.
extern "C" void platform_queue_call(void (*fn)(void*), void* context);
