// Runs a fennick-emulator for the length of a test.
//
//   fennick::testing::EmulatorProcess modem;                 // answers like a modem
//   fennick::testing::EmulatorProcess silent({"--silent"});  // never answers
//   modem.DevicePath();     // a symbolic link to its pseudo-terminal
//   modem.StoredCountry();  // "B5" until something programs another code
//
// The emulator is stopped (SIGTERM, then SIGKILL) by the destructor, and also
// when the thread that started it ends, so a crashed test leaves none behind.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace fennick::testing {

class EmulatorProcess {
 public:
  // Starts the emulator with `args` (see fennick-emulator --help) and with
  // --link and --state in a fresh temporary folder, and waits until it is
  // ready. Throws std::runtime_error when it cannot start within 5 s.
  explicit EmulatorProcess(const std::vector<std::string>& args = {});
  ~EmulatorProcess();
  EmulatorProcess(const EmulatorProcess&) = delete;
  EmulatorProcess& operator=(const EmulatorProcess&) = delete;

  // The symbolic link to the emulator's pseudo-terminal: the node to map a COM port to.
  const std::string& DevicePath() const { return linkPath_; }
  // The pseudo-terminal itself, e.g. /dev/pts/3.
  const std::string& TerminalPath() const { return terminalPath_; }
  // The T.35 code the modem holds now, as "B5"; empty when it cannot be read.
  std::string StoredCountry() const;

  pid_t Pid() const { return pid_; }

  // Where the emulator's executable is (set at build time).
  static std::string ExecutablePath();

 private:
  void Stop();

  std::string folder_;
  std::string linkPath_;
  std::string statePath_;
  std::string terminalPath_;
  pid_t pid_ = -1;
  int output_ = -1;
};

}  // namespace fennick::testing
