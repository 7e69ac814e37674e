// Helpers shared by the line monitor tests.
#pragma once

#include <string>
#include <vector>

#include "platform/services.h"

// Records every message box and answers OK.
class RecordingBoxes : public platform::MessageBoxService {
 public:
  int Show(const platform::MessageBoxRequest& request) override {
    shown.push_back(request);
    return platform::IDOK;
  }
  std::vector<platform::MessageBoxRequest> shown;
};

// The event log's lines, oldest first, without their time stamps.
std::vector<std::string> LogTexts();

// A text as the event log keeps it: cut to the characters a slot holds after its time stamp.
std::string Logged(const std::string& text);

// Empties the event log and puts the adapter's name, configuration and status
// back to their start values.
void ResetProgramState();
