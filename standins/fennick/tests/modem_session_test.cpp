#include "modem_session.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "fennick/testing/emulator_process.h"
#include "open_serial_line.h"

namespace fennick {
namespace {

// Short waits: the emulator answers at once, and silent cases stay quick.
constexpr Timeouts kShort{200, 150, 2, 300, 300, 300};

struct Connected {
  explicit Connected(const std::vector<std::string>& args) : modem(args), opened(OpenSerialLine(modem.DevicePath())) {
    if (!opened.line) throw std::runtime_error("cannot open the emulator: " + opened.reason);
  }
  ModemSession Session() { return ModemSession(*opened.line, kShort); }
  testing::EmulatorProcess modem;
  OpenedLine opened;
};

TEST(ModemSession, CommandCollectsInformationLinesDespiteEcho) {
  Connected c({});
  ModemSession session = c.Session();
  const Reply reply = session.Command("AT+GCI=?", 500);
  EXPECT_EQ(reply.status, Reply::Status::Ok);
  ASSERT_EQ(reply.infoLines.size(), 1u);
  EXPECT_EQ(reply.infoLines[0].rfind("+GCI: (00,04,", 0), 0u) << reply.infoLines[0];
}

TEST(ModemSession, DetectsOnlyAModemThatAnswersBothQuestions) {
  const struct {
    std::vector<std::string> args;
    bool ok;
    bool answered;
    const char* problem;
  } cases[] = {
      {{}, true, true, ""},
      {{"--silent"}, false, false, "no answer to AT"},
      {{"--error"}, false, true, "modem answered ERROR to AT"},
      {{"--hang-after", "1"}, false, true, "answers AT but not AT+GCI? (no answer to AT+GCI?)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args.empty() ? "plain" : c.args[0]);
    Connected connected(c.args);
    const Outcome outcome = connected.Session().Detect();
    EXPECT_EQ(outcome.ok, c.ok);
    EXPECT_EQ(outcome.answered, c.answered);
    EXPECT_EQ(outcome.problem, c.problem);
  }
}

TEST(ModemSession, ProgramsTheCodeAndLeavesItStored) {
  for (bool resetFirst : {false, true}) {
    Connected c({"--country", "04"});
    EXPECT_TRUE(c.Session().Program(0x3D, resetFirst).ok);
    EXPECT_EQ(c.modem.StoredCountry(), "3D");
  }
}

TEST(ModemSession, ProgrammingFailsOnEveryMissingOrWrongAnswer) {
  const struct {
    std::vector<std::string> args;
    bool resetFirst;
    const char* problem;
  } cases[] = {
      {{"--supported", "B5"}, false, "modem answered ERROR to AT+GCI=3D"},
      {{"--ignore-set"}, false, "AT+GCI? reads back B5, not 3D"},
      {{"--error"}, true, "modem answered ERROR to AT"},
      {{"--silent"}, true, "no answer to AT"},
      {{"--hang-after", "1"}, true, "no answer to ATZ"},           // before programming
      {{"--hang-after", "2"}, false, "no answer to AT+GCI?"},      // after setting
      {{"--hang-after", "3"}, false, "no answer to ATZ"},          // the final reset
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.problem);
    Connected connected(c.args);
    const auto start = std::chrono::steady_clock::now();
    const Outcome outcome = connected.Session().Program(0x3D, c.resetFirst);
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.problem, c.problem);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
  }
}

TEST(ModemSession, LineThatGoesAwayFailsTheCommand) {
  auto modem = std::make_unique<testing::EmulatorProcess>(std::vector<std::string>{"--silent"});
  OpenedLine opened = OpenSerialLine(modem->DevicePath());
  ASSERT_NE(opened.line, nullptr) << opened.reason;
  modem.reset();  // the emulator ends and its terminal with it
  ModemSession session(*opened.line, kShort);
  EXPECT_EQ(session.Command("AT", 1000).status, Reply::Status::LineFailed);
}

}  // namespace
}  // namespace fennick
