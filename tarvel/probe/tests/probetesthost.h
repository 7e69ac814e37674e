// A sheet stand-in for port discovery tests: real timers and worker threads,
// messages delivered through the platform queue (the test drains it with
// RunQueuedCallsUntil), and a scripted library that answers, fails or blocks.
#pragma once

#include <condition_variable>
#include <mutex>
#include <set>
#include <thread>
#include <vector>

#include <platform/queue.h>

#include "portprober.h"

namespace tarvel_test {

// detect_port as the test scripts it: the modem answers on `modemPort` once
// `failuresFirst` calls have failed; a call on `hangPort` blocks until Release.
class ScriptedModem {
 public:
  int Detect(int port);
  DetectPortFn Fn() {
    return [this](int port) { return Detect(port); };
  }
  void Release();
  std::vector<int> Asked();
  bool IsHanging();

  int modemPort = -1;
  int hangPort = -1;
  int failuresFirst = 0;

 private:
  std::mutex mutex_;
  std::condition_variable cv_;
  std::vector<int> asked_;
  bool released_ = false;
  bool hanging_ = false;
};

class ProbeTestHost : public ProbeHost, public platform::MessageTarget {
 public:
  static constexpr unsigned kTimerMessage = 0x113;

  ProbeTestHost();
  ~ProbeTestHost() override;

  unsigned SetProbeTimer(unsigned id, unsigned ms) override;
  void KillProbeTimer(unsigned timer) override;
  bool StartProbeWorker(int (*proc)(void*), void* arg) override;
  platform::WindowHandle Handle() override { return handle_; }
  void OnPostedMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) override;

  // Runs queued messages until `count` WM_PROBE_DONE have arrived in all.
  bool WaitForDone(int count, int timeoutMs = 5000);
  bool WaitForTimer(int timeoutMs = 5000);

  PortProber* prober = nullptr;
  bool failWorkerStart = false;
  std::vector<unsigned> timerPeriods;  // every timer set, by period
  int doneCount = 0;
  int timerCount = 0;                  // timer events passed to the prober

 private:
  platform::WindowHandle handle_;
  std::mutex mutex_;
  std::condition_variable cv_;
  bool closing_ = false;
  std::set<unsigned> armed_;
  unsigned nextTimer_ = 100;
  std::vector<std::thread> threads_;
};

}  // namespace tarvel_test
