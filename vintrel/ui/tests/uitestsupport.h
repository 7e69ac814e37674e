// The sheet on the offscreen platform over scripted telephony functions and a
// registry that holds the adapter, with message boxes and the save dialog
// answered by the test. Timers are fired by the tests.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "faketelephony.h"
#include "platform/registry.h"
#include "platform/services.h"
#include "propsht.h"

// Records every box and answers OK.
class RecordedBoxes : public platform::MessageBoxService {
 public:
  int Show(const platform::MessageBoxRequest& request) override {
    shown.push_back(request);
    return platform::IDOK;
  }
  std::vector<platform::MessageBoxRequest> shown;
};

// Answers the save dialog with `answer` (nothing: cancelled).
class ScriptedSaveDialog : public platform::FileDialogService {
 public:
  std::optional<std::string> AskSaveFile(const platform::SaveFileRequest& request) override {
    asked.push_back(request);
    if (whileOpen) whileOpen();
    return answer;
  }
  std::optional<std::string> answer;
  std::function<void()> whileOpen;  // runs while the dialog is "open"
  std::vector<platform::SaveFileRequest> asked;
};

// The adapter as the scripted lines and the registry describe it.
inline constexpr const char* kAdapter = "Pondrel 2000 ";

class SheetTest : public testing::Test {
 protected:
  SheetTest();
  ~SheetTest() override;

  // Builds the sheet (the whole start-up) and shows it with Diagnostics active.
  void OpenSheet();
  // Closes and destroys the sheet.
  void CloseSheet();
  propsht& Sheet() { return *sheet; }

  // The text of an edit box of a page.
  static std::string Box(const platform::PropertyPage& page, int id);
  // The device-specific requests sent since the last call, as "code value" in hex.
  std::vector<std::string> TakeRequests();
  // The lines of the log list, top first, without their time stamps.
  std::vector<std::string> ListTexts();

  FakeTelephony fake;
  RecordedBoxes boxes;
  ScriptedSaveDialog saveDialog;
  std::unique_ptr<propsht> sheet;

 private:
  platform::ScopedMessageBoxService scopedBoxes{&boxes};
  platform::ScopedFileDialogService scopedSave{&saveDialog};
  platform::ScopedRegistry registry;
  std::size_t journalSeen_ = 0;
};

// A line of the event log without its time stamp ("HH:MM:SS  ").
std::string WithoutStamp(const std::string& line);
// The stored lines, oldest first, without their time stamps.
std::vector<std::string> StoredTexts();
// Puts every program-wide value of the tool back to its start value.
void ResetProgramState();
