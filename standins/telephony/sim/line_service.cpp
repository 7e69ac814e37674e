#include "line_service.h"

#include <algorithm>
#include <cstdio>

#include "messages.h"
#include "status_report.h"
#include "status_tags.h"
#include "tapi32.h"

namespace isdn::sim {
namespace {

constexpr std::size_t kMaxPendingTexts = 256;  // per registration; the oldest go first
constexpr std::uint32_t kAdapterLineStates =
    LINEDEVSTATE_CONNECTED | LINEDEVSTATE_DISCONNECTED | LINEDEVSTATE_CLOSE | LINEDEVSTATE_DEVSPECIFIC;
constexpr std::uint32_t kOtherLineStates = LINEDEVSTATE_CONNECTED | LINEDEVSTATE_DISCONNECTED | LINEDEVSTATE_CLOSE;
constexpr std::uint32_t kBearerVoice = 0x1, kBearerData = 0x8;
constexpr std::uint32_t kAddressModeAddressId = 0x1;
constexpr std::uint32_t kPrivilegeChoices[] = {LINECALLPRIVILEGE_NONE, LINECALLPRIVILEGE_MONITOR,
                                              LINECALLPRIVILEGE_OWNER,
                                              LINECALLPRIVILEGE_MONITOR | LINECALLPRIVILEGE_OWNER};
const char* const kProviderInfo = "ISDN adapter simulator";

wire::Writer Result(std::int32_t result) { return std::move(wire::Writer().U32(static_cast<std::uint32_t>(result))); }

bool VersionSupported(std::uint32_t version) {
  return version >= wire::kApiVersionLow && version <= wire::kApiVersionHigh;
}

}  // namespace

LineService::LineService(const SimConfig& config) : config_(config), adapter_(config, *this) {
  for (const std::string& name : config.extraLines) devices_.push_back({name, -1, LINEMEDIAMODE_DATAMODEM});
  devices_.push_back({config.adapterName + "ISDN1", 0, LINEMEDIAMODE_DIGITALDATA});
  devices_.push_back({config.adapterName + "ISDN2", 1, LINEMEDIAMODE_DIGITALDATA});
}

const std::map<std::uint16_t, LineService::Handler>& LineService::Handlers() {
  static const std::map<std::uint16_t, Handler> handlers = {
      {wire::kHello, &LineService::Hello},
      {wire::kGetDevCaps, &LineService::GetDevCaps},
      {wire::kNegotiate, &LineService::Negotiate},
      {wire::kOpen, &LineService::Open},
      {wire::kSetStatusMessages, &LineService::SetStatusMessages},
      {wire::kGetStatus, &LineService::GetStatus},
      {wire::kDevSpecific, &LineService::DevSpecific},
      {wire::kClose, &LineService::Close},
  };
  return handlers;
}

void LineService::ClientGone(int client) {
  apps_.erase(client);
  std::erase_if(lines_, [client](const auto& entry) { return entry.second.client == client; });
}

wire::Bytes LineService::Handle(int client, const wire::Frame& request) {
  auto it = Handlers().find(request.kind);
  if (it == Handlers().end()) return Result(LINEERR_OPERATIONUNAVAIL).Take();
  wire::Reader in(request.payload);
  return (this->*it->second)(client, in).Take();
}

std::int32_t LineService::CheckDevice(std::uint32_t device) {
  return device < devices_.size() ? 0 : LINEERR_BADDEVICEID;
}

std::int32_t LineService::CheckLine(int client, std::uint32_t handle) {
  auto it = lines_.find(handle);
  return it != lines_.end() && it->second.client == client ? 0 : LINEERR_INVALLINEHANDLE;
}

std::int32_t LineService::TakeFailure(std::uint32_t device) {
  auto it = failures_.find(device);
  if (it == failures_.end() || !it->second.now) return 0;
  return *std::exchange(it->second.now, std::nullopt);
}

std::uint32_t LineService::DeviceOfLine(int line) const {
  return static_cast<std::uint32_t>(config_.extraLines.size()) + static_cast<std::uint32_t>(line);
}

void LineService::ApiLog(std::uint32_t kind, const std::string& what, std::uint32_t device) {
  OnLogText(kind, "API: " + what + " device " + std::to_string(device));
}

wire::Writer LineService::Hello(int client, wire::Reader& in) {
  apps_[client].name = in.Str();
  if (!in.Ok()) return Result(LINEERR_OPERATIONFAILED);
  return std::move(Result(0).U32(static_cast<std::uint32_t>(devices_.size())));
}

wire::Writer LineService::GetDevCaps(int, wire::Reader& in) {
  const std::uint32_t device = in.U32(), version = in.U32(), extVersion = in.U32();
  if (!in.Ok()) return Result(LINEERR_OPERATIONFAILED);
  if (std::int32_t error = CheckDevice(device)) return Result(error);
  if (std::int32_t error = TakeFailure(device)) return Result(error);
  if (!VersionSupported(version)) return Result(LINEERR_INCOMPATIBLEAPIVERSION);
  if (extVersion != 0) return Result(LINEERR_INCOMPATIBLEEXTVERSION);
  ApiLog(kLogApiDetail, "lineGetDevCaps", device);
  const Device& d = devices_[device];
  const bool adapterLine = d.line >= 0;
  wire::Bytes switchInfo;
  if (adapterLine && config_.publishSwitchInfo) {
    const std::string text = config_.phone0 + "|" + config_.phone1 + "|" + config_.spid0 + "|" + config_.spid1;
    switchInfo = {0, static_cast<std::uint8_t>(config_.boardType)};
    switchInfo.insert(switchInfo.end(), text.begin(), text.end());
    switchInfo.push_back(0);
  }
  wire::Writer out = Result(0);
  out.U32(0x00010000 + device)
      .Str(d.name)
      .Str(kProviderInfo)
      .Blob(switchInfo)
      .U32(d.mediaModes)
      .U32(adapterLine ? kBearerData | kBearerVoice : kBearerVoice)
      .U32(adapterLine ? 64000 : 33600)
      .U32(adapterLine ? kAdapterLineStates : kOtherLineStates)
      .U32(1)
      .U32(1)
      .U32(kAddressModeAddressId)
      .U32(0);
  return out;
}

wire::Writer LineService::Negotiate(int, wire::Reader& in) {
  const std::uint32_t device = in.U32(), low = in.U32(), high = in.U32();
  if (!in.Ok()) return Result(LINEERR_OPERATIONFAILED);
  if (std::int32_t error = CheckDevice(device)) return Result(error);
  if (std::int32_t error = TakeFailure(device)) return Result(error);
  if (low > high || high < wire::kApiVersionLow || low > wire::kApiVersionHigh) {
    return Result(LINEERR_INCOMPATIBLEAPIVERSION);
  }
  ApiLog(kLogApiDetail, "lineNegotiateAPIVersion", device);
  return std::move(Result(0).U32(std::min(high, wire::kApiVersionHigh)));
}

wire::Writer LineService::Open(int client, wire::Reader& in) {
  const std::uint32_t device = in.U32(), version = in.U32(), extVersion = in.U32();
  const std::uint32_t privileges = in.U32(), mediaModes = in.U32();
  if (!in.Ok()) return Result(LINEERR_OPERATIONFAILED);
  if (std::int32_t error = CheckDevice(device)) return Result(error);
  if (std::int32_t error = TakeFailure(device)) return Result(error);
  if (!VersionSupported(version)) return Result(LINEERR_INCOMPATIBLEAPIVERSION);
  if (extVersion != 0) return Result(LINEERR_INCOMPATIBLEEXTVERSION);
  if (std::find(std::begin(kPrivilegeChoices), std::end(kPrivilegeChoices), privileges) ==
      std::end(kPrivilegeChoices)) {
    return Result(LINEERR_INVALPRIVSELECT);
  }
  // Owners must name media modes the device has; monitors need none.
  if ((privileges & LINECALLPRIVILEGE_OWNER) &&
      (mediaModes == 0 || (mediaModes & ~devices_[device].mediaModes) != 0)) {
    return Result(LINEERR_INVALMEDIAMODE);
  }
  const std::uint32_t handle = nextHandle_++;
  lines_[handle] = {client, device};
  ApiLog(kLogApi, "lineOpen", device);
  return std::move(Result(0).U32(handle));
}

wire::Writer LineService::SetStatusMessages(int client, wire::Reader& in) {
  const std::uint32_t handle = in.U32(), lineStates = in.U32();
  in.U32();  // address states: the lines raise none
  if (!in.Ok()) return Result(LINEERR_OPERATIONFAILED);
  if (std::int32_t error = CheckLine(client, handle)) return Result(error);
  OpenLine& line = lines_[handle];
  if (std::int32_t error = TakeFailure(line.device)) return Result(error);
  line.statusMessages = lineStates;
  ApiLog(kLogApi, "lineSetStatusMessages", line.device);
  return Result(0);
}

wire::Writer LineService::GetStatus(int client, wire::Reader& in) {
  const std::uint32_t handle = in.U32();
  if (!in.Ok()) return Result(LINEERR_OPERATIONFAILED);
  if (std::int32_t error = CheckLine(client, handle)) return Result(error);
  const std::uint32_t device = lines_[handle].device;
  if (std::int32_t error = TakeFailure(device)) return Result(error);
  ApiLog(kLogApiDetail, "lineGetLineDevStatus", device);
  const int adapterLine = devices_[device].line;
  const auto opens = std::count_if(lines_.begin(), lines_.end(),
                                   [device](const auto& entry) { return entry.second.device == device; });
  const bool inService = adapterLine < 0 || adapter_.InService();
  const bool hasCall = adapterLine >= 0 && adapter_.HasCall(adapterLine);
  wire::Writer out = Result(0);
  out.U32(static_cast<std::uint32_t>(opens))
      .U32(hasCall ? 1 : 0)
      .U32(inService ? LINEDEVSTATUSFLAGS_CONNECTED | LINEDEVSTATUSFLAGS_INSERVICE : 0)
      .U32(0);
  return out;
}

wire::Writer LineService::DevSpecific(int client, wire::Reader& in) {
  const std::uint32_t handle = in.U32(), addressId = in.U32(), call = in.U32(), requestId = in.U32();
  const wire::Bytes params = in.Blob();
  if (!in.Ok()) return Result(LINEERR_OPERATIONFAILED);
  if (std::int32_t error = CheckLine(client, handle)) return Result(error);
  const std::uint32_t device = lines_[handle].device;
  if (std::int32_t error = TakeFailure(device)) return Result(error);
  if (addressId != 0) return Result(LINEERR_INVALADDRESSID);
  if (call != 0) return Result(LINEERR_INVALCALLHANDLE);
  ApiLog(kLogApi, "lineDevSpecific", device);
  std::int32_t result = LINEERR_OPERATIONFAILED;  // lines of other devices have no such driver
  auto& failures = failures_[device];
  if (failures.reply) {
    result = *std::exchange(failures.reply, std::nullopt);
  } else if (devices_[device].line >= 0) {
    result = RunRequest(apps_[client], params);
  }
  Event(client, handle, LINE_REPLY, requestId, static_cast<std::uint32_t>(result));
  SendReports();  // what the request changed shows at once
  return Result(0);
}

std::int32_t LineService::RunRequest(App& app, const wire::Bytes& params) {
  if (params.size() < 8) return LINEERR_OPERATIONFAILED;
  const std::uint32_t code = wire::GetU32(params.data()), value = wire::GetU32(params.data() + 4);
  switch (code) {
    case kRequestStatusReporting:
      app.reporting = value != 0;
      if (!app.reporting) app.texts.clear();
      return 0;
    case kRequestLogFilter:
      app.filter = value;
      return 0;
    case kRequestDiagnostics:
      adapter_.RunDiagnostics();
      return 0;
    default:
      return LINEERR_OPERATIONFAILED;
  }
}

wire::Writer LineService::Close(int client, wire::Reader& in) {
  const std::uint32_t handle = in.U32();
  if (!in.Ok()) return Result(LINEERR_OPERATIONFAILED);
  if (std::int32_t error = CheckLine(client, handle)) return Result(error);
  const std::uint32_t device = lines_[handle].device;
  if (std::int32_t error = TakeFailure(device)) return Result(error);
  lines_.erase(handle);
  ApiLog(kLogApi, "lineClose", device);
  return Result(0);
}

void LineService::Event(int client, std::uint32_t handle, std::uint32_t message, std::uint32_t p1,
                        std::uint32_t p2, std::uint32_t p3, const wire::Bytes& area) {
  wire::Frame frame{wire::kEvent, 0, wire::Writer().U32(handle).U32(message).U32(p1).U32(p2).U32(p3).Blob(area).Take()};
  outbox_.push_back({client, std::move(frame)});
}

void LineService::OnLogText(std::uint32_t kind, const std::string& text) {
  for (auto& [client, app] : apps_) {
    if (!app.reporting || (kind != kLogDiagnostics && (app.filter & kind) == 0)) continue;
    app.texts.push_back(text);
    if (app.texts.size() > kMaxPendingTexts) app.texts.pop_front();
  }
}

void LineService::OnLineState(int line, std::uint32_t state) {
  const std::uint32_t device = DeviceOfLine(line);
  for (const auto& [handle, open] : lines_) {
    if (open.device == device && (open.statusMessages & state)) {
      Event(open.client, handle, LINE_LINEDEVSTATE, state);
    }
  }
}

// Reports go to the registration's open handles of the first adapter line
// that asked for device-specific state messages.
void LineService::ReportTo(int client, App&, const wire::Bytes& area) {
  const std::uint32_t device = DeviceOfLine(0);
  for (const auto& [handle, open] : lines_) {
    if (open.client == client && open.device == device && (open.statusMessages & LINEDEVSTATE_DEVSPECIFIC)) {
      Event(client, handle, LINE_LINEDEVSTATE, LINEDEVSTATE_DEVSPECIFIC, 0, 0, area);
    }
  }
}

void LineService::SendReports() {
  const std::uint32_t device = DeviceOfLine(0);
  for (auto& [client, app] : apps_) {
    if (!app.reporting) continue;
    const bool listening = std::any_of(lines_.begin(), lines_.end(), [&, c = client](const auto& entry) {
      return entry.second.client == c && entry.second.device == device &&
             (entry.second.statusMessages & LINEDEVSTATE_DEVSPECIFIC);
    });
    if (!listening) continue;
    ReportTo(client, app, BuildStatusArea(++reportSequence_, adapter_.StatusRecords(), app.texts,
                                          wire::kMaxReportArea));
  }
}

void LineService::Tick() {
  adapter_.Tick();
  SendReports();
}

void LineService::SendRawReport(const wire::Bytes& area) {
  for (auto& [client, app] : apps_) {
    if (app.reporting) ReportTo(client, app, area);
  }
}

int LineService::CloseDeviceLines(int line) {
  const std::uint32_t device = DeviceOfLine(line);
  int closed = 0;
  for (auto it = lines_.begin(); it != lines_.end();) {
    if (it->second.device != device) {
      ++it;
      continue;
    }
    Event(it->second.client, it->first, LINE_CLOSE, 0);
    it = lines_.erase(it);
    ++closed;
  }
  return closed;
}

void LineService::FailNext(int line, FailMode mode, std::int32_t code) {
  Failures& failures = failures_[DeviceOfLine(line)];
  (mode == FailMode::Now ? failures.now : failures.reply) = code;
}

std::string LineService::Describe() const {
  char text[256];
  std::string out;
  std::snprintf(text, sizeof text, "adapter \"%s\" board_type=%u physical=%u links=0x%02X calls=%u tx=%u rx=%u\n",
                config_.adapterName.c_str(), config_.boardType, adapter_.Status(kTagPhysicalState),
                adapter_.Status(kTagLinkFlags), adapter_.Status(kTagCallCount), adapter_.Status(kTagTxPackets),
                adapter_.Status(kTagRxPackets));
  out += text;
  for (std::uint32_t device = 0; device < devices_.size(); ++device) {
    const Device& d = devices_[device];
    const auto opens = std::count_if(lines_.begin(), lines_.end(),
                                     [device](const auto& entry) { return entry.second.device == device; });
    std::snprintf(text, sizeof text, "device %u \"%s\" line=%d active_calls=%d opens=%d\n", device, d.name.c_str(),
                  d.line < 0 ? 0 : d.line + 1, d.line >= 0 && adapter_.HasCall(d.line) ? 1 : 0,
                  static_cast<int>(opens));
    out += text;
  }
  for (const auto& [client, app] : apps_) {
    std::snprintf(text, sizeof text, "app \"%s\" reporting=%s filter=0x%08X pending_texts=%zu\n", app.name.c_str(),
                  app.reporting ? "on" : "off", app.filter, app.texts.size());
    out += text;
  }
  return out;
}

}  // namespace isdn::sim
