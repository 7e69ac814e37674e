// A serial line over a terminal device opened with termios directly. Used for
// terminals that libserialport does not handle, above all pseudo-terminals.
#pragma once

#include <memory>
#include <string>

#include "serial_line.h"

namespace fennick {

class TerminalLine : public SerialLine {
 public:
  // Opens `path` without blocking and without making it the controlling
  // terminal, and sets it raw. On failure returns null and sets `reason`
  // and `error` (the errno value, 0 when the failure was not the system's).
  static std::unique_ptr<TerminalLine> Open(const std::string& path, std::string& reason, int& error);

  ~TerminalLine() override;
  TerminalLine(const TerminalLine&) = delete;
  TerminalLine& operator=(const TerminalLine&) = delete;

  bool Write(std::string_view data, int timeoutMs) override;
  int Read(char* buffer, std::size_t size, int timeoutMs) override;
  void DiscardInput() override;

 private:
  explicit TerminalLine(int fd) : fd_(fd) {}
  int fd_;
};

}  // namespace fennick
