// Which device node stands behind each of the ports COM1..COM4.
//
// The file is /etc/fennick.conf, or the file named by the environment variable
// FENNICK_CONFIG. Lines read "COM1=/dev/ttyS0"; '#' starts a comment; a port
// given as "none" or left empty has no device. Ports the file does not name
// keep their defaults, /dev/ttyS0 .. /dev/ttyS3.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace fennick {

class PortConfig {
 public:
  static constexpr int kPortCount = 4;
  static constexpr const char* kDefaultPath = "/etc/fennick.conf";
  static constexpr const char* kEnvironmentVariable = "FENNICK_CONFIG";

  // The defaults: COM1..COM4 on /dev/ttyS0../dev/ttyS3.
  PortConfig();

  // Reads the settings from `text`. Each line that cannot be used is skipped
  // and described in `problems` as "<source>:<line>: <what is wrong>".
  static PortConfig Parse(std::string_view text, std::string_view source, std::vector<std::string>& problems);

  // Reads the file named by FENNICK_CONFIG, else /etc/fennick.conf. A missing
  // /etc/fennick.conf quietly gives the defaults; a named file that cannot be
  // read gives the defaults and a problem line.
  static PortConfig Load(std::vector<std::string>& problems);

  // The device node of port 0..3, or an empty string when the port has none.
  const std::string& DevicePath(int port) const;

  // "COM1" .. "COM4" for port 0..3.
  static std::string PortName(int port);

 private:
  std::array<std::string, kPortCount> paths_;
};

}  // namespace fennick
