// The program's one window: a modal property sheet with the Map page and the
// List page. When its window is created it starts looking for the modem's
// port in the background (PortProber); while it runs it is the sheet through
// which theApp keeps both pages in step.
#pragma once

#include <string>

#include <platform/property_sheet.h>
#include <portprober.h>
#include <probehost.h>
#include <selectionsheet.h>

#include "pg1.h"
#include "pg2.h"

class CShet : public platform::PropertySheet, public SelectionSheet, private ProbeHost {
 public:
  // The program's sheet: the modem library's detect_port, "tarvel.cfg" in the
  // working folder, the 15-second watch.
  CShet();
  // For tests: a scripted detect_port, another record file, a shorter watch.
  CShet(DetectPortFn detect, std::string recordPath, unsigned timeLimitMs);
  ~CShet() override;

  bool OnInitDialog() override;
  void WinHelp(unsigned data, unsigned command) override;
  void OnTimer(unsigned id) override;
  void OnPostedMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) override;

  // SelectionSheet.
  SelectionPage& MapPage() override { return m_pgMap; }
  SelectionPage& ListPage() override { return m_pgList; }
  void SetMapModified(bool modified) override { m_pgMap.SetModified(modified); }

  CPg1 m_pgMap;
  CPg2 m_pgList;

 protected:
  void OnDestroyed() override;

 private:
  void OnProbeDone();

  // ProbeHost.
  unsigned SetProbeTimer(unsigned id, unsigned ms) override;
  void KillProbeTimer(unsigned timer) override;
  bool StartProbeWorker(int (*proc)(void*), void* arg) override;
  platform::WindowHandle Handle() override { return GetSafeHwnd(); }

  PortProber m_prober;
};
