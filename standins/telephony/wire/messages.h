// Message kinds of the simulator protocol and the fields each carries, in
// order. Requests carry a nonzero id that their response repeats; events
// (simulator to library) carry id 0.
#pragma once

#include <cstdint>

namespace isdn::wire {

enum Kind : std::uint16_t {
  // Library -> simulator. Response fields follow the arrow.
  kHello = 1,              // appName -> result, numDevs
  kGetDevCaps = 2,         // device, apiVersion, extVersion -> result, DevCaps fields (below)
  kNegotiate = 3,          // device, low, high -> result, version
  kOpen = 4,               // device, apiVersion, extVersion, privileges, mediaModes -> result, hLine
  kSetStatusMessages = 5,  // hLine, lineStates, addressStates -> result
  kGetStatus = 6,          // hLine -> result, numOpens, numActiveCalls, devStatusFlags, openMediaModes
  kDevSpecific = 7,        // hLine, addressId, hCall, requestId, params -> result (0 = accepted)
  kClose = 8,              // hLine -> result
  // Command-line tool -> simulator.
  kControl = 20,           // count, then count words -> ok (1/0), text
  // Simulator -> library.
  kResponse = 30,          // as listed above for the request it answers
  kEvent = 31,             // hDevice, message, param1, param2, param3, area (DEVSPECIFIC report or empty)
};

// DevCaps response fields after result: permanentLineId, lineName, providerInfo,
// switchInfo (blob, empty when not published), mediaModes, bearerModes, maxRate,
// lineStates, maxActiveCalls, numAddresses, addressModes, devCapFlags.

// API versions a line device supports.
constexpr std::uint32_t kApiVersionLow = 0x00010003;
constexpr std::uint32_t kApiVersionHigh = 0x00010004;

// Largest device-specific status area in one report. A status read with the
// 1112-byte buffers line monitors use leaves room for 1036 bytes after the
// fixed part; the monitor walks at most 1024 of them.
constexpr std::uint32_t kMaxReportArea = 1024;

}  // namespace isdn::wire
