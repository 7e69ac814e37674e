#include <gtest/gtest.h>

#include "platform/avi.h"
#include "platform/resources.h"
#include "res/resource.h"

namespace {

TEST(AssetsTest, BrandClipIsTwentyFramesOf67By89At200Ms) {
  const auto bytes = platform::FindResource(platform::ResourceType::Avi, IDR_BRAND_CLIP);
  ASSERT_TRUE(bytes.has_value());
  std::string error;
  const auto clip = platform::ReadAvi(*bytes, &error);
  ASSERT_TRUE(clip.has_value()) << error;
  EXPECT_EQ(clip->width, 67);
  EXPECT_EQ(clip->height, 89);
  EXPECT_EQ(clip->microsecondsPerFrame, 200000u);
  ASSERT_EQ(clip->frames.size(), 20u);
  EXPECT_NE(clip->frames[0], clip->frames[10]);  // it moves
}

}  // namespace
