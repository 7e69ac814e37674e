#include "linemon.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "config/adapterconfig.h"
#include "log/eventlog.h"
#include "localmem.h"
#include "platform/services.h"
#include "structview.h"
#include "tapibinding.h"
#include "devspecific.h"

using localmem::LocalAlloc;
using localmem::LocalFree;
using localmem::LocalSize;
namespace offsets = tapi::offsets;

linemon LineMonitor;
linemon* linemon::Current = nullptr;

namespace {

constexpr const char* kAppName = "Lumvaric";
constexpr const char* kCaption = "Vintrel";
constexpr const char* kNameWords[2] = {"ISDN1", "ISDN2"};

constexpr std::uint32_t kLowestApiVersion = 0x00010003;
constexpr std::uint32_t kHighestApiVersion = 0x00010004;
constexpr std::size_t kDevCapsSize = 1276;
constexpr std::size_t kFirstStatusSize = 96;
constexpr std::size_t kStatusSize = 1112;
// A library that keeps asking for a larger capabilities buffer gets this many
// tries; the last buffer is then taken as it is.
constexpr int kMaxDevCapsRounds = 8;

// Line state messages each line reports; only line 1 reports device-specific status.
constexpr std::uint32_t kLineStateMasks[2] = {
    tapi::LINEDEVSTATE_CONNECTED | tapi::LINEDEVSTATE_DISCONNECTED | tapi::LINEDEVSTATE_CLOSE |
        tapi::LINEDEVSTATE_DEVSPECIFIC,
    tapi::LINEDEVSTATE_CONNECTED | tapi::LINEDEVSTATE_DISCONNECTED | tapi::LINEDEVSTATE_CLOSE,
};

// The errors CheckLineResult knows: the text it logs (nullptr: none) and
// whether the error closes both lines.
struct LineResultEntry {
  std::int32_t result;
  const char* text;
  bool closesLines;
};

constexpr LineResultEntry kLineResults[] = {
    {tapi::LINEERR_INIFILECORRUPT, "TAPI : Configuration Invalid!!!", false},
    {tapi::LINEERR_INVALCARD, "TAPI : Configuration Invalid!!!", false},
    {tapi::LINEERR_INVALLOCATION, "TAPI : Configuration Invalid!!!", false},
    {tapi::LINEERR_NODRIVER, "TAPI : No appropriate driver", false},
    {tapi::LINEERR_NOMEM, "TAPI : Out of memory.", false},
    {tapi::LINEERR_OPERATIONFAILED, "TAPI : operation failed.", false},
    {tapi::LINEERR_RESOURCEUNAVAIL, "TAPI : Resource Unavailable.", false},
    {tapi::LINEERR_REINIT, nullptr, true},
    {tapi::LINEERR_NOMULTIPLEINSTANCE, "TAPI : Multiple Driver Instances", false},
};

void Log(const char* text) { EventLog.Append(text); }

__attribute__((format(printf, 1, 2))) void LogFormatted(const char* format, ...) {
  char line[128];
  va_list args;
  va_start(args, format);
  std::vsnprintf(line, sizeof line, format, args);
  va_end(args);
  EventLog.Append(line);
}

void ShowBox(const char* text) {
  platform::MessageBox(text, kCaption, platform::MB_OK | platform::MB_ICONEXCLAMATION);
}

bool IsLineIndex(int line) { return line == 0 || line == 1; }

}  // namespace

struct linemon::MessageHandler {
  std::uint32_t message;
  void (linemon::*handle)(int line, std::uint32_t hDevice, std::uint32_t p1, std::uint32_t p2);
};

// LINE_CALLSTATE and every message not listed are ignored.
const linemon::MessageHandler linemon::kMessageHandlers[] = {
    {tapi::LINE_CLOSE, &linemon::OnLineClose},
    {tapi::LINE_LINEDEVSTATE, &linemon::OnLineDevStateMessage},
    {tapi::LINE_REPLY, &linemon::OnLineReply},
    {tapi::LINE_CREATE, &linemon::OnLineCreate},
};

struct linemon::StateHandler {
  std::uint32_t state;
  void (linemon::*handle)(std::uint32_t hDevice);
};

// Every state not listed, LINEDEVSTATE_CLOSE included, is ignored.
const linemon::StateHandler linemon::kStateHandlers[] = {
    {tapi::LINEDEVSTATE_CONNECTED, &linemon::OnConnected},
    {tapi::LINEDEVSTATE_DISCONNECTED, &linemon::OnDisconnected},
    {tapi::LINEDEVSTATE_DEVSPECIFIC, &linemon::OnDevSpecific},
};

linemon::~linemon() {
  if (Current == this) Current = nullptr;
  FreeDevCaps(0);
  FreeDevCaps(1);
}

int linemon::Initialize() {
  if (LineApp != 0) return 1;
  if (Initializing) return 0;
  Initializing = 1;
  Current = this;

  const std::int32_t rc = tapi::lineInitialize(&LineApp, nullptr, &linemon::LineCallback, kAppName, &NumDevs);
  if (rc == 0 && NumDevs == 0) {
    ShowBox("No ISDN Device Installed");
    Initializing = 0;
    return 0;
  }
  if (rc != 0) {
    CheckLineResult(rc);
    ShowBox("Unable to initialize TAPI.\nThis application cannot be run on WINNT3.51 or earlier.");
    LogFormatted("LineInitialize failed. rc=0x%0x\n", static_cast<unsigned>(rc));
    Initializing = 0;
    return 0;
  }
  Initializing = 0;

  if (!SetDeviceLine(0)) {
    ShowBox("SetDeviceLine(Line1) failed\n");
    return 0;
  }
  if (!SetDeviceLine(1)) {
    ShowBox("SetDeviceLine(Line2) failed\n");
    return 0;
  }
  if (!OpenLine(0)) {
    ShowBox("Unable to Monitor ISDN Line 1");
    return 0;
  }
  if (!OpenLine(1)) {
    ShowBox("Unable to Monitor ISDN Line 2");
    return 0;
  }
  return 1;
}

int linemon::SetDeviceLine(int line) {
  if (!IsLineIndex(line)) return 0;
  void* caps = GetDeviceLine(&ApiVersion, nullptr, &DeviceId[line], kNameWords[line]);
  if (caps == nullptr) {
    Log("TAPI: GetDeviceLine() Failed");
    FreeDevCaps(line);
    return 0;
  }
  FreeDevCaps(line);  // a second search for the same line replaces the first
  DevCaps[line] = caps;
  return 1;
}

void* linemon::GetDeviceLine(std::uint32_t* apiVersion, void* buffer, std::uint32_t* deviceId, const char* nameWord) {
  *deviceId = kNoDevice;
  if (NumDevs == 0) return buffer;

  bool found = false;
  for (std::uint32_t device = 0; device < NumDevs && !found; ++device) {
    unsigned char extensionId[16] = {};
    const std::int32_t rc = tapi::lineNegotiateAPIVersion(LineApp, device, kLowestApiVersion, kHighestApiVersion,
                                                          apiVersion, extensionId);
    if (!CheckLineResult(rc) || *apiVersion == 0) continue;

    buffer = GetDevCaps(buffer, device, *apiVersion);
    if (buffer == nullptr) continue;
    const StructView caps(buffer);

    const std::uint32_t nameSize = caps.Field(offsets::dwLineNameSize);
    const std::uint32_t nameOffset = caps.Field(offsets::dwLineNameOffset);
    if (nameSize == 0 || nameOffset == 0 || caps.Field(offsets::dwStringFormat) != tapi::STRINGFORMAT_ASCII)
      continue;
    // A name that does not lie within the buffer is no name.
    const unsigned char* nameBytes = caps.Area(nameOffset, nameSize);
    if (nameBytes == nullptr) continue;

    const char* name = reinterpret_cast<const char*>(nameBytes);
    const std::string_view lineName(name, strnlen(name, nameSize));
    const std::size_t word = lineName.find(nameWord);
    if ((caps.Field(offsets::dwMediaModes) & tapi::LINEMEDIAMODE_DIGITALDATA) != 0 &&
        word != std::string_view::npos) {
      *deviceId = device;
      const std::size_t length = std::min(word, sizeof AdapterName - 1);
      std::memcpy(AdapterName, name, length);
      AdapterName[length] = '\0';
      found = true;
    }

    const std::uint32_t switchSize = caps.Field(offsets::dwSwitchInfoSize);
    const std::uint32_t switchOffset = caps.Field(offsets::dwSwitchInfoOffset);
    if (switchSize != 0 && switchOffset != 0) {
      // The area is cut where the buffer ends.
      const std::size_t available = caps.BytesFrom(switchOffset);
      if (available != 0) ParseSwitchInfo(caps.Bytes() + switchOffset, std::min<std::size_t>(switchSize, available));
    }
  }
  return buffer;
}

void* linemon::GetDevCaps(void* buffer, std::uint32_t device, std::uint32_t version) {
  std::size_t size = kDevCapsSize;
  for (int round = 1;; ++round) {
    buffer = CheckAndReAllocBuffer(buffer, size);
    if (buffer == nullptr) return nullptr;
    const std::int32_t rc = tapi::lineGetDevCaps(LineApp, device, version, 0, buffer);
    if (!CheckLineResult(rc)) {
      LogFormatted("lineGetDevCaps unhandled %lx error", static_cast<unsigned long>(static_cast<std::uint32_t>(rc)));
      LocalFree(buffer);
      return nullptr;
    }
    const StructView caps(buffer);
    const std::uint32_t needed = caps.Field(offsets::dwNeededSize);
    if (needed <= caps.Field(offsets::dwTotalSize) || round == kMaxDevCapsRounds) return buffer;
    size = needed;
  }
}

void* linemon::CheckAndReAllocBuffer(void* buffer, std::size_t size) {
  if (buffer != nullptr) {
    const std::size_t allocated = LocalSize(buffer);
    if (allocated == 0) {
      Log("TAPI : LocalSize returned 0 in CheckAndReAllocBuffer().");
      return nullptr;
    }
    if (allocated >= size) {
      StructView(buffer).SetField(offsets::dwTotalSize, static_cast<std::uint32_t>(allocated));
      return buffer;
    }
    LocalFree(buffer);
  }
  void* block = size >= sizeof(std::uint32_t) ? LocalAlloc(size) : nullptr;
  if (block == nullptr) {
    Log("TAPI : LocalAlloc failed in CheckAndReAllocBuffer().");
    return nullptr;
  }
  StructView(block).SetField(offsets::dwTotalSize, static_cast<std::uint32_t>(size));
  return block;
}

int linemon::OpenLine(int line) {
  if (!IsLineIndex(line)) return 0;
  std::int32_t rc = tapi::lineOpen(LineApp, DeviceId[line], &Line[line], ApiVersion, 0, 0,
                                   tapi::LINECALLPRIVILEGE_MONITOR, 0, nullptr);
  if (rc == 0) {
    if (line == 0) SendDevSpecific(SetStatusReporting, StatusReportingOn);
    rc = tapi::lineSetStatusMessages(Line[line], kLineStateMasks[line], 0);
    if (rc == 0) return 1;
    LogFormatted("TAPI : lineSetStatusMessages() failed. rc=0x%lx",
                 static_cast<unsigned long>(static_cast<std::uint32_t>(rc)));
  }
  CloseLine(line);
  FreeDevCaps(line);
  return 0;
}

int linemon::CloseLine(int line) {
  if (!IsLineIndex(line)) return 1;
  if (Line[line] != 0) {
    if (line == 0) SendDevSpecific(SetStatusReporting, StatusReportingOff);
    // The handle is forgotten before the close, so that a LINEERR_REINIT
    // result, which closes both lines, does not close this one again.
    const std::uint32_t handle = Line[line];
    Line[line] = 0;
    if (!CheckLineResult(tapi::lineClose(handle))) Log("TAPI : Unhandled LineClose() Error");
  }
  FreeDevCaps(line);
  return 1;
}

void linemon::FreeDevCaps(int line) {
  if (!IsLineIndex(line)) return;
  LocalFree(DevCaps[line]);
  DevCaps[line] = nullptr;
}

void* linemon::GetLineDevStatus(int line) {
  if (!IsLineIndex(line)) return nullptr;
  // The first try has a total size of 0; the library normally rejects it.
  void* buffer = LocalAlloc(kFirstStatusSize);
  if (buffer != nullptr && tapi::lineGetLineDevStatus(Line[line], buffer) == 0) return buffer;

  buffer = CheckAndReAllocBuffer(buffer, kStatusSize);
  if (buffer != nullptr && tapi::lineGetLineDevStatus(Line[line], buffer) == 0) return buffer;

  Log("lineGetLineDevStatus failed.");
  LocalFree(buffer);
  return nullptr;
}

int linemon::GetActiveCalls() {
  int calls = 0;
  for (int line = 0; line < 2; ++line) {
    void* status = GetLineDevStatus(line);
    if (status == nullptr) return 0;
    calls += static_cast<int>(StructView(status).Field(offsets::dwNumActiveCalls));
    LocalFree(status);
  }
  return calls;
}

int linemon::LineIndexOf(std::uint32_t handle) const {
  if (handle == Line[0]) return 0;
  if (handle == Line[1]) return 1;
  return 2;
}

int linemon::CheckLineResult(std::int32_t result) {
  if (result == 0) return 1;
  if (result > 0) return 0;  // a request identifier
  for (const LineResultEntry& entry : kLineResults) {
    if (entry.result != result) continue;
    if (entry.text != nullptr) Log(entry.text);
    if (entry.closesLines) {
      CloseLine(0);
      CloseLine(1);
    }
    break;
  }
  return 0;
}

void linemon::LineCallback(std::uint32_t hDevice, std::uint32_t dwMessage, std::uint32_t /*dwCallbackInstance*/,
                           std::uint32_t dwParam1, std::uint32_t dwParam2, std::uint32_t /*dwParam3*/) {
  linemon* self = Current;
  if (self == nullptr) return;
  const int line = self->LineIndexOf(hDevice);
  if (line == 2) return;
  for (const MessageHandler& handler : kMessageHandlers) {
    if (handler.message == dwMessage) {
      (self->*handler.handle)(line, hDevice, dwParam1, dwParam2);
      return;
    }
  }
}

void linemon::OnLineClose(int line, std::uint32_t, std::uint32_t, std::uint32_t) { CloseLine(line); }

void linemon::OnLineDevStateMessage(int, std::uint32_t hDevice, std::uint32_t p1, std::uint32_t) {
  OnLineDevState(hDevice, p1);
}

void linemon::OnLineReply(int, std::uint32_t, std::uint32_t, std::uint32_t p2) {
  if (p2 != 0) Log("TAPI : LINE_REPLY error");
}

void linemon::OnLineCreate(int, std::uint32_t, std::uint32_t p1, std::uint32_t) {
  if (p1 >= NumDevs && p1 != 0xFFFFFFFF) NumDevs = p1 + 1;
}

void linemon::OnLineDevState(std::uint32_t hDevice, std::uint32_t state) {
  for (const StateHandler& handler : kStateHandlers) {
    if (handler.state == state) {
      (this->*handler.handle)(hDevice);
      return;
    }
  }
}

void linemon::OnConnected(std::uint32_t hDevice) {
  Log(hDevice == Line[0] ? "TAPI : CONNECTED on Line 1" : "TAPI : CONNECTED on Line 2");
}

void linemon::OnDisconnected(std::uint32_t hDevice) {
  Log(hDevice == Line[0] ? "TAPI : DISCONNECT on Line 1" : "TAPI : DISCONNECT on Line 2");
  const int line = LineIndexOf(hDevice);
  if (!IsLineIndex(line)) return;
  CloseLine(line);
  if (!OpenLine(line)) {
    CloseLine(0);
    CloseLine(1);
    Log("Reopen line failed");
  }
}

void linemon::OnDevSpecific(std::uint32_t) { ReadDevSpecific(); }
