#include "probestate.h"

#include <memory>

#include "portrecord.h"

std::atomic<int> g_bProbeDone{0};
std::atomic<int> g_bPortIdle[PROBE_PORT_COUNT] = {1, 1, 1, 1};
std::atomic<int> g_nProbeResult{-1};

int ProbeThreadProc(void* arg) {
  std::unique_ptr<ProbeRun> run(static_cast<ProbeRun*>(arg));
  const PortRecord::Ports ports = PortRecord::ReadFile(run->recordPath);
  g_bProbeDone = 0;
  // A run starts only after a run that found nothing; start from that answer
  // so that a run that skips every port reports no modem.
  g_nProbeResult = -1;
  for (int i = PROBE_PORT_COUNT - 1; i >= 0; --i) {
    if (ports[static_cast<std::size_t>(i)]) {
      g_bPortIdle[i] = 0;
      g_nProbeResult = run->detect(i);
      g_bPortIdle[i] = 1;
    }
    if (g_nProbeResult >= 0) break;  // the lower ports are not asked
  }
  g_bProbeDone = 1;
  platform::PostMessage(run->window, WM_PROBE_DONE, 0, 0);
  return 0;
}
