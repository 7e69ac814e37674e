#include "linemon.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "config/adapterconfig.h"
#include "devspecific.h"
#include "faketelephony.h"
#include "localmem.h"
#include "log/eventlog.h"
#include "tapibinding.h"
#include "testsupport.h"

namespace {

using Texts = std::vector<std::string>;

constexpr std::uint32_t kLine1 = 0x100;  // handles the fake gives the lines at start-up
constexpr std::uint32_t kLine2 = 0x101;
const std::string kOpenDevice0 = "open 85 0 10004 0 0 2 0 null";
const std::string kOpenDevice1 = "open 85 1 10004 0 0 2 0 null";

class LineMonitorTest : public testing::Test {
 protected:
  void SetUp() override { ResetProgramState(); }

  void StartMonitoring() {
    fake.devices = {{"Sorvan ISDN1"}, {"Sorvan ISDN2"}};
    ASSERT_EQ(monitor.Initialize(), 1);
    ASSERT_EQ(monitor.Line[0], kLine1);
    ASSERT_EQ(monitor.Line[1], kLine2);
    fake.journal.clear();
    fake.statusCalls.clear();
    EventLog.Clear();
  }

  Texts BoxTexts() const {
    Texts texts;
    for (const auto& box : boxes.shown) texts.push_back(box.text);
    return texts;
  }

  FakeTelephony fake;
  linemon monitor;
  RecordingBoxes boxes;
  platform::ScopedMessageBoxService scopedBoxes{&boxes};
};

TEST_F(LineMonitorTest, FindsOpensAndWatchesBothLines) {
  fake.devices = {{"Sorvan ISDN1"}, {"Sorvan ISDN2"}};
  EXPECT_EQ(monitor.Initialize(), 1);

  EXPECT_EQ(fake.appName, "Lumvaric");
  EXPECT_EQ(fake.journal, (Texts{"negotiate 85 0 10003 10004",
                                 "negotiate 85 0 10003 10004", "negotiate 85 1 10003 10004",
                                 kOpenDevice0, "devspecific 256 0 0 ac170101 ffffffff 8", "statusmessages 256 2040c 0",
                                 kOpenDevice1, "statusmessages 257 40c 0"}));
  EXPECT_EQ(monitor.DeviceId[0], 0u);
  EXPECT_EQ(monitor.DeviceId[1], 1u);
  EXPECT_NE(monitor.DevCaps[0], nullptr);
  EXPECT_NE(monitor.DevCaps[1], nullptr);
  EXPECT_STREQ(AdapterName, "Sorvan ");
  EXPECT_EQ(monitor.Initializing, 0u);
  EXPECT_TRUE(boxes.shown.empty());
  EXPECT_TRUE(LogTexts().empty());

  fake.journal.clear();
  EXPECT_EQ(monitor.Initialize(), 1);  // already registered
  EXPECT_TRUE(fake.journal.empty());
}

TEST_F(LineMonitorTest, StartUpFailuresAreShownInBoxes) {
  struct Case {
    const char* what;
    std::int32_t initializeResult;
    bool libraryMissing;
    Texts boxes;
    Texts log;
  };
  const std::string noTapi = "Unable to initialize TAPI.\nThis application cannot be run on WINNT3.51 or earlier.";
  const Case cases[] = {
      {"no devices", 0, false, {"No ISDN Device Installed"}, {}},
      {"known error", tapi::LINEERR_NODRIVER, false, {noTapi},
       {"TAPI : No appropriate driver", "LineInitialize failed. rc=0x80000043\n"}},
      {"no library", 0, true, {noTapi}, {"LineInitialize failed. rc=0x80000049\n"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ResetProgramState();
    boxes.shown.clear();
    FakeTelephony script;
    script.initializeResult = c.initializeResult;
    if (c.libraryMissing) tapi::ResetTapiBinding("NO_SUCH_TAPI.DLL");
    linemon fresh;
    EXPECT_EQ(fresh.Initialize(), 0);
    EXPECT_EQ(fresh.Initializing, 0u);
    EXPECT_EQ(BoxTexts(), c.boxes);
    EXPECT_EQ(LogTexts(), c.log);
    for (const auto& box : boxes.shown) {
      EXPECT_EQ(box.caption, "Vintrel");
      EXPECT_EQ(box.type, platform::MB_OK | platform::MB_ICONEXCLAMATION);
    }
  }
}

TEST_F(LineMonitorTest, LineWithoutMatchingNameCannotBeMonitored) {
  fake.devices = {{"Sorvan Modem"}, {"Sorvan ISDN2"}};
  EXPECT_EQ(monitor.Initialize(), 0);
  EXPECT_EQ(monitor.DeviceId[0], linemon::kNoDevice);
  EXPECT_EQ(BoxTexts(), Texts{"Unable to Monitor ISDN Line 1"});
  EXPECT_EQ(fake.journal.back(), "open 85 65535 10004 0 0 2 0 null");
}

TEST_F(LineMonitorTest, AdapterNameIsTheNameBeforeTheWord) {
  struct Case {
    const char* line1;
    const char* line2;
    const char* adapterName;
  };
  const Case cases[] = {
      {"Sorvan ISDN1", "Sorvan ISDN2", "Sorvan "},
      {"ABCDEFGHIJKLMNOPQRSTUVWXYISDN1", "ABCDEFGHIJKLMNOPQRSTUVWXYISDN2", "ABCDEFGHIJKLMNOPQRS"},
      {"ISDN1 port", "ISDN2 port", ""},
      {"First ISDN1", "Second ISDN2", "Second "},  // the second line's name is taken last
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line1);
    FakeTelephony script;
    script.devices = {{c.line1}, {c.line2}};
    linemon fresh;
    EXPECT_EQ(fresh.Initialize(), 1);
    EXPECT_STREQ(AdapterName, c.adapterName);
  }
}

// Device 0 carries the word but is unfit in one way; the scan goes on to device 1.
TEST_F(LineMonitorTest, UnfitDevicesArePassedOver) {
  struct Case {
    const char* what;
    FakeDevice unfit;
    Texts log;
  };
  auto unfit = [](auto change) {
    FakeDevice d{"Unfit ISDN1 ISDN2"};
    change(d);
    return d;
  };
  const Case cases[] = {
      {"no digital data", unfit([](FakeDevice& d) { d.mediaModes = 0x10; }), {}},
      {"not ASCII", unfit([](FakeDevice& d) { d.stringFormat = 2; }), {}},
      {"name past the buffer", unfit([](FakeDevice& d) { d.claimedNameSize = 0x10000; }), {}},
      {"no version agreed", unfit([](FakeDevice& d) { d.apiVersion = 0; }), {}},
      {"negotiation fails", unfit([](FakeDevice& d) { d.negotiateResult = tapi::LINEERR_OPERATIONFAILED; }),
       {"TAPI : operation failed.", "TAPI : operation failed."}},
      {"capabilities fail", unfit([](FakeDevice& d) { d.capsResult = tapi::LINEERR_NOMEM; }),
       {"TAPI : Out of memory.", "lineGetDevCaps unhandled 80000044 error", "TAPI : Out of memory.",
        "lineGetDevCaps unhandled 80000044 error"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ResetProgramState();
    FakeTelephony script;
    script.devices = {c.unfit, {"Good ISDN1"}, {"Good ISDN2"}};
    linemon fresh;
    EXPECT_EQ(fresh.Initialize(), 1);
    EXPECT_EQ(fresh.DeviceId[0], 1u);
    EXPECT_EQ(fresh.DeviceId[1], 2u);
    EXPECT_STREQ(AdapterName, "Good ");
    EXPECT_EQ(LogTexts(), c.log);
  }
}

TEST_F(LineMonitorTest, SwitchInformationOfEveryExaminedDeviceIsParsed) {
  const std::vector<unsigned char> board3 = {0, 3, '1', '|', '2', 0};
  const std::vector<unsigned char> board5 = {0, 5, '7', 0};
  fake.devices = {{"Other adapter"}, {"Sorvan ISDN1"}, {"Sorvan ISDN2"}, {"Later ISDN2"}};
  fake.devices[0].switchInfo = board3;
  fake.devices[3].switchInfo = board5;  // never examined: the scan stops at device 2
  ASSERT_EQ(monitor.Initialize(), 1);
  EXPECT_EQ(AdapterConfig.BoardType, 3);

  ResetProgramState();
  FakeTelephony script;
  script.devices = {{"Other adapter"}, {"Sorvan ISDN1"}, {"Sorvan ISDN2"}};
  script.devices[0].switchInfo = board3;
  script.devices[2].switchInfo = board5;  // the matching device's own area comes last
  linemon fresh;
  ASSERT_EQ(fresh.Initialize(), 1);
  EXPECT_EQ(AdapterConfig.BoardType, 5);
}

TEST_F(LineMonitorTest, CapabilitiesBufferGrowsToTheNeededSize) {
  const std::string longName = std::string(1200, 'A') + "ISDN1";
  fake.devices = {{longName}, {std::string(1200, 'A') + "ISDN2"}};
  ASSERT_EQ(monitor.Initialize(), 1);
  ASSERT_GE(fake.capsBufferSizes.size(), 2u);
  EXPECT_EQ(fake.capsBufferSizes[0], 1276u);
  EXPECT_EQ(fake.capsBufferSizes[1], FakeTelephony::kFixedCapsSize + longName.size() + 1);
  EXPECT_STREQ(AdapterName, std::string(19, 'A').c_str());

  // A library that is never satisfied gets a bounded number of tries.
  fake.devices = {{"Greedy ISDN1"}};
  fake.devices[0].alwaysNeedsMore = true;
  fake.capsBufferSizes.clear();
  void* caps = monitor.GetDevCaps(nullptr, 0, 0x10004);
  EXPECT_NE(caps, nullptr);
  EXPECT_EQ(fake.capsBufferSizes.size(), 8u);
  localmem::LocalFree(caps);
}

TEST_F(LineMonitorTest, FailedStatusMessagesCloseTheLine) {
  fake.devices = {{"Sorvan ISDN1"}, {"Sorvan ISDN2"}};
  fake.setStatusMessagesResult = tapi::LINEERR_OPERATIONFAILED;
  EXPECT_EQ(monitor.Initialize(), 0);
  EXPECT_EQ(BoxTexts(), Texts{"Unable to Monitor ISDN Line 1"});
  EXPECT_EQ(LogTexts(), Texts{Logged("TAPI : lineSetStatusMessages() failed. rc=0x80000048")});
  EXPECT_EQ(monitor.Line[0], 0u);
  EXPECT_EQ(monitor.DevCaps[0], nullptr);
  EXPECT_EQ(fake.journal.back(), "close 256");
}

TEST_F(LineMonitorTest, DisconnectReopensOnlyThatLine) {
  struct Case {
    std::uint32_t handle;
    Texts log;
    Texts journal;
  };
  const Case cases[] = {
      {kLine2, {"TAPI : DISCONNECT on Line 2"}, {"close 257", kOpenDevice1, "statusmessages 258 40c 0"}},
      {kLine1,
       {"TAPI : DISCONNECT on Line 1"},
       {"devspecific 256 0 0 ac170101 0 8", "close 256", kOpenDevice0, "devspecific 258 0 0 ac170101 ffffffff 8",
        "statusmessages 258 2040c 0"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.log[0]);
    FakeTelephony script;
    linemon fresh;
    script.devices = {{"Sorvan ISDN1"}, {"Sorvan ISDN2"}};
    ASSERT_EQ(fresh.Initialize(), 1);
    script.journal.clear();
    EventLog.Clear();

    script.Send(c.handle, tapi::LINE_LINEDEVSTATE, tapi::LINEDEVSTATE_DISCONNECTED);
    EXPECT_EQ(LogTexts(), c.log);
    EXPECT_EQ(script.journal, c.journal);
    EXPECT_EQ(fresh.Line[c.handle == kLine1 ? 0 : 1], 0x102u);
    EXPECT_EQ(fresh.Line[c.handle == kLine1 ? 1 : 0], c.handle == kLine1 ? kLine2 : kLine1);
  }
}

TEST_F(LineMonitorTest, FailedReopenClosesBothLinesAndRunsOn) {
  StartMonitoring();
  fake.openResults = {tapi::LINEERR_RESOURCEUNAVAIL};
  fake.Send(kLine2, tapi::LINE_LINEDEVSTATE, tapi::LINEDEVSTATE_DISCONNECTED);

  EXPECT_EQ(LogTexts(), (Texts{"TAPI : DISCONNECT on Line 2", "Reopen line failed"}));
  EXPECT_EQ(fake.journal, (Texts{"close 257", kOpenDevice1, "devspecific 256 0 0 ac170101 0 8", "close 256"}));
  EXPECT_EQ(monitor.Line[0], 0u);
  EXPECT_EQ(monitor.Line[1], 0u);

  EventLog.Clear();
  EXPECT_EQ(monitor.GetActiveCalls(), 0);
  EXPECT_EQ(LogTexts(), Texts{"lineGetLineDevStatus failed."});
}

TEST_F(LineMonitorTest, CallbackMessages) {
  struct Case {
    const char* what;
    std::uint32_t handle;
    std::uint32_t message, p1, p2;
    Texts log;
    Texts journal;
  };
  const Case cases[] = {
      {"reply ok", kLine1, tapi::LINE_REPLY, 7, 0, {}, {}},
      {"reply error", kLine1, tapi::LINE_REPLY, 7, static_cast<std::uint32_t>(tapi::LINEERR_OPERATIONFAILED),
       {"TAPI : LINE_REPLY error"}, {}},
      {"connected 1", kLine1, tapi::LINE_LINEDEVSTATE, tapi::LINEDEVSTATE_CONNECTED, 0,
       {"TAPI : CONNECTED on Line 1"}, {}},
      {"connected 2", kLine2, tapi::LINE_LINEDEVSTATE, tapi::LINEDEVSTATE_CONNECTED, 0,
       {"TAPI : CONNECTED on Line 2"}, {}},
      {"state close ignored", kLine1, tapi::LINE_LINEDEVSTATE, tapi::LINEDEVSTATE_CLOSE, 0, {}, {}},
      {"call state ignored", kLine1, tapi::LINE_CALLSTATE, 1, 0, {}, {}},
      {"unknown line ignored", 0x999, tapi::LINE_LINEDEVSTATE, tapi::LINEDEVSTATE_DISCONNECTED, 0, {}, {}},
      {"line close", kLine1, tapi::LINE_CLOSE, 0, 0, {}, {"devspecific 256 0 0 ac170101 0 8", "close 256"}},
      {"line close 2", kLine2, tapi::LINE_CLOSE, 0, 0, {}, {"close 257"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FakeTelephony script;
    linemon fresh;
    script.devices = {{"Sorvan ISDN1"}, {"Sorvan ISDN2"}};
    ASSERT_EQ(fresh.Initialize(), 1);
    script.journal.clear();
    EventLog.Clear();

    script.Send(c.handle, c.message, c.p1, c.p2);
    EXPECT_EQ(LogTexts(), c.log);
    EXPECT_EQ(script.journal, c.journal);
  }
}

TEST_F(LineMonitorTest, LineCreateRaisesTheDeviceCount) {
  StartMonitoring();
  fake.Send(kLine1, tapi::LINE_CREATE, 1);
  EXPECT_EQ(monitor.NumDevs, 2u);
  fake.Send(kLine1, tapi::LINE_CREATE, 5);
  EXPECT_EQ(monitor.NumDevs, 6u);
}

TEST_F(LineMonitorTest, ReinitClosesBothLinesOnce) {
  StartMonitoring();
  EXPECT_EQ(monitor.CheckLineResult(tapi::LINEERR_REINIT), 0);
  EXPECT_EQ(fake.journal, (Texts{"devspecific 256 0 0 ac170101 0 8", "close 256", "close 257"}));
  EXPECT_TRUE(LogTexts().empty());
  EXPECT_EQ(monitor.Line[0], 0u);
  EXPECT_EQ(monitor.Line[1], 0u);

  // A close that itself meets REINIT closes the other line and no line twice.
  FakeTelephony script;
  linemon fresh;
  script.devices = {{"Sorvan ISDN1"}, {"Sorvan ISDN2"}};
  ASSERT_EQ(fresh.Initialize(), 1);
  script.journal.clear();
  script.closeResults = {tapi::LINEERR_REINIT, tapi::LINEERR_REINIT};
  EXPECT_EQ(fresh.CloseLine(0), 1);
  EXPECT_EQ(script.journal, (Texts{"devspecific 256 0 0 ac170101 0 8", "close 256", "close 257"}));
  EXPECT_EQ(LogTexts(), (Texts{"TAPI : Unhandled LineClose() Error", "TAPI : Unhandled LineClose() Error"}));
  EXPECT_EQ(fresh.Line[0], 0u);
  EXPECT_EQ(fresh.Line[1], 0u);
}

TEST_F(LineMonitorTest, CheckLineResultTable) {
  struct Case {
    std::int32_t result;
    int returns;
    const char* text;  // nullptr: nothing logged
  };
  const Case cases[] = {
      {0, 1, nullptr},
      {5, 0, nullptr},
      {tapi::LINEERR_INIFILECORRUPT, 0, "TAPI : Configuration Invalid!!!"},
      {tapi::LINEERR_INVALCARD, 0, "TAPI : Configuration Invalid!!!"},
      {tapi::LINEERR_INVALLOCATION, 0, "TAPI : Configuration Invalid!!!"},
      {tapi::LINEERR_NODRIVER, 0, "TAPI : No appropriate driver"},
      {tapi::LINEERR_NOMEM, 0, "TAPI : Out of memory."},
      {tapi::LINEERR_OPERATIONFAILED, 0, "TAPI : operation failed."},
      {tapi::LINEERR_RESOURCEUNAVAIL, 0, "TAPI : Resource Unavailable."},
      {tapi::LINEERR_NOMULTIPLEINSTANCE, 0, "TAPI : Multiple Driver Instances"},
      {tapi::LINEERR_OPERATIONUNAVAIL, 0, nullptr},
      {tapi::LINEERR_STRUCTURETOOSMALL, 0, nullptr},
  };
  StartMonitoring();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.result);
    EventLog.Clear();
    EXPECT_EQ(monitor.CheckLineResult(c.result), c.returns);
    EXPECT_EQ(LogTexts(), c.text ? Texts{c.text} : Texts{});
  }
  EXPECT_TRUE(fake.journal.empty());  // only REINIT closes lines
}

TEST_F(LineMonitorTest, StatusIsReadWithA96ThenA1112ByteBuffer) {
  StartMonitoring();
  fake.status[0].activeCalls = 2;
  fake.status[1].activeCalls = 1;
  EXPECT_EQ(monitor.GetActiveCalls(), 3);
  ASSERT_EQ(fake.statusCalls.size(), 4u);
  const std::uint32_t expected[4][3] = {{kLine1, 96, 0}, {kLine1, 1112, 1112}, {kLine2, 96, 0}, {kLine2, 1112, 1112}};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(fake.statusCalls[i].handle, expected[i][0]);
    EXPECT_EQ(fake.statusCalls[i].allocated, expected[i][1]);
    EXPECT_EQ(fake.statusCalls[i].totalSize, expected[i][2]);
  }

  fake.status[1].result = tapi::LINEERR_OPERATIONFAILED;
  EXPECT_EQ(monitor.GetActiveCalls(), 0);
  EXPECT_EQ(LogTexts(), Texts{"lineGetLineDevStatus failed."});
}

TEST_F(LineMonitorTest, RequestsGoOutOnLineOne) {
  StartMonitoring();
  fake.devSpecificResult = 0x42;
  EXPECT_EQ(monitor.SendDevSpecific(SetLogFilter, 5), 0x42);
  EXPECT_EQ(fake.journal, Texts{"devspecific 256 0 0 ac170102 5 8"});
  EXPECT_EQ(DevSpecificRequest.Code, SetLogFilter);
  EXPECT_EQ(DevSpecificRequest.Value, 5u);
}

TEST_F(LineMonitorTest, BufferReallocation) {
  void* big = monitor.CheckAndReAllocBuffer(nullptr, 200);
  ASSERT_NE(big, nullptr);
  std::uint32_t total = 0;
  std::memcpy(&total, big, 4);
  EXPECT_EQ(total, 200u);

  std::memset(big, 0, 4);
  EXPECT_EQ(monitor.CheckAndReAllocBuffer(big, 100), big);  // large enough: kept, total size restored
  std::memcpy(&total, big, 4);
  EXPECT_EQ(total, 200u);

  void* bigger = monitor.CheckAndReAllocBuffer(big, 300);
  ASSERT_NE(bigger, nullptr);
  EXPECT_EQ(localmem::LocalSize(bigger), 300u);

  EXPECT_EQ(monitor.CheckAndReAllocBuffer(bigger, localmem::kMaxBlockSize + 1), nullptr);
  EXPECT_EQ(LogTexts(), Texts{Logged("TAPI : LocalAlloc failed in CheckAndReAllocBuffer().")});
}

}  // namespace
