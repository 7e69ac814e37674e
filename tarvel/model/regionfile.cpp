#include "regionfile.h"

#include <array>
#include <utility>

#include "archivereader.h"
#include "tarvelapp.h"

namespace {

// On the overview map item i stands for region i.
constexpr int kRegionsOnOverview = CTarvelApp::REGION_COUNT - 1;
constexpr int kMaxItemCount = CTarvelApp::MAX_ITEMS - 1;
constexpr int kMaxModemCode = 50;

constexpr std::array<std::pair<RegionFile::Problem, const char*>, 12> kProblemTexts = {{
    {RegionFile::Problem::None, " was read."},
    {RegionFile::Problem::CannotOpen, " could not be opened."},
    {RegionFile::Problem::EndsEarly, " ends before its data is complete."},
    {RegionFile::Problem::CellSizeBelowOne, " has a cell size below 1."},
    {RegionFile::Problem::NegativeSize, " has a negative map width or height."},
    {RegionFile::Problem::TooManyColumns, " has more than 80 grid columns."},
    {RegionFile::Problem::TooManyRows, " has more than 60 grid rows."},
    {RegionFile::Problem::TooManyItems, " has more than 99 items."},
    {RegionFile::Problem::TooManyRegions, " names more than six regions."},
    {RegionFile::Problem::CellAboveItemCount, " has a grid cell above its item count."},
    {RegionFile::Problem::CellAboveRegionCount, " has a grid cell above region 6."},
    {RegionFile::Problem::ModemCodeAbove50, " has a modem code above 50."},
}};

}  // namespace

std::string RegionFile::FileName(int region) { return "struct" + std::to_string(region + 1) + ".mpr"; }

std::string RegionFile::Describe(Problem problem, const std::string& fileName) {
  for (const auto& [p, text] : kProblemTexts)
    if (p == problem) return "The map data file " + fileName + text;
  return "The map data file " + fileName + " cannot be used.";
}

RegionFile::Problem RegionFile::Read(std::istream& in, int region, CTarvelApp& app) {
  if (region < 0 || region >= CTarvelApp::REGION_COUNT) return Problem::CannotOpen;
  ArchiveReader ar(in);
  const bool overview = region == 0;

  std::int32_t cellSize = 0;
  std::int16_t width = 0, height = 0;
  std::uint8_t regionByte = 0, itemCount = 0;
  std::string regionText;
  if (!ar.ReadI32(cellSize) || !ar.ReadI16(width) || !ar.ReadI16(height) || !ar.ReadU8(regionByte) ||
      !ar.ReadString(regionText) || !ar.ReadU8(itemCount))
    return Problem::EndsEarly;

  if (cellSize < 1) return Problem::CellSizeBelowOne;
  if (width < 0 || height < 0) return Problem::NegativeSize;
  const int columns = width / cellSize;
  const int rows = height / cellSize;
  if (columns > CTarvelApp::GRID_COLUMNS) return Problem::TooManyColumns;
  if (rows > CTarvelApp::GRID_ROWS) return Problem::TooManyRows;
  if (itemCount > kMaxItemCount) return Problem::TooManyItems;
  // Names are given for items below N, so N may be one above the last region.
  if (overview && itemCount > kRegionsOnOverview + 1) return Problem::TooManyRegions;

  app.m_cellSize[region] = cellSize;
  app.m_width[region] = width;
  app.m_height[region] = height;
  app.m_regionByte[region] = regionByte;
  app.m_regionText[region] = std::move(regionText);
  app.m_itemCount[region] = itemCount;
  // The region is replaced as a whole: cells and records the file does not
  // fill are 0 and empty.
  for (auto& column : app.m_cells[region])
    for (std::uint8_t& cell : column) cell = 0;
  for (MapItem& item : app.m_items[region]) item = MapItem();

  for (int c = 0; c < columns; ++c) {
    for (int r = 0; r < rows; ++r) {
      std::uint8_t v = 0;
      if (!ar.ReadU8(v)) return Problem::EndsEarly;
      if (v > itemCount) return Problem::CellAboveItemCount;
      if (overview && v > kRegionsOnOverview) return Problem::CellAboveRegionCount;
      app.m_cells[region][c][r] = v;
    }
  }

  for (int i = 0; i <= itemCount; ++i) {
    MapItem item;
    if (!ar.ReadU8(item.spare) || !ar.ReadU8(item.modemCode) || !ar.ReadI16(item.labelX) ||
        !ar.ReadI16(item.labelY) || !ar.ReadString(item.name))
      return Problem::EndsEarly;
    // Items 1..N of a regional map can be chosen and programmed; item 0 never.
    if (!overview && i > 0 && item.modemCode > kMaxModemCode) return Problem::ModemCodeAbove50;
    app.m_items[region][i] = std::move(item);
  }
  return Problem::None;
}
