#include "regionfile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <sstream>

#include "tarvelapp.h"
#include "testsupport.h"

namespace {

using Problem = RegionFile::Problem;
using tarvel_test::Bytes;

// The whole 35-byte file of a 10 x 5 map with 5-pixel cells and N = 2, whose
// item 1 ("A", modem code 22, label at (2, 15)) fills column 0.
const std::string kExample = std::string(
    "\x05\x00\x00\x00"
    "\x0A\x00"
    "\x05\x00"
    "\x00"
    "\x00"
    "\x02"
    "\x01\x00"
    "\x00\x00\x00\x00\x00\x00\x00"
    "\x00\x16\x02\x00\x0F\x00\x01\x41"
    "\x00\x00\x00\x00\x00\x00\x00",
    35);

struct Loaded {
  std::unique_ptr<CTarvelApp> app = std::make_unique<CTarvelApp>();
  Problem problem = Problem::None;
  std::streamoff consumed = 0;  // bytes the reader took from the stream
};

Loaded ReadInto(int region, const std::string& bytes) {
  Loaded l;
  std::istringstream in(bytes);
  l.problem = RegionFile::Read(in, region, *l.app);
  in.clear();
  l.consumed = in.tellg();
  l.app->m_nRegion = region;
  return l;
}

TEST(RegionFile, ReadsTheExampleFileFieldByFieldAndNothingAfterRecordN) {
  Loaded l = ReadInto(1, kExample + "trailing bytes are never read");
  ASSERT_EQ(l.problem, Problem::None);
  EXPECT_EQ(l.consumed, 35);
  const CTarvelApp& app = *l.app;
  EXPECT_EQ(app.m_cellSize[1], 5);
  EXPECT_EQ(app.m_width[1], 10);
  EXPECT_EQ(app.m_height[1], 5);
  EXPECT_EQ(app.m_regionByte[1], 0);
  EXPECT_EQ(app.m_regionText[1], "");
  EXPECT_EQ(app.m_itemCount[1], 2);
  EXPECT_EQ(app.m_cells[1][0][0], 1);
  EXPECT_EQ(app.m_cells[1][1][0], 0);
  EXPECT_EQ(app.m_items[1][1].modemCode, 22);
  EXPECT_EQ(app.m_items[1][1].labelX, 2);
  EXPECT_EQ(app.m_items[1][1].labelY, 15);
  EXPECT_EQ(app.m_items[1][1].name, "A");
  EXPECT_EQ(app.m_items[1][2].name, "");

  // Only item 1 is named; the hit test finds it in pixels 0..4 of each row.
  EXPECT_EQ(app.CountryName(1), "A");
  EXPECT_EQ(app.CountryName(2), "");
  for (int x = 0; x <= 4; ++x) EXPECT_EQ(app.ItemAt(x, 3), 1) << x;
  for (int x = 5; x <= 10; ++x) EXPECT_EQ(app.ItemAt(x, 3), 0) << x;
}

TEST(RegionFile, ItemCountZeroStillReadsOneRecord) {
  const std::string file = Bytes().Header(5, 10, 5, 0).U8(0).U8(0).Item(7, 1, 2, "zero").str();
  Loaded l = ReadInto(2, file + "\x01");
  ASSERT_EQ(l.problem, Problem::None);
  EXPECT_EQ(l.consumed, static_cast<std::streamoff>(file.size()));
  EXPECT_EQ(l.app->m_items[2][0].name, "zero");
  EXPECT_EQ(l.app->m_items[2][0].modemCode, 7);
  EXPECT_EQ(l.app->CountryName(0), "");  // index equal to N
}

TEST(RegionFile, PartialLastColumnAndRowAreNotInTheFileAndFindNothing) {
  // 12 x 7 pixels in 5-pixel cells: 2 columns of 1 row; x 10..12 and y 5..7
  // lie in the partial column and row.
  const std::string file = Bytes().Header(5, 12, 7, 2).U8(1).U8(2)
                               .Item(0, 0, 0, "").Item(3, 0, 0, "one").Item(5, 0, 0, "two").str();
  Loaded l = ReadInto(3, file);
  ASSERT_EQ(l.problem, Problem::None);
  EXPECT_EQ(l.consumed, static_cast<std::streamoff>(file.size()));
  const CTarvelApp& app = *l.app;
  EXPECT_EQ(app.ItemAt(0, 0), 1);
  EXPECT_EQ(app.ItemAt(9, 4), 2);
  EXPECT_EQ(app.ItemAt(10, 0), 0);
  EXPECT_EQ(app.ItemAt(12, 4), 0);
  EXPECT_EQ(app.ItemAt(0, 5), 0);
  EXPECT_EQ(app.ItemAt(12, 7), 0);
  EXPECT_TRUE(app.PointInMap(12, 7));
  EXPECT_FALSE(app.PointInMap(13, 7));
  EXPECT_EQ(app.m_items[3][2].name, "two");
}

TEST(RegionFile, CellSizeLargerThanTheMapReadsNoGrid) {
  const std::string file = Bytes().Header(20, 10, 5, 1).Item(0, 0, 0, "").Item(9, 4, 4, "only").str();
  Loaded l = ReadInto(4, file);
  ASSERT_EQ(l.problem, Problem::None);
  EXPECT_EQ(l.consumed, static_cast<std::streamoff>(file.size()));
  EXPECT_EQ(l.app->m_items[4][1].name, "only");
  for (int x = 0; x <= 10; ++x) EXPECT_EQ(l.app->ItemAt(x, x / 2), 0);
}

TEST(RegionFile, AcceptsDataAtEveryLimit) {
  // 80 x 60 cells, N = 99, every cell at N, modem code 50.
  Bytes b;
  b.Header(5, 400, 300, 99);
  for (int i = 0; i < 80 * 60; ++i) b.U8(99);
  for (int i = 0; i <= 99; ++i) b.Item(50, i, i, "n" + std::to_string(i));
  Loaded l = ReadInto(6, b.str());
  ASSERT_EQ(l.problem, Problem::None);
  EXPECT_EQ(l.app->m_cells[6][79][59], 99);
  EXPECT_EQ(l.app->m_items[6][99].name, "n99");
  EXPECT_EQ(l.app->ItemAt(399, 299), 99);
  EXPECT_EQ(l.app->ItemAt(400, 300), 0);  // column 80, row 60: outside the grid

  // The overview map with N = 7 names its six regions.
  Bytes overview;
  overview.Header(100, 200, 100, 7).U8(6).U8(1);
  for (int i = 0; i <= 7; ++i) overview.Item(99, 0, 0, i >= 1 && i <= 6 ? "R" + std::to_string(i) : "");
  Loaded o = ReadInto(0, overview.str());
  ASSERT_EQ(o.problem, Problem::None);
  EXPECT_EQ(o.app->RegionName(6), "R6");
  EXPECT_EQ(o.app->RegionName(7), "");
}

TEST(RegionFile, RefusesDataBeyondTheTablesBeforeStoringIt) {
  struct Case {
    const char* what;
    int region;
    std::string bytes;
    Problem problem;
    std::size_t consumed;  // where the reader stops
  };
  const std::size_t header = 11;
  auto grid = [](int n, unsigned v) { return std::string(static_cast<std::size_t>(n), static_cast<char>(v)); };
  const std::string records3 = Bytes().Item(0, 0, 0, "").Item(1, 0, 0, "a").Item(2, 0, 0, "b").Item(3, 0, 0, "").str();
  const Case cases[] = {
      {"cell size 0", 1, Bytes().Header(0, 10, 10, 1).str() + grid(100, 0), Problem::CellSizeBelowOne, header},
      {"cell size negative", 1, Bytes().Header(-5, 10, 10, 1).str(), Problem::CellSizeBelowOne, header},
      {"negative width", 1, Bytes().Header(5, -10, 10, 1).str(), Problem::NegativeSize, header},
      {"negative height", 1, Bytes().Header(5, 10, -1, 1).str(), Problem::NegativeSize, header},
      {"81 columns", 1, Bytes().Header(5, 405, 10, 1).str() + grid(81 * 2, 0), Problem::TooManyColumns, header},
      {"61 rows", 1, Bytes().Header(5, 10, 305, 1).str() + grid(2 * 61, 0), Problem::TooManyRows, header},
      {"largest width", 1, Bytes().Header(1, 32767, 1, 1).str(), Problem::TooManyColumns, header},
      {"N = 100", 1, Bytes().Header(5, 10, 5, 100).str(), Problem::TooManyItems, header},
      {"N = 255", 2, Bytes().Header(5, 10, 5, 255).str(), Problem::TooManyItems, header},
      {"overview with N = 8", 0, Bytes().Header(5, 10, 5, 8).str(), Problem::TooManyRegions, header},
      {"grid value above N", 1, Bytes().Header(5, 10, 5, 3).U8(1).U8(4).str() + records3,
       Problem::CellAboveItemCount, header + 2},
      {"overview grid value 7", 0, Bytes().Header(5, 10, 5, 7).U8(7).U8(1).str(), Problem::CellAboveRegionCount,
       header + 1},
      {"modem code 51", 1, Bytes().Header(5, 10, 5, 3).U8(1).U8(2).Item(0, 0, 0, "").Item(51, 0, 0, "x").str(),
       Problem::ModemCodeAbove50, header + 2 + 7 + 8},
      {"modem code 255 as item N", 1,
       Bytes().Header(5, 10, 5, 3).U8(1).U8(2).Item(0, 0, 0, "").Item(1, 0, 0, "a").Item(2, 0, 0, "b")
           .Item(255, 0, 0, "").str(),
       Problem::ModemCodeAbove50, header + 2 + 7 + 8 + 8 + 7},
  };
  for (const Case& c : cases) {
    Loaded l = ReadInto(c.region, c.bytes);
    EXPECT_EQ(l.problem, c.problem) << c.what;
    EXPECT_EQ(l.consumed, static_cast<std::streamoff>(c.consumed)) << c.what;
  }
}

TEST(RegionFile, ModemCodesAreNotLimitedWhereTheyAreNeverProgrammed) {
  // Region 0's items are regions, and item 0 is never chosen.
  const std::string overview = Bytes().Header(5, 10, 5, 1).U8(1).U8(0).Item(200, 0, 0, "").Item(99, 0, 0, "R").str();
  EXPECT_EQ(ReadInto(0, overview).problem, Problem::None);
  const std::string regional = Bytes().Header(5, 10, 5, 1).U8(1).U8(0).Item(200, 0, 0, "").Item(50, 0, 0, "C").str();
  EXPECT_EQ(ReadInto(1, regional).problem, Problem::None);
}

TEST(RegionFile, EveryTruncationOfAFileEndsEarly) {
  for (std::size_t n = 0; n < kExample.size(); ++n)
    EXPECT_EQ(ReadInto(1, kExample.substr(0, n)).problem, Problem::EndsEarly) << n;
}

TEST(RegionFile, NamesTheFileAndTheFaultInItsMessage) {
  EXPECT_EQ(RegionFile::Describe(Problem::CannotOpen, "struct3.mpr"),
            "The map data file struct3.mpr could not be opened.");
  EXPECT_EQ(RegionFile::Describe(Problem::EndsEarly, "struct1.mpr"),
            "The map data file struct1.mpr ends before its data is complete.");
  EXPECT_EQ(RegionFile::Describe(Problem::CellSizeBelowOne, "struct7.mpr"),
            "The map data file struct7.mpr has a cell size below 1.");
  for (int p = static_cast<int>(Problem::None); p <= static_cast<int>(Problem::ModemCodeAbove50); ++p) {
    const std::string text = RegionFile::Describe(static_cast<Problem>(p), "struct2.mpr");
    EXPECT_EQ(text.rfind("The map data file struct2.mpr ", 0), 0u) << text;
    EXPECT_EQ(text.back(), '.');
  }
}

// Seven region files in a folder: the overview with two regions, and six
// regional maps with one country each.
void WriteValidSet(const tarvel_test::TempDir& dir) {
  dir.Write("struct1.mpr",
            Bytes().Header(5, 10, 5, 3).U8(1).U8(2).Item(0, 0, 0, "").Item(0, 1, 16, "Europe")
                .Item(0, 6, 16, "Asia").Item(0, 0, 0, "").str());
  for (int g = 1; g < CTarvelApp::REGION_COUNT; ++g)
    dir.Write(RegionFile::FileName(g), Bytes().Header(5, 10, 5, 2).U8(1).U8(0).Item(0, 0, 0, "")
                                           .Item(static_cast<unsigned>(g), 3, 20, "Country" + std::to_string(g))
                                           .Item(0, 0, 0, "").str());
}

TEST(LoadRegions, ReadsTheSevenFilesOfAFolder) {
  tarvel_test::TempDir dir;
  WriteValidSet(dir);
  auto app = std::make_unique<CTarvelApp>();
  std::string error = "untouched";
  ASSERT_TRUE(app->LoadRegions(&error, dir.path()));
  EXPECT_EQ(error, "untouched");
  EXPECT_EQ(app->RegionName(1), "Europe");
  EXPECT_EQ(app->RegionName(2), "Asia");
  for (int g = 1; g < CTarvelApp::REGION_COUNT; ++g) {
    EXPECT_EQ(app->m_items[g][1].name, "Country" + std::to_string(g));
    EXPECT_EQ(app->m_items[g][1].modemCode, g);
  }
}

TEST(LoadRegions, RefusesAMissingOrBrokenFileByName) {
  tarvel_test::TempDir dir;
  WriteValidSet(dir);
  std::filesystem::remove(dir.File("struct3.mpr"));
  std::string error;
  EXPECT_FALSE(std::make_unique<CTarvelApp>()->LoadRegions(&error, dir.path()));
  EXPECT_EQ(error, "The map data file struct3.mpr could not be opened.");

  WriteValidSet(dir);
  dir.Write("struct6.mpr", kExample.substr(0, 20));
  EXPECT_FALSE(std::make_unique<CTarvelApp>()->LoadRegions(&error, dir.path()));
  EXPECT_EQ(error, "The map data file struct6.mpr ends before its data is complete.");
}

}  // namespace
