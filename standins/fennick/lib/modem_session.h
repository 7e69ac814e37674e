// One conversation with a modem over an open serial line: the detection and
// programming sequences built from single command exchanges.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "reply_reader.h"
#include "serial_line.h"
#include "timeouts.h"

namespace fennick {

struct Reply {
  enum class Status { Ok, Error, NoAnswer, LineFailed };
  Status status = Status::NoAnswer;
  std::vector<std::string> infoLines;
};

struct Outcome {
  bool ok = false;
  bool answered = false;  // the modem answered at least the first "AT"
  std::string problem;    // what went wrong, when not ok
};

class ModemSession {
 public:
  ModemSession(SerialLine& line, const Timeouts& timeouts) : line_(line), timeouts_(timeouts) {}

  // Drops stale input, sends `command` ended by CR and collects the answer
  // until a final result code or until `timeoutMs` has passed.
  Reply Command(std::string_view command, int timeoutMs);

  // The modem counts as found when it answers "AT" with OK (tried up to
  // atTries times) and "AT+GCI?" with a "+GCI: <hex>" line and OK.
  Outcome Detect();

  // "AT" (tried like Detect), then "ATZ" when `resetFirst`, then
  // "AT+GCI=<t35>", then "AT+GCI?" must read back t35, then "ATZ".
  Outcome Program(unsigned t35, bool resetFirst);

 private:
  Outcome Handshake();
  Outcome Expect(std::string_view command, int timeoutMs, Reply* reply = nullptr);

  SerialLine& line_;
  Timeouts timeouts_;
};

}  // namespace fennick
