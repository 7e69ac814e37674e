#include "status_report.h"

#include <gtest/gtest.h>

#include "status_tags.h"

namespace isdn::sim {
namespace {

std::uint32_t At(const wire::Bytes& area, std::size_t offset) { return wire::GetU32(area.data() + offset); }

TEST(StatusAreaTest, RecordsThenTextsEachEightPlusLengthLong) {
  std::deque<std::string> pending{"0123456789", "abc"};
  const wire::Bytes area = BuildStatusArea(7, {{kTagTxPackets, 5}, {kTagCallCount, 2}}, pending, 1024);
  ASSERT_EQ(area.size(), 24u + 18u + 11u);
  EXPECT_EQ(At(area, 0), kTagSequence);
  EXPECT_EQ(At(area, 4), 7u);
  EXPECT_EQ(At(area, 8), kTagTxPackets);
  EXPECT_EQ(At(area, 12), 5u);
  EXPECT_EQ(At(area, 16), kTagCallCount);
  EXPECT_EQ(At(area, 24), kTagText);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&area[28])), "0123456789");
  EXPECT_EQ(At(area, 42), kTagText);  // 18 bytes after the first text's tag
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&area[46])), "abc");
  EXPECT_TRUE(pending.empty());
}

TEST(StatusAreaTest, TextsThatDoNotFitWaitAndOverlongOnesAreCut) {
  std::deque<std::string> pending{std::string(30, 'a'), std::string(30, 'b')};
  wire::Bytes area = BuildStatusArea(1, {}, pending, 8 + 38 + 20);
  EXPECT_EQ(area.size(), 8u + 38u);
  ASSERT_EQ(pending.size(), 1u);  // the second waits for the next report
  EXPECT_EQ(pending.front(), std::string(30, 'b'));

  pending = {std::string(2000, 'x')};
  area = BuildStatusArea(2, {{kTagIrq, 10}}, pending, 1024);
  EXPECT_EQ(area.size(), 1024u);
  EXPECT_TRUE(pending.empty());
  EXPECT_EQ(area[1023 - 3], 0);  // text still ends in its NUL
}

}  // namespace
}  // namespace isdn::sim
