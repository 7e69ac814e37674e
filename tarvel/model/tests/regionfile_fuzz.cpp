// Fuzz entry for the region data file reader. The first byte chooses the
// region, the rest is the file. A file the reader accepts must leave the tables
// within their limits, and the hit test and the names must stay inside them.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>

#include "regionfile.h"
#include "tarvelapp.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

void CheckAccepted(CTarvelApp& app, int region) {
  const int n = app.m_itemCount[region];
  Check(app.m_cellSize[region] >= 1 && n < CTarvelApp::MAX_ITEMS);
  Check(app.m_width[region] >= 0 && app.m_height[region] >= 0);
  for (const auto& column : app.m_cells[region])
    for (std::uint8_t v : column) Check(v <= n && (region != 0 || v < CTarvelApp::REGION_COUNT));
  app.m_nRegion = region;
  // About 64 points per axis, bounds included.
  const int w = app.m_width[region], h = app.m_height[region];
  for (int x = -1; x <= w + 1; x += 1 + w / 64)
    for (int y = -1; y <= h + 1; y += 1 + h / 64) Check(app.ItemAt(x, y) <= n);
  Check(app.ItemAt(w, h) <= n);
  for (int i = -1; i <= CTarvelApp::MAX_ITEMS; ++i) {
    app.RegionName(i);
    app.CountryName(i);
    std::int16_t lx, ly;
    app.GetLabelPos(i, &lx, &ly);
  }
  app.m_nRegion = 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  static CTarvelApp* app = new CTarvelApp;  // large: made once
  const int region = data[0] % CTarvelApp::REGION_COUNT;
  std::istringstream in(std::string(reinterpret_cast<const char*>(data + 1), size - 1));
  if (RegionFile::Read(in, region, *app) == RegionFile::Problem::None) CheckAccepted(*app, region);
  return 0;
}
