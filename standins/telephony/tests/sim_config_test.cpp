#include "sim_config.h"

#include <gtest/gtest.h>

namespace isdn::sim {
namespace {

TEST(SimConfigTest, ReadsEveryKeyAndKeepsQuotedBlanks) {
  SimConfig config;
  std::string error;
  ASSERT_TRUE(ParseConfig("# adapter\n"
                          "name = \"Tessaly 128 \"\n"
                          "board_type = 5\n"
                          "phone0 = 5550100   # desk\n"
                          "phone1 =\n"
                          "spid0 = 0155501000\n"
                          "spid1 = \"\"\n"
                          "base_io = 0x300\n"
                          "irq = 5\n"
                          "tei1 = 70\n"
                          "tei2 = 71\n"
                          "switch_info = no\n"
                          "start_active = yes\n"
                          "report_interval_ms = 250\n"
                          "extra_line = Standard Modem\n"
                          "extra_line = Fax\n",
                          config, error))
      << error;
  EXPECT_EQ(config.adapterName, "Tessaly 128 ");
  EXPECT_EQ(config.boardType, 5u);
  EXPECT_EQ(config.phone0, "5550100");
  EXPECT_EQ(config.phone1, "");
  EXPECT_EQ(config.spid1, "");
  EXPECT_EQ(config.baseIo, 0x300u);
  EXPECT_EQ(config.irq, 5u);
  EXPECT_EQ(config.tei2, 71u);
  EXPECT_FALSE(config.publishSwitchInfo);
  EXPECT_TRUE(config.startActive);
  EXPECT_EQ(config.reportIntervalMs, 250);
  EXPECT_EQ(config.extraLines, (std::vector<std::string>{"Standard Modem", "Fax"}));
}

TEST(SimConfigTest, RejectsBadLinesWithTheirNumber) {
  const struct {
    const char* text;
    const char* message;
  } cases[] = {
      {"board_type = 3\nboard_type = 256\n", "line 2: board_type must be a number from 0 to 255"},
      {"board_type = -1\n", "line 1: board_type must be"},
      {"irq = ten\n", "line 1: irq must be"},
      {"phone0 = 555|1234\n", "line 1: phone0 must be at most 49 characters without \"|\""},
      {"spid1 = 01234567890123456789012345678901234567890123456789\n", "line 1: spid1 must be"},
      {"colour = blue\n", "line 1: unknown key \"colour\""},
      {"just words\n", "line 1: expected \"key = value\""},
      {"switch_info = maybe\n", "line 1: switch_info must be yes or no"},
      {"report_interval_ms = 5\n", "line 1: report_interval_ms must be"},
      {"name =\n", "line 1: name must be"},
  };
  for (const auto& c : cases) {
    SimConfig config;
    std::string error;
    EXPECT_FALSE(ParseConfig(c.text, config, error)) << c.text;
    EXPECT_NE(error.find(c.message), std::string::npos) << c.text << " gave: " << error;
  }
}

TEST(SimConfigTest, MissingFileIsNamed) {
  SimConfig config;
  std::string error;
  EXPECT_FALSE(LoadConfig("/nonexistent/adapter.conf", config, error));
  EXPECT_EQ(error, "cannot read /nonexistent/adapter.conf");
}

}  // namespace
}  // namespace isdn::sim
