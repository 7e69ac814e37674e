// Configuration of the simulated adapter, read from a small text file:
// one "key = value" per line, "#" starts a comment, values may be quoted
// to keep leading or trailing blanks. Keys are listed in README.md.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace isdn::sim {

struct SimConfig {
  std::string adapterName = "Pondrel 2000 ";  // the lines are named adapterName + "ISDN1" / "ISDN2"
  std::uint32_t boardType = 3;                // byte 1 of the switch information
  std::string phone0 = "5551234";
  std::string phone1 = "5551235";
  std::string spid0 = "01555123400";
  std::string spid1 = "01555123500";
  std::uint32_t baseIo = 0x2E0;
  std::uint32_t irq = 10;
  std::uint32_t tei1 = 64;
  std::uint32_t tei2 = 65;
  bool publishSwitchInfo = true;
  bool startActive = false;  // skip the layer activation that follows power-up
  int reportIntervalMs = 1000;
  std::vector<std::string> extraLines;  // other line devices, numbered before the adapter's two
};

// Applies the settings of a configuration text to config. Returns false with a
// message naming the line when a line cannot be used.
bool ParseConfig(const std::string& text, SimConfig& config, std::string& error);
bool LoadConfig(const std::string& path, SimConfig& config, std::string& error);

}  // namespace isdn::sim
