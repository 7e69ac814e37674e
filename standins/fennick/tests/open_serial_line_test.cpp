#include "open_serial_line.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>

#include "fennick/testing/emulator_process.h"

namespace fennick {
namespace {

using Status = OpenedLine::Status;

TEST(OpenSerialLine, TellsMissingNodesFromNodesThatAreNoSerialPort) {
  const std::string file = ::testing::TempDir() + "/fennick-not-a-port";
  std::ofstream(file) << "x";
  const struct {
    std::string path;
    Status status;
    const char* reason;
  } cases[] = {
      {"/nonexistent/ttyS0", Status::Missing, "No such file or directory"},
      {"/dev/null", Status::Refused, "not a serial device"},
      {file, Status::Refused, "not a serial device"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    const OpenedLine opened = OpenSerialLine(c.path);
    EXPECT_EQ(opened.status, c.status);
    EXPECT_EQ(opened.line, nullptr);
    EXPECT_EQ(opened.reason, c.reason);
  }
  ::unlink(file.c_str());
}

TEST(OpenSerialLine, OpensAPseudoTerminalThroughItsLink) {
  testing::EmulatorProcess modem;
  const OpenedLine opened = OpenSerialLine(modem.DevicePath());
  ASSERT_EQ(opened.status, Status::Open) << opened.reason;
  ASSERT_NE(opened.line, nullptr);
  ASSERT_TRUE(opened.line->Write("AT\r", 500));
  std::string answer;
  char buffer[64];
  while (answer.find("OK\r\n") == std::string::npos) {
    const int n = opened.line->Read(buffer, sizeof buffer, 2000);
    ASSERT_GT(n, 0) << "got only: " << answer;
    answer.append(buffer, static_cast<std::size_t>(n));
  }
  EXPECT_EQ(answer, "AT\r\r\nOK\r\n");
}

TEST(OpenSerialLine, ForbiddenNodeIsRefusedWithTheSystemsReason) {
  if (geteuid() == 0) GTEST_SKIP() << "root may open any node";
  testing::EmulatorProcess modem;
  ASSERT_EQ(::chmod(modem.TerminalPath().c_str(), 0), 0);
  const OpenedLine opened = OpenSerialLine(modem.DevicePath());
  EXPECT_EQ(opened.status, Status::Refused);
  EXPECT_EQ(opened.reason, "Permission denied");
}

}  // namespace
}  // namespace fennick
