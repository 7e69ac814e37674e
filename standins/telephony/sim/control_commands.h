// The commands of the isdn-sim tool, run inside the simulator.
#pragma once

#include <string>
#include <vector>

#include "line_service.h"

namespace isdn::sim {

struct ControlResult {
  bool ok;
  std::string text;  // what the tool prints: the outcome, or why the command failed
  bool stop = false; // the simulator ends after answering
};

ControlResult RunControlCommand(LineService& service, const std::vector<std::string>& words);

// One line per command with its arguments, for usage messages.
std::string ControlUsage();

}  // namespace isdn::sim
