#include "probetesthost.h"

#include <chrono>

namespace tarvel_test {

int ScriptedModem::Detect(int port) {
  std::unique_lock lock(mutex_);
  asked_.push_back(port);
  if (port == hangPort) {
    hanging_ = true;
    cv_.wait(lock, [this] { return released_; });
    hanging_ = false;
  }
  if (static_cast<int>(asked_.size()) <= failuresFirst) return -1;
  return port == modemPort ? port : -1;
}

void ScriptedModem::Release() {
  std::lock_guard lock(mutex_);
  released_ = true;
  cv_.notify_all();
}

std::vector<int> ScriptedModem::Asked() {
  std::lock_guard lock(mutex_);
  return asked_;
}

bool ScriptedModem::IsHanging() {
  std::lock_guard lock(mutex_);
  return hanging_;
}

ProbeTestHost::ProbeTestHost() : handle_(platform::RegisterWindow(this)) {}

ProbeTestHost::~ProbeTestHost() {
  platform::UnregisterWindow(handle_);
  {
    std::lock_guard lock(mutex_);
    closing_ = true;
    cv_.notify_all();
  }
  for (std::thread& t : threads_) t.join();
}

unsigned ProbeTestHost::SetProbeTimer(unsigned id, unsigned ms) {
  (void)id;
  timerPeriods.push_back(ms);
  const unsigned timer = ++nextTimer_;
  armed_.insert(timer);
  const platform::WindowHandle handle = handle_;
  threads_.emplace_back([this, handle, timer, ms] {
    std::unique_lock lock(mutex_);
    if (cv_.wait_for(lock, std::chrono::milliseconds(ms), [this] { return closing_; })) return;
    platform::PostMessage(handle, kTimerMessage, timer, 0);
  });
  return timer;
}

void ProbeTestHost::KillProbeTimer(unsigned timer) { armed_.erase(timer); }

bool ProbeTestHost::StartProbeWorker(int (*proc)(void*), void* arg) {
  if (failWorkerStart) return false;
  threads_.emplace_back([proc, arg] { proc(arg); });
  return true;
}

void ProbeTestHost::OnPostedMessage(unsigned message, std::uintptr_t wParam, std::intptr_t) {
  if (message == WM_PROBE_DONE) {
    ++doneCount;
    prober->OnProbeDone();
  } else if (message == kTimerMessage && armed_.count(static_cast<unsigned>(wParam)) != 0) {
    ++timerCount;
    prober->OnTimer();
  }
}

bool ProbeTestHost::WaitForDone(int count, int timeoutMs) {
  return platform::RunQueuedCallsUntil([this, count] { return doneCount >= count; }, timeoutMs);
}

bool ProbeTestHost::WaitForTimer(int timeoutMs) {
  return platform::RunQueuedCallsUntil([this] { return timerCount > 0; }, timeoutMs);
}

}  // namespace tarvel_test
