// The Diagnostics page: layer states, active calls, configuration and
// resources of the adapter, rewritten once a second while it is shown.
#pragma once

#include <cstdint>

#include "platform/property_page.h"

// State of the page that lasts for the whole run, across deactivations.
struct DiagnosticsRunState {
  bool animationTried = false;
  // Ticks left until the one diagnostics request of the run goes out.
  std::uint8_t requestCountdown = 2;
};
extern DiagnosticsRunState DiagnosticsState;

class diagnos : public platform::PropertyPage {
 public:
  static constexpr unsigned kTimerId = 1;
  static constexpr unsigned kTimerPeriodMs = 1000;

  diagnos();

  bool OnSetActive() override;
  bool OnKillActive() override;
  void OnTimer(unsigned id) override;

 private:
  void WriteLayerStates();
  void WriteActiveCalls();
  void WritePhysical();
  void WriteResources();
  void WriteConfiguration();
  void WriteInterface();
};
