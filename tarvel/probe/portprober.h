// Finds the modem's serial port in the background for the sheet: a worker asks
// the modem library about COM4 down to COM1 under a watch for the whole run.
// The sheet delegates to it: StartRun when its window is created,
// OnProbeDone when WM_PROBE_DONE arrives, OnTimer on WM_TIMER.
//
// When the watch fires before the run ends, the port being asked at that
// moment is recorded in the port record file as one to skip and the user is
// warned; the run goes on. When no modem answers, the user may retry or quit.
#pragma once

#include <string>

#include "probehost.h"
#include "probestate.h"

class CTarvelApp;

class PortProber {
 public:
  explicit PortProber(ProbeHost& host, DetectPortFn detect = DefaultDetect(),
                      std::string recordPath = "tarvel.cfg", unsigned timeLimitMs = PROBE_TIME_LIMIT_MS);
  // The same, storing the port found in `app` instead of theApp.
  PortProber(ProbeHost& host, CTarvelApp& app, DetectPortFn detect, std::string recordPath,
             unsigned timeLimitMs);

  // Starts a probing run: arms the watch and starts the worker.
  void StartRun();
  // The worker's result has arrived: stores the port; when none answered,
  // offers Retry (a new run) or Cancel (the quit request).
  void OnProbeDone();
  // The watch has fired.
  void OnTimer();

  // The modem library's detect_port.
  static DetectPortFn DefaultDetect();

 private:
  ProbeHost& host_;
  CTarvelApp& app_;
  DetectPortFn detect_;
  std::string recordPath_;
  unsigned timeLimitMs_;
  unsigned m_nTimer = 0;
};
