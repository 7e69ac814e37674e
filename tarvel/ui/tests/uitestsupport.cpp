#include "uitestsupport.h"

#include <algorithm>
#include <cstring>

#include <platform/application.h>
#include <probestate.h>
#include <tarvelapp.h>

#include "dialogtemplates.h"

namespace tarvel_ui_test {
namespace {

struct Named {
  int region;
  int item;
  unsigned modemCode;
  const char* name;
};
constexpr Named kSmallWorld[] = {
    {0, 1, 0, "Arvonia"}, {0, 2, 0, "Belmar"},   {1, 1, 3, "Aland"},
    {1, 2, 22, "Borduria"}, {1, 3, 5, "Abrovia"}, {2, 1, 7, "Dorne"},
};
// Item counts N: names are given out for items 1 to N - 1.
constexpr int kItemCounts[] = {3, 4, 2};

void ClearTables() {
  std::memset(theApp.m_cells, 0, sizeof theApp.m_cells);
  for (int g = 0; g < CTarvelApp::REGION_COUNT; ++g) {
    theApp.m_itemCount[g] = 0;
    theApp.m_cellSize[g] = 0;
    theApp.m_width[g] = 0;
    theApp.m_height[g] = 0;
    for (MapItem& item : theApp.m_items[g]) item = MapItem{};
  }
}

}  // namespace

void LoadSmallWorld() {
  ClearTables();
  for (int g = 0; g < 3; ++g) {
    theApp.m_cellSize[g] = 10;
    theApp.m_width[g] = 40;
    theApp.m_height[g] = 20;
    theApp.m_itemCount[g] = static_cast<std::uint8_t>(kItemCounts[g]);
  }
  for (const Named& n : kSmallWorld) {
    MapItem& item = theApp.m_items[n.region][n.item];
    item.modemCode = static_cast<std::uint8_t>(n.modemCode);
    item.labelX = static_cast<std::int16_t>(10 * n.item);
    item.labelY = 30;
    item.name = n.name;
  }
  theApp.m_cells[0][0][0] = 1;
  theApp.m_cells[0][2][0] = 2;
  theApp.m_cells[1][0][0] = 1;
  theApp.m_cells[1][1][0] = 2;
  theApp.m_cells[1][2][0] = 3;
  theApp.m_cells[1][4][1] = 2;  // x = 40, on the right bound
  theApp.m_cells[1][0][2] = 1;  // y = 20, on the bottom bound
  theApp.m_cells[2][0][0] = 1;
  theApp.StartSelection();
  theApp.m_bPending = false;
}

std::vector<ModemCall> FakeModemLibrary::calls;
int FakeModemLibrary::result = 0;

FakeModemLibrary::FakeModemLibrary() {
  calls.clear();
  result = 0;
  previous_ = CTarvelApp::SetModemLibrary(&SetCountryCode);
}

FakeModemLibrary::~FakeModemLibrary() { CTarvelApp::SetModemLibrary(previous_); }

int FakeModemLibrary::SetCountryCode(int port, int* codes, int flag) {
  ModemCall call{port, {codes[0], codes[1], codes[2], codes[3]}, flag};
  calls.push_back(call);
  return result;
}

int ScriptedDetect::Detect(int port) {
  if (hold) {
    std::unique_lock<std::mutex> lock(mutex_);
    cv_.wait(lock, [this] { return released_; });
  }
  return port == modemPort ? port : -1;
}

void ScriptedDetect::Hold() {
  std::lock_guard<std::mutex> lock(mutex_);
  released_ = false;
}

void ScriptedDetect::Release() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    released_ = true;
  }
  cv_.notify_all();
}

OpenSheet::OpenSheet(int modemPort, bool holdDetect, unsigned timeLimitMs) {
  LoadSmallWorld();
  g_nProbeResult = -1;
  detect.modemPort = modemPort;
  detect.hold = holdDetect;
  boxes.otherwise = platform::IDOK;
  sheet = std::make_unique<CShet>(detect.Fn(), folder.File("tarvel.cfg"), timeLimitMs);
  sheet->Create();
  platform::ProcessEvents(0);
  if (!holdDetect) WaitForProbeDone();
}

OpenSheet::~OpenSheet() {
  // A held worker asks detect_port for the ports left; let it finish before
  // the script goes.
  detect.Release();
  platform::ProcessEventsUntil([] { return g_bProbeDone == 1; }, 5000);
  sheet.reset();
  platform::ProcessEvents(0);  // the widgets go once the event loop is back
}

bool OpenSheet::WaitForProbeDone() {
  return platform::ProcessEventsUntil(
      [this] { return g_bProbeDone == 1 && (theApp.m_nModemPort >= 0 || !boxes.shown.empty()); }, 5000);
}

CVMap& OpenSheet::View() { return *sheet->m_pgMap.MapView(); }
platform::ComboBox& OpenSheet::RegionCombo() { return *sheet->m_pgMap.GetComboBox(tarvel_res::IDC_REGION_COMBO); }
platform::ComboBox& OpenSheet::CountryCombo() { return *sheet->m_pgMap.GetComboBox(tarvel_res::IDC_COUNTRY_COMBO); }

void OpenSheet::ShowListPage() { sheet->SetActivePage(1); }
void OpenSheet::ShowMapPage() { sheet->SetActivePage(0); }

platform::ListBox& OpenSheet::RegionList() {
  ShowListPage();
  return *sheet->m_pgList.GetListBox(tarvel_res::IDC_REGION_LIST);
}

platform::ListBox& OpenSheet::CountryList() {
  ShowListPage();
  return *sheet->m_pgList.GetListBox(tarvel_res::IDC_COUNTRY_LIST);
}

std::string OpenSheet::PortLabel() { return sheet->m_pgList.GetDlgItemText(tarvel_res::IDC_MODEM_PORT); }

std::string OpenSheet::CurrentSelectionLabel() {
  return sheet->m_pgList.GetDlgItemText(tarvel_res::IDC_CURRENT_COUNTRY);
}

std::vector<std::string> OpenSheet::BoxTexts() const {
  std::vector<std::string> texts;
  for (const platform::MessageBoxRequest& r : boxes.shown) texts.push_back(r.text);
  return texts;
}

DrawLog::DrawLog(platform::CustomWindow& window) : window_(window) {
  window_.SetDrawRecorder([this](const platform::DrawEvent& e) { events.push_back(e); });
}

DrawLog::~DrawLog() { window_.SetDrawRecorder(nullptr); }

std::vector<platform::DrawEvent> DrawLog::Of(platform::DrawEvent::Kind kind) const {
  std::vector<platform::DrawEvent> out;
  std::copy_if(events.begin(), events.end(), std::back_inserter(out),
               [kind](const platform::DrawEvent& e) { return e.kind == kind; });
  return out;
}

}  // namespace tarvel_ui_test
