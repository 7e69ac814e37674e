// The Statistics page: eleven traffic and error counters of the adapter,
// rewritten once a second while it is shown.
#pragma once

#include "platform/property_page.h"

// State of the page that lasts for the whole run.
struct StatisticsRunState {
  bool animationTried = false;
};
extern StatisticsRunState StatisticsState;

class statistics : public platform::PropertyPage {
 public:
  static constexpr unsigned kTimerId = 1;
  static constexpr unsigned kTimerPeriodMs = 1000;

  statistics();

  bool OnSetActive() override;
  bool OnKillActive() override;
  void OnTimer(unsigned id) override;

 private:
  void WriteCounters();
};
