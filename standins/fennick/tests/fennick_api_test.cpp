// The real libfennick.so against the modem emulator, with the library's own
// (real) timeouts. Times are checked only against generous upper bounds.
#include "fennick.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "fennick/testing/emulator_process.h"
#include "fennick/testing/scoped_port_config.h"

namespace {

using fennick::testing::EmulatorProcess;
using fennick::testing::ScopedPortConfig;
using Clock = std::chrono::steady_clock;
constexpr auto kGenerous = std::chrono::seconds(10);

TEST(DetectPort, FindsTheModemOnlyOnThePortMappedToIt) {
  EmulatorProcess modem;
  ScopedPortConfig config({{2, modem.DevicePath()}, {3, "/nonexistent/ttyACM9"}});
  const auto start = Clock::now();
  EXPECT_EQ(detect_port(2), 2);
  EXPECT_EQ(detect_port(3), -1) << "missing node";
  EXPECT_EQ(detect_port(0), -1) << "port without a device";
  EXPECT_EQ(detect_port(4), -1);
  EXPECT_EQ(detect_port(-1), -1);
  EXPECT_LT(Clock::now() - start, kGenerous);
}

TEST(DetectPort, SilentDeviceIsNoModemAndTheWaitIsBounded) {
  EmulatorProcess silent({"--silent"});
  ScopedPortConfig config({{0, silent.DevicePath()}});
  const auto start = Clock::now();
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(detect_port(0), -1);
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "") << "an empty port is not worth a line";
  EXPECT_LT(Clock::now() - start, kGenerous);
}

TEST(DetectPort, UnusableNodeIsReportedInOneLine) {
  ScopedPortConfig config({{1, "/dev/null"}});
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(detect_port(1), -1);
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "fennick: COM2 (/dev/null): not a serial device\n");
}

TEST(DetectPort, DeviceThatAnswersOnlyAtIsNoModem) {
  EmulatorProcess other({"--hang-after", "1"});
  ScopedPortConfig config({{0, other.DevicePath()}});
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(detect_port(0), -1);
  const std::string err = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(err.rfind("fennick: COM1 (" + other.DevicePath() + "): answers AT but not AT+GCI?", 0), 0u) << err;
}

TEST(SetCountryCode, ProgramsTheProfilesCode) {
  const struct {
    int code;
    int flag;
    const char* stored;
  } cases[] = {{22, 0, "B5"}, {9, 1, "3D"}, {40, 1, "B4"}, {1, 1, "00"}, {0, 1, "B5"}, {50, 0, "8E"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.code);
    EmulatorProcess modem({"--country", "04"});
    ScopedPortConfig config({{3, modem.DevicePath()}});
    int block[4] = {c.code, 16, 22, 0};
    EXPECT_EQ(set_country_code(3, block, c.flag), 0);
    EXPECT_EQ(modem.StoredCountry(), c.stored);
  }
}

TEST(SetCountryCode, FailsWhenTheModemRefusesOrMisreports) {
  for (const std::vector<std::string>& args : {std::vector<std::string>{"--error"}, {"--supported", "B5"}, {"--ignore-set"}}) {
    SCOPED_TRACE(args[0]);
    EmulatorProcess modem(args);
    ScopedPortConfig config({{0, modem.DevicePath()}});
    int block[4] = {9, 10, 22, 0};
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(set_country_code(0, block, 1), -1);
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(err.rfind("fennick: COM1 (" + modem.DevicePath() + "): programming France failed: ", 0), 0u) << err;
    EXPECT_EQ(modem.StoredCountry(), "B5");
  }
}

TEST(SetCountryCode, BadArgumentsFailWithoutTouchingThePort) {
  // Any command the library sent would make this emulator fall silent for good.
  EmulatorProcess modem({"--hang-after", "0", "--country", "04"});
  ScopedPortConfig config({{0, modem.DevicePath()}});
  int tooHigh[4] = {51, 22, 22, 0};
  int negative[4] = {-1, 22, 22, 0};
  int good[4] = {9, 10, 22, 0};
  const auto start = Clock::now();
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(set_country_code(0, tooHigh, 1), -1);
  EXPECT_EQ(set_country_code(0, negative, 1), -1);
  EXPECT_EQ(set_country_code(0, nullptr, 1), -1);
  EXPECT_EQ(set_country_code(4, good, 1), -1);
  const std::string err = ::testing::internal::GetCapturedStderr();
  EXPECT_LT(Clock::now() - start, std::chrono::seconds(1)) << "nothing waited for the modem";
  EXPECT_NE(err.find("fennick: modem code 51 is outside 0 to 50\n"), std::string::npos) << err;
  EXPECT_EQ(modem.StoredCountry(), "04");
}

TEST(SetCountryCode, SilentModemFailsWithinBoundedTime) {
  EmulatorProcess silent({"--silent"});
  ScopedPortConfig config({{0, silent.DevicePath()}});
  int block[4] = {22, 22, 22, 0};
  const auto start = Clock::now();
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(set_country_code(0, block, 0), -1);
  ::testing::internal::GetCapturedStderr();
  EXPECT_LT(Clock::now() - start, kGenerous);
}

}  // namespace
