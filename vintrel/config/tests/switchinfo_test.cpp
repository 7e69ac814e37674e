#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "adapterconfig.h"

namespace {

struct Fields {
  int boardType;
  std::string phone0, phone1, spid0, spid1;
};

void Preset() {
  AdapterConfig = {};
  AdapterConfig.BoardType = 7;
  std::strcpy(AdapterConfig.Phone0, "old0");
  std::strcpy(AdapterConfig.Phone1, "old1");
  std::strcpy(AdapterConfig.Spid0, "olds0");
  std::strcpy(AdapterConfig.Spid1, "olds1");
}

Fields Current() {
  return {AdapterConfig.BoardType, AdapterConfig.Phone0, AdapterConfig.Phone1, AdapterConfig.Spid0, AdapterConfig.Spid1};
}

// An area of exactly the bytes given, on the heap, so that a read past it is caught.
void Parse(const std::string& bytes) {
  std::vector<unsigned char> area(bytes.begin(), bytes.end());
  ParseSwitchInfo(area.data(), area.size());
}

TEST(SwitchInfo, SplitsTheTextLikeTheTokenScanner) {
  struct Case {
    std::string area;
    Fields expected;
  };
  const std::string cut(49, 'p');
  const Case cases[] = {
      {std::string("\0\x02" "111|222|333|444\0", 18), {2, "111", "222", "333", "444"}},
      {std::string("\0\x03" "a||b|c\0", 9), {3, "a", "b", "c", "olds1"}},
      {std::string("\0\x01" "||lead|\0", 10), {1, "lead", "old1", "olds0", "olds1"}},
      {std::string("\0\0\0", 3), {0, "old0", "old1", "olds0", "olds1"}},
      {std::string("\0\x04" "1|2|3|4|5\0", 12), {4, "1", "2", "3", "4"}},
      {std::string("\0\x05", 2) + std::string(60, 'p') + "|q" + '\0', {5, cut, "q", "olds0", "olds1"}},
      {std::string("\0\x06" "x|y\0z|w", 9), {6, "x", "y", "olds0", "olds1"}},
      {std::string("\0\x06" "unterminated|tail", 19), {6, "unterminated", "tail", "olds0", "olds1"}},
  };
  for (const Case& c : cases) {
    Preset();
    Parse(c.area);
    const Fields got = Current();
    SCOPED_TRACE(c.area.substr(2));
    EXPECT_EQ(got.boardType, c.expected.boardType);
    EXPECT_EQ(got.phone0, c.expected.phone0);
    EXPECT_EQ(got.phone1, c.expected.phone1);
    EXPECT_EQ(got.spid0, c.expected.spid0);
    EXPECT_EQ(got.spid1, c.expected.spid1);
  }
}

TEST(SwitchInfo, AreaTooShortForTheBoardTypeChangesNothing) {
  for (const std::string& area : {std::string(), std::string("\0", 1)}) {
    Preset();
    Parse(area);
    EXPECT_EQ(Current().boardType, 7);
    EXPECT_EQ(Current().phone0, "old0");
  }
  ParseSwitchInfo(nullptr, 10);
  EXPECT_EQ(Current().boardType, 7);
}

}  // namespace
