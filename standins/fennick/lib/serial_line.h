// A byte channel to a modem, opened raw at 115200 baud, 8N1, no flow control.
#pragma once

#include <cstddef>
#include <string_view>

namespace fennick {

class SerialLine {
 public:
  static constexpr int kBaudRate = 115200;

  virtual ~SerialLine() = default;

  // Writes all of `data` within `timeoutMs`; false on a timeout or an error.
  virtual bool Write(std::string_view data, int timeoutMs) = 0;

  // Waits at most `timeoutMs` for bytes and stores up to `size` of them.
  // Returns how many arrived (0 when none did in time), or -1 when the line
  // failed (the device went away).
  virtual int Read(char* buffer, std::size_t size, int timeoutMs) = 0;

  // Drops whatever the modem has sent and nobody has read yet.
  virtual void DiscardInput() = 0;
};

}  // namespace fennick
