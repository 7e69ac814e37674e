// Start-up: load the region data, start on the overview map, run the sheet.
#include <platform/services.h>

#include <tarvelapp.h>
#include <tarveltexts.h>

#include "shet.h"

namespace {
constexpr int kExitDataRefused = 1;
}  // namespace

bool CTarvelApp::InitInstance() {
  std::string error;
  if (!LoadRegions(&error)) {
    // Nothing to show without the data: tell the user and end before any
    // window or thread exists.
    platform::MessageBox(error, tarvel_text::kCaption, platform::MB_OK | platform::MB_ICONSTOP);
    platform::ExitProcess(kExitDataRefused);
    return false;
  }
  StartSelection();
  {
    CShet sheet;
    sheet.DoModal();
  }
  return false;
}
