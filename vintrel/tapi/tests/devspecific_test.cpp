#include "devspecific.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "faketelephony.h"
#include "linemon.h"
#include "log/eventlog.h"
#include "testsupport.h"

namespace {

using Texts = std::vector<std::string>;

constexpr std::uint32_t kPhysicalState = 0xAC160104;
constexpr std::uint32_t kBaseIo = 0xAC160109;
constexpr std::uint32_t kTxPackets = 0xAC16010B;
constexpr std::uint32_t kRxPackets = 0xAC16010C;
constexpr std::uint32_t kCallCount = 0xAC160116;

// Builds a status area record by record.
class Area {
 public:
  Area& Word(std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<unsigned char>(value >> shift));
    return *this;
  }
  Area& Value(std::uint32_t tag, std::uint32_t value) { return Word(tag).Word(value); }
  // Tag, text, NUL and three more bytes.
  Area& Text(const std::string& text) {
    Word(kTextTag);
    bytes.insert(bytes.end(), text.begin(), text.end());
    bytes.insert(bytes.end(), 4, 0);
    return *this;
  }
  Area& DropLast(std::size_t count) {
    bytes.resize(bytes.size() - count);
    return *this;
  }
  // Walks a copy of exactly the built bytes, so any read past them is caught.
  void Walk() const {
    std::vector<unsigned char> exact(bytes);
    WalkDevSpecificArea(exact.data(), exact.size());
  }
  std::vector<unsigned char> bytes;
};

class DevSpecificWalk : public testing::Test {
 protected:
  void SetUp() override { ResetProgramState(); }
};

TEST_F(DevSpecificWalk, StoresValuesAndLogsTextsInOrder) {
  Area().Value(kTxPackets, 5).Value(kTxPackets, 7).Walk();
  EXPECT_EQ(AdapterStatus.TxPackets, 7u);

  Area().Value(kCallCount, 3).Text("Layer 1 up").Value(kBaseIo, 0x300).Walk();
  EXPECT_EQ(AdapterStatus.CallCount, 3u);
  EXPECT_EQ(AdapterStatus.BaseIo, 0x300u);
  EXPECT_EQ(LogTexts(), Texts{"Layer 1 up"});

  // Skipped records: the value tag 0x00010000 and range tags without a field.
  Area().Value(kSkippedValueTag, 1).Value(kFirstStatusTag, 2).Value(kRxPackets, 9).Walk();
  EXPECT_EQ(AdapterStatus.RxPackets, 9u);

  // The record after a 10-character text starts 18 bytes after its tag.
  Area area;
  area.Text("0123456789").Value(kPhysicalState, 2);
  ASSERT_EQ(area.bytes.size(), 18u + 8u);
  area.Walk();
  EXPECT_EQ(AdapterStatus.PhysicalState, 2u);
  EXPECT_EQ(LogTexts(), (Texts{"Layer 1 up", "0123456789"}));

  // Untouched values keep their start values.
  EXPECT_EQ(AdapterStatus.Irq, 0u);
  EXPECT_EQ(AdapterStatus.LastClearCause, 16u);
}

TEST_F(DevSpecificWalk, StopsAtUnknownTagsAndIncompleteRecords) {
  struct Case {
    const char* what;
    Area area;
  };
  const Case cases[] = {
      {"tag above the range", Area().Value(kLastStatusTag + 1, 1).Text("lost").Value(kTxPackets, 1)},
      {"tag below the range", Area().Value(kFirstStatusTag - 1, 1).Value(kTxPackets, 1)},
      {"unknown small tag", Area().Value(0x1234, 1).Value(kTxPackets, 1)},
      {"value cut short", Area().Word(kTxPackets).Word(0).Word(kRxPackets)},
      {"tag cut short", Area().Value(kSkippedValueTag, 0).Word(kTxPackets).DropLast(1)},
      {"text without its NUL", Area().Word(kTextTag).Word(0x41414141)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ResetProgramState();
    c.area.Walk();
    EXPECT_EQ(AdapterStatus.TxPackets, 0u);
    EXPECT_EQ(AdapterStatus.RxPackets, 0u);
    EXPECT_TRUE(LogTexts().empty());
  }

  // A text whose NUL is the last byte is logged; the missing padding ends the walk.
  Area tail;
  tail.Word(kTextTag).bytes.insert(tail.bytes.end(), {'o', 'k', 0});
  tail.Walk();
  EXPECT_EQ(LogTexts(), Texts{"ok"});
}

TEST_F(DevSpecificWalk, ReadsOnlyWholeRecordsOfTheFirst1024Bytes) {
  Area area;
  area.Text("abcd");  // 12 bytes: the records after it straddle 8-byte boundaries
  while (area.bytes.size() < 1012) area.Value(kSkippedValueTag, 0);
  area.Value(kCallCount, 1);   // bytes 1012..1019
  area.Value(kTxPackets, 2);   // bytes 1020..1027: crosses 1024
  area.Value(kRxPackets, 3);   // beyond 1024
  while (area.bytes.size() < 1500) area.Value(kSkippedValueTag, 0);
  area.Walk();
  EXPECT_EQ(AdapterStatus.CallCount, 1u);
  EXPECT_EQ(AdapterStatus.TxPackets, 0u);
  EXPECT_EQ(AdapterStatus.RxPackets, 0u);
}

// Random areas, mostly made of well-formed records, under the sanitizers.
TEST_F(DevSpecificWalk, SurvivesRandomAreas) {
  std::mt19937 random(20260101);
  const std::uint32_t tags[] = {kTextTag, kSkippedValueTag, kFirstStatusTag, kTxPackets, kLastStatusTag,
                                kLastStatusTag + 1, 0};
  for (int round = 0; round < 3000; ++round) {
    Area area;
    const std::size_t size = random() % 1200;
    while (area.bytes.size() < size) {
      switch (random() % 4) {
        case 0: area.Word(random()); break;
        case 1: area.bytes.push_back(static_cast<unsigned char>(random())); break;
        default: area.Word(tags[random() % std::size(tags)]); break;
      }
      if (random() % 3 == 0) area.bytes.push_back(0);
    }
    area.bytes.resize(size);
    area.Walk();
  }
  EventLog.Clear();
}

// The report as the line monitor reads it from line 1's device status.
class DevSpecificReport : public testing::Test {
 protected:
  void SetUp() override {
    ResetProgramState();
    fake.devices = {{"Sorvan ISDN1"}, {"Sorvan ISDN2"}};
    ASSERT_EQ(monitor.Initialize(), 1);
    fake.statusCalls.clear();
  }

  void Report(std::uint32_t handle) { fake.Send(handle, tapi::LINE_LINEDEVSTATE, tapi::LINEDEVSTATE_DEVSPECIFIC); }

  FakeTelephony fake;
  linemon monitor;
  RecordingBoxes boxes;
  platform::ScopedMessageBoxService scopedBoxes{&boxes};
};

TEST_F(DevSpecificReport, LineTwoAnnouncesLineOnesStatus) {
  fake.status[0].devSpecific = Area().Value(kTxPackets, 5).Text("from line 1").bytes;
  fake.status[1].devSpecific = Area().Value(kTxPackets, 99).bytes;
  Report(monitor.Line[1]);
  EXPECT_EQ(AdapterStatus.TxPackets, 5u);
  EXPECT_EQ(LogTexts(), Texts{"from line 1"});
  for (const auto& call : fake.statusCalls) EXPECT_EQ(call.handle, monitor.Line[0]);
}

TEST_F(DevSpecificReport, AreaOutsideTheStatusIsIgnored) {
  const std::uint32_t at = FakeTelephony::kFixedStatusSize;
  struct Case {
    const char* what;
    std::uint32_t offset, size;
    std::uint32_t txPackets;
  };
  const Case cases[] = {
      {"empty", at, 0, 0},
      {"reaches the end exactly", at, 1112 - at, 5},
      {"one byte past the end", at, 1112 - at + 1, 0},
      {"offset past the end", 2000, 8, 0},
      {"offset and size wrap around", 0xFFFFFFF8, 0x10, 0},
  };
  fake.status[0].devSpecific = Area().Value(kTxPackets, 5).bytes;
  fake.status[0].overrideArea = true;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    AdapterStatus = AdapterStatusRecord{};
    fake.status[0].areaOffset = c.offset;
    fake.status[0].areaSize = c.size;
    Report(monitor.Line[0]);
    EXPECT_EQ(AdapterStatus.TxPackets, c.txPackets);
  }
  EXPECT_TRUE(LogTexts().empty());
}

TEST_F(DevSpecificReport, SurvivesRandomAreaPlacement) {
  std::mt19937 random(7);
  fake.status[0].overrideArea = true;
  for (int round = 0; round < 500; ++round) {
    fake.status[0].devSpecific = Area().Value(kTxPackets, round).bytes;
    fake.status[0].areaOffset = random() % 4 == 0 ? random() : random() % 1200;
    fake.status[0].areaSize = random() % 4 == 0 ? random() : random() % 1200;
    Report(monitor.Line[0]);
  }
}

}  // namespace
