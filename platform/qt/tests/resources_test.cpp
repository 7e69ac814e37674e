#include <gtest/gtest.h>

#include "platform/resources.h"

namespace platform {
namespace {

TEST(ResourcesTest, ManifestEntriesAreFoundByNumber) {
  EXPECT_EQ(LoadString(102), "Ostrane");
  EXPECT_EQ(LoadString(103), "Line one\nline two");
  EXPECT_EQ(LoadString(104), "");
  int width = 0, height = 0;
  ASSERT_TRUE(GetBitmapSize(201, &width, &height));
  EXPECT_EQ(width, 8);
  EXPECT_EQ(height, 4);
  EXPECT_FALSE(GetBitmapSize(202, &width, &height));
  ASSERT_TRUE(FindResource(ResourceType::Help, 1).has_value());
  EXPECT_FALSE(FindResource(ResourceType::Bitmap, 128).has_value());  // numbers are per type
}

TEST(ResourcesTest, BrokenBitmapIsNotLoaded) {
  static const unsigned char notABitmap[] = {'B', 'M', 1, 2, 3};
  RegisterResource(ResourceType::Bitmap, 203, notABitmap, sizeof notABitmap);
  EXPECT_FALSE(GetBitmapSize(203, nullptr, nullptr));
}

}  // namespace
}  // namespace platform
