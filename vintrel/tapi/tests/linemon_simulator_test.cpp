// The line monitor over the real telephony library and a running adapter
// simulator. Callbacks come through the UI queue, which the test drains.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <string>

#include "config/adapterconfig.h"
#include "devspecific.h"
#include "linemon.h"
#include "platform/queue.h"
#include "simulator_process.h"
#include "tapibinding.h"
#include "testsupport.h"

namespace {

constexpr int kWaitMs = 3000;

const char kConfig[] =
    "name = \"Pondrel 2000 \"\n"
    "board_type = 4\n"
    "phone0 = 5551234\n"
    "phone1 = 5551235\n"
    "spid0 = 0155512340\n"
    "spid1 = 0155512350\n"
    "extra_line = Standard Modem\n"
    "start_active = yes\n";

bool Logged(const std::string& text) {
  const auto texts = LogTexts();
  return std::find(texts.begin(), texts.end(), text) != texts.end();
}

bool WaitFor(const std::function<bool()>& done) { return platform::RunQueuedCallsUntil(done, kWaitMs); }

class LineMonitorWithSimulator : public testing::Test {
 protected:
  void SetUp() override {
    ResetProgramState();
    setenv("ISDN_SIM_TIMEOUT_MS", "1000", 1);
    tapi::ResetTapiBinding();
  }
  void TearDown() override {
    tapi::ResetTapiBinding();
    unsetenv("ISDN_SIM_TIMEOUT_MS");
  }

  RecordingBoxes boxes;
  platform::ScopedMessageBoxService scopedBoxes{&boxes};
};

TEST_F(LineMonitorWithSimulator, MonitorsTheAdapterUntilTheSimulatorEnds) {
  isdn::testing::SimulatorProcess sim({.config = kConfig, .reportIntervalMs = 50});
  ASSERT_TRUE(sim.Running()) << sim.Error();

  linemon monitor;
  ASSERT_EQ(monitor.Initialize(), 1) << (boxes.shown.empty() ? "" : boxes.shown[0].text);
  EXPECT_EQ(monitor.DeviceId[0], 1u);
  EXPECT_EQ(monitor.DeviceId[1], 2u);
  EXPECT_NE(monitor.Line[0], 0u);
  EXPECT_NE(monitor.Line[1], 0u);
  EXPECT_STREQ(AdapterName, "Pondrel 2000 ");
  EXPECT_EQ(AdapterConfig.BoardType, 4);
  EXPECT_STREQ(AdapterConfig.Phone0, "5551234");
  EXPECT_STREQ(AdapterConfig.Spid1, "0155512350");

  // Status reports and driver texts.
  ASSERT_EQ(sim.Tool({"set", "TxPackets", "4321"}), 0);
  EXPECT_TRUE(WaitFor([] { return AdapterStatus.TxPackets == 4321; }));
  EXPECT_EQ(AdapterStatus.BaseIo, 0x2E0u);
  monitor.SendDevSpecific(SetLogFilter, 0x5);
  ASSERT_EQ(sim.Tool({"log", "--kind=any", "Layer 2 established"}), 0);
  EXPECT_TRUE(WaitFor([] { return Logged("Layer 2 established"); }));

  // A call on line 1 connects and clears; the line is reopened.
  ASSERT_EQ(sim.Tool({"call", "1"}), 0);
  EXPECT_TRUE(WaitFor([] { return Logged("TAPI : CONNECTED on Line 1"); }));
  EXPECT_EQ(monitor.GetActiveCalls(), 1);
  const std::uint32_t firstHandle = monitor.Line[0];
  ASSERT_EQ(sim.Tool({"clear", "1"}), 0);
  EXPECT_TRUE(WaitFor([] { return Logged("TAPI : DISCONNECT on Line 1"); }));
  EXPECT_NE(monitor.Line[0], 0u);
  EXPECT_NE(monitor.Line[0], firstHandle);
  EXPECT_FALSE(Logged("Reopen line failed"));
  EXPECT_EQ(monitor.GetActiveCalls(), 0);

  // Reports still arrive on the reopened line.
  ASSERT_EQ(sim.Tool({"set", "TxPackets", "4322"}), 0);
  EXPECT_TRUE(WaitFor([] { return AdapterStatus.TxPackets == 4322; }));

  // Once the simulator is gone both lines are closed and the monitor runs on.
  ASSERT_TRUE(sim.Stop());
  EXPECT_TRUE(WaitFor([&] { return monitor.Line[0] == 0 && monitor.Line[1] == 0; }));
  EXPECT_EQ(monitor.GetActiveCalls(), 0);
  EXPECT_TRUE(Logged("lineGetLineDevStatus failed."));
  EXPECT_TRUE(boxes.shown.empty());
}

}  // namespace
