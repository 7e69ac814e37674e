#include "line_records.h"

#include <cstring>
#include <vector>

#include "tapi32.h"

namespace isdn::tapi {
namespace {

// Byte offsets of the fields this library fills (the rest stay zero).
enum CapsField : std::uint32_t {
  kCapsProviderInfoSize = 12,
  kCapsProviderInfoOffset = 16,
  kCapsPermanentLineId = 28,
  kCapsAddressModes = 44,
  kCapsNumAddresses = 48,
  kCapsBearerModes = 52,
  kCapsMaxRate = 56,
  kCapsDevCapFlags = 112,
  kCapsMaxNumActiveCalls = 116,
  kCapsLineStates = 128,
};

enum StatusField : std::uint32_t {
  kStatusNumOpens = 12,
  kStatusOpenMediaModes = 16,
  kStatusDevStatusFlags = 56,
};

struct Part {
  std::uint32_t sizeField;
  std::uint32_t offsetField;
  const std::uint8_t* data;
  std::uint32_t size;
};

void Put(std::uint8_t* record, std::uint32_t offset, std::uint32_t value) {
  std::memcpy(record + offset, &value, sizeof value);
}

std::uint32_t TotalSize(const void* record) {
  std::uint32_t total;
  std::memcpy(&total, record, sizeof total);
  return total;
}

std::uint32_t Align4(std::uint32_t n) { return (n + 3u) & ~3u; }

// Clears the fixed part, places the parts that all fit, and sets the sizes.
void Lay(std::uint8_t* record, std::uint32_t fixedSize, const std::vector<Part>& parts) {
  const std::uint32_t total = TotalSize(record);
  std::memset(record + 4, 0, fixedSize - 4);
  std::uint32_t needed = fixedSize;
  for (const Part& part : parts) {
    if (part.size != 0) needed = Align4(needed) + part.size;
  }
  Put(record, 4, needed);
  if (needed > total) {
    Put(record, 8, fixedSize);
    return;
  }
  std::uint32_t at = fixedSize;
  for (const Part& part : parts) {
    if (part.size == 0) continue;
    at = Align4(at);
    std::memcpy(record + at, part.data, part.size);
    Put(record, part.sizeField, part.size);
    Put(record, part.offsetField, at);
    at += part.size;
  }
  Put(record, 8, needed);
}

const std::uint8_t* TextBytes(const std::string& text) { return reinterpret_cast<const std::uint8_t*>(text.c_str()); }

// Texts are stored with their terminating NUL, which their size counts.
std::uint32_t TextSize(const std::string& text) {
  return text.empty() ? 0 : static_cast<std::uint32_t>(text.size() + 1);
}

}  // namespace

std::int32_t FillDevCaps(void* buffer, const DevCaps& caps) {
  if (TotalSize(buffer) < LINEDEVCAPS_FIXED_SIZE) return LINEERR_STRUCTURETOOSMALL;
  auto* record = static_cast<std::uint8_t*>(buffer);
  Lay(record, LINEDEVCAPS_FIXED_SIZE,
      {{kCapsProviderInfoSize, kCapsProviderInfoOffset, TextBytes(caps.providerInfo), TextSize(caps.providerInfo)},
       {LINEDEVCAPS_SWITCHINFOSIZE, LINEDEVCAPS_SWITCHINFOOFFSET, caps.switchInfo.data(),
        static_cast<std::uint32_t>(caps.switchInfo.size())},
       {LINEDEVCAPS_LINENAMESIZE, LINEDEVCAPS_LINENAMEOFFSET, TextBytes(caps.lineName), TextSize(caps.lineName)}});
  Put(record, kCapsPermanentLineId, caps.permanentLineId);
  Put(record, LINEDEVCAPS_STRINGFORMAT, STRINGFORMAT_ASCII);
  Put(record, kCapsAddressModes, caps.addressModes);
  Put(record, kCapsNumAddresses, caps.numAddresses);
  Put(record, kCapsBearerModes, caps.bearerModes);
  Put(record, kCapsMaxRate, caps.maxRate);
  Put(record, LINEDEVCAPS_MEDIAMODES, caps.mediaModes);
  Put(record, kCapsDevCapFlags, caps.devCapFlags);
  Put(record, kCapsMaxNumActiveCalls, caps.maxActiveCalls);
  Put(record, kCapsLineStates, caps.lineStates);
  return 0;
}

std::int32_t FillDevStatus(void* buffer, const DevStatus& status) {
  if (TotalSize(buffer) < LINEDEVSTATUS_FIXED_SIZE) return LINEERR_STRUCTURETOOSMALL;
  auto* record = static_cast<std::uint8_t*>(buffer);
  Lay(record, LINEDEVSTATUS_FIXED_SIZE,
      {{LINEDEVSTATUS_DEVSPECIFICSIZE, LINEDEVSTATUS_DEVSPECIFICOFFSET, status.devSpecific.data(),
        static_cast<std::uint32_t>(status.devSpecific.size())}});
  Put(record, kStatusNumOpens, status.numOpens);
  Put(record, kStatusOpenMediaModes, status.openMediaModes);
  Put(record, LINEDEVSTATUS_NUMACTIVECALLS, status.numActiveCalls);
  Put(record, kStatusDevStatusFlags, status.devStatusFlags);
  return 0;
}

}  // namespace isdn::tapi
