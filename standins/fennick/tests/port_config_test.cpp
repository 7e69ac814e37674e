#include "port_config.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <fstream>
#include <string>
#include <vector>

#include "fennick/testing/scoped_port_config.h"

namespace fennick {
namespace {

TEST(PortConfig, DefaultsAreTheFirstFourSerialPorts) {
  const PortConfig config;
  EXPECT_EQ(config.DevicePath(0), "/dev/ttyS0");
  EXPECT_EQ(config.DevicePath(3), "/dev/ttyS3");
  EXPECT_EQ(PortConfig::PortName(3), "COM4");
}

TEST(PortConfig, ParsesMappingsCommentsAndDisabledPortsAndNamesBadLines) {
  const char* text =
      "# modems\n"
      "\n"
      "COM1 = /dev/ttyACM0   # the USB modem\n"
      "com2=none\n"
      "COM3=\r\n"
      "COM4=ttyS9\n"
      "COM5=/dev/ttyS4\n"
      "just words\n";
  std::vector<std::string> problems;
  const PortConfig config = PortConfig::Parse(text, "test.conf", problems);

  EXPECT_EQ(config.DevicePath(0), "/dev/ttyACM0");
  EXPECT_EQ(config.DevicePath(1), "");
  EXPECT_EQ(config.DevicePath(2), "");
  EXPECT_EQ(config.DevicePath(3), "/dev/ttyS3") << "a bad line leaves the default";
  ASSERT_EQ(problems.size(), 3u);
  EXPECT_EQ(problems[0], "test.conf:6: device of COM4 must be an absolute path, found \"ttyS9\"");
  EXPECT_EQ(problems[1], "test.conf:7: unknown port \"COM5\" (COM1 to COM4)");
  EXPECT_EQ(problems[2], "test.conf:8: expected COMn=/dev/node, found \"just words\"");
}

TEST(PortConfig, LoadsTheFileNamedByTheEnvironment) {
  testing::ScopedPortConfig scoped({{1, "/dev/ttyUSB0"}});
  std::vector<std::string> problems;
  const PortConfig config = PortConfig::Load(problems);
  EXPECT_TRUE(problems.empty());
  EXPECT_EQ(config.DevicePath(0), "");
  EXPECT_EQ(config.DevicePath(1), "/dev/ttyUSB0");
}

TEST(PortConfig, UnreadableNamedFileGivesDefaultsAndAProblem) {
  testing::ScopedPortConfig scoped({});
  setenv(PortConfig::kEnvironmentVariable, "/nonexistent/fennick.conf", 1);
  std::vector<std::string> problems;
  const PortConfig config = PortConfig::Load(problems);
  EXPECT_EQ(config.DevicePath(0), "/dev/ttyS0");
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(problems[0], "/nonexistent/fennick.conf: No such file or directory; using /dev/ttyS0 to /dev/ttyS3");
}

}  // namespace
}  // namespace fennick
