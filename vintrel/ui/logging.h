// The Logging page: the event log, newest line at the top, the driver's log
// filters, and Freeze, Clear and Save.
#pragma once

#include <cstdint>

#include "platform/property_page.h"

// State of the page that lasts for the whole run, across deactivations.
struct LoggingRunState {
  std::uint32_t filterMask = 0x00000005;  // API and Q.931
  bool frozen = false;
  bool animationTried = false;
};
extern LoggingRunState LoggingState;

class logging : public platform::PropertyPage {
 public:
  static constexpr unsigned kTimerId = 1;
  static constexpr unsigned kTimerPeriodMs = 1000;
  // Once the list holds this many lines, a new line at the top drops one at the bottom.
  static constexpr int kListLimit = 999;
  // The file name offered by Save.
  static constexpr const char* kSaveName = "ISDNLog";

  logging();

  bool OnSetActive() override;
  bool OnKillActive() override;
  void OnTimer(unsigned id) override;
  void OnCommand(int controlId, int notification) override;

 private:
  void RebuildList();
  void ShowFilters();
  void OnFilterClicked(int controlId);
  void OnFreeze();
  void OnClear();
  void OnSave();
};
