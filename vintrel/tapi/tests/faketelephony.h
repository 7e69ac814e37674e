// A scripted telephony service for the line monitor tests, installed in the
// binding's slots. Devices, results and status areas are set by the test; every
// call that changes something is written to a journal.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "tapitypes.h"

struct FakeDevice {
  FakeDevice(std::string lineName = {}) : name(std::move(lineName)) {}  // NOLINT: implicit on purpose

  std::string name;
  std::uint32_t mediaModes = tapi::LINEMEDIAMODE_DIGITALDATA;
  std::uint32_t stringFormat = tapi::STRINGFORMAT_ASCII;
  std::vector<unsigned char> switchInfo;  // none when empty
  std::int32_t negotiateResult = 0;
  std::uint32_t apiVersion = 0x00010004;
  std::int32_t capsResult = 0;
  std::uint32_t claimedNameSize = 0;  // when non-zero, written instead of the name's real size
  bool alwaysNeedsMore = false;       // asks for one byte more than it is given, every time
};

struct FakeStatus {
  std::uint32_t activeCalls = 0;
  std::vector<unsigned char> devSpecific;  // placed at kDevSpecificAt
  // When set, written instead of the real offset and size of the area.
  bool overrideArea = false;
  std::uint32_t areaOffset = 0;
  std::uint32_t areaSize = 0;
  std::int32_t result = 0;  // of a call whose buffer is large enough
};

class FakeTelephony {
 public:
  static constexpr std::uint32_t kFixedCapsSize = 240;
  static constexpr std::uint32_t kFixedStatusSize = 100;

  // Installs itself in the binding; the destructor puts back the fake it
  // replaced, or an empty binding.
  FakeTelephony();
  ~FakeTelephony();

  // Script.
  std::int32_t initializeResult = 0;
  std::vector<FakeDevice> devices;
  std::deque<std::int32_t> openResults;  // taken one per lineOpen; 0 when empty
  std::int32_t setStatusMessagesResult = 0;
  std::deque<std::int32_t> closeResults;  // taken one per lineClose; 0 when empty
  std::int32_t devSpecificResult = 1;     // a request identifier
  std::map<std::uint32_t, FakeStatus> status;  // by device

  // What happened.
  std::vector<std::string> journal;
  tapi::LINECALLBACK callback = nullptr;
  std::string appName;
  std::vector<std::uint32_t> capsBufferSizes;  // allocated size of each caps buffer seen
  struct StatusCall {
    std::uint32_t handle, allocated, totalSize;
  };
  std::vector<StatusCall> statusCalls;
  std::map<std::uint32_t, std::uint32_t> openLines;  // handle -> device

  std::uint32_t HandleOf(std::uint32_t device) const;
  // Delivers a message as the service would.
  void Send(std::uint32_t handle, std::uint32_t message, std::uint32_t p1 = 0, std::uint32_t p2 = 0) const;

  static FakeTelephony* current;

 private:
  std::uint32_t nextHandle_ = 0x100;
  FakeTelephony* previous_ = nullptr;

  friend struct FakeEntryPoints;
};
