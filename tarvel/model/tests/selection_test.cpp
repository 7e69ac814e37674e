#include <gtest/gtest.h>

#include <memory>

#include "recordingsheet.h"
#include "tarvelapp.h"

namespace {

using Calls = std::vector<std::string>;

// An overview map of 20 x 10 pixels in 10-pixel cells: region 1 left, region 2
// right. Region 1 (20 x 10 too) holds the countries 1 and 2 and an empty cell.
class Selection : public ::testing::Test {
 protected:
  void SetUp() override {
    CTarvelApp& a = *app;
    a.m_cellSize[0] = 10; a.m_width[0] = 20; a.m_height[0] = 10; a.m_itemCount[0] = 3;
    a.m_cells[0][0][0] = 1; a.m_cells[0][1][0] = 2;
    a.m_items[0][1].name = "Europe"; a.m_items[0][2].name = "Asia"; a.m_items[0][3].name = "never named";
    a.m_cellSize[1] = 5; a.m_width[1] = 20; a.m_height[1] = 10; a.m_itemCount[1] = 3;
    a.m_cells[1][0][0] = 1; a.m_cells[1][1][0] = 2;
    a.m_items[1][1].name = "France"; a.m_items[1][1].labelX = -4; a.m_items[1][1].labelY = 300;
    a.m_items[1][2].name = "Spain"; a.m_items[1][3].name = "never named";
    a.StartSelection();
    CTarvelApp::SetSheet(&sheet);
  }
  void TearDown() override { CTarvelApp::SetSheet(nullptr); }

  std::unique_ptr<CTarvelApp> app = std::make_unique<CTarvelApp>();
  tarvel_test::RecordingSheet sheet;
};

TEST_F(Selection, PointInMapIncludesBothBounds) {
  const struct { int x, y; bool in; } cases[] = {
      {0, 0, true}, {20, 10, true}, {20, 0, true}, {0, 10, true},
      {-1, 0, false}, {0, -1, false}, {21, 5, false}, {5, 11, false},
  };
  for (const auto& c : cases) EXPECT_EQ(app->PointInMap(c.x, c.y), c.in) << c.x << "," << c.y;
  EXPECT_EQ(app->ItemAt(-1, 0), 0);
  EXPECT_EQ(app->ItemAt(20, 10), 0);  // on the bound, past the last cell
}

TEST_F(Selection, NamesStopAtTheItemCount) {
  EXPECT_EQ(app->RegionName(2), "Asia");
  EXPECT_EQ(app->RegionName(3), "");   // index equal to N
  EXPECT_EQ(app->RegionName(-1), "");
  EXPECT_EQ(app->RegionName(500), "");
  EXPECT_EQ(app->CountryName(1), "");  // the overview map has no countries
  app->SelectRegion(1);
  EXPECT_EQ(app->RegionName(1), "Europe");  // whatever the current region
  EXPECT_EQ(app->CountryName(2), "Spain");
  EXPECT_EQ(app->CountryName(3), "");
  std::int16_t x = 0, y = 0;
  app->GetLabelPos(1, &x, &y);
  EXPECT_EQ(x, -4);
  EXPECT_EQ(y, 300);
}

TEST_F(Selection, ClickSelectsARegionOnTheOverviewThenACountry) {
  app->ClickAt(15, 5);  // region 2's cell
  EXPECT_EQ(app->CurrentRegion(), 2);
  sheet.Clear();
  app->SelectRegion(1);
  app->ClickAt(7, 3);  // column 1: Spain
  EXPECT_EQ(app->CurrentCountry(), 2);
  EXPECT_EQ(sheet.map.calls, (Calls{"region 1", "country 2"}));
  EXPECT_EQ(sheet.list.calls, (Calls{"region 1", "country 2"}));
  EXPECT_TRUE(app->m_bPending);
  EXPECT_TRUE(sheet.modified);

  sheet.Clear();
  app->ClickAt(12, 3);  // an empty cell
  EXPECT_EQ(app->CurrentCountry(), 2);
  EXPECT_TRUE(sheet.map.calls.empty());
}

TEST_F(Selection, SelectingTheCurrentRegionChangesNothing) {
  app->SelectRegion(1);
  app->SelectCountry(2);
  sheet.Clear();
  app->SelectRegion(1);
  EXPECT_EQ(app->CurrentCountry(), 2);
  EXPECT_TRUE(app->m_bPending);
  EXPECT_TRUE(sheet.map.calls.empty());
  EXPECT_TRUE(sheet.list.calls.empty());
  EXPECT_TRUE(sheet.modifiedCalls.empty());
}

TEST_F(Selection, ARegionChangeDropsThePendingCountry) {
  app->SelectRegion(1);
  app->SelectCountry(1);
  ASSERT_TRUE(app->m_bPending);
  sheet.Clear();
  app->SelectRegion(0);
  EXPECT_EQ(app->CurrentRegion(), 0);
  EXPECT_EQ(app->CurrentCountry(), 0);
  EXPECT_FALSE(app->m_bPending);
  EXPECT_FALSE(sheet.modified);
  EXPECT_EQ(sheet.map.calls, (Calls{"region 0"}));
  EXPECT_EQ(sheet.list.calls, (Calls{"region 0"}));

  // The overview map has no countries to choose.
  app->SelectCountry(1);
  EXPECT_EQ(app->CurrentCountry(), 0);
  EXPECT_FALSE(app->m_bPending);
}

TEST_F(Selection, ChoosingTheProgrammedPairAgainLeavesPendingAndApplyAsTheyWere) {
  app->SelectRegion(1);
  app->m_nProgRegion = 1;
  app->m_nProgCountry = 1;

  // Nothing pending: choosing the programmed country keeps it so.
  app->SelectCountry(1);
  EXPECT_FALSE(app->m_bPending);
  EXPECT_TRUE(sheet.modifiedCalls.empty() || !sheet.modifiedCalls.back());

  // Pending from another choice: going back to the programmed one keeps it pending.
  app->SelectCountry(2);
  sheet.Clear();
  app->SelectCountry(1);
  EXPECT_TRUE(app->m_bPending);
  EXPECT_TRUE(sheet.modified);
  EXPECT_TRUE(sheet.modifiedCalls.empty());
  EXPECT_EQ(sheet.map.calls, (Calls{"country 1"}));
  EXPECT_EQ(sheet.list.calls, (Calls{"country 1"}));
}

TEST_F(Selection, SyncListSelectionReselectsTheCurrentCountryInTheListPage) {
  app->SelectRegion(1);
  app->SelectCountry(2);
  sheet.Clear();
  app->SyncListSelection();
  EXPECT_TRUE(sheet.map.calls.empty());
  EXPECT_EQ(sheet.list.calls, (Calls{"country 2"}));
}

TEST_F(Selection, WorksWithoutARunningSheet) {
  CTarvelApp::SetSheet(nullptr);
  app->ClickAt(5, 5);
  app->SelectCountry(2);
  app->SyncListSelection();
  EXPECT_EQ(app->CurrentRegion(), 1);
  EXPECT_EQ(app->CurrentCountry(), 2);
  EXPECT_TRUE(app->m_bPending);
}

}  // namespace
