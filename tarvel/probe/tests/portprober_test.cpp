#include "portprober.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <thread>

#include "probetesthost.h"
#include "tarvelapp.h"
#include "testsupport.h"

namespace {

using Asked = std::vector<int>;

const char kNotFound[] = "Sorvan Modem not found.";
const char kDriverWarning[] =
    "Warning: A COMM driver has failed.\nYour system configuration has been updated \n"
    "to avoid future problems.  Please reboot \nfor the changes to take effect.";

class PortDiscovery : public ::testing::Test {
 protected:
  void SetUp() override {
    g_bProbeDone = 0;
    g_nProbeResult = -1;
    for (auto& idle : g_bPortIdle) idle = 1;
    app->StartSelection();
  }

  // A prober with a watch of `limitMs` over the scripted modem.
  PortProber& Prober(unsigned limitMs = 5000) {
    prober = std::make_unique<PortProber>(host, *app, modem.Fn(), dir.File("tarvel.cfg"), limitMs);
    host.prober = prober.get();
    return *prober;
  }

  // The watch's event waits in the queue until the test runs it, so the
  // worker is inside the hanging call when it is handled.
  bool WaitUntilHanging() {
    for (int i = 0; i < 500 && !modem.IsHanging(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return modem.IsHanging();
  }

  std::unique_ptr<CTarvelApp> app = std::make_unique<CTarvelApp>();
  tarvel_test::TempDir dir;
  tarvel_test::ScriptedModem modem;
  tarvel_test::ScriptedBoxes boxes;
  tarvel_test::RecordingProcess process;
  platform::ScopedMessageBoxService boxService{&boxes};
  platform::ScopedProcessService processService{&process};
  tarvel_test::ProbeTestHost host;  // joins its threads before the modem goes
  std::unique_ptr<PortProber> prober;
};

TEST_F(PortDiscovery, AsksFromCOM4DownAndStopsAtTheModem) {
  const struct {
    int modemPort;
    Asked asked;
  } cases[] = {{3, {3}}, {1, {3, 2, 1}}, {0, {3, 2, 1, 0}}};
  for (const auto& c : cases) {
    tarvel_test::ScriptedModem m;
    m.modemPort = c.modemPort;
    tarvel_test::ProbeTestHost h;
    PortProber p(h, *app, m.Fn(), dir.File("tarvel.cfg"), 5000);
    h.prober = &p;
    p.StartRun();
    ASSERT_TRUE(h.WaitForDone(1));
    EXPECT_EQ(m.Asked(), c.asked);
    EXPECT_EQ(app->m_nModemPort, c.modemPort);
    EXPECT_EQ(h.timerPeriods, (std::vector<unsigned>{5000}));
    EXPECT_EQ(g_bProbeDone, 1);
  }
  EXPECT_TRUE(boxes.shown.empty());
  EXPECT_FALSE(std::filesystem::exists(dir.File("tarvel.cfg")));
}

TEST_F(PortDiscovery, SkipsThePortsTheRecordFileExcludes) {
  const struct {
    const char* file;
    Asked asked;
  } cases[] = {
      {"COM1=1\r\nCOM2=1\r\nCOM3=0\r\nCOM4=1\r\n", {3, 1, 0}},
      {"COM3=0\r\n", {3, 2, 1, 0}},  // on line 1 it excludes nothing
  };
  for (const auto& c : cases) {
    dir.Write("tarvel.cfg", c.file);
    tarvel_test::ScriptedModem m;
    m.modemPort = 0;
    tarvel_test::ProbeTestHost h;
    PortProber p(h, *app, m.Fn(), dir.File("tarvel.cfg"), 5000);
    h.prober = &p;
    p.StartRun();
    ASSERT_TRUE(h.WaitForDone(1));
    EXPECT_EQ(m.Asked(), c.asked) << c.file;
    EXPECT_EQ(app->m_nModemPort, 0);
  }
}

TEST_F(PortDiscovery, AllPortsExcludedMeansNotFoundWithoutAsking) {
  dir.Write("tarvel.cfg", "COM1=0\nCOM2=0\nCOM3=0\nCOM4=0\n");
  boxes.answers = {platform::IDCANCEL};
  Prober().StartRun();
  ASSERT_TRUE(host.WaitForDone(1));
  EXPECT_TRUE(modem.Asked().empty());
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text, kNotFound);
  EXPECT_EQ(boxes.shown[0].caption, "Ostrane");
  EXPECT_EQ(boxes.shown[0].type, platform::MB_RETRYCANCEL);
  EXPECT_EQ(process.quitCodes.size(), 1u);
  EXPECT_EQ(app->m_nModemPort, -1);
}

TEST_F(PortDiscovery, CancelOrABoxThatCannotBeShownQuits) {
  for (int answer : {platform::IDCANCEL, platform::IDFAILED}) {
    process.quitCodes.clear();
    tarvel_test::ProbeTestHost h;
    PortProber p(h, *app, modem.Fn(), dir.File("tarvel.cfg"), 5000);
    h.prober = &p;
    boxes.answers = {answer};
    p.StartRun();
    ASSERT_TRUE(h.WaitForDone(1));
    EXPECT_EQ(process.quitCodes.size(), 1u) << answer;
    EXPECT_EQ(h.timerPeriods.size(), 1u) << "no new run";
  }
}

TEST_F(PortDiscovery, RetryStartsAFreshRunWithAFreshWatch) {
  modem.modemPort = 2;
  modem.failuresFirst = 4;  // the first run finds nothing
  boxes.answers = {platform::IDRETRY};
  Prober(4000).StartRun();
  ASSERT_TRUE(host.WaitForDone(2));
  EXPECT_EQ(modem.Asked(), (Asked{3, 2, 1, 0, 3, 2}));
  EXPECT_EQ(host.timerPeriods, (std::vector<unsigned>{4000, 4000}));
  EXPECT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(app->m_nModemPort, 2);
  EXPECT_TRUE(process.quitCodes.empty());
}

TEST_F(PortDiscovery, AHangPastTheWatchRecordsThePortAndWarnsAndTheLateResultStillArrives) {
  modem.hangPort = 2;  // COM3
  modem.modemPort = 1;
  Prober(50).StartRun();
  ASSERT_TRUE(WaitUntilHanging());
  ASSERT_TRUE(host.WaitForTimer());
  EXPECT_EQ(dir.Read("tarvel.cfg"), "COM1=1\r\nCOM2=1\r\nCOM3=0\r\nCOM4=1\r\n");
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text, kDriverWarning);
  EXPECT_EQ(boxes.shown[0].caption, "Ostrane");
  EXPECT_EQ(boxes.shown[0].type, platform::MB_OK);
  EXPECT_EQ(app->m_nModemPort, -1);

  modem.Release();
  ASSERT_TRUE(host.WaitForDone(1));
  EXPECT_EQ(modem.Asked(), (Asked{3, 2, 1}));
  EXPECT_EQ(app->m_nModemPort, 1);
  EXPECT_EQ(host.timerCount, 1);
  EXPECT_EQ(boxes.shown.size(), 1u);

  // The next start skips COM3.
  tarvel_test::ScriptedModem next;
  next.modemPort = 0;
  tarvel_test::ProbeTestHost h;
  PortProber p(h, *app, next.Fn(), dir.File("tarvel.cfg"), 5000);
  h.prober = &p;
  p.StartRun();
  ASSERT_TRUE(h.WaitForDone(1));
  EXPECT_EQ(next.Asked(), (Asked{3, 1, 0}));
}

TEST_F(PortDiscovery, TheWatchAddsToEarlierExclusionsAndKeepsTheTailOfALongerFile) {
  const std::string older = "COM1=1\nCOM2=0\nCOM3=1\nCOM4=1\n# an older, longer file\n";
  dir.Write("tarvel.cfg", older);
  modem.hangPort = 3;  // COM4, the first one asked
  Prober(50).StartRun();
  ASSERT_TRUE(WaitUntilHanging());
  ASSERT_TRUE(host.WaitForTimer());
  EXPECT_EQ(dir.Read("tarvel.cfg"), "COM1=1\r\nCOM2=0\r\nCOM3=1\r\nCOM4=0\r\n" + older.substr(32));
  modem.Release();
  ASSERT_TRUE(host.WaitForDone(1));
  EXPECT_EQ(modem.Asked(), (Asked{3, 2, 0}));
}

TEST_F(PortDiscovery, TheWatchBetweenTwoPortsRewritesTheSameExclusionsAndStillWarns) {
  dir.Write("tarvel.cfg", "COM1=1\nCOM2=0\n");
  Prober(5000);
  g_bProbeDone = 0;  // a run under way, no call in progress
  prober->OnTimer();
  EXPECT_EQ(dir.Read("tarvel.cfg"), "COM1=1\r\nCOM2=0\r\nCOM3=1\r\nCOM4=1\r\n");
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text, kDriverWarning);

  // After the run has ended the watch does nothing.
  g_bProbeDone = 1;
  prober->OnTimer();
  EXPECT_EQ(boxes.shown.size(), 1u);
}

TEST_F(PortDiscovery, TheWarningShowsEvenWhenTheFileCannotBeWritten) {
  prober = std::make_unique<PortProber>(host, *app, modem.Fn(), dir.File("no/such/folder/tarvel.cfg"), 5000);
  g_bProbeDone = 0;
  prober->OnTimer();
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text, kDriverWarning);
}

TEST_F(PortDiscovery, AWorkerThatCannotStartEndsTheRunWithoutAModem) {
  host.failWorkerStart = true;
  boxes.answers = {platform::IDCANCEL};
  Prober().StartRun();
  ASSERT_TRUE(host.WaitForDone(1));
  EXPECT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text, kNotFound);
  EXPECT_EQ(process.quitCodes.size(), 1u);
}

}  // namespace
