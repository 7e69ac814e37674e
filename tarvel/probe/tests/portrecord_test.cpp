#include "portrecord.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "testsupport.h"

namespace {

using Ports = PortRecord::Ports;
constexpr bool P = true;   // probe
constexpr bool S = false;  // skip

TEST(PortRecord, ALineExcludesOnlyItsOwnPort) {
  const struct {
    const char* what;
    std::string text;
    Ports ports;
  } cases[] = {
      {"empty", "", {P, P, P, P}},
      {"as written", "COM1=1\r\nCOM2=0\r\nCOM3=1\r\nCOM4=0\r\n", {P, S, P, S}},
      {"line ends without CR", "COM1=0\nCOM2=1\nCOM3=0\nCOM4=1", {S, P, S, P}},
      {"anywhere in the line", "x COM1=0 y\n# COM2=01\n", {S, S, P, P}},
      {"another port's text", "COM3=0\nCOM1=0\nCOM2=0\n", {P, P, P, P}},
      {"empty lines count", "\n\nCOM3=0\n", {P, P, S, P}},
      {"after the fourth line", "\n\n\n\nCOM4=0\nCOM1=0\n", {P, P, P, P}},
      {"other values", "COM1=2\nCOM2= 0\ncom3=0\nCOM4=1\n", {P, P, P, P}},
      {"mark split by a line end", "COM1=\n0\n", {P, P, P, P}},
  };
  for (const auto& c : cases) {
    std::istringstream in(c.text);
    EXPECT_EQ(PortRecord::Read(in), c.ports) << c.what;
  }
}

TEST(PortRecord, WritesFourCrLfLinesAndAMissingFileProbesAll) {
  tarvel_test::TempDir dir;
  EXPECT_EQ(PortRecord::ReadFile(dir.File("tarvel.cfg")), (Ports{P, P, P, P}));
  ASSERT_TRUE(PortRecord::WriteFile(dir.File("tarvel.cfg"), {P, S, P, P}));
  EXPECT_EQ(dir.Read("tarvel.cfg"), "COM1=1\r\nCOM2=0\r\nCOM3=1\r\nCOM4=1\r\n");
  EXPECT_EQ(PortRecord::ReadFile(dir.File("tarvel.cfg")), (Ports{P, S, P, P}));
  EXPECT_FALSE(PortRecord::WriteFile(dir.File("missing/tarvel.cfg"), {P, P, P, P}));
}

TEST(PortRecord, SurvivesRandomAndHugeFiles) {
  std::mt19937 rng(4);
  const std::string alphabet = "COM1234=0\r\n x";
  for (int round = 0; round < 3000; ++round) {
    std::string text(rng() % 80, ' ');
    for (char& c : text) c = (rng() % 4) ? alphabet[rng() % alphabet.size()] : static_cast<char>(rng());
    std::istringstream in(text);
    PortRecord::Read(in);
  }
  // A first line of 8 MB without a line end, then the mark.
  std::istringstream big(std::string(8 << 20, 'y') + "COM1=0");
  EXPECT_EQ(PortRecord::Read(big), (Ports{S, P, P, P}));
}

}  // namespace
