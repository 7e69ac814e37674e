// Shared pieces of the desktop tests: a small hand-made world loaded into
// theApp, a recording stand-in for the modem library's set_country_code, and
// a sheet opened with a scripted detect_port and scripted user services.
#pragma once

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include <platform/custom_window.h>
#include <platform/services.h>
#include <tarvelapp.h>

#include "dialogtemplates.h"
#include "shet.h"
#include "testsupport.h"
#include "vmap.h"

namespace tarvel_ui_test {

// Region 0 (the globe, 40 x 20 pixels, cells of 10): regions "Arvonia" (1)
// and "Belmar" (2) in the top row, the rest empty.
// Region 1 (40 x 20, cells of 10), countries in the top row: 1 "Aland"
// (modem code 3), 2 "Borduria" (22), 3 "Abrovia" (5) (database order, not
// alphabetical), column 3 empty; the
// cells just past the right edge (x = 40) and the bottom edge (y = 20) hold
// items too, so that a point on a bound finds something.
// Region 2: one country, "Dorne".
// Every label anchor is (10 * i, 30).
void LoadSmallWorld();

// A point in the cell of item `item` on the current small-world map.
struct MapPoint {
  int x;
  int y;
};
constexpr MapPoint kGlobeArvonia{5, 5};
constexpr MapPoint kGlobeBelmar{25, 5};
constexpr MapPoint kAland{5, 5};
constexpr MapPoint kBorduria{15, 5};
constexpr MapPoint kAbrovia{25, 5};
constexpr MapPoint kEmpty{35, 5};

// set_country_code as the test scripts it: records each call, answers
// `result`.
struct ModemCall {
  int port;
  int codes[4];
  int flag;
};
class FakeModemLibrary {
 public:
  FakeModemLibrary();
  ~FakeModemLibrary();
  static int SetCountryCode(int port, int* codes, int flag);

  static std::vector<ModemCall> calls;
  static int result;

 private:
  CTarvelApp::ModemLibraryFn previous_;
};

// detect_port as the test scripts it: the modem answers on `modemPort`; with
// `hold`, every call waits until Release.
class ScriptedDetect {
 public:
  int Detect(int port);
  DetectPortFn Fn() {
    return [this](int port) { return Detect(port); };
  }
  void Release();
  // Holds the calls again, until the next Release.
  void Hold();

  std::atomic<int> modemPort{-1};
  bool hold = false;

 private:
  std::mutex mutex_;
  std::condition_variable cv_;
  bool released_ = false;
};

// The sheet opened (without a modal run) on the small world, with scripted
// message boxes, cursor and quit request. The probing run is over when the
// constructor returns, unless the detect_port holds.
class OpenSheet {
 public:
  explicit OpenSheet(int modemPort = 2, bool holdDetect = false, unsigned timeLimitMs = 60000);
  ~OpenSheet();

  // Runs the posted messages until the probing run has been handled.
  bool WaitForProbeDone();
  CVMap& View();
  platform::ComboBox& RegionCombo();
  platform::ComboBox& CountryCombo();
  platform::ListBox& RegionList();  // opens the List page first
  platform::ListBox& CountryList();
  std::string PortLabel();          // the List page's "Modem" label
  std::string CurrentSelectionLabel();
  void ShowListPage();
  void ShowMapPage();
  // Every message box text shown so far.
  std::vector<std::string> BoxTexts() const;

  tarvel_test::TempDir folder;
  tarvel_test::ScriptedBoxes boxes;
  tarvel_test::RecordingCursor cursor;
  tarvel_test::RecordingProcess process;
  ScriptedDetect detect;
  FakeModemLibrary modem;
  std::unique_ptr<CShet> sheet;

 private:
  platform::ScopedMessageBoxService boxService_{&boxes};
  platform::ScopedCursorService cursorService_{&cursor};
  platform::ScopedProcessService processService_{&process};
};

// Records what the view draws and invalidates.
class DrawLog {
 public:
  explicit DrawLog(platform::CustomWindow& window);
  ~DrawLog();
  std::vector<platform::DrawEvent> Of(platform::DrawEvent::Kind kind) const;
  void Clear() { events.clear(); }

  std::vector<platform::DrawEvent> events;

 private:
  platform::CustomWindow& window_;
};

}  // namespace tarvel_ui_test
