// The emulated modem's command interpreter: bytes from the line go in, the
// modem's echo and answers come out. Knows nothing of terminals or files.
//
// Command lines start with "AT" (any case) and end with CR; LF is ignored and
// backspace deletes. Answers are framed as a modem frames them: each
// information line and the final result code as CR LF <text> CR LF.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "emulator_settings.h"

namespace fennick {

class ModemEmulator {
 public:
  static constexpr std::size_t kMaxLine = 256;  // longer command lines are answered with ERROR

  explicit ModemEmulator(EmulatorSettings settings);

  // Takes bytes from the line; returns what the modem sends back.
  std::string Receive(std::string_view bytes);

  unsigned Country() const { return country_; }
  bool Echo() const { return echo_; }

 private:
  // Runs one command line (without its CR) and returns the framed answer.
  std::string Execute(const std::string& line);
  // Runs the commands after "AT"; false on a command it does not take.
  bool RunCommands(std::string_view commands, std::vector<std::string>& info);
  bool RunGci(std::string_view& rest, std::vector<std::string>& info);
  bool Supports(unsigned code) const;
  bool Answering() const;

  EmulatorSettings settings_;
  unsigned country_;
  bool echo_ = true;
  int linesAnswered_ = 0;
  std::string line_;
  bool overlong_ = false;
};

}  // namespace fennick
