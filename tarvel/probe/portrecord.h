// The port record file ("tarvel.cfg"): which of the four ports are probed.
// Written as four lines "COM%d=%d" ended by CR LF, 1 = probe, 0 = skip. As read,
// line n (1..4) excludes port n when it contains "COM<n>=0" anywhere; every
// other content, a missing line or a missing file leaves the port to be probed,
// and lines after the fourth are not read.
#pragma once

#include <array>
#include <istream>
#include <string>

class PortRecord {
 public:
  using Ports = std::array<bool, 4>;  // index 0 = COM1; true = probe

  static Ports AllProbed() { return {true, true, true, true}; }

  // Reads the first four lines; never holds more than a few bytes of a line.
  static Ports Read(std::istream& in);
  // All ports probed when the file cannot be opened.
  static Ports ReadFile(const std::string& path);
  // Writes the four lines from the start of the file without truncating it, so
  // that the tail of an older, longer file stays. False when it cannot be
  // opened or written.
  static bool WriteFile(const std::string& path, const Ports& ports);
};
