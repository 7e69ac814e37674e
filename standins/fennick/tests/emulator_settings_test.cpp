#include "emulator_settings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace fennick {
namespace {

TEST(EmulatorSettings, ReadsEveryOption) {
  std::string error;
  const auto options = ParseEmulatorOptions({"--link", "/tmp/m", "--state", "/tmp/s", "--country", "3d", "--supported",
                                             "B5,04", "--hang-after", "2", "--ignore-set", "--error"},
                                            error);
  ASSERT_TRUE(options) << error;
  EXPECT_EQ(options->linkPath, "/tmp/m");
  EXPECT_EQ(options->statePath, "/tmp/s");
  EXPECT_EQ(options->settings.country, 0x3Du);
  EXPECT_EQ(options->settings.supported, (std::vector<unsigned>{0xB5, 0x04}));
  EXPECT_EQ(options->settings.hangAfter, 2);
  EXPECT_TRUE(options->settings.ignoreSet);
  EXPECT_EQ(options->settings.mode, EmulatorSettings::Mode::Error);
}

TEST(EmulatorSettings, RejectsBadOptionsWithAReason) {
  const struct {
    std::vector<std::string> args;
    const char* error;
  } cases[] = {
      {{"--bogus"}, "unknown option \"--bogus\""},
      {{"--link"}, "--link needs a value"},
      {{"--country", "1B5"}, "--country takes a hex code such as B5, not \"1B5\""},
      {{"--supported", "B5,,04"}, "--supported takes hex codes separated by commas, not \"B5,,04\""},
      {{"--hang-after", "-1"}, "--hang-after takes a count of command lines, not \"-1\""},
  };
  for (const auto& c : cases) {
    std::string error;
    EXPECT_FALSE(ParseEmulatorOptions(c.args, error));
    EXPECT_EQ(error, c.error);
  }
}

}  // namespace
}  // namespace fennick
