#include "reply_reader.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace fennick {
namespace {

struct ReplyCase {
  const char* label;
  const char* command;
  const char* bytes;
  FinalResult result;
  std::vector<std::string> info;
};

const ReplyCase kReplyCases[] = {
    {"echo on", "AT", "AT\r\r\nOK\r\n", FinalResult::Ok, {}},
    {"echo off", "AT", "\r\nOK\r\n", FinalResult::Ok, {}},
    {"information line kept, echo dropped", "AT+GCI?", "AT+GCI?\r\r\n+GCI: B5\r\n\r\nOK\r\n", FinalResult::Ok, {"+GCI: B5"}},
    {"ERROR", "AT+GCI=FF", "AT+GCI=FF\r\r\nERROR\r\n", FinalResult::Error, {}},
    {"extended error", "AT+GCI=FF", "\r\n+CME ERROR: 4\r\n", FinalResult::Error, {}},
    {"bare LF line ends", "AT", "AT\nOK\n", FinalResult::Ok, {}},
    {"unfinished final line", "AT", "AT\r\r\nOK", FinalResult::None, {}},
    {"nothing but echo", "AT", "AT\r", FinalResult::None, {}},
    {"unsolicited line kept as information", "AT", "\r\nRING\r\n\r\nOK\r\n", FinalResult::Ok, {"RING"}},
    {"lines after the result ignored", "AT", "\r\nOK\r\n\r\nERROR\r\n+GCI: 04\r\n", FinalResult::Ok, {}},
    {"OK inside a line is no result", "ATI", "\r\nOK COMPUTERS\r\n\r\nOK\r\n", FinalResult::Ok, {"OK COMPUTERS"}},
};

TEST(ReplyReader, SplitsLinesDropsEchoAndStopsAtTheFinalResult) {
  for (const ReplyCase& c : kReplyCases) {
    SCOPED_TRACE(c.label);
    ReplyReader whole{c.command};
    whole.Feed(c.bytes);
    EXPECT_EQ(whole.Result(), c.result);
    EXPECT_EQ(whole.Complete(), c.result != FinalResult::None);
    EXPECT_EQ(whole.InfoLines(), c.info);

    // The same bytes arriving one at a time give the same answer.
    ReplyReader trickle{c.command};
    for (const char* p = c.bytes; *p; ++p) trickle.Feed(std::string_view(p, 1));
    EXPECT_EQ(trickle.Result(), c.result);
    EXPECT_EQ(trickle.InfoLines(), c.info);
  }
}

TEST(ReplyReader, ParsesGciLines) {
  const struct {
    const char* line;
    std::optional<unsigned> code;
  } cases[] = {
      {"+GCI: B5", 0xB5},   {"+GCI:04", 0x04},     {"+gci: b5", 0xB5},      {"  +GCI:  3D  ", 0x3D},
      {"+GCI: 5", 0x05},    {"+GCI: (00,04)", {}}, {"+GCI: 1B5", {}},       {"+GCI: G1", {}},
      {"+GCI:", {}},        {"GCI: B5", {}},       {"+GCIX: B5", {}},       {"", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(ParseGciLine(c.line), c.code);
  }
  EXPECT_EQ(FindGci({"Sorvan", "+GCI: (00,B5)", "+GCI: 3C"}), 0x3Cu);
  EXPECT_EQ(FindGci({"RING"}), std::nullopt);
}

}  // namespace
}  // namespace fennick
