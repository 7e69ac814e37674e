// Helpers for tests of libtapi32.so: a recorder for line callbacks, and
// readers of the records the library fills.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "tapi32.h"

namespace isdn::tests {

struct LineMessage {
  std::uint32_t device, message, instance, param1, param2, param3;
  std::thread::id thread;
};

// The status area read in the callback of a device-specific report, walked.
struct StatusReport {
  std::uint32_t line;
  std::map<std::uint32_t, std::uint32_t> values;
  std::vector<std::string> texts;
};

// Everything the callback saw; reset by each test.
struct Recorder {
  std::vector<LineMessage> messages;
  std::vector<StatusReport> reports;
  void Clear();
  bool Has(std::uint32_t device, std::uint32_t message, std::uint32_t param1) const;
  // Drains the platform queue until pred holds or timeoutMs passed.
  bool WaitFor(const std::function<bool()>& pred, int timeoutMs = 3000);
  bool AnyText(const std::string& part) const;
};

Recorder& Recorded();
void RecordingCallback(std::uint32_t device, std::uint32_t message, std::uint32_t instance, std::uint32_t p1,
                       std::uint32_t p2, std::uint32_t p3);

// A record buffer with dwTotalSize set.
std::vector<std::uint8_t> Record(std::uint32_t total);
std::uint32_t Field(const std::vector<std::uint8_t>& record, std::uint32_t offset);
std::string Text(const std::vector<std::uint8_t>& record, std::uint32_t sizeField, std::uint32_t offsetField);

// Walks a status area: status records into values, text records into texts.
StatusReport WalkArea(const std::uint8_t* area, std::size_t size);

// Sends the 8-byte request block on a line.
std::int32_t Request(std::uint32_t line, std::uint32_t code, std::uint32_t value);

}  // namespace isdn::tests
