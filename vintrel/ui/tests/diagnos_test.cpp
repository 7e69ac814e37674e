#include <gtest/gtest.h>

#include <cstdint>

#include "config/adapterconfig.h"
#include "devspecific.h"
#include "linemon.h"
#include "log/eventlog.h"
#include "res/resource.h"
#include "uitestsupport.h"

namespace {

using Texts = std::vector<std::string>;

class DiagnosticsTest : public SheetTest {
 protected:
  diagnos& Page() { return Sheet().DiagnosticsPage(); }
  std::string Box(int id) { return SheetTest::Box(Page(), id); }
  void Tick() { Page().OnTimer(diagnos::kTimerId); }
};

TEST_F(DiagnosticsTest, FirstActivationShowsStartValuesAndTheConfiguration) {
  OpenSheet();
  EXPECT_EQ(Box(IDC_ACTIVE_CALLS), "3");  // 1 on line 1 plus 2 on line 2
  EXPECT_EQ(Box(IDC_Q931_STATE), "Inactive");
  EXPECT_EQ(Box(IDC_Q921_STATE), "Inactive");
  EXPECT_EQ(Box(IDC_PHYSICAL_STATE), "Unknown");
  EXPECT_EQ(Box(IDC_BASE_IO), "0x000");
  EXPECT_EQ(Box(IDC_IRQ), "0");
  // From the registry: revision "3", the two channels' numbers and SPIDs.
  EXPECT_EQ(Box(IDC_INTERFACE), "Pondrel 2000  S/T BR-ISDN ISA PnP");
  EXPECT_EQ(Box(IDC_PHONE1), "5550100");
  EXPECT_EQ(Box(IDC_PHONE2), "5550101");
  EXPECT_EQ(Box(IDC_SPID1), "01555010000");
  EXPECT_EQ(Box(IDC_SPID2), "01555010100");
  EXPECT_TRUE(Page().HasTimer(diagnos::kTimerId));
  EXPECT_EQ(Page().TimerPeriod(diagnos::kTimerId), 1000u);
}

TEST_F(DiagnosticsTest, TickShowsLayerStatesAndResources) {
  struct Case {
    std::uint32_t physical, linkFlags, baseIo, irq;
    const char *physicalText, *q921, *q931, *baseText, *irqText;
  };
  const Case cases[] = {
      {15, 0x12, 0x80, 5, "Deact Conf[15]", "UP Multipoint", "Inactive", "0x080", "5"},
      {16, 0x20, 0x2E0, 10, "Unknown", "Inactive", "UP Point to Point", "0x2E0", "10"},
      {3, 0x36, 0xABCD02E0, 0x7FFF000A, "Unknown[3]", "UP Multipoint", "UP Multipoint", "0x2E0", "10"},
      {0xFFFFFFFF, 0x00, 0x0001FFFF, 0xFFFF0000, "Unknown", "Inactive", "Inactive", "0xFFFF", "0"},
      {0, 0x06, 0, 0, "Deactivation Req[0]", "UP Point to Point", "UP Point to Point", "0x000", "0"},
  };
  OpenSheet();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.physicalText);
    AdapterStatus.PhysicalState = c.physical;
    AdapterStatus.LinkFlags = c.linkFlags;
    AdapterStatus.BaseIo = c.baseIo;
    AdapterStatus.Irq = c.irq;
    const auto calls = static_cast<std::uint32_t>(&c - cases);  // active calls follow every tick too
    fake.status[1].activeCalls = calls;
    Tick();
    EXPECT_EQ(Box(IDC_PHYSICAL_STATE), c.physicalText);
    EXPECT_EQ(Box(IDC_Q921_STATE), c.q921);
    EXPECT_EQ(Box(IDC_Q931_STATE), c.q931);
    EXPECT_EQ(Box(IDC_BASE_IO), c.baseText);
    EXPECT_EQ(Box(IDC_IRQ), c.irqText);
    EXPECT_EQ(Box(IDC_ACTIVE_CALLS), std::to_string(1 + calls));
  }
}

TEST_F(DiagnosticsTest, ConfigurationIsWrittenOnActivationOnly) {
  OpenSheet();
  AdapterConfig.BoardType = 5;
  Tick();
  EXPECT_EQ(Box(IDC_INTERFACE), "Pondrel 2000  S/T BR-ISDN ISA PnP");
  Sheet().SetActivePage(1);
  Sheet().SetActivePage(0);
  EXPECT_EQ(Box(IDC_INTERFACE), "Pondrel 2000  PCMCIA with U Dongle");
}

TEST_F(DiagnosticsTest, BoardTypeOutsideOneToSixLeavesInterfaceEmpty) {
  for (std::int32_t boardType : {0, 7, -48}) {
    SCOPED_TRACE(boardType);
    ResetProgramState();
    sheet = std::make_unique<propsht>(propsht::kCaption, 0);
    AdapterConfig.BoardType = boardType;
    ASSERT_TRUE(Sheet().Create());
    EXPECT_EQ(Box(IDC_INTERFACE), "");
    EXPECT_EQ(Box(IDC_PHONE1), "5550100");
    CloseSheet();
  }
}

TEST_F(DiagnosticsTest, DiagnosticsRequestGoesOutOnceOnTheSecondTickAcrossDeactivation) {
  OpenSheet();
  TakeRequests();
  Tick();
  EXPECT_TRUE(TakeRequests().empty());
  Sheet().SetActivePage(1);  // leave after one tick
  EXPECT_FALSE(Page().HasTimer(diagnos::kTimerId));
  Sheet().SetActivePage(0);
  TakeRequests();
  Tick();
  EXPECT_EQ(TakeRequests(), (Texts{"ac170103 0"}));
  for (int i = 0; i < 3; ++i) Tick();
  Sheet().SetActivePage(1);
  Sheet().SetActivePage(0);
  Tick();
  Tick();
  EXPECT_TRUE(TakeRequests().empty());
}

TEST_F(DiagnosticsTest, ClosedLineShowsNoActiveCallsAndLogsEachTick) {
  OpenSheet();
  LineMonitor.CloseLine(1);
  EventLog.Clear();
  Tick();
  Tick();
  EXPECT_EQ(Box(IDC_ACTIVE_CALLS), "0");
  EXPECT_EQ(StoredTexts(), (Texts{"lineGetLineDevStatus failed.", "lineGetLineDevStatus failed."}));
}

}  // namespace
