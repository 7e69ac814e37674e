// Lays out the line device capability and status records in a caller's
// buffer: fixed part first, variable parts after it, the caller's
// dwTotalSize honoured and dwNeededSize / dwUsedSize set.
#pragma once

#include <cstdint>
#include <string>

#include "frame.h"

namespace isdn::tapi {

struct DevCaps {
  std::uint32_t permanentLineId = 0;
  std::string lineName;
  std::string providerInfo;
  wire::Bytes switchInfo;  // empty: not published
  std::uint32_t mediaModes = 0;
  std::uint32_t bearerModes = 0;
  std::uint32_t maxRate = 0;
  std::uint32_t lineStates = 0;
  std::uint32_t maxActiveCalls = 0;
  std::uint32_t numAddresses = 0;
  std::uint32_t addressModes = 0;
  std::uint32_t devCapFlags = 0;
};

struct DevStatus {
  std::uint32_t numOpens = 0;
  std::uint32_t openMediaModes = 0;
  std::uint32_t numActiveCalls = 0;
  std::uint32_t devStatusFlags = 0;
  wire::Bytes devSpecific;  // the status area of the last device-specific report
};

// Both return 0, or LINEERR_STRUCTURETOOSMALL when dwTotalSize is smaller than
// the fixed part. When the variable parts do not fit, only the fixed part is
// filled (its variable sizes and offsets 0) and dwNeededSize tells the size
// that would fit everything.
std::int32_t FillDevCaps(void* record, const DevCaps& caps);
std::int32_t FillDevStatus(void* record, const DevStatus& status);

}  // namespace isdn::tapi
