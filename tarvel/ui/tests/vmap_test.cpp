// The map view inside the Map page of an open sheet, on the small world.
#include <gtest/gtest.h>

#include <platform/application.h>
#include <tarvelapp.h>
#include <tarveltexts.h>

#include "uitestsupport.h"

namespace tarvel_ui_test {
namespace {

using platform::DrawEvent;

class TarvelMapViewTest : public testing::Test {
 protected:
  void OpenRegion1() {
    theApp.SelectRegion(1);
    platform::ProcessEvents(0);
  }
  std::vector<DrawEvent> LabelsDrawnAtOnce(const DrawLog& log) {
    std::vector<DrawEvent> out;
    for (const DrawEvent& e : log.Of(DrawEvent::Text))
      if (!e.duringPaint) out.push_back(e);
    return out;
  }

  OpenSheet open;
};

TEST(TarvelMapResourceTest, RegionsOneToSixHaveTheirPictureAndEveryOtherValueTheGlobe) {
  const std::pair<int, int> cases[] = {{0, 129}, {1, 130}, {6, 135}, {7, 129}, {-1, 129}};
  for (auto [region, resource] : cases) EXPECT_EQ(CVMap::MapResource(region), resource) << region;
}

// Points on the right and bottom bounds are inside the map; beyond them, and
// left of or above the picture, a release selects nothing.
TEST_F(TarvelMapViewTest, ReleaseSelectsOnlyInsideTheBoundsBothInclusive) {
  struct Case {
    int x, y, country;
  };
  const Case cases[] = {{40, 15, 2}, {5, 20, 1}, {41, 15, 0}, {5, 21, 0}, {-1, 5, 0}, {5, -1, 0}};
  for (const Case& c : cases) {
    OpenRegion1();
    theApp.m_nCountry = 0;
    open.View().SimulateClick(c.x, c.y);
    EXPECT_EQ(theApp.CurrentCountry(), c.country) << c.x << "," << c.y;
  }
}

TEST_F(TarvelMapViewTest, PointsOutsideTheBoundsNeitherMoveTheLabelNorProgram) {
  OpenRegion1();
  open.View().SimulateClick(kAland.x, kAland.y);  // pending
  open.View().SimulateMouseMove(kAland.x, kAland.y);
  DrawLog log(open.View());
  open.View().SimulateMouseMove(41, 5);
  open.View().SimulateMouseMove(5, 21);
  open.View().SimulateDoubleClick(41, 5);
  EXPECT_TRUE(log.events.empty());
  EXPECT_EQ(open.View().HoverItem(), 1);
  EXPECT_TRUE(FakeModemLibrary::calls.empty());
  EXPECT_TRUE(theApp.m_bPending);
}

TEST_F(TarvelMapViewTest, HoverDrawsEachLabelOnceAndErasesOnlyTheOldLabelAsDrawn) {
  OpenRegion1();
  DrawLog log(open.View());
  open.View().SimulateMouseMove(kAland.x, kAland.y);
  open.View().SimulateMouseMove(kAland.x + 2, kAland.y + 1);  // same item
  auto labels = LabelsDrawnAtOnce(log);
  ASSERT_EQ(labels.size(), 1u);
  EXPECT_EQ(labels[0].text, " Aland ");
  EXPECT_EQ(labels[0].colour, CVMap::kLabelColour);
  EXPECT_EQ(labels[0].rect.left, 10);  // anchor (10, 30), top 15 above it
  EXPECT_EQ(labels[0].rect.top, 15);
  EXPECT_TRUE(log.Of(DrawEvent::Invalidated).empty());
  const platform::Rect aland = labels[0].rect;
  EXPECT_EQ(open.View().LabelRect(), aland);

  log.Clear();
  open.View().SimulateMouseMove(kBorduria.x, kBorduria.y);
  auto invalidated = log.Of(DrawEvent::Invalidated);
  ASSERT_EQ(invalidated.size(), 1u);  // never the whole picture
  EXPECT_EQ(invalidated[0].rect, aland);
  EXPECT_TRUE(invalidated[0].erase);
  labels = LabelsDrawnAtOnce(log);
  ASSERT_EQ(labels.size(), 1u);
  EXPECT_EQ(labels[0].text, " Borduria ");
  EXPECT_EQ(labels[0].rect.left, 20);
  EXPECT_EQ(labels[0].rect.top, 15);
}

TEST_F(TarvelMapViewTest, MovingOntoAnEmptyCellErasesTheLabelAtTheNextPaint) {
  OpenRegion1();
  open.View().SimulateMouseMove(kAbrovia.x, kAbrovia.y);
  const platform::Rect label = open.View().LabelRect();
  DrawLog log(open.View());
  open.View().SimulateMouseMove(kEmpty.x, kEmpty.y);
  auto invalidated = log.Of(DrawEvent::Invalidated);
  ASSERT_EQ(invalidated.size(), 1u);
  EXPECT_EQ(invalidated[0].rect, label);
  EXPECT_EQ(open.View().HoverItem(), 0);

  open.View().UpdateWindow();
  EXPECT_FALSE(log.Of(DrawEvent::Painted).empty());
  EXPECT_TRUE(log.Of(DrawEvent::Text).empty());
  // The map is drawn again where the label was.
  const platform::Colour yellow = CVMap::kLabelColour;
  EXPECT_NE(open.View().GetPixel(label.left + 1, label.top + 1), yellow);
}

TEST_F(TarvelMapViewTest, ARegionChangeForgetsTheLabelOfTheOldMap) {
  open.View().SimulateMouseMove(kGlobeArvonia.x, kGlobeArvonia.y);
  ASSERT_EQ(open.View().HoverItem(), 1);
  DrawLog log(open.View());
  open.View().SimulateClick(kGlobeArvonia.x, kGlobeArvonia.y);
  ASSERT_EQ(theApp.CurrentRegion(), 1);
  EXPECT_EQ(open.View().HoverItem(), 0);
  open.View().UpdateWindow();
  auto bitmaps = log.Of(DrawEvent::Bitmap);
  ASSERT_FALSE(bitmaps.empty());
  EXPECT_EQ(bitmaps.back().resourceId, 130);
  EXPECT_TRUE(log.Of(DrawEvent::Text).empty());  // no " Aland " at the old anchor
}

TEST_F(TarvelMapViewTest, ReleaseOverAnEmptyCellSelectsNothing) {
  open.View().SimulateClick(35, 15);  // globe, empty
  EXPECT_EQ(theApp.CurrentRegion(), 0);
  OpenRegion1();
  open.View().SimulateClick(kEmpty.x, kEmpty.y);
  EXPECT_EQ(theApp.CurrentCountry(), 0);
  EXPECT_FALSE(theApp.m_bPending);
}

TEST_F(TarvelMapViewTest, DoubleClickOnTheGlobeSelectsTheRegionAndProgramsNothing) {
  open.View().SimulateDoubleClick(kGlobeBelmar.x, kGlobeBelmar.y);
  EXPECT_EQ(theApp.CurrentRegion(), 2);
  EXPECT_EQ(theApp.CurrentCountry(), 0);  // the second release found an empty cell there
  EXPECT_FALSE(theApp.m_bPending);
  EXPECT_TRUE(FakeModemLibrary::calls.empty());
  EXPECT_TRUE(open.BoxTexts().empty());
}

TEST_F(TarvelMapViewTest, DoubleClickOnANewCountrySelectsAndProgramsIt) {
  OpenRegion1();
  open.View().SimulateDoubleClick(kAland.x, kAland.y);
  ASSERT_EQ(FakeModemLibrary::calls.size(), 1u);
  const ModemCall& call = FakeModemLibrary::calls[0];
  EXPECT_EQ(call.port, 2);
  EXPECT_EQ(std::vector<int>(call.codes, call.codes + 4), (std::vector<int>{3, 14, 22, 0}));
  EXPECT_EQ(call.flag, 1);
  EXPECT_EQ(open.BoxTexts(), (std::vector<std::string>{"Modem successfully reset \nfor Aland."}));
  EXPECT_EQ(theApp.m_nProgCountry, 1);
  EXPECT_FALSE(open.sheet->IsButtonEnabled(platform::ID_APPLY_NOW));

  // Again on the programmed country: nothing is pending, nothing programmed.
  open.View().SimulateDoubleClick(kAland.x, kAland.y);
  EXPECT_EQ(FakeModemLibrary::calls.size(), 1u);
}

TEST_F(TarvelMapViewTest, AMapThatCannotBeLoadedLeavesTheBackground) {
  theApp.SelectRegion(2);  // this test program embeds no picture for region 2
  DrawLog log(open.View());
  open.View().InvalidateAll(true);
  open.View().UpdateWindow();
  EXPECT_FALSE(log.Of(DrawEvent::Painted).empty());
  EXPECT_TRUE(log.Of(DrawEvent::Bitmap).empty());
  const platform::Colour background = open.View().GetPixel(1, 1);
  for (int xy : {50, 150, 250}) EXPECT_EQ(open.View().GetPixel(xy, xy), background);
}

}  // namespace
}  // namespace tarvel_ui_test
