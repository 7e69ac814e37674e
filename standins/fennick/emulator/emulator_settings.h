// How the emulated modem behaves, as chosen on the emulator's command line.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace fennick {

struct EmulatorSettings {
  enum class Mode {
    Normal,  // answers like a modem
    Silent,  // reads everything, never answers, never echoes
    Error,   // answers ERROR to every command line
  };
  Mode mode = Mode::Normal;
  int hangAfter = -1;            // answer this many command lines, then fall silent; -1: never
  unsigned country = 0xB5;       // T.35 code held at start
  std::vector<unsigned> supported;  // codes AT+GCI= accepts; empty: every code of the profile table
  bool ignoreSet = false;        // AT+GCI= answers OK but keeps the old code (a faulty modem)
};

struct EmulatorOptions {
  EmulatorSettings settings;
  std::string linkPath;   // symbolic link to the pseudo-terminal, made at start, removed at exit
  std::string statePath;  // file that holds the current code as "B5\n"
  bool help = false;
};

// Reads the command line (without the program name). Returns nothing and sets
// `error` when an option is unknown or its value is bad.
std::optional<EmulatorOptions> ParseEmulatorOptions(const std::vector<std::string>& args, std::string& error);

// The text shown for --help and after a bad option.
const char* EmulatorUsage();

}  // namespace fennick
