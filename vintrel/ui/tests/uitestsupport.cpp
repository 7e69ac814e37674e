#include "uitestsupport.h"

#include <cstdio>
#include <cstring>

#include "config/adapterconfig.h"
#include "devspecific.h"
#include "linemon.h"
#include "log/eventlog.h"
#include "numcolors.h"
#include "platform/regfile.h"
#include "res/resource.h"

namespace {

constexpr const char* kRegistry =
    "REGEDIT4\n"
    "\n"
    "[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Control\\Class\\{4D36E972-E325-11CE-BFC1-08002BE10318}\\0000]\n"
    "\"DeviceName\"=\"Some Network Card\"\n"
    "\n"
    "[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Control\\Class\\{4D36E972-E325-11CE-BFC1-08002BE10318}\\0003]\n"
    "\"DeviceName\"=\"Pondrel 2000 \"\n"
    "\"Revision\"=\"3\"\n"
    "\n"
    "[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Control\\Class\\{4D36E972-E325-11CE-BFC1-08002BE10318}\\0003\\0\\0]\n"
    "\"IsdnPhoneNumber\"=\"5550100\"\n"
    "\"IsdnSpid\"=\"01555010000\"\n"
    "\n"
    "[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Control\\Class\\{4D36E972-E325-11CE-BFC1-08002BE10318}\\0003\\0\\1]\n"
    "\"IsdnPhoneNumber\"=\"5550101\"\n"
    "\"IsdnSpid\"=\"01555010100\"\n";

std::shared_ptr<const platform::RegistryTree> AdapterRegistry() {
  std::string error;
  auto tree = platform::ReadRegistryText(kRegistry, &error);
  EXPECT_NE(tree, nullptr) << error;
  return tree;
}

}  // namespace

void ResetProgramState() {
  EventLog.Clear();
  EventLog.DetachViewer();
  AdapterStatus = AdapterStatusRecord{};
  DevSpecificRequest = DevSpecificRequestBlock{};
  std::memset(AdapterName, 0, sizeof AdapterName);
  AdapterConfig = AdapterConfigRecord{};
  LineMonitor.FreeDevCaps(0);
  LineMonitor.FreeDevCaps(1);
  LineMonitor.NumDevs = 0;
  LineMonitor.Initializing = 0;
  LineMonitor.LineApp = 0;
  LineMonitor.DeviceId[0] = LineMonitor.DeviceId[1] = 0;
  LineMonitor.Line[0] = LineMonitor.Line[1] = 0;
  LineMonitor.ApiVersion = 0;
  NumColors = 0;
  DiagnosticsState = DiagnosticsRunState{};
  StatisticsState = StatisticsRunState{};
  LoggingState = LoggingRunState{};
}

SheetTest::SheetTest() : registry(AdapterRegistry()) {
  ResetProgramState();
  fake.devices = {{"Pondrel 2000 ISDN1"}, {"Pondrel 2000 ISDN2"}};
  fake.status[0].activeCalls = 1;
  fake.status[1].activeCalls = 2;
}

SheetTest::~SheetTest() {
  CloseSheet();
  ResetProgramState();
}

void SheetTest::OpenSheet() {
  sheet = std::make_unique<propsht>(propsht::kCaption, 0);
  ASSERT_TRUE(sheet->Create());
}

void SheetTest::CloseSheet() {
  if (sheet && sheet->Exists()) sheet->DestroyWindow();
  sheet.reset();
}

std::string SheetTest::Box(const platform::PropertyPage& page, int id) {
  const platform::Edit* box = page.GetEdit(id);
  return box != nullptr ? box->GetText() : "(no box " + std::to_string(id) + ")";
}

std::vector<std::string> SheetTest::TakeRequests() {
  std::vector<std::string> requests;
  for (; journalSeen_ < fake.journal.size(); ++journalSeen_) {
    unsigned line, address, call, code, value, size;
    if (std::sscanf(fake.journal[journalSeen_].c_str(), "devspecific %u %u %u %x %x %u", &line, &address, &call, &code,
                    &value, &size) == 6) {
      char text[32];
      std::snprintf(text, sizeof text, "%x %x", code, value);
      requests.emplace_back(text);
    }
  }
  return requests;
}

std::vector<std::string> SheetTest::ListTexts() {
  std::vector<std::string> texts;
  const platform::ListBox* list = sheet->LoggingPage().GetListBox(IDC_EVENT_LIST);
  for (int i = 0; i < list->GetCount(); ++i) texts.push_back(WithoutStamp(list->GetText(i)));
  return texts;
}

std::string WithoutStamp(const std::string& line) {
  const std::size_t stamp = std::strlen("HH:MM:SS  ");
  return line.size() >= stamp ? line.substr(stamp) : line;
}

std::vector<std::string> StoredTexts() {
  std::vector<std::string> texts;
  EventLog.Lock();
  EventLog.ForEachOldestFirst([&](const char* line) { texts.push_back(WithoutStamp(line)); });
  EventLog.Unlock();
  return texts;
}
