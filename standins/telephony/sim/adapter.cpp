#include "adapter.h"

#include <cstdio>

#include "status_tags.h"
#include "tapi32.h"

namespace isdn::sim {
namespace {

constexpr std::uint32_t kPhysicalPowerUp = 7;
constexpr std::uint32_t kPhysicalActivationRequest = 8;
constexpr std::uint32_t kPhysicalActive = 12;  // activation indication, priority 8

// D-channel frames per call setup / clearing, and per tick while connected.
constexpr std::uint32_t kSetupTx = 2, kSetupRx = 3;
constexpr std::uint32_t kClearTx = 2, kClearRx = 1;
constexpr std::uint32_t kCallTickTx = 12, kCallTickRx = 15;

struct Cause {
  std::uint32_t value;
  const char* name;
};

constexpr Cause kCauses[] = {
    {1, "Unallocated Number"},      {3, "No Route To Destination"}, {16, "Normal Clearing"},
    {17, "User Busy"},              {18, "No User Responding"},     {19, "No Answer"},
    {21, "Call Rejected"},          {27, "Destination Out Of Order"}, {28, "Invalid Number Format"},
    {31, "Normal Unspecified"},     {34, "No Circuit Available"},   {38, "Network Out Of Order"},
    {41, "Temporary Failure"},      {44, "Channel Not Available"},  {102, "Recovery On Timer Expiry"},
};

std::string Format(const char* format, auto... values) {
  char text[160];
  std::snprintf(text, sizeof text, format, values...);
  return text;
}

}  // namespace

const char* CauseName(std::uint32_t cause) {
  for (const Cause& entry : kCauses) {
    if (entry.value == cause) return entry.name;
  }
  return "";
}

const Adapter::Step Adapter::kActivationSteps[] = {&Adapter::RequestActivation, &Adapter::ActivationDone,
                                                   &Adapter::AssignTeis, &Adapter::RegisterSpids};
const std::size_t Adapter::kActivationStepCount = std::size(kActivationSteps);

Adapter::Adapter(const SimConfig& config, Listener& listener) : config_(config), listener_(listener) {
  for (const StatusTagName& entry : kStatusTagNames) status_[entry.tag] = 0;
  status_[kTagFirmware] = 0x0203;
  status_[kTagPhysicalState] = kPhysicalPowerUp;
  status_[kTagBaseIo] = config.baseIo;
  status_[kTagIrq] = config.irq;
  if (config.startActive) {
    while (activationStep_ < kActivationStepCount) (this->*kActivationSteps[activationStep_++])();
  }
}

void Adapter::Log(std::uint32_t kind, const std::string& text) {
  listener_.OnLogText(kind, text.substr(0, kMaxTextLength));
}

bool Adapter::SecondChannelUsed() const { return !config_.phone1.empty() || !config_.spid1.empty(); }

bool Adapter::InService() const { return Status(kTagPhysicalState) == kPhysicalActive; }

std::uint32_t Adapter::Status(std::uint32_t tag) const {
  auto it = status_.find(tag);
  return it == status_.end() ? 0 : it->second;
}

std::vector<std::pair<std::uint32_t, std::uint32_t>> Adapter::StatusRecords() const {
  return {status_.begin(), status_.end()};
}

void Adapter::RequestActivation() {
  status_[kTagPhysicalState] = kPhysicalActivationRequest;
  Log(kLogPhysical, "PH: activation request, INFO 1 sent");
}

void Adapter::ActivationDone() {
  status_[kTagPhysicalState] = kPhysicalActive;
  Log(kLogPhysical, "PH: INFO 4 received, layer 1 active");
}

void Adapter::AssignTeis() {
  Log(kLogQ921, "Q.921: TEI identity request");
  status_[kTagTei1] = config_.tei1;
  status_[kTagLinkFlags] |= kLinkQ921First;
  Log(kLogQ921, Format("Q.921: TEI %u assigned, SABME/UA", config_.tei1));
  if (SecondChannelUsed()) {
    status_[kTagTei2] = config_.tei2;
    status_[kTagLinkFlags] |= kLinkQ921Second;
    Log(kLogQ921, Format("Q.921: TEI %u assigned, SABME/UA", config_.tei2));
  }
}

void Adapter::RegisterSpids() {
  status_[kTagLinkFlags] |= kLinkQ931First;
  Log(kLogQ931, "Q.931: INFO SPID " + config_.spid0 + " accepted");
  if (SecondChannelUsed()) {
    status_[kTagLinkFlags] |= kLinkQ931Second;
    Log(kLogQ931, "Q.931: INFO SPID " + config_.spid1 + " accepted");
  }
}

void Adapter::Tick() {
  if (activationStep_ < kActivationStepCount) (this->*kActivationSteps[activationStep_++])();
  for (const Call& call : calls_) {
    if (!call.active) continue;
    Add(kTagTxPackets, kCallTickTx);
    Add(kTagRxPackets, kCallTickRx);
  }
}

bool Adapter::PlaceCall(int line, const std::string& number, std::string& error) {
  const std::uint32_t q931Up = line == 0 ? kLinkQ931First : kLinkQ931Second;
  if (calls_[line].active) {
    error = Format("line %d already has a call", line + 1);
    return false;
  }
  if (!InService() || (Status(kTagLinkFlags) & q931Up) == 0) {
    error = Format("line %d is not in service yet (layers still activating)", line + 1);
    return false;
  }
  calls_[line] = {true, number};
  Log(kLogQ931, Format("Q.931 TX SETUP B%d to %s", line + 1, number.c_str()));
  Log(kLogQ931, "Q.931 RX CALL PROCEEDING");
  Log(kLogQ931, "Q.931 RX ALERTING");
  Log(kLogQ931, "Q.931 RX CONNECT");
  Log(kLogQ931, "Q.931 TX CONNECT ACK");
  Add(kTagTxPackets, kSetupTx);
  Add(kTagRxPackets, kSetupRx);
  Add(kTagCallCount, 1);
  listener_.OnLineState(line, LINEDEVSTATE_CONNECTED);
  return true;
}

bool Adapter::ClearCall(int line, std::uint32_t cause, std::string& error) {
  if (!calls_[line].active) {
    error = Format("line %d has no call", line + 1);
    return false;
  }
  calls_[line] = {};
  lastClearCause_ = cause;
  Log(kLogQ931, Format("Q.931 RX DISCONNECT cause %u %s", cause, CauseName(cause)));
  Log(kLogQ931, "Q.931 TX RELEASE");
  Log(kLogQ931, "Q.931 RX RELEASE COMPLETE");
  Add(kTagTxPackets, kClearTx);
  Add(kTagRxPackets, kClearRx);
  listener_.OnLineState(line, LINEDEVSTATE_DISCONNECTED);
  return true;
}

void Adapter::RunDiagnostics() {
  const std::uint32_t log = kLogDiagnostics;
  Log(log, Format("DIAG: board type %u, firmware %u.%02u", config_.boardType, Status(kTagFirmware) >> 8,
                  Status(kTagFirmware) & 0xFF));
  Log(log, Format("DIAG: base I/O 0x%03X, IRQ %u", Status(kTagBaseIo) & 0xFFFF, Status(kTagIrq) & 0xFFFF));
  Log(log, Format("DIAG: layer 1 state %u, links 0x%02X", Status(kTagPhysicalState), Status(kTagLinkFlags)));
  Log(log, Format("DIAG: TEI %u and %u", Status(kTagTei1), Status(kTagTei2)));
  Log(log, "DIAG: B1 " + config_.phone0 + " SPID " + config_.spid0);
  Log(log, "DIAG: B2 " + config_.phone1 + " SPID " + config_.spid1);
  Log(log, Format("DIAG: calls %u, Tx %u, Rx %u", Status(kTagCallCount), Status(kTagTxPackets),
                  Status(kTagRxPackets)));
  Log(log, Format("DIAG: CRC %u, HW overrun %u, buffer %u", Status(kTagCrcMismatch),
                  Status(kTagHardwareOverruns), Status(kTagBufferOverruns)));
  Log(log, Format("DIAG: FRMR %u, REJ %u, last cause %u", Status(kTagDChannelFrmr), Status(kTagDChannelRej),
                  lastClearCause_));
  Log(log, "DIAG: self test passed");
}

}  // namespace isdn::sim
