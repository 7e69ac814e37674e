#include "faketelephony.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "devspecific.h"
#include "localmem.h"
#include "tapibinding.h"

FakeTelephony* FakeTelephony::current = nullptr;

namespace {

std::string Format(const char* format, auto... args) {
  char line[160];
  std::snprintf(line, sizeof line, format, args...);
  return line;
}

void Put(void* buffer, std::size_t offset, std::uint32_t value) {
  std::memcpy(static_cast<unsigned char*>(buffer) + offset, &value, sizeof value);
}

std::uint32_t Get(const void* buffer, std::size_t offset) {
  std::uint32_t value;
  std::memcpy(&value, static_cast<const unsigned char*>(buffer) + offset, sizeof value);
  return value;
}

}  // namespace

struct FakeEntryPoints {
  static FakeTelephony& F() { return *FakeTelephony::current; }

  static std::int32_t Initialize(std::uint32_t* app, void*, tapi::LINECALLBACK callback, const char* name,
                                 std::uint32_t* numDevs) {
    F().callback = callback;
    F().appName = name;
    if (F().initializeResult != 0) return F().initializeResult;
    *app = 0x55;
    *numDevs = static_cast<std::uint32_t>(F().devices.size());
    return 0;
  }

  static std::int32_t Negotiate(std::uint32_t app, std::uint32_t device, std::uint32_t low, std::uint32_t high,
                                std::uint32_t* version, void* extension) {
    F().journal.push_back(Format("negotiate %u %u %x %x", app, device, low, high));
    unsigned char zero[16] = {};
    if (std::memcmp(extension, zero, sizeof zero) != 0) F().journal.push_back("extension id not zero");
    const FakeDevice& d = F().devices.at(device);
    *version = d.negotiateResult == 0 ? d.apiVersion : 0;
    return d.negotiateResult;
  }

  static std::int32_t GetDevCaps(std::uint32_t, std::uint32_t device, std::uint32_t, std::uint32_t, void* caps) {
    const FakeDevice& d = F().devices.at(device);
    const std::uint32_t total = Get(caps, tapi::offsets::dwTotalSize);
    F().capsBufferSizes.push_back(static_cast<std::uint32_t>(localmem::LocalSize(caps)));
    if (d.capsResult != 0) return d.capsResult;
    const std::uint32_t nameAt = FakeTelephony::kFixedCapsSize;
    const std::uint32_t nameSize = static_cast<std::uint32_t>(d.name.size() + 1);
    const std::uint32_t switchAt = nameAt + nameSize;
    const std::uint32_t switchSize = static_cast<std::uint32_t>(d.switchInfo.size());
    const std::uint32_t needed = d.alwaysNeedsMore ? total + 1 : switchAt + switchSize;
    std::memset(static_cast<unsigned char*>(caps) + 4, 0, total - 4);
    Put(caps, tapi::offsets::dwNeededSize, needed);
    if (needed > total) return 0;
    Put(caps, 8, needed);  // used size
    Put(caps, tapi::offsets::dwLineNameSize, d.claimedNameSize ? d.claimedNameSize : nameSize);
    Put(caps, tapi::offsets::dwLineNameOffset, nameAt);
    Put(caps, tapi::offsets::dwStringFormat, d.stringFormat);
    Put(caps, tapi::offsets::dwMediaModes, d.mediaModes);
    std::memcpy(static_cast<unsigned char*>(caps) + nameAt, d.name.c_str(), nameSize);
    if (switchSize != 0) {
      Put(caps, tapi::offsets::dwSwitchInfoSize, switchSize);
      Put(caps, tapi::offsets::dwSwitchInfoOffset, switchAt);
      std::memcpy(static_cast<unsigned char*>(caps) + switchAt, d.switchInfo.data(), switchSize);
    }
    return 0;
  }

  static std::int32_t Open(std::uint32_t app, std::uint32_t device, std::uint32_t* line, std::uint32_t version,
                           std::uint32_t ext, std::uint32_t instance, std::uint32_t privileges, std::uint32_t media,
                           const void* params) {
    F().journal.push_back(Format("open %u %u %x %u %u %u %u %s", app, device, version, ext, instance, privileges,
                                 media, params ? "params" : "null"));
    std::int32_t result = 0;
    if (!F().openResults.empty()) {
      result = F().openResults.front();
      F().openResults.pop_front();
    }
    if (result != 0) return result;
    if (device >= F().devices.size()) return tapi::LineError(0x80000015);  // bad device id
    *line = F().nextHandle_++;
    F().openLines[*line] = device;
    return 0;
  }

  static std::int32_t SetStatusMessages(std::uint32_t line, std::uint32_t states, std::uint32_t addressStates) {
    F().journal.push_back(Format("statusmessages %u %x %x", line, states, addressStates));
    return F().setStatusMessagesResult;
  }

  static std::int32_t DevSpecific(std::uint32_t line, std::uint32_t address, std::uint32_t call, void* params,
                                  std::uint32_t size) {
    std::uint32_t code = 0, value = 0;
    if (params != nullptr && size >= 8) {
      code = Get(params, 0);
      value = Get(params, 4);
    }
    F().journal.push_back(Format("devspecific %u %u %u %x %x %u", line, address, call, code, value, size));
    return F().devSpecificResult;
  }

  static std::int32_t Close(std::uint32_t line) {
    F().journal.push_back(Format("close %u", line));
    F().openLines.erase(line);
    std::int32_t result = 0;
    if (!F().closeResults.empty()) {
      result = F().closeResults.front();
      F().closeResults.pop_front();
    }
    return result;
  }

  static std::int32_t GetLineDevStatus(std::uint32_t line, void* buffer) {
    const std::uint32_t total = Get(buffer, tapi::offsets::dwTotalSize);
    F().statusCalls.push_back({line, static_cast<std::uint32_t>(localmem::LocalSize(buffer)), total});
    auto open = F().openLines.find(line);
    if (open == F().openLines.end()) return tapi::LineError(0x8000002B);  // bad line handle
    const FakeStatus& s = F().status[open->second];
    const std::uint32_t areaAt = FakeTelephony::kFixedStatusSize;
    const std::uint32_t areaSize = static_cast<std::uint32_t>(s.devSpecific.size());
    const std::uint32_t needed = areaAt + areaSize;
    if (total < FakeTelephony::kFixedStatusSize) return tapi::LINEERR_STRUCTURETOOSMALL;
    if (s.result != 0) return s.result;
    Put(buffer, tapi::offsets::dwNeededSize, needed);
    Put(buffer, tapi::offsets::dwNumActiveCalls, s.activeCalls);
    if (needed <= total) {
      if (areaSize != 0) std::memcpy(static_cast<unsigned char*>(buffer) + areaAt, s.devSpecific.data(), areaSize);
      Put(buffer, tapi::offsets::dwDevSpecificSize, areaSize);
      Put(buffer, tapi::offsets::dwDevSpecificOffset, areaSize ? areaAt : 0);
    }
    if (s.overrideArea) {
      Put(buffer, tapi::offsets::dwDevSpecificSize, s.areaSize);
      Put(buffer, tapi::offsets::dwDevSpecificOffset, s.areaOffset);
    }
    return 0;
  }
};

namespace {
void InstallFake() {
  tapi::TapiEntryPoints entryPoints;
  entryPoints.Close = &FakeEntryPoints::Close;
  entryPoints.DevSpecific = &FakeEntryPoints::DevSpecific;
  entryPoints.GetDevCaps = &FakeEntryPoints::GetDevCaps;
  entryPoints.GetLineDevStatus = &FakeEntryPoints::GetLineDevStatus;
  entryPoints.Initialize = &FakeEntryPoints::Initialize;
  entryPoints.NegotiateAPIVersion = &FakeEntryPoints::Negotiate;
  entryPoints.Open = &FakeEntryPoints::Open;
  entryPoints.SetStatusMessages = &FakeEntryPoints::SetStatusMessages;
  tapi::InstallTapiEntryPoints(entryPoints);
}
}  // namespace

FakeTelephony::FakeTelephony() : previous_(current) {
  current = this;
  InstallFake();
}

FakeTelephony::~FakeTelephony() {
  current = previous_;
  tapi::ResetTapiBinding();
  if (current != nullptr) InstallFake();
}

std::uint32_t FakeTelephony::HandleOf(std::uint32_t device) const {
  for (const auto& [handle, dev] : openLines)
    if (dev == device) return handle;
  return 0;
}

void FakeTelephony::Send(std::uint32_t handle, std::uint32_t message, std::uint32_t p1, std::uint32_t p2) const {
  callback(handle, message, 0, p1, p2, 0);
}
