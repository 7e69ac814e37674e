#include "statistics.h"

#include <cstdint>

#include "brandanimation.h"
#include "devspecific.h"
#include "editbox.h"
#include "res/dialogs.h"
#include "res/resource.h"
#include "statustexts.h"

StatisticsRunState StatisticsState;

namespace {

// The counter boxes in the order they are written, with the value each shows.
struct CounterBox {
  int id;
  std::uint32_t AdapterStatusRecord::*value;
};
constexpr CounterBox kCounters[] = {
    {IDC_D_CHANNEL_FRMR, &AdapterStatusRecord::DChannelFrmr},
    {IDC_D_CHANNEL_REJ, &AdapterStatusRecord::DChannelRej},
    {IDC_TEI1, &AdapterStatusRecord::Tei1},
    {IDC_TEI2, &AdapterStatusRecord::Tei2},
    {IDC_LAST_CLEAR_CAUSE, &AdapterStatusRecord::LastClearCause},
    {IDC_BUFFER_OVERRUNS, &AdapterStatusRecord::BufferOverruns},
    {IDC_CALLS, &AdapterStatusRecord::CallCount},
    {IDC_TX_PACKETS, &AdapterStatusRecord::TxPackets},
    {IDC_RX_PACKETS, &AdapterStatusRecord::RxPackets},
    {IDC_HARDWARE_OVERRUNS, &AdapterStatusRecord::HardwareOverruns},
    {IDC_CRC_MISMATCH, &AdapterStatusRecord::CrcMismatch},
};

}  // namespace

statistics::statistics() : PropertyPage(StatisticsDialog()) {}

bool statistics::OnSetActive() {
  SetTimer(kTimerId, kTimerPeriodMs);
  WriteCounters();
  StartBrandAnimation(GetAnimation(IDC_ANIMATION), StatisticsState.animationTried);
  return PropertyPage::OnSetActive();
}

bool statistics::OnKillActive() {
  KillTimer(kTimerId);
  return PropertyPage::OnKillActive();
}

void statistics::OnTimer(unsigned id) {
  WriteCounters();
  PropertyPage::OnTimer(id);
}

void statistics::WriteCounters() {
  for (const CounterBox& box : kCounters) WriteBox(*this, box.id, FormatCounter(AdapterStatus.*box.value));
}
