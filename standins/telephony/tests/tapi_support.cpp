#include "tapi_support.h"

#include <cstring>

#include "platform/queue.h"

namespace isdn::tests {

void Recorder::Clear() {
  platform::DrainQueuedCalls();  // leftovers of earlier simulators
  messages.clear();
  reports.clear();
}

bool Recorder::Has(std::uint32_t device, std::uint32_t message, std::uint32_t param1) const {
  for (const LineMessage& m : messages) {
    if (m.device == device && m.message == message && m.param1 == param1) return true;
  }
  return false;
}

bool Recorder::WaitFor(const std::function<bool()>& pred, int timeoutMs) {
  return platform::RunQueuedCallsUntil(pred, timeoutMs);
}

bool Recorder::AnyText(const std::string& part) const {
  for (const StatusReport& report : reports) {
    for (const std::string& text : report.texts) {
      if (text.find(part) != std::string::npos) return true;
    }
  }
  return false;
}

Recorder& Recorded() {
  static Recorder recorder;
  return recorder;
}

std::vector<std::uint8_t> Record(std::uint32_t total) {
  std::vector<std::uint8_t> record(total < 4 ? 4 : total, 0xCC);
  std::memcpy(record.data(), &total, 4);
  return record;
}

std::uint32_t Field(const std::vector<std::uint8_t>& record, std::uint32_t offset) {
  std::uint32_t value;
  std::memcpy(&value, record.data() + offset, 4);
  return value;
}

std::string Text(const std::vector<std::uint8_t>& record, std::uint32_t sizeField, std::uint32_t offsetField) {
  const std::uint32_t size = Field(record, sizeField), offset = Field(record, offsetField);
  if (size == 0 || offset + size > record.size()) return {};
  return std::string(reinterpret_cast<const char*>(record.data() + offset), size);
}

StatusReport WalkArea(const std::uint8_t* area, std::size_t size) {
  StatusReport report{};
  std::size_t at = 0;
  while (at + 8 <= size) {
    std::uint32_t tag;
    std::memcpy(&tag, area + at, 4);
    if (tag == 0x0000DEAD) {
      const void* end = std::memchr(area + at + 4, 0, size - at - 4);
      if (end == nullptr) break;
      const std::string text(reinterpret_cast<const char*>(area + at + 4));
      report.texts.push_back(text);
      at += 8 + text.size();
    } else if (tag == 0x00010000 || (tag >= 0xAC160101 && tag <= 0xAC160116)) {
      std::uint32_t value;
      std::memcpy(&value, area + at + 4, 4);
      report.values[tag] = value;
      at += 8;
    } else {
      break;
    }
  }
  return report;
}

void RecordingCallback(std::uint32_t device, std::uint32_t message, std::uint32_t instance, std::uint32_t p1,
                       std::uint32_t p2, std::uint32_t p3) {
  Recorder& recorder = Recorded();
  recorder.messages.push_back({device, message, instance, p1, p2, p3, std::this_thread::get_id()});
  if (message == LINE_LINEDEVSTATE && p1 == LINEDEVSTATE_DEVSPECIFIC) {
    // As a line monitor does: read the line's status at once and walk its area.
    std::vector<std::uint8_t> status = Record(1112);
    if (lineGetLineDevStatus(device, status.data()) != 0) return;
    const std::uint32_t size = Field(status, LINEDEVSTATUS_DEVSPECIFICSIZE);
    const std::uint32_t offset = Field(status, LINEDEVSTATUS_DEVSPECIFICOFFSET);
    if (size == 0 || offset + size > status.size()) return;
    StatusReport report = WalkArea(status.data() + offset, size);
    report.line = device;
    recorder.reports.push_back(std::move(report));
  }
}

std::int32_t Request(std::uint32_t line, std::uint32_t code, std::uint32_t value) {
  std::uint8_t block[8];
  std::memcpy(block, &code, 4);
  std::memcpy(block + 4, &value, 4);
  return lineDevSpecific(line, 0, 0, block, sizeof block);
}

}  // namespace isdn::tests
