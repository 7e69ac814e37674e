#include "portprober.h"

#include <fennick.h>
#include <platform/services.h>

#include "portrecord.h"
#include "tarvelapp.h"
#include "tarveltexts.h"

PortProber::PortProber(ProbeHost& host, DetectPortFn detect, std::string recordPath, unsigned timeLimitMs)
    : PortProber(host, theApp, std::move(detect), std::move(recordPath), timeLimitMs) {}

PortProber::PortProber(ProbeHost& host, CTarvelApp& app, DetectPortFn detect, std::string recordPath,
                       unsigned timeLimitMs)
    : host_(host),
      app_(app),
      detect_(std::move(detect)),
      recordPath_(std::move(recordPath)),
      timeLimitMs_(timeLimitMs) {}

DetectPortFn PortProber::DefaultDetect() { return &detect_port; }

void PortProber::StartRun() {
  g_bProbeDone = 0;
  m_nTimer = host_.SetProbeTimer(PROBE_TIMER_ID, timeLimitMs_);
  auto* run = new ProbeRun{host_.Handle(), detect_, recordPath_};
  if (!host_.StartProbeWorker(&ProbeThreadProc, run)) {
    // No worker: the run ends at once without a modem, so the user is offered
    // Retry as for a run that found nothing.
    delete run;
    g_nProbeResult = -1;
    g_bProbeDone = 1;
    platform::PostMessage(host_.Handle(), WM_PROBE_DONE, 0, 0);
  }
}

void PortProber::OnProbeDone() {
  // Any negative answer of the library means no modem.
  const int result = g_nProbeResult < 0 ? -1 : g_nProbeResult.load();
  app_.m_nModemPort = result;
  host_.KillProbeTimer(m_nTimer);
  if (result >= 0) return;
  const int answer =
      platform::MessageBox(tarvel_text::kModemNotFound, tarvel_text::kCaption, platform::MB_RETRYCANCEL);
  if (answer == platform::IDRETRY)
    StartRun();
  else
    platform::PostQuitMessage(0);
}

void PortProber::OnTimer() {
  host_.KillProbeTimer(m_nTimer);  // the watch fires at most once per run
  if (g_bProbeDone != 0) return;
  PortRecord::Ports ports = PortRecord::ReadFile(recordPath_);
  for (int i = 0; i < PROBE_PORT_COUNT; ++i)
    if (g_bPortIdle[i] == 0) ports[static_cast<std::size_t>(i)] = false;
  PortRecord::WriteFile(recordPath_, ports);
  platform::MessageBox(tarvel_text::kCommDriverFailed, tarvel_text::kCaption, platform::MB_OK);
}
