// Points the modem library at a configuration of its own for the length of a
// test: writes a file that maps the given ports to device nodes (every other
// port to "none", so no test ever touches a real serial port) and sets
// FENNICK_CONFIG to it; the destructor restores the variable and removes the file.
//
//   fennick::testing::EmulatorProcess modem;
//   fennick::testing::ScopedPortConfig config({{2, modem.DevicePath()}});  // COM3
//   detect_port(2);  // == 2
#pragma once

#include <map>
#include <optional>
#include <string>

namespace fennick::testing {

class ScopedPortConfig {
 public:
  // `devices` maps a port 0..3 (COM1..COM4) to a device node.
  explicit ScopedPortConfig(const std::map<int, std::string>& devices);
  ~ScopedPortConfig();
  ScopedPortConfig(const ScopedPortConfig&) = delete;
  ScopedPortConfig& operator=(const ScopedPortConfig&) = delete;

  const std::string& Path() const { return path_; }

 private:
  std::string folder_;
  std::string path_;
  std::optional<std::string> previous_;
};

}  // namespace fennick::testing
