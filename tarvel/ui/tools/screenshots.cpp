// Takes the screenshots of the program's documentation: the Map page on the
// globe, the Map page on a regional map with a hover label, and the List page
// after programming. Runs in a folder with the region data files, with a modem
// the modem library can find (scripts/screenshots-tarvel.sh sets that up).
//
//   tarvel_screenshots <output folder>
#include <cstdio>
#include <string>

#include <platform/application.h>
#include <platform/screenshot.h>
#include <platform/services.h>

#include <dialogtemplates.h>
#include <tarvelapp.h>

#include "shet.h"
#include "vmap.h"

namespace {

constexpr int kEurope = 3;
constexpr const char* kHoverCountry = "France";
constexpr const char* kProgrammedCountry = "Germany";

// Answers every box as its first button would, and prints it.
class AnsweringBoxes : public platform::MessageBoxService {
 public:
  int Show(const platform::MessageBoxRequest& request) override {
    std::fprintf(stderr, "[%s] %s\n", request.caption.c_str(), request.text.c_str());
    const unsigned buttons = request.type & platform::MB_BUTTONMASK;
    return buttons == platform::MB_RETRYCANCEL ? platform::IDCANCEL : platform::IDOK;
  }
};

// The centre of a cell of the current map that holds `item`.
bool FindItem(int item, int* x, int* y) {
  const int region = theApp.CurrentRegion();
  const int size = theApp.m_cellSize[region];
  if (size < 1) return false;
  // The cell nearest the item's label anchor, so the pointer rests where the
  // label is shown.
  std::int16_t ax = 0, ay = 0;
  theApp.GetLabelPos(item, &ax, &ay);
  long best = -1;
  for (int c = 0; c < theApp.m_width[region] / size; ++c) {
    for (int r = 0; r < theApp.m_height[region] / size; ++r) {
      if (theApp.m_cells[region][c][r] != item) continue;
      const int cx = c * size + size / 2, cy = r * size + size / 2;
      const long d = static_cast<long>(cx - ax) * (cx - ax) + static_cast<long>(cy - ay) * (cy - ay);
      if (best < 0 || d < best) {
        best = d;
        *x = cx;
        *y = cy;
      }
    }
  }
  return best >= 0;
}

int FindCountry(const std::string& name) {
  for (int i = 1; i < CTarvelApp::MAX_ITEMS; ++i) {
    if (theApp.CountryName(i) == name) return i;
  }
  return 0;
}

bool Save(CShet& sheet, const std::string& path) {
  platform::ProcessEvents(300);
  if (!platform::SaveScreenshot(sheet, path)) {
    std::fprintf(stderr, "cannot write %s\n", path.c_str());
    return false;
  }
  std::printf("%s\n", path.c_str());
  return true;
}

int Fail(const char* what) {
  std::fprintf(stderr, "tarvel_screenshots: %s\n", what);
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return Fail("usage: tarvel_screenshots <output folder>");
  const std::string out = argv[1];
  platform::Application application(argc, argv);
  AnsweringBoxes boxes;
  platform::ScopedMessageBoxService service(&boxes);

  std::string error;
  if (!theApp.LoadRegions(&error)) return Fail(error.c_str());
  theApp.StartSelection();
  CShet sheet;
  if (!sheet.Create()) return Fail("the sheet cannot be shown");
  if (!platform::ProcessEventsUntil([] { return theApp.m_nModemPort >= 0; }, 15000)) return Fail("no modem found");
  if (!Save(sheet, out + "/map-globe.png")) return 1;

  CVMap* view = sheet.m_pgMap.MapView();
  int x = 0, y = 0;
  if (!FindItem(kEurope, &x, &y)) return Fail("no Europe on the globe");
  view->SimulateClick(x, y);
  const int hover = FindCountry(kHoverCountry);
  if (hover == 0 || !FindItem(hover, &x, &y)) return Fail("no France on the map of Europe");
  platform::ProcessEvents(100);
  view->SimulateMouseMove(x, y);
  if (!Save(sheet, out + "/map-hover.png")) return 1;

  sheet.SetActivePage(1);
  const int programmed = FindCountry(kProgrammedCountry);
  if (programmed == 0) return Fail("no Germany on the map of Europe");
  sheet.m_pgList.GetListBox(tarvel_res::IDC_COUNTRY_LIST)->UserDoubleClick(programmed - 1);
  if (theApp.m_nProgCountry != programmed) return Fail("programming failed");
  if (!Save(sheet, out + "/list-programmed.png")) return 1;
  sheet.DestroyWindow();
  return 0;
}
