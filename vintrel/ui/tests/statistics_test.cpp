#include <gtest/gtest.h>

#include <map>

#include "devspecific.h"
#include "res/resource.h"
#include "uitestsupport.h"

namespace {

class StatisticsTest : public SheetTest {
 protected:
  statistics& Page() { return Sheet().StatisticsPage(); }
  std::string Box(int id) { return SheetTest::Box(Page(), id); }
  void Tick() { Page().OnTimer(statistics::kTimerId); }
  std::map<int, std::string> AllBoxes() {
    std::map<int, std::string> boxes;
    for (int id : {IDC_CALLS, IDC_TX_PACKETS, IDC_RX_PACKETS, IDC_LAST_CLEAR_CAUSE, IDC_TEI1, IDC_TEI2,
                   IDC_CRC_MISMATCH, IDC_HARDWARE_OVERRUNS, IDC_BUFFER_OVERRUNS, IDC_D_CHANNEL_FRMR, IDC_D_CHANNEL_REJ})
      boxes[id] = Box(id);
    return boxes;
  }
};

TEST_F(StatisticsTest, EachBoxShowsItsCounterAsASignedNumber) {
  AdapterStatus.CallCount = 1;
  AdapterStatus.TxPackets = 0xFFFFFFFF;
  AdapterStatus.RxPackets = 0x80000000;
  AdapterStatus.Tei1 = 64;
  AdapterStatus.Tei2 = 127;
  AdapterStatus.CrcMismatch = 2;
  AdapterStatus.HardwareOverruns = 3;
  AdapterStatus.BufferOverruns = 0x7FFFFFFF;
  AdapterStatus.DChannelFrmr = 5;
  AdapterStatus.DChannelRej = 6;
  OpenSheet();
  Sheet().SetActivePage(1);
  EXPECT_EQ(AllBoxes(), (std::map<int, std::string>{{IDC_CALLS, "1"},
                                                    {IDC_TX_PACKETS, "-1"},
                                                    {IDC_RX_PACKETS, "-2147483648"},
                                                    {IDC_LAST_CLEAR_CAUSE, "16"},
                                                    {IDC_TEI1, "64"},
                                                    {IDC_TEI2, "127"},
                                                    {IDC_CRC_MISMATCH, "2"},
                                                    {IDC_HARDWARE_OVERRUNS, "3"},
                                                    {IDC_BUFFER_OVERRUNS, "2147483647"},
                                                    {IDC_D_CHANNEL_FRMR, "5"},
                                                    {IDC_D_CHANNEL_REJ, "6"}}));
}

TEST_F(StatisticsTest, RefreshesWhileShownAndRewritesAllOnReturn) {
  OpenSheet();
  Sheet().SetActivePage(1);
  EXPECT_EQ(Box(IDC_TX_PACKETS), "0");
  EXPECT_EQ(Box(IDC_LAST_CLEAR_CAUSE), "16");
  EXPECT_EQ(Page().TimerPeriod(statistics::kTimerId), 1000u);

  AdapterStatus.TxPackets = 7;
  Tick();
  EXPECT_EQ(Box(IDC_TX_PACKETS), "7");

  Sheet().SetActivePage(2);
  EXPECT_FALSE(Page().HasTimer(statistics::kTimerId));
  AdapterStatus.TxPackets = 9;
  AdapterStatus.CrcMismatch = 4;
  EXPECT_EQ(Box(IDC_TX_PACKETS), "7");
  Sheet().SetActivePage(1);  // before any tick
  EXPECT_EQ(Box(IDC_TX_PACKETS), "9");
  EXPECT_EQ(Box(IDC_CRC_MISMATCH), "4");
  EXPECT_EQ(Box(IDC_LAST_CLEAR_CAUSE), "16");
}

}  // namespace
