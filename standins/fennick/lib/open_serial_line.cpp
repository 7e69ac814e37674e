#include "open_serial_line.h"

#include <sys/stat.h>

#include <cerrno>
#include <system_error>

#include "serialport_line.h"
#include "terminal_line.h"

namespace fennick {
namespace {

// Errors that mean no device answers behind an existing node: a serial port
// without hardware fails its open with EIO, a vanished USB device with ENODEV
// or ENXIO. They are no modem, not a problem to report.
bool MeansNoDevice(int error) { return error == ENOENT || error == ENOTDIR || error == ENXIO || error == ENODEV || error == EIO; }

}  // namespace

OpenedLine OpenSerialLine(const std::string& path) {
  OpenedLine opened;
  int error = 0;
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) {
    error = errno;
    opened.reason = std::generic_category().message(error);
  } else if (!S_ISCHR(info.st_mode)) {
    opened.reason = "not a serial device";
  } else if (SerialPortLine::Recognises(path)) {
    opened.line = SerialPortLine::Open(path, opened.reason, error);
  } else {
    opened.line = TerminalLine::Open(path, opened.reason, error);
  }
  if (opened.line) {
    opened.status = OpenedLine::Status::Open;
  } else {
    opened.status = MeansNoDevice(error) ? OpenedLine::Status::Missing : OpenedLine::Status::Refused;
  }
  return opened;
}

}  // namespace fennick
