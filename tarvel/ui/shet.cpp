#include "shet.h"

#include <platform/resources.h>
#include <platform/services.h>
#include <platform/thread.h>

#include <dialogtemplates.h>
#include <probestate.h>
#include <tarvelapp.h>
#include <tarveltexts.h>

namespace {
constexpr const char* kHelpFailed = "Failed to launch help.";
constexpr int kFirstHelpPage = 1;
}  // namespace

CShet::CShet() : CShet(PortProber::DefaultDetect(), "tarvel.cfg", PROBE_TIME_LIMIT_MS) {}

CShet::CShet(DetectPortFn detect, std::string recordPath, unsigned timeLimitMs)
    : platform::PropertySheet(platform::LoadString(tarvel_res::IDS_CAPTION), 0),
      m_prober(*this, std::move(detect), std::move(recordPath), timeLimitMs) {
  AddPage(&m_pgMap);
  AddPage(&m_pgList);
}

CShet::~CShet() {
  // Close the window while the pages are still whole.
  DestroyWindow();
  if (CTarvelApp::GetSheet() == this) CTarvelApp::SetSheet(nullptr);
}

bool CShet::OnInitDialog() {
  CTarvelApp::SetSheet(this);
  const bool result = platform::PropertySheet::OnInitDialog();
  m_pgList.SetPortSearch(CPg2::PortSearch::Searching);
  m_prober.StartRun();
  return result;
}

void CShet::OnDestroyed() {
  if (CTarvelApp::GetSheet() == this) CTarvelApp::SetSheet(nullptr);
}

void CShet::WinHelp(unsigned, unsigned) {
  // Whatever was asked for, the help's contents are shown.
  if (!Exists() || !platform::FindResource(platform::ResourceType::Help, kFirstHelpPage)) {
    platform::MessageBox(kHelpFailed, tarvel_text::kCaption, platform::MB_OK | platform::MB_ICONEXCLAMATION);
    return;
  }
  platform::PropertySheet::WinHelp(0, platform::HELP_CONTENTS);
}

void CShet::OnTimer(unsigned id) {
  m_prober.OnTimer();  // the sheet's only timer is the probe's watch
  platform::PropertySheet::OnTimer(id);
}

void CShet::OnPostedMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
  if (message == WM_PROBE_DONE) {
    OnProbeDone();
    return;
  }
  platform::PropertySheet::OnPostedMessage(message, wParam, lParam);
}

void CShet::OnProbeDone() {
  // The label says so before "Sorvan Modem not found." is shown.
  if (g_nProbeResult < 0) m_pgList.SetPortSearch(CPg2::PortSearch::NotFound);
  m_prober.OnProbeDone();
  if (!Exists()) return;
  if (theApp.m_nModemPort >= 0)
    m_pgList.SetPortSearch(CPg2::PortSearch::Found);
  else if (g_bProbeDone == 0)
    m_pgList.SetPortSearch(CPg2::PortSearch::Searching);  // Retry started a new run
}

unsigned CShet::SetProbeTimer(unsigned id, unsigned ms) { return SetTimer(id, ms); }

void CShet::KillProbeTimer(unsigned timer) { KillTimer(timer); }

bool CShet::StartProbeWorker(int (*proc)(void*), void* arg) {
  return platform::StartWorkerThread(proc, arg, platform::ThreadPriority::BelowNormal);
}
