#include <stdlib.h>

#include <cstring>
#include <functional>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "simulator_process.h"
#include "tapi32.h"
#include "tapi_support.h"

namespace isdn::tests {
namespace {

using isdn::testing::SimulatorOptions;
using isdn::testing::SimulatorProcess;

constexpr uint32_t kVersion = 0x00010004;
constexpr uint32_t kLine1States = 0x0002040C, kLine2States = 0x0000040C;
constexpr uint32_t kStatusReporting = 0xAC170101, kLogFilter = 0xAC170102, kDiagnostics = 0xAC170103;
constexpr uint32_t kPhysicalState = 0xAC160104, kLinkFlags = 0xAC160106, kBaseIo = 0xAC160109, kIrq = 0xAC16010A;
constexpr uint32_t kTxPackets = 0xAC16010B, kTei1 = 0xAC16010F, kCallCount = 0xAC160116;

// Device 0 is another line; the adapter's lines are devices 1 and 2.
const char kConfig[] =
    "name = \"Pondrel 2000 \"\n"
    "board_type = 3\n"
    "phone0 = 5551234\n"
    "phone1 = 5551235\n"
    "spid0 = 0155512340\n"
    "spid1 = 0155512350\n"
    "extra_line = Standard Modem\n"
    "start_active = yes\n";

class TapiSimulatorTest : public ::testing::Test {
 protected:
  void Start(const std::string& config = kConfig) {
    sim_ = std::make_unique<SimulatorProcess>(SimulatorOptions{.config = config, .reportIntervalMs = 50});
    ASSERT_TRUE(sim_->Running()) << sim_->Error();
    setenv("ISDN_SIM_TIMEOUT_MS", "1000", 1);
    Recorded().Clear();
    ASSERT_EQ(lineInitialize(&app_, nullptr, RecordingCallback, "Lumvaric", &devices_), 0);
  }
  void TearDown() override { unsetenv("ISDN_SIM_TIMEOUT_MS"); }

  uint32_t Open(uint32_t device, uint32_t states, uint32_t instance = 0) {
    uint32_t line = 0;
    EXPECT_EQ(lineOpen(app_, device, &line, kVersion, 0, instance, LINECALLPRIVILEGE_MONITOR, 0, nullptr), 0);
    EXPECT_EQ(lineSetStatusMessages(line, states, 0), 0);
    return line;
  }
  // Opens both adapter lines and switches status reporting on with a filter.
  void Monitor(uint32_t filter) {
    line1_ = Open(1, kLine1States);
    line2_ = Open(2, kLine2States);
    EXPECT_GT(Request(line1_, kLogFilter, filter), 0);
    EXPECT_GT(Request(line1_, kStatusReporting, 0xFFFFFFFF), 0);
  }
  int Tool(const std::vector<std::string>& arguments, std::string* output = nullptr) {
    return sim_->Tool(arguments, output);
  }
  bool WaitForValue(uint32_t tag, uint32_t value) {
    return Recorded().WaitFor([&] {
      const auto& reports = Recorded().reports;
      return !reports.empty() && reports.back().values.count(tag) && reports.back().values.at(tag) == value;
    });
  }
  bool WaitForText(const std::string& part) {
    return Recorded().WaitFor([&] { return Recorded().AnyText(part); });
  }
  bool WaitForMessage(uint32_t device, uint32_t message, uint32_t param1) {
    return Recorded().WaitFor([&] { return Recorded().Has(device, message, param1); });
  }
  uint32_t ActiveCalls(uint32_t line) {
    std::vector<uint8_t> status = Record(1112);
    EXPECT_EQ(lineGetLineDevStatus(line, status.data()), 0);
    return Field(status, LINEDEVSTATUS_NUMACTIVECALLS);
  }

  std::unique_ptr<SimulatorProcess> sim_;
  uint32_t app_ = 0, devices_ = 0, line1_ = 0, line2_ = 0;
};

TEST_F(TapiSimulatorTest, DevicesCarryNamesCapabilitiesAndSwitchInformation) {
  Start();
  ASSERT_EQ(devices_, 3u);
  const struct {
    uint32_t device;
    const char* name;
    uint32_t mediaModes;
    bool switchInfo;
  } cases[] = {{0, "Standard Modem", LINEMEDIAMODE_DATAMODEM, false},
               {1, "Pondrel 2000 ISDN1", LINEMEDIAMODE_DIGITALDATA, true},
               {2, "Pondrel 2000 ISDN2", LINEMEDIAMODE_DIGITALDATA, true}};
  const std::string switchText = "5551234|5551235|0155512340|0155512350";
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    uint32_t version = 0;
    uint8_t extension[16];
    std::memset(extension, 0xEE, sizeof extension);
    ASSERT_EQ(lineNegotiateAPIVersion(app_, c.device, 0x00010003, 0x00010004, &version, extension), 0);
    EXPECT_EQ(version, kVersion);
    EXPECT_EQ(extension[0] | extension[15], 0);

    std::vector<uint8_t> small = Record(100);
    EXPECT_EQ(lineGetDevCaps(app_, c.device, version, 0, small.data()), LINEERR_STRUCTURETOOSMALL);

    // Room for the fixed part only: it is filled, the rest is announced.
    std::vector<uint8_t> fixed = Record(LINEDEVCAPS_FIXED_SIZE);
    ASSERT_EQ(lineGetDevCaps(app_, c.device, version, 0, fixed.data()), 0);
    const uint32_t needed = Field(fixed, 4);
    EXPECT_GT(needed, LINEDEVCAPS_FIXED_SIZE);
    EXPECT_EQ(Field(fixed, 8), LINEDEVCAPS_FIXED_SIZE);
    EXPECT_EQ(Field(fixed, LINEDEVCAPS_LINENAMESIZE), 0u);
    EXPECT_EQ(Field(fixed, LINEDEVCAPS_MEDIAMODES), c.mediaModes);

    std::vector<uint8_t> caps = Record(needed + 8);
    ASSERT_EQ(lineGetDevCaps(app_, c.device, version, 0, caps.data()), 0);
    EXPECT_EQ(Field(caps, 0), needed + 8);
    EXPECT_EQ(Field(caps, 4), needed);
    EXPECT_EQ(Field(caps, 8), needed);
    EXPECT_GE(Field(caps, LINEDEVCAPS_LINENAMEOFFSET), LINEDEVCAPS_FIXED_SIZE);
    EXPECT_EQ(Text(caps, LINEDEVCAPS_LINENAMESIZE, LINEDEVCAPS_LINENAMEOFFSET), std::string(c.name) + '\0');
    EXPECT_EQ(Field(caps, LINEDEVCAPS_STRINGFORMAT), STRINGFORMAT_ASCII);
    EXPECT_EQ(Field(caps, LINEDEVCAPS_MEDIAMODES), c.mediaModes);
    const std::string switchInfo = Text(caps, LINEDEVCAPS_SWITCHINFOSIZE, LINEDEVCAPS_SWITCHINFOOFFSET);
    if (c.switchInfo) {
      EXPECT_EQ(switchInfo, std::string("\0\3", 2) + switchText + '\0');
    } else {
      EXPECT_EQ(Field(caps, LINEDEVCAPS_SWITCHINFOSIZE), 0u);
    }
    EXPECT_EQ(std::vector<uint8_t>(caps.begin() + needed, caps.end()), std::vector<uint8_t>(8, 0xCC))
        << "nothing written past dwUsedSize";
  }
}

TEST_F(TapiSimulatorTest, SwitchInformationCanBeWithheld) {
  Start(std::string(kConfig) + "switch_info = no\n");
  std::vector<uint8_t> caps = Record(1276);
  ASSERT_EQ(lineGetDevCaps(app_, 1, kVersion, 0, caps.data()), 0);
  EXPECT_EQ(Field(caps, LINEDEVCAPS_SWITCHINFOSIZE), 0u);
  EXPECT_EQ(Field(caps, LINEDEVCAPS_SWITCHINFOOFFSET), 0u);
  EXPECT_EQ(Text(caps, LINEDEVCAPS_LINENAMESIZE, LINEDEVCAPS_LINENAMEOFFSET), std::string("Pondrel 2000 ISDN1") + '\0');
}

TEST_F(TapiSimulatorTest, VersionsPrivilegesAndMediaModesAreChecked) {
  Start();
  const struct {
    uint32_t low, high;
    int32_t result;
    uint32_t version;
  } negotiations[] = {
      {0x00010003, 0x00010004, 0, 0x00010004},          {0x00010000, 0x00010003, 0, 0x00010003},
      {0x00010004, 0x00020000, 0, 0x00010004},          {0x00010005, 0x00020000, LINEERR_INCOMPATIBLEAPIVERSION, 0},
      {0x00010000, 0x00010002, LINEERR_INCOMPATIBLEAPIVERSION, 0},
      {0x00010004, 0x00010003, LINEERR_INCOMPATIBLEAPIVERSION, 0},
  };
  for (const auto& n : negotiations) {
    uint32_t version = 0;
    uint8_t extension[16];
    EXPECT_EQ(lineNegotiateAPIVersion(app_, 1, n.low, n.high, &version, extension), n.result) << std::hex << n.low;
    if (n.result == 0) {
      EXPECT_EQ(version, n.version);
    }
  }
  std::vector<uint8_t> caps = Record(1276);
  EXPECT_EQ(lineGetDevCaps(app_, 1, 0x00010002, 0, caps.data()), LINEERR_INCOMPATIBLEAPIVERSION);
  EXPECT_EQ(lineGetDevCaps(app_, 1, kVersion, 1, caps.data()), LINEERR_INCOMPATIBLEEXTVERSION);
  EXPECT_EQ(lineGetDevCaps(app_, 3, kVersion, 0, caps.data()), LINEERR_BADDEVICEID);
  uint32_t line = 0;
  EXPECT_EQ(lineOpen(app_, 1, &line, kVersion, 0, 0, 3, 0, nullptr), LINEERR_INVALPRIVSELECT);
  EXPECT_EQ(lineOpen(app_, 1, &line, kVersion, 0, 0, LINECALLPRIVILEGE_OWNER, LINEMEDIAMODE_DATAMODEM, nullptr),
            LINEERR_INVALMEDIAMODE);
  EXPECT_EQ(lineOpen(app_, 1, &line, kVersion, 0, 0, LINECALLPRIVILEGE_OWNER, LINEMEDIAMODE_DIGITALDATA, nullptr), 0);
  EXPECT_EQ(lineClose(line), 0);
}

TEST_F(TapiSimulatorTest, DevSpecificRepliesLaterOnTheDrainingThread) {
  Start();
  const uint32_t line = Open(1, kLine1States, 0x55);
  const int32_t id = Request(line, kStatusReporting, 0xFFFFFFFF);
  ASSERT_GT(id, 0);
  ASSERT_TRUE(WaitForMessage(line, LINE_REPLY, static_cast<uint32_t>(id)));
  for (const LineMessage& m : Recorded().messages) {
    EXPECT_EQ(m.thread, std::this_thread::get_id());
    if (m.message == LINE_REPLY) {
      EXPECT_EQ(m.instance, 0x55u);
      EXPECT_EQ(m.param2, 0u);
    }
  }

  // Requests the driver does not know complete with an error.
  const int32_t unknown = Request(line, 0xAC1701FF, 0);
  uint8_t shortBlock[4] = {1, 1, 0x17, 0xAC};
  const int32_t tooShort = lineDevSpecific(line, 0, 0, shortBlock, sizeof shortBlock);
  ASSERT_GT(unknown, id);
  ASSERT_GT(tooShort, unknown);
  ASSERT_TRUE(WaitForMessage(line, LINE_REPLY, static_cast<uint32_t>(tooShort)));
  for (const LineMessage& m : Recorded().messages) {
    if (m.message == LINE_REPLY && m.param1 != static_cast<uint32_t>(id)) {
      EXPECT_EQ(m.param2, static_cast<uint32_t>(LINEERR_OPERATIONFAILED));
    }
  }
  uint8_t block[8] = {};
  EXPECT_EQ(lineDevSpecific(line, 1, 0, block, 8), LINEERR_INVALADDRESSID);
  EXPECT_EQ(lineDevSpecific(line, 0, 0, nullptr, 8), LINEERR_INVALPOINTER);

  EXPECT_EQ(lineClose(line), 0);
  EXPECT_EQ(lineClose(line), LINEERR_INVALLINEHANDLE);
  EXPECT_EQ(Request(line, kStatusReporting, 0), LINEERR_INVALLINEHANDLE);
}

TEST_F(TapiSimulatorTest, ReportsCarryStatusAndOnlyTheTextsTheFilterSelects) {
  Start();
  Monitor(0x010 | 0x040);  // Q.921 and physical layer
  ASSERT_TRUE(WaitForValue(kPhysicalState, 12));
  const StatusReport& first = Recorded().reports.back();
  EXPECT_EQ(first.line, line1_);
  EXPECT_EQ(first.values.at(kBaseIo), 0x2E0u);
  EXPECT_EQ(first.values.at(kIrq), 10u);
  EXPECT_EQ(first.values.at(kTei1), 64u);
  EXPECT_EQ(first.values.at(kLinkFlags), 0x36u);

  ASSERT_EQ(Tool({"log", "--kind=q931", "Q.931 text one"}), 0);
  ASSERT_EQ(Tool({"log", "--kind=api-detail", "detail text"}), 0);
  ASSERT_EQ(Tool({"log", "--kind=q921", "Q.921 text"}), 0);
  ASSERT_EQ(Tool({"log", "always", "shown"}), 0);
  ASSERT_TRUE(WaitForText("always shown"));
  ASSERT_TRUE(WaitForText("Q.921 text"));
  EXPECT_GT(Request(line1_, kLogFilter, 0x005), 0);
  ASSERT_EQ(Tool({"log", "--kind=q931", "Q.931 text two"}), 0);
  ASSERT_TRUE(WaitForText("Q.931 text two"));
  EXPECT_FALSE(Recorded().AnyText("Q.931 text one"));
  EXPECT_FALSE(Recorded().AnyText("detail text"));
  for (const StatusReport& report : Recorded().reports) EXPECT_EQ(report.line, line1_);

  // Off: no further reports.
  EXPECT_GT(Request(line1_, kStatusReporting, 0), 0);
  Recorded().WaitFor([] { return false; }, 150);
  const size_t reports = Recorded().reports.size();
  Recorded().WaitFor([] { return false; }, 200);
  EXPECT_EQ(Recorded().reports.size(), reports);
}

TEST_F(TapiSimulatorTest, LayersActivateAfterPowerUp) {
  Start(std::string(kConfig) + "start_active = no\nspid1 =\nphone1 =\n");
  Monitor(0x040);
  EXPECT_TRUE(WaitForValue(kPhysicalState, 12));
  EXPECT_TRUE(WaitForValue(kLinkFlags, 0x06));  // one TEI and one SPID: point to point
  for (const StatusReport& report : Recorded().reports) {
    const uint32_t state = report.values.at(kPhysicalState);
    EXPECT_TRUE(state == 7 || state == 8 || state == 12) << state;
  }
}

TEST_F(TapiSimulatorTest, CallsConnectAndClearOnTheirLine) {
  Start();
  Monitor(0x004);
  ASSERT_EQ(Tool({"call", "2", "5550000"}), 0);
  ASSERT_TRUE(WaitForMessage(line2_, LINE_LINEDEVSTATE, LINEDEVSTATE_CONNECTED));
  EXPECT_FALSE(Recorded().Has(line1_, LINE_LINEDEVSTATE, LINEDEVSTATE_CONNECTED));
  EXPECT_EQ(ActiveCalls(line2_), 1u);
  EXPECT_EQ(ActiveCalls(line1_), 0u);
  std::vector<uint8_t> zeroTotal = Record(0);  // as line monitors probe first
  zeroTotal.resize(96);
  EXPECT_EQ(lineGetLineDevStatus(line2_, zeroTotal.data()), LINEERR_STRUCTURETOOSMALL);
  ASSERT_TRUE(WaitForValue(kCallCount, 1));
  const uint32_t txAtConnect = Recorded().reports.back().values.at(kTxPackets);
  EXPECT_TRUE(WaitForText("Q.931 RX CONNECT"));
  EXPECT_TRUE(Recorded().WaitFor([&] { return Recorded().reports.back().values.at(kTxPackets) > txAtConnect; }));

  std::string output;
  EXPECT_EQ(Tool({"call", "2"}, &output), 1);
  EXPECT_EQ(output, "line 2 already has a call\n");

  ASSERT_EQ(Tool({"clear", "2", "17"}), 0);
  ASSERT_TRUE(WaitForMessage(line2_, LINE_LINEDEVSTATE, LINEDEVSTATE_DISCONNECTED));
  EXPECT_EQ(ActiveCalls(line2_), 0u);
  EXPECT_TRUE(WaitForText("Q.931 RX DISCONNECT cause 17 User Busy"));
  EXPECT_EQ(Tool({"clear", "2"}, &output), 1);
  EXPECT_EQ(output, "line 2 has no call\n");
}

TEST_F(TapiSimulatorTest, ToolSetsValuesSendsAreasClosesLinesAndInjectsFailures) {
  Start();
  Monitor(0x001);
  ASSERT_EQ(Tool({"set", "TxPackets", "777"}), 0);
  EXPECT_TRUE(WaitForValue(kTxPackets, 777));
  ASSERT_EQ(Tool({"set", "0xAC160104", "14"}), 0);
  EXPECT_TRUE(WaitForValue(kPhysicalState, 14));

  // A hand-made area reaches the reader as it is: one text record, 8 + 3 bytes.
  ASSERT_EQ(Tool({"raw", "ADDE0000", "41424300", "000000"}), 0);
  ASSERT_TRUE(Recorded().WaitFor([] {
    const auto& reports = Recorded().reports;
    return !reports.empty() && reports.back().texts == std::vector<std::string>{"ABC"} &&
           reports.back().values.empty();
  }));

  ASSERT_EQ(Tool({"fail", "1", "reply", "REINIT"}), 0);
  const int32_t id = Request(line1_, kLogFilter, 0x001);
  ASSERT_TRUE(WaitForMessage(line1_, LINE_REPLY, static_cast<uint32_t>(id)));
  EXPECT_EQ(Recorded().messages.back().param2, static_cast<uint32_t>(LINEERR_REINIT));

  ASSERT_EQ(Tool({"fail", "1", "now", "LINEERR_RESOURCEUNAVAIL"}), 0);
  std::vector<uint8_t> status = Record(1112);
  EXPECT_EQ(lineGetLineDevStatus(line1_, status.data()), LINEERR_RESOURCEUNAVAIL);
  EXPECT_EQ(lineGetLineDevStatus(line1_, status.data()), 0);

  std::string output;
  ASSERT_EQ(Tool({"status"}, &output), 0);
  EXPECT_NE(output.find("app \"Lumvaric\" reporting=on filter=0x00000001"), std::string::npos) << output;

  ASSERT_EQ(Tool({"close", "1"}, &output), 0);
  EXPECT_EQ(output, "closed 1 open handle(s) of line 1\n");
  ASSERT_TRUE(WaitForMessage(line1_, LINE_CLOSE, 0));
  EXPECT_EQ(lineGetLineDevStatus(line1_, status.data()), LINEERR_INVALLINEHANDLE);
  EXPECT_EQ(lineGetLineDevStatus(line2_, status.data()), 0);
}

TEST_F(TapiSimulatorTest, ToolExplainsBadCommands) {
  Start();
  const struct {
    std::vector<std::string> arguments;
    int status;
    const char* message;
  } cases[] = {
      {{"call", "3"}, 1, "line must be 1 or 2"},
      {{"set", "Colour", "1"}, 1, "unknown status \"Colour\""},
      {{"set", "TxPackets", "-1"}, 1, "value must be a 32-bit number"},
      {{"fail", "1", "later", "REINIT"}, 1, "mode must be \"now\" or \"reply\""},
      {{"fail", "1", "now", "NOPE"}, 1, "unknown error code \"NOPE\""},
      {{"raw", "ABC"}, 1, "whole bytes"},
      {{"log", "--kind=video", "x"}, 1, "unknown kind \"video\""},
      {{"close"}, 2, "usage: close LINE"},
      {{"dance"}, 1, "unknown command \"dance\""},
  };
  for (const auto& c : cases) {
    std::string output;
    EXPECT_EQ(Tool(c.arguments, &output), c.status) << c.arguments[0];
    EXPECT_NE(output.find(c.message), std::string::npos) << output;
  }
}

TEST_F(TapiSimulatorTest, DiagnosticsReportPassesEveryFilterInShortTexts) {
  Start();
  Monitor(0);
  ASSERT_GT(Request(line1_, kDiagnostics, 0), 0);
  ASSERT_TRUE(WaitForText("DIAG: self test passed"));
  EXPECT_TRUE(Recorded().AnyText("DIAG: base I/O 0x2E0, IRQ 10"));
  for (const StatusReport& report : Recorded().reports) {
    for (const std::string& text : report.texts) EXPECT_LE(text.size(), 49u) << text;
  }
}

// The simulator going away, cleanly or not: every open line gets LINE_CLOSE,
// and later calls fail at once.
void ExpectLinesClosedAfter(const std::function<void()>& end, uint32_t app, uint32_t line1, uint32_t line2) {
  end();
  ASSERT_TRUE(Recorded().WaitFor([&] {
    return Recorded().Has(line1, LINE_CLOSE, 0) && Recorded().Has(line2, LINE_CLOSE, 0);
  }));
  std::vector<uint8_t> status = Record(1112), caps = Record(1276);
  EXPECT_EQ(lineGetLineDevStatus(line1, status.data()), LINEERR_INVALLINEHANDLE);
  EXPECT_EQ(Request(line2, kStatusReporting, 0), LINEERR_INVALLINEHANDLE);
  EXPECT_EQ(lineGetDevCaps(app, 1, kVersion, 0, caps.data()), LINEERR_OPERATIONFAILED);
  uint32_t line = 0;
  EXPECT_EQ(lineOpen(app, 1, &line, kVersion, 0, 0, LINECALLPRIVILEGE_MONITOR, 0, nullptr), LINEERR_OPERATIONFAILED);
}

TEST_F(TapiSimulatorTest, StopCommandClosesTheLines) {
  Start();
  Monitor(0x005);
  ExpectLinesClosedAfter([&] { EXPECT_EQ(Tool({"stop"}), 0); }, app_, line1_, line2_);
  EXPECT_TRUE(sim_->WaitForExit(3000));
  EXPECT_FALSE(sim_->Running());
  uint32_t app = 0, devices = 99;
  EXPECT_EQ(lineInitialize(&app, nullptr, RecordingCallback, "Lumvaric", &devices), 0);
  EXPECT_EQ(devices, 0u);
}

TEST_F(TapiSimulatorTest, CrashedSimulatorClosesTheLines) {
  Start();
  Monitor(0x005);
  ExpectLinesClosedAfter([&] { sim_->Kill(); }, app_, line1_, line2_);
}

}  // namespace
}  // namespace isdn::tests
