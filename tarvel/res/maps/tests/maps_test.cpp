// Checks the generated maps and region data files as the program sees them:
// read with the program's own reader, within the tables' limits, named in
// alphabetical order, every named item reachable on its map, labels inside
// the picture, and each picture in agreement with its hit grid.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/resources.h"
#include "rle4bitmap.h"
#include "tarvelapp.h"

namespace {

struct MapFiles {
  int region;
  const char* bitmap;
  int resource;
  int width;
  int height;
};

constexpr MapFiles kMaps[] = {
    {0, "map129.bmp", 129, 402, 306}, {1, "map130.bmp", 130, 414, 308}, {2, "map131.bmp", 131, 408, 304},
    {3, "map132.bmp", 132, 403, 303}, {4, "map133.bmp", 133, 404, 301}, {5, "map134.bmp", 134, 404, 303},
    {6, "map135.bmp", 135, 401, 301},
};

constexpr int kLabelHeight = 15;
constexpr int kLabelCharWidth = 7;

// The tables after loading the committed files, loaded once for all tests.
const CTarvelApp& Loaded() {
  static const std::unique_ptr<CTarvelApp> app = [] {
    auto a = std::make_unique<CTarvelApp>();
    std::string error;
    EXPECT_TRUE(a->LoadRegions(&error, MAPS_DIR)) << error;
    return a;
  }();
  return *app;
}

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

int Columns(const CTarvelApp& app, int g) { return app.m_width[g] / app.m_cellSize[g]; }
int Rows(const CTarvelApp& app, int g) { return app.m_height[g] / app.m_cellSize[g]; }

std::vector<int> OwnedCells(const CTarvelApp& app, int g) {
  std::vector<int> owned(CTarvelApp::MAX_ITEMS, 0);
  for (int c = 0; c < Columns(app, g); ++c)
    for (int r = 0; r < Rows(app, g); ++r) ++owned[app.m_cells[g][c][r]];
  return owned;
}

// What a palette colour shows: land (green, or black for borders and the
// markers of small islands), sea (blue), or outside the globe (cyan).
enum class Shows { Land, Sea, Outside, Unknown };

Shows Classify(const PaletteColor& c) {
  const int r = c.red, g = c.green, b = c.blue;
  if (r < 64 && g < 64 && b < 64) return Shows::Land;
  if (g > 200 && b > 200 && std::abs(g - b) < 40 && r < g - 40) return Shows::Outside;
  if (b > g && b > r) return Shows::Sea;
  if (g > r && g > b) return Shows::Land;
  return Shows::Unknown;
}

Rle4Bitmap ReadPicture(const char* name) {
  std::ifstream in(std::string(MAPS_DIR) + "/" + name, std::ios::binary);
  const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  Rle4Bitmap bmp;
  std::string error;
  EXPECT_TRUE(bmp.Decode(bytes, &error)) << name << ": " << error;
  return bmp;
}

TEST(GeneratedMaps, FitTheTablesAndThePictureSizes) {
  const CTarvelApp& app = Loaded();
  for (const MapFiles& m : kMaps) {
    SCOPED_TRACE(m.bitmap);
    const int g = m.region;
    EXPECT_GE(app.m_cellSize[g], 1);
    EXPECT_EQ(app.m_width[g], m.width);
    EXPECT_EQ(app.m_height[g], m.height);
    EXPECT_LE(Columns(app, g), CTarvelApp::GRID_COLUMNS);
    EXPECT_LE(Rows(app, g), CTarvelApp::GRID_ROWS);
    EXPECT_LE(app.m_itemCount[g], 99);
    EXPECT_GE(app.m_itemCount[g], 2) << "no named item";
  }
}

TEST(GeneratedMaps, OverviewNamesTheSixRegionsInRegionOrder) {
  const CTarvelApp& app = Loaded();
  ASSERT_EQ(app.m_itemCount[0], 7);
  const char* names[] = {"Africa", "Asia", "Europe", "North America", "Pacific", "South America"};
  for (int i = 1; i <= 6; ++i) {
    EXPECT_EQ(app.RegionName(i), names[i - 1]);
    EXPECT_EQ(app.m_items[0][i].modemCode, 0);
  }
  EXPECT_EQ(app.RegionName(7), "");
}

TEST(GeneratedMaps, NamesAreAlphabeticalWithEmptyFirstAndLastRecords) {
  const CTarvelApp& app = Loaded();
  for (const MapFiles& m : kMaps) {
    SCOPED_TRACE(m.bitmap);
    const int g = m.region;
    const int n = app.m_itemCount[g];
    EXPECT_EQ(app.m_items[g][0].name, "");
    EXPECT_EQ(app.m_items[g][n].name, "");
    for (int i = 1; i < n; ++i) {
      const std::string& name = app.m_items[g][i].name;
      ASSERT_FALSE(name.empty()) << "item " << i << " has no name, the lists would stop there";
      EXPECT_TRUE(std::all_of(name.begin(), name.end(), [](char c) { return c >= 0x20 && c < 0x7f; })) << name;
      EXPECT_LE(app.m_items[g][i].modemCode, 50) << name;
      if (i > 1) {
        EXPECT_LT(Lower(app.m_items[g][i - 1].name), Lower(name)) << "out of order or twice";
      }
    }
  }
}

TEST(GeneratedMaps, EveryNamedItemOwnsACellAndNoCellPointsPastTheNames) {
  const CTarvelApp& app = Loaded();
  for (const MapFiles& m : kMaps) {
    SCOPED_TRACE(m.bitmap);
    const int g = m.region;
    const int n = app.m_itemCount[g];
    const std::vector<int> owned = OwnedCells(app, g);
    for (int i = 1; i < n; ++i) EXPECT_GT(owned[i], 0) << app.m_items[g][i].name << " cannot be picked on the map";
    for (int i = n; i < CTarvelApp::MAX_ITEMS; ++i) EXPECT_EQ(owned[i], 0) << "cell with unnamed item " << i;
  }
}

TEST(GeneratedMaps, LabelsLieInsideThePicture) {
  const CTarvelApp& app = Loaded();
  for (const MapFiles& m : kMaps) {
    const int g = m.region;
    for (int i = 1; i < app.m_itemCount[g]; ++i) {
      const MapItem& item = app.m_items[g][i];
      SCOPED_TRACE(std::string(m.bitmap) + " " + item.name);
      const int width = kLabelCharWidth * static_cast<int>(item.name.size() + 2);
      EXPECT_GE(item.labelX, 0);
      EXPECT_LE(item.labelX + width, m.width);
      EXPECT_GE(item.labelY - kLabelHeight, 0);
      EXPECT_LE(item.labelY, m.height);
    }
  }
}

// Countries a user will look for, on the maps that show them, with the modem
// code of their profile; small states among them must be there as well.
TEST(GeneratedMaps, KnownCountriesCarryTheirProfilesModemCode) {
  struct Expect {
    int region;
    const char* name;
    int modemCode;
  };
  const Expect expected[] = {
      {1, "South Africa", 33}, {1, "Egypt", 46},       {1, "Malta", 18},          {1, "DR Congo", 0},
      {2, "Japan", 1},         {2, "Bahrain", 47},     {2, "India", 14},          {2, "Hong Kong", 12},
      {3, "Monaco", 9},        {3, "Malta", 18},       {3, "Vatican City", 18},   {3, "United Kingdom", 40},
      {4, "United States", 22}, {4, "Canada", 20},     {4, "Jamaica", 43},        {4, "Mexico", 24},
      {5, "Singapore", 32},    {5, "Australia", 2},    {5, "New Zealand", 26},    {5, "Norfolk Island", 0},
      {6, "Brazil", 5},        {6, "Argentina", 42},   {6, "French Guiana", 9},   {6, "Chile", 44},
  };
  const CTarvelApp& app = Loaded();
  for (const Expect& e : expected) {
    SCOPED_TRACE(std::string(e.name) + " on map " + std::to_string(e.region));
    int found = 0;
    for (int i = 1; i < app.m_itemCount[e.region]; ++i)
      if (app.m_items[e.region][i].name == e.name) found = i;
    ASSERT_NE(found, 0) << "not named";
    EXPECT_EQ(app.m_items[e.region][found].modemCode, e.modemCode);
  }
}

TEST(GeneratedMaps, PicturesAreRle4BitmapsOfTheMapSize) {
  for (const MapFiles& m : kMaps) {
    SCOPED_TRACE(m.bitmap);
    const Rle4Bitmap bmp = ReadPicture(m.bitmap);
    EXPECT_EQ(bmp.Width(), m.width);
    EXPECT_EQ(bmp.Height(), m.height);
    // The desktop layer's own bitmap reader, which the map view draws with.
    int width = 0, height = 0;
    ASSERT_TRUE(platform::GetBitmapSize(m.resource, &width, &height)) << "bitmap " << m.resource;
    EXPECT_EQ(width, m.width);
    EXPECT_EQ(height, m.height);
  }
}

// Each cell that names an item must show land, and cells with no item sea or
// the margin. Coasts, single-pixel islands and the unnamed edges of
// neighbouring countries bend this at some cells (up to 7 % on the current
// maps), so the rule must hold for 90 % of the cells of each kind; a grid that
// is shifted, flipped, transposed or of the wrong cell size falls far below
// that. Every item cell must show at least some land.
TEST(GeneratedMaps, PicturesAgreeWithTheirGrids) {
  const CTarvelApp& app = Loaded();
  for (const MapFiles& m : kMaps) {
    SCOPED_TRACE(m.bitmap);
    const Rle4Bitmap bmp = ReadPicture(m.bitmap);
    ASSERT_EQ(bmp.Width(), m.width);
    ASSERT_EQ(bmp.Height(), m.height);
    const int g = m.region;
    const int s = app.m_cellSize[g];
    std::set<Shows> seen;
    int itemCells = 0, itemCellsOnLand = 0, emptyCells = 0, emptyCellsOffLand = 0;
    for (int c = 0; c < Columns(app, g); ++c) {
      for (int r = 0; r < Rows(app, g); ++r) {
        int land = 0;
        for (int y = r * s; y < (r + 1) * s; ++y) {
          for (int x = c * s; x < (c + 1) * s; ++x) {
            const Shows shows = Classify(bmp.Palette()[bmp.At(x, y)]);
            ASSERT_NE(shows, Shows::Unknown) << "colour " << int(bmp.At(x, y)) << " at " << x << "," << y;
            seen.insert(shows);
            land += shows == Shows::Land;
          }
        }
        const bool mostlyLand = 2 * land > s * s;
        if (app.m_cells[g][c][r] != 0) {
          EXPECT_GT(land, 0) << "item cell " << c << "," << r << " shows no land";
          ++itemCells;
          itemCellsOnLand += mostlyLand;
        } else {
          ++emptyCells;
          emptyCellsOffLand += !mostlyLand;
        }
      }
    }
    EXPECT_TRUE(seen.count(Shows::Land) && seen.count(Shows::Sea));
    EXPECT_EQ(seen.count(Shows::Outside) != 0, g == 0) << "only the globe has an outside";
    EXPECT_GE(itemCellsOnLand, itemCells * 90 / 100) << itemCellsOnLand << " of " << itemCells;
    EXPECT_GE(emptyCellsOffLand, emptyCells * 90 / 100) << emptyCellsOffLand << " of " << emptyCells;
  }
}

}  // namespace
