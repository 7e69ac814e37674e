#include "eventlog.h"

#include <gtest/gtest.h>

#include <cctype>
#include <memory>
#include <string>
#include <vector>

namespace {

class EventLogTest : public ::testing::Test {
 protected:
  std::unique_ptr<EventLogStore> log_ = std::make_unique<EventLogStore>();

  void AppendNumbered(int from, int to) {
    for (int i = from; i <= to; ++i) log_->Append(("n" + std::to_string(i)).c_str());
  }
  // The text after the stamp and its two spaces.
  static std::string TextOf(const char* line) { return std::string(line).substr(10); }

  std::vector<std::string> NewestFirst() {
    std::vector<std::string> lines;
    log_->Lock();
    log_->ForEachNewestFirst([&](const char* line) { lines.push_back(TextOf(line)); });
    log_->Unlock();
    return lines;
  }
  std::vector<std::string> OldestFirst() {
    std::vector<std::string> lines;
    log_->Lock();
    log_->ForEachOldestFirst([&](const char* line) { lines.push_back(TextOf(line)); });
    log_->Unlock();
    return lines;
  }
};

bool IsStamp(const std::string& line) {
  if (line.size() < 10) return false;
  for (int i : {0, 1, 3, 4, 6, 7})
    if (!std::isdigit(static_cast<unsigned char>(line[i]))) return false;
  return line[2] == ':' && line[5] == ':' && line.substr(8, 2) == "  ";
}

TEST_F(EventLogTest, LineIsStampTwoSpacesAndTextCutTo59Characters) {
  log_->Append("");
  log_->Append(nullptr);
  log_->Append("TAPI : CONNECTED on Line 1");
  const std::string sixty(60, 'x');
  log_->Append(sixty.c_str());

  const char* empty = log_->SlotText(1);
  EXPECT_EQ(std::string(empty).size(), 10u);
  EXPECT_TRUE(IsStamp(empty));
  EXPECT_EQ(std::string(log_->SlotText(2)).size(), 10u);
  EXPECT_EQ(TextOf(log_->SlotText(3)), "TAPI : CONNECTED on Line 1");
  EXPECT_TRUE(IsStamp(log_->SlotText(3)));
  EXPECT_EQ(TextOf(log_->SlotText(4)), std::string(49, 'x'));
  EXPECT_EQ(log_->SlotText(4)[EventLogStore::kSlotBytes - 1], '\0');
}

TEST_F(EventLogTest, FullLogDropsItsOldestLine) {
  AppendNumbered(1, 999);
  EXPECT_EQ(log_->Count(), 999);
  EXPECT_EQ(TextOf(log_->SlotText(1)), "n1");
  EXPECT_EQ(TextOf(log_->SlotText(999)), "n999");
  EXPECT_EQ(OldestFirst().front(), "n1");

  log_->Append("n1000");
  EXPECT_EQ(log_->Count(), 999);
  EXPECT_EQ(TextOf(log_->SlotText(0)), "n1000");
  const std::vector<std::string> oldest = OldestFirst();
  ASSERT_EQ(oldest.size(), 999u);
  EXPECT_EQ(oldest.front(), "n2");
  EXPECT_EQ(oldest.back(), "n1000");
  const std::vector<std::string> newest = NewestFirst();
  ASSERT_EQ(newest.size(), 999u);
  EXPECT_EQ(newest.front(), "n1000");
  EXPECT_EQ(newest.back(), "n2");

  AppendNumbered(1001, 2500);  // the ring keeps turning
  EXPECT_EQ(log_->Count(), 999);
  EXPECT_EQ(NewestFirst().front(), "n2500");
  EXPECT_EQ(OldestFirst().front(), "n1502");
}

TEST_F(EventLogTest, ClearThenAppendLeavesOnlyThatLineInSlotOne) {
  AppendNumbered(1, 1200);
  log_->Clear();
  EXPECT_EQ(log_->Count(), 0);
  EXPECT_TRUE(NewestFirst().empty());
  log_->Clear();  // an empty log stays empty
  log_->Append("only");
  EXPECT_EQ(log_->Count(), 1);
  EXPECT_EQ(TextOf(log_->SlotText(1)), "only");
  EXPECT_EQ(NewestFirst(), std::vector<std::string>{"only"});
  EXPECT_EQ(OldestFirst(), std::vector<std::string>{"only"});
}

TEST_F(EventLogTest, ViewerCountsOnlyLinesArrivingWhileAttached) {
  log_->Append("before");
  log_->AttachViewer();
  AppendNumbered(1, 3);
  EXPECT_EQ(log_->UnshownCount(), 3u);
  EXPECT_EQ(TextOf(log_->SlotText(log_->OldestUnshownSlot(3))), "n1");

  log_->DetachViewer();
  EXPECT_EQ(log_->UnshownCount(), 0u);
  EXPECT_FALSE(log_->ViewerAttached());
  AppendNumbered(4, 6);
  EXPECT_EQ(log_->UnshownCount(), 0u);

  log_->AttachViewer();
  log_->Append("x");
  log_->Clear();
  EXPECT_EQ(log_->UnshownCount(), 0u);
}

TEST_F(EventLogTest, BurstLongerThan255LinesReachesTheViewer) {
  AppendNumbered(1, 997);  // head ends near the wrap, so the walk back crosses slot 0
  log_->AttachViewer();
  AppendNumbered(1001, 1300);
  ASSERT_EQ(log_->UnshownCount(), 300u);
  std::vector<std::string> shown;
  for (int slot = log_->OldestUnshownSlot(log_->UnshownCount()), i = 0; i < 300; ++i, slot = (slot + 1) % 1000)
    shown.push_back(TextOf(log_->SlotText(slot)));
  EXPECT_EQ(shown.front(), "n1001");
  EXPECT_EQ(shown.back(), "n1300");

  AppendNumbered(2000, 3500);  // more than the log holds: the count stops at what is there
  EXPECT_EQ(log_->UnshownCount(), 999u);
  EXPECT_EQ(TextOf(log_->SlotText(log_->OldestUnshownSlot(log_->UnshownCount()))), OldestFirst().front());
}

}  // namespace
