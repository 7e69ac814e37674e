// A serial line over a port that libserialport knows (ttyS, ttyUSB, ttyACM...).
#pragma once

#include <memory>
#include <string>

#include "serial_line.h"

struct sp_port;

namespace fennick {

class SerialPortLine : public SerialLine {
 public:
  // Whether libserialport recognises `path` as a serial port. It does not
  // handle pseudo-terminals.
  static bool Recognises(const std::string& path);

  // Opens `path` and sets it to 115200 8N1, no flow control, DTR and RTS up.
  // On failure returns null and sets `reason` (the system's error text) and
  // `error` (the errno value, 0 when the failure was not the system's).
  static std::unique_ptr<SerialPortLine> Open(const std::string& path, std::string& reason, int& error);

  ~SerialPortLine() override;
  SerialPortLine(const SerialPortLine&) = delete;
  SerialPortLine& operator=(const SerialPortLine&) = delete;

  bool Write(std::string_view data, int timeoutMs) override;
  int Read(char* buffer, std::size_t size, int timeoutMs) override;
  void DiscardInput() override;

 private:
  explicit SerialPortLine(sp_port* port) : port_(port) {}
  sp_port* port_;
};

}  // namespace fennick
