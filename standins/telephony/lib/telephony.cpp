#include "telephony.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "line_records.h"
#include "messages.h"
#include "platform/queue.h"
#include "unix_socket.h"

namespace isdn::tapi {
namespace {

constexpr int kDefaultTimeoutMs = 2000;

// How long a request waits for the simulator: ISDN_SIM_TIMEOUT_MS (tests use
// short ones), else about two seconds, so that a dead simulator never holds
// up the caller for long.
int RequestTimeoutMs() {
  const char* text = std::getenv("ISDN_SIM_TIMEOUT_MS");
  if (text != nullptr) {
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (end != text && *end == '\0' && value > 0 && value <= 60000) return static_cast<int>(value);
  }
  return kDefaultTimeoutMs;
}

std::uint32_t TotalSize(const void* record) {
  std::uint32_t total;
  std::memcpy(&total, record, sizeof total);
  return total;
}

}  // namespace

struct Telephony::App {
  std::uint32_t handle = 0;
  LINECALLBACK callback = nullptr;
  std::uint32_t numDevs = 0;
  int timeoutMs = kDefaultTimeoutMs;
  std::unique_ptr<Connection> connection;  // null: no simulator was running
  std::map<std::uint32_t, std::uint32_t> linesBySim;  // simulator handle -> open line handle
  struct Pending {
    std::uint32_t line;
    std::uint32_t callbackInstance;
  };
  std::map<std::uint32_t, Pending> replies;  // request id -> where its LINE_REPLY goes
};

struct Telephony::Line {
  App* app = nullptr;
  std::uint32_t simHandle = 0;
  std::uint32_t callbackInstance = 0;
  bool open = true;  // false once the service closed it (LINE_CLOSE on its way)
  wire::Bytes area;  // status area of the last device-specific report delivered
};

struct Telephony::Delivery {
  App* app;
  std::uint32_t line;
  std::uint32_t message;
  std::uint32_t callbackInstance;
  std::uint32_t param1, param2, param3;
  wire::Bytes area;
};

Telephony& Telephony::Instance() {
  static Telephony* instance = new Telephony;  // reader threads may outlive static destruction
  return *instance;
}

Telephony::App* Telephony::FindApp(std::uint32_t handle) {
  std::lock_guard<std::mutex> lock(mutex_);
  auto it = apps_.find(handle);
  return it == apps_.end() ? nullptr : it->second.get();
}

std::int32_t Telephony::Initialize(std::uint32_t* appHandle, LINECALLBACK callback, const char* appName,
                                   std::uint32_t* numDevs) {
  if (appHandle == nullptr || numDevs == nullptr || callback == nullptr) return LINEERR_INVALPOINTER;
  auto app = std::make_unique<App>();
  app->callback = callback;
  app->timeoutMs = RequestTimeoutMs();
  const int fd = wire::ConnectUnix(wire::DefaultSocketPath());
  if (fd >= 0) {
    App* raw = app.get();
    app->connection = std::make_unique<Connection>(
        fd, [this, raw](const wire::Frame& frame) { OnEvent(*raw, frame); }, [this, raw] { OnSimulatorGone(*raw); });
    std::int32_t result;
    auto reply = Call(*app, wire::kHello, wire::Writer().Str(appName ? appName : "").Take(), result);
    if (!reply) return result;
    wire::Reader reader(*reply);
    app->numDevs = reader.U32();
    if (!reader.Ok()) return LINEERR_OPERATIONFAILED;
  }
  std::lock_guard<std::mutex> lock(mutex_);
  app->handle = nextApp_++;
  *appHandle = app->handle;
  *numDevs = app->numDevs;
  apps_[app->handle] = std::move(app);
  return 0;
}

std::optional<wire::Bytes> Telephony::Call(App& app, std::uint16_t kind, const wire::Bytes& payload,
                                           std::int32_t& result, bool* answered) {
  result = LINEERR_OPERATIONFAILED;
  if (answered != nullptr) *answered = false;
  if (!app.connection) return std::nullopt;
  auto response = app.connection->Request(kind, payload, app.timeoutMs);
  if (!response || response->size() < 4) return std::nullopt;
  if (answered != nullptr) *answered = true;
  result = static_cast<std::int32_t>(wire::GetU32(response->data()));
  if (result != 0) return std::nullopt;
  response->erase(response->begin(), response->begin() + 4);
  return response;
}

std::int32_t Telephony::NegotiateApiVersion(std::uint32_t appHandle, std::uint32_t device, std::uint32_t low,
                                            std::uint32_t high, std::uint32_t* version, void* extensionId) {
  App* app = FindApp(appHandle);
  if (app == nullptr) return LINEERR_INVALAPPHANDLE;
  if (version == nullptr || extensionId == nullptr) return LINEERR_INVALPOINTER;
  if (device >= app->numDevs) return LINEERR_BADDEVICEID;
  std::int32_t result;
  auto reply = Call(*app, wire::kNegotiate, wire::Writer().U32(device).U32(low).U32(high).Take(), result);
  if (!reply) return result;
  wire::Reader reader(*reply);
  const std::uint32_t agreed = reader.U32();
  if (!reader.Ok()) return LINEERR_OPERATIONFAILED;
  *version = agreed;
  std::memset(extensionId, 0, 16);  // no provider extensions
  return 0;
}

std::int32_t Telephony::GetDevCaps(std::uint32_t appHandle, std::uint32_t device, std::uint32_t apiVersion,
                                   std::uint32_t extVersion, void* record) {
  App* app = FindApp(appHandle);
  if (app == nullptr) return LINEERR_INVALAPPHANDLE;
  if (record == nullptr) return LINEERR_INVALPOINTER;
  if (device >= app->numDevs) return LINEERR_BADDEVICEID;
  if (TotalSize(record) < LINEDEVCAPS_FIXED_SIZE) return LINEERR_STRUCTURETOOSMALL;
  std::int32_t result;
  auto reply = Call(*app, wire::kGetDevCaps, wire::Writer().U32(device).U32(apiVersion).U32(extVersion).Take(), result);
  if (!reply) return result;
  wire::Reader reader(*reply);
  DevCaps caps;
  caps.permanentLineId = reader.U32();
  caps.lineName = reader.Str();
  caps.providerInfo = reader.Str();
  caps.switchInfo = reader.Blob();
  caps.mediaModes = reader.U32();
  caps.bearerModes = reader.U32();
  caps.maxRate = reader.U32();
  caps.lineStates = reader.U32();
  caps.maxActiveCalls = reader.U32();
  caps.numAddresses = reader.U32();
  caps.addressModes = reader.U32();
  caps.devCapFlags = reader.U32();
  if (!reader.Ok()) return LINEERR_OPERATIONFAILED;
  return FillDevCaps(record, caps);
}

std::int32_t Telephony::Open(std::uint32_t appHandle, std::uint32_t device, std::uint32_t* lineHandle,
                             std::uint32_t apiVersion, std::uint32_t extVersion, std::uint32_t callbackInstance,
                             std::uint32_t privileges, std::uint32_t mediaModes) {
  App* app = FindApp(appHandle);
  if (app == nullptr) return LINEERR_INVALAPPHANDLE;
  if (lineHandle == nullptr) return LINEERR_INVALPOINTER;
  if (device >= app->numDevs) return LINEERR_BADDEVICEID;
  std::int32_t result;
  auto reply = Call(
      *app, wire::kOpen,
      wire::Writer().U32(device).U32(apiVersion).U32(extVersion).U32(privileges).U32(mediaModes).Take(), result);
  if (!reply) return result;
  wire::Reader reader(*reply);
  const std::uint32_t simHandle = reader.U32();
  if (!reader.Ok()) return LINEERR_OPERATIONFAILED;
  std::lock_guard<std::mutex> lock(mutex_);
  const std::uint32_t handle = nextLine_++;
  Line& line = lines_[handle];
  line.app = app;
  line.simHandle = simHandle;
  line.callbackInstance = callbackInstance;
  app->linesBySim[simHandle] = handle;
  *lineHandle = handle;
  return 0;
}

bool Telephony::OpenLine(std::uint32_t lineHandle, App*& app, std::uint32_t& simHandle) {
  std::lock_guard<std::mutex> lock(mutex_);
  auto it = lines_.find(lineHandle);
  if (it == lines_.end() || !it->second.open) return false;
  app = it->second.app;
  simHandle = it->second.simHandle;
  return true;
}

std::int32_t Telephony::SetStatusMessages(std::uint32_t line, std::uint32_t lineStates, std::uint32_t addressStates) {
  App* app;
  std::uint32_t simHandle;
  if (!OpenLine(line, app, simHandle)) return LINEERR_INVALLINEHANDLE;
  std::int32_t result;
  Call(*app, wire::kSetStatusMessages, wire::Writer().U32(simHandle).U32(lineStates).U32(addressStates).Take(),
       result);
  return result;
}

std::int32_t Telephony::GetLineDevStatus(std::uint32_t line, void* record) {
  App* app;
  std::uint32_t simHandle;
  if (!OpenLine(line, app, simHandle)) return LINEERR_INVALLINEHANDLE;
  if (record == nullptr) return LINEERR_INVALPOINTER;
  if (TotalSize(record) < LINEDEVSTATUS_FIXED_SIZE) return LINEERR_STRUCTURETOOSMALL;
  std::int32_t result;
  auto reply = Call(*app, wire::kGetStatus, wire::Writer().U32(simHandle).Take(), result);
  if (!reply) return result;
  wire::Reader reader(*reply);
  DevStatus status;
  status.numOpens = reader.U32();
  status.numActiveCalls = reader.U32();
  status.devStatusFlags = reader.U32();
  status.openMediaModes = reader.U32();
  if (!reader.Ok()) return LINEERR_OPERATIONFAILED;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    auto it = lines_.find(line);
    if (it != lines_.end()) status.devSpecific = it->second.area;
  }
  return FillDevStatus(record, status);
}

std::int32_t Telephony::DevSpecific(std::uint32_t line, std::uint32_t addressId, std::uint32_t call,
                                    const void* params, std::uint32_t size) {
  App* app;
  std::uint32_t simHandle;
  if (!OpenLine(line, app, simHandle)) return LINEERR_INVALLINEHANDLE;
  if (params == nullptr && size != 0) return LINEERR_INVALPOINTER;
  std::uint32_t requestId;
  {
    // Registered before the request goes out: its LINE_REPLY may come at once.
    std::lock_guard<std::mutex> lock(mutex_);
    requestId = nextRequest_++;
    if (nextRequest_ > 0x7FFFFFFFu) nextRequest_ = 1;
    auto it = lines_.find(line);
    if (it == lines_.end()) return LINEERR_INVALLINEHANDLE;
    app->replies[requestId] = {line, it->second.callbackInstance};
  }
  const auto* bytes = static_cast<const std::uint8_t*>(params);
  std::int32_t result;
  Call(*app, wire::kDevSpecific,
       wire::Writer().U32(simHandle).U32(addressId).U32(call).U32(requestId).Blob(bytes, size).Take(), result);
  if (result == 0) return static_cast<std::int32_t>(requestId);
  std::lock_guard<std::mutex> lock(mutex_);
  app->replies.erase(requestId);
  return result;
}

std::int32_t Telephony::Close(std::uint32_t line) {
  App* app;
  std::uint32_t simHandle;
  if (!OpenLine(line, app, simHandle)) return LINEERR_INVALLINEHANDLE;
  std::int32_t result;
  bool answered;
  Call(*app, wire::kClose, wire::Writer().U32(simHandle).Take(), result, &answered);
  if (answered && result != 0) return result;  // refused: the service keeps the line open
  // Closed, or the simulator is gone or silent: the handle is finished either way.
  std::lock_guard<std::mutex> lock(mutex_);
  app->linesBySim.erase(simHandle);
  lines_.erase(line);
  return result;
}

void Telephony::OnEvent(App& app, const wire::Frame& frame) {
  wire::Reader reader(frame.payload);
  const std::uint32_t device = reader.U32();
  Delivery delivery{&app, 0, reader.U32(), 0, reader.U32(), reader.U32(), reader.U32(), reader.Blob()};
  if (!reader.Ok()) return;
  std::lock_guard<std::mutex> lock(mutex_);
  if (delivery.message == LINE_REPLY) {
    auto it = app.replies.find(delivery.param1);
    if (it == app.replies.end()) return;
    delivery.line = it->second.line;
    delivery.callbackInstance = it->second.callbackInstance;
    app.replies.erase(it);
  } else {
    auto it = app.linesBySim.find(device);
    if (it == app.linesBySim.end()) return;
    delivery.line = it->second;
    Line& line = lines_[delivery.line];
    delivery.callbackInstance = line.callbackInstance;
    if (delivery.message == LINE_CLOSE) {
      line.open = false;
      app.linesBySim.erase(it);
    }
  }
  Queue(std::move(delivery));
}

void Telephony::OnSimulatorGone(App& app) {
  std::lock_guard<std::mutex> lock(mutex_);
  // Requests still outstanding complete with an error, then each open line closes.
  for (const auto& [request, pending] : app.replies) {
    Queue({&app, pending.line, LINE_REPLY, pending.callbackInstance, request,
           static_cast<std::uint32_t>(LINEERR_OPERATIONFAILED), 0, {}});
  }
  app.replies.clear();
  for (const auto& [simHandle, handle] : app.linesBySim) {
    Line& line = lines_[handle];
    line.open = false;
    Queue({&app, handle, LINE_CLOSE, line.callbackInstance, 0, 0, 0, {}});
  }
  app.linesBySim.clear();
}

void Telephony::Queue(Delivery delivery) {
  platform_queue_call(&Telephony::Deliver, new Delivery(std::move(delivery)));
}

// Runs on the UI thread. Messages for a line the application has closed
// meanwhile are dropped; completions of its requests are still delivered.
void Telephony::Deliver(void* context) {
  std::unique_ptr<Delivery> delivery(static_cast<Delivery*>(context));
  Telephony& self = Instance();
  LINECALLBACK callback = delivery->app->callback;
  {
    std::lock_guard<std::mutex> lock(self.mutex_);
    if (delivery->message != LINE_REPLY) {
      auto it = self.lines_.find(delivery->line);
      if (it == self.lines_.end()) return;
      if (delivery->message == LINE_CLOSE) {
        self.lines_.erase(it);
      } else if (!it->second.open) {
        return;
      } else if (delivery->message == LINE_LINEDEVSTATE && delivery->param1 == LINEDEVSTATE_DEVSPECIFIC) {
        it->second.area = std::move(delivery->area);
      }
    }
  }
  callback(delivery->line, delivery->message, delivery->callbackInstance, delivery->param1, delivery->param2,
           delivery->param3);
}

}  // namespace isdn::tapi
