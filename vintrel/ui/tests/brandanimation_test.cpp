#include <gtest/gtest.h>

#include <cstring>

#include "config/adapterconfig.h"
#include "numcolors.h"
#include "platform/resources.h"
#include "platform/systemerror.h"
#include "res/resource.h"
#include "uitestsupport.h"

namespace {

class BrandAnimationTest : public SheetTest {
 protected:
  // Builds the sheet, then sets what the pages read before they are shown.
  void OpenWith(const char* adapterName, int numColors) {
    sheet = std::make_unique<propsht>(propsht::kCaption, 0);
    std::strncpy(AdapterName, adapterName, sizeof AdapterName - 1);
    NumColors = numColors;
    ASSERT_TRUE(Sheet().Create());
  }
  platform::Animation& Clip(platform::PropertyPage& page) { return *page.GetAnimation(IDC_ANIMATION); }
};

TEST_F(BrandAnimationTest, BrandNamesOpenTheClipWhichPlaysUnlessColoursAreFew) {
  struct Case {
    const char* name;
    int numColors;
    bool open, playing;
  };
  const Case cases[] = {
      {"Pondrel ", -1, true, true},      {"Pondrel ", 20, true, false}, {"Tessaly 128", 16, true, false},
      {"Tessaly 128", 32, true, true},   {"Tessaly", 256, true, true},  {"pondrel ", -1, false, false},
      {"TESSALY", -1, false, false},     {"Sorvan ", -1, false, false}, {"", -1, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.name) + " " + std::to_string(c.numColors));
    ResetProgramState();
    OpenWith(c.name, c.numColors);
    platform::Animation& clip = Clip(Sheet().DiagnosticsPage());
    EXPECT_EQ(clip.IsOpen(), c.open);
    EXPECT_EQ(clip.IsPlaying(), c.playing);
    EXPECT_EQ(clip.CurrentFrame(), c.open ? 0 : -1);
    EXPECT_TRUE(DiagnosticsState.animationTried);
    CloseSheet();
  }
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(BrandAnimationTest, EachPageTriesOnceAndAFailedOpenIsReportedOncePerPage) {
  const auto clip = platform::FindResource(platform::ResourceType::Avi, IDR_BRAND_CLIP);
  ASSERT_TRUE(clip.has_value());
  static const unsigned char kNotAClip[] = "RIFF....AVI junk";
  platform::RegisterResource(platform::ResourceType::Avi, IDR_BRAND_CLIP, kNotAClip, sizeof kNotAClip);

  OpenWith("Pondrel 2000 ", -1);
  for (int page : {1, 2, 0, 1, 2}) Sheet().SetActivePage(page);
  platform::RegisterResource(platform::ResourceType::Avi, IDR_BRAND_CLIP, clip->data(), clip->size());

  ASSERT_EQ(boxes.shown.size(), 3u);  // Diagnostics, Statistics, Logging; none on the second visit
  for (const auto& box : boxes.shown) {
    EXPECT_EQ(box.text, platform::SystemErrorText(platform::ERROR_INVALID_DATA));
    EXPECT_EQ(box.caption, "Vintrel");
    EXPECT_EQ(box.type, platform::MB_OK);
  }
  EXPECT_FALSE(Clip(Sheet().LoggingPage()).IsOpen());
}

TEST_F(BrandAnimationTest, PagesOpenTheClipOnTheirFirstActivationOnly) {
  OpenWith("Pondrel 2000 ", -1);
  EXPECT_FALSE(Clip(Sheet().StatisticsPage()).IsOpen());
  Sheet().SetActivePage(1);
  EXPECT_TRUE(Clip(Sheet().StatisticsPage()).IsPlaying());
  Clip(Sheet().StatisticsPage()).Close();
  Sheet().SetActivePage(0);
  Sheet().SetActivePage(1);
  EXPECT_FALSE(Clip(Sheet().StatisticsPage()).IsOpen());  // not tried again
}

}  // namespace
