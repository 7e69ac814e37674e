#include "diagnos.h"

#include <cstring>
#include <string>

#include "brandanimation.h"
#include "config/adapterconfig.h"
#include "devspecific.h"
#include "editbox.h"
#include "linemon.h"
#include "platform/property_sheet.h"
#include "res/dialogs.h"
#include "res/resource.h"
#include "statustexts.h"

DiagnosticsRunState DiagnosticsState;

namespace {
// A text field of the configuration, read no further than its size.
template <std::size_t N>
std::string FieldText(const char (&field)[N]) {
  return std::string(field, strnlen(field, N));
}
}  // namespace

diagnos::diagnos() : PropertyPage(DiagnosticsDialog()) {}

bool diagnos::OnSetActive() {
  if (platform::PropertySheet* sheet = GetSheet()) sheet->CancelToClose();
  SetTimer(kTimerId, kTimerPeriodMs);
  StartBrandAnimation(GetAnimation(IDC_ANIMATION), DiagnosticsState.animationTried);
  WriteActiveCalls();
  WriteLayerStates();
  WritePhysical();
  WriteConfiguration();
  WriteResources();
  WriteInterface();
  return PropertyPage::OnSetActive();
}

bool diagnos::OnKillActive() {
  KillTimer(kTimerId);
  return PropertyPage::OnKillActive();
}

void diagnos::OnTimer(unsigned id) {
  if (DiagnosticsState.requestCountdown > 0 && --DiagnosticsState.requestCountdown == 0) {
    LineMonitor.SendDevSpecific(DiagnosticsRequest, 0);
  }
  WriteLayerStates();
  WriteActiveCalls();
  WritePhysical();
  WriteResources();
  PropertyPage::OnTimer(id);
}

void diagnos::WriteLayerStates() {
  WriteBox(*this, IDC_Q931_STATE, LinkStateName(AdapterStatus.LinkFlags, kQ931Bits[0], kQ931Bits[1]));
  WriteBox(*this, IDC_Q921_STATE, LinkStateName(AdapterStatus.LinkFlags, kQ921Bits[0], kQ921Bits[1]));
}

void diagnos::WriteActiveCalls() { WriteBox(*this, IDC_ACTIVE_CALLS, FormatInt(LineMonitor.GetActiveCalls())); }

void diagnos::WritePhysical() { WriteBox(*this, IDC_PHYSICAL_STATE, PhysicalStateName(AdapterStatus.PhysicalState)); }

void diagnos::WriteResources() {
  WriteBox(*this, IDC_BASE_IO, FormatBaseIo(AdapterStatus.BaseIo));
  WriteBox(*this, IDC_IRQ, FormatIrq(AdapterStatus.Irq));
}

void diagnos::WriteConfiguration() {
  WriteBox(*this, IDC_SPID1, FieldText(AdapterConfig.Spid0));
  WriteBox(*this, IDC_SPID2, FieldText(AdapterConfig.Spid1));
  WriteBox(*this, IDC_PHONE1, FieldText(AdapterConfig.Phone0));
  WriteBox(*this, IDC_PHONE2, FieldText(AdapterConfig.Phone1));
}

void diagnos::WriteInterface() { WriteBox(*this, IDC_INTERFACE, InterfaceText(AdapterConfig.BoardType, AdapterName)); }
