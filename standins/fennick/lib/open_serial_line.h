// Opens the device node behind a port as a serial line.
#pragma once

#include <memory>
#include <string>

#include "serial_line.h"

namespace fennick {

struct OpenedLine {
  enum class Status {
    Open,     // `line` is ready
    Missing,  // no such node, or no device behind it: simply no modem there
    Refused,  // the node exists but cannot be used; `reason` says why
  };
  Status status = Status::Missing;
  std::unique_ptr<SerialLine> line;
  std::string reason;
};

// Serial ports that libserialport knows go through it; other terminals
// (pseudo-terminals, such as the modem emulator's) are opened with termios.
OpenedLine OpenSerialLine(const std::string& path);

}  // namespace fennick
