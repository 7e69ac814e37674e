// Port discovery's shared state and its worker. The worker asks the modem
// library about COM4, COM3, COM2 and COM1 in that order and posts
// WM_PROBE_DONE to the sheet; the UI thread reads the three shared words.
#pragma once

#include <atomic>
#include <functional>
#include <string>

#include <platform/queue.h>

constexpr unsigned WM_PROBE_DONE = 0x405;  // WM_USER + 5, both parameters 0
constexpr unsigned PROBE_TIMER_ID = 1;
constexpr unsigned PROBE_TIME_LIMIT_MS = 15000;  // for a whole run, not per port
constexpr int PROBE_PORT_COUNT = 4;              // COM1..COM4 = 0..3

// 1 once the current run has finished, 0 while one is under way.
extern std::atomic<int> g_bProbeDone;
// Per port (0 = COM1): 0 while the library is asked about it, 1 otherwise.
extern std::atomic<int> g_bPortIdle[PROBE_PORT_COUNT];
// Result of the last library call of the last run; -1 = no modem.
extern std::atomic<int> g_nProbeResult;

// The library's question: -1 when no modem answers on the port, else the port
// value to program through.
using DetectPortFn = std::function<int(int port)>;

// What one run of the worker needs. The worker owns it and deletes it when it
// ends, so a run that outlives its sheet touches nothing that is gone.
struct ProbeRun {
  platform::WindowHandle window = 0;
  DetectPortFn detect;
  std::string recordPath;
};

// The worker: takes a ProbeRun* made with new. Returns 0.
int ProbeThreadProc(void* run);
