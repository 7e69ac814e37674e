// Small pages and sheets for the tests, which write what happens to them into
// a shared log.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/property_page.h"
#include "platform/property_sheet.h"
#include "platform/services.h"

namespace platform::test {

using Log = std::vector<std::string>;

enum : int {
  kList = 1001,
  kSortedList = 1002,
  kCombo = 1003,
  kEdit = 1004,
  kCheck = 1005,
  kFreeze = 1006,
  kButton = 1007,
  kLabel = 1008,
  kClip = 1009,
};

inline DialogTemplate ControlsTemplate(const std::string& caption) {
  DialogTemplate t;
  t.id = 104;
  t.caption = caption;
  t.width = 270;
  t.height = 220;
  t.controls = {
      {kList, ControlKind::ListBox, LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP, "", 10, 10, 100, 80},
      {kSortedList, ControlKind::ListBox, LBS_SORT | WS_VSCROLL, "", 120, 10, 100, 80},
      {kCombo, ControlKind::DropDownList, CBS_SORT | WS_VSCROLL | WS_TABSTOP, "", 10, 100, 80, 60},
      {kEdit, ControlKind::ReadOnlyEdit, ES_AUTOHSCROLL, "", 100, 100, 80, 12},
      {kCheck, ControlKind::CheckBox, WS_TABSTOP, "API", 10, 120, 40, 11},
      {kFreeze, ControlKind::PushLikeCheckBox, WS_TABSTOP, "Freeze", 60, 120, 50, 15},
      {kButton, ControlKind::PushButton, WS_TABSTOP, "Clear", 120, 120, 50, 15},
      {kLabel, ControlKind::StaticText, 0, "Country:", 10, 140, 40, 8},
      {-1, ControlKind::GroupBox, 0, "Selection", 5, 95, 200, 50},
      {kClip, ControlKind::Animation, ACS_CENTER, "", 200, 150, 48, 52},
  };
  return t;
}

// A page that logs its framework calls and the user's actions on its controls.
class LoggingPage : public PropertyPage {
 public:
  LoggingPage(const std::string& name, Log* log) : PropertyPage(ControlsTemplate(name)), name_(name), log_(log) {}

  bool OnInitDialog() override {
    Add("OnInitDialog");
    return PropertyPage::OnInitDialog();
  }
  bool OnSetActive() override {
    Add("OnSetActive");
    return true;
  }
  bool OnKillActive() override {
    Add("OnKillActive");
    return allowLeave;
  }
  bool OnApply() override {
    Add("OnApply");
    return PropertyPage::OnApply();
  }
  void OnOK() override { Add("OnOK"); }
  void OnCancel() override { Add("OnCancel"); }
  void OnCommand(int id, int notification) override {
    Add("OnCommand " + std::to_string(id) + " " + std::to_string(notification));
    if (onCommand) onCommand(id, notification);
  }

  bool allowLeave = true;
  std::function<void(int, int)> onCommand;

 private:
  void Add(const std::string& what) { log_->push_back(name_ + "." + what); }
  std::string name_;
  Log* log_;
};

class LoggingSheet : public PropertySheet {
 public:
  LoggingSheet(Log* log, int startPage = 0) : PropertySheet("Ostrane", startPage), log_(log) {}
  bool OnInitDialog() override {
    log_->push_back("Sheet.OnInitDialog");
    return PropertySheet::OnInitDialog();
  }

 private:
  Log* log_;
};

// Answers message boxes from a script and keeps what was asked.
class ScriptedBoxes : public MessageBoxService {
 public:
  explicit ScriptedBoxes(std::vector<int> answers) : answers_(std::move(answers)) {}
  int Show(const MessageBoxRequest& request) override {
    asked.push_back(request);
    if (answers_.empty()) return IDFAILED;
    int answer = answers_.front();
    answers_.erase(answers_.begin());
    return answer;
  }
  std::vector<MessageBoxRequest> asked;

 private:
  std::vector<int> answers_;
};

}  // namespace platform::test
