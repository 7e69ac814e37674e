// Tarvel through the real modem library to the modem emulator on a
// pseudo-terminal: discovery finds it on its COM port, and a country chosen in
// the selection model ends up as the modem's country.
#include <gtest/gtest.h>

#include <fennick/testing/emulator_process.h>
#include <fennick/testing/scoped_port_config.h>

#include <memory>

#include "portprober.h"
#include "probetesthost.h"
#include "recordingsheet.h"
#include "tarvelapp.h"
#include "testsupport.h"

namespace {

// Region 1 with Germany (modem code 10, T.35 04) and Brazil (5, T.35 16).
std::unique_ptr<CTarvelApp> AppWithCountries() {
  auto app = std::make_unique<CTarvelApp>();
  app->m_itemCount[1] = 3;
  app->m_items[1][1] = MapItem{0, 10, 0, 0, "Germany"};
  app->m_items[1][2] = MapItem{0, 5, 0, 0, "Brazil"};
  app->StartSelection();
  return app;
}

class WithTheModemLibrary : public ::testing::Test {
 protected:
  void SetUp() override { CTarvelApp::SetModemLibrary(nullptr); }  // the real one

  tarvel_test::ScriptedBoxes boxes;
  tarvel_test::RecordingCursor cursor;
  tarvel_test::RecordingProcess process;
  platform::ScopedMessageBoxService boxService{&boxes};
  platform::ScopedCursorService cursorService{&cursor};
  platform::ScopedProcessService processService{&process};
};

TEST_F(WithTheModemLibrary, DiscoveryFindsTheEmulatorOnItsPort) {
  fennick::testing::EmulatorProcess modem;
  fennick::testing::ScopedPortConfig config({{1, modem.DevicePath()}});  // COM2
  g_nProbeResult = -1;
  auto app = AppWithCountries();
  tarvel_test::TempDir dir;
  tarvel_test::ProbeTestHost host;
  PortProber prober(host, *app, PortProber::DefaultDetect(), dir.File("tarvel.cfg"), 15000);
  host.prober = &prober;
  prober.StartRun();
  ASSERT_TRUE(host.WaitForDone(1, 15000));
  EXPECT_EQ(app->m_nModemPort, 1);
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(WithTheModemLibrary, AChosenCountryIsProgrammedIntoTheModem) {
  fennick::testing::EmulatorProcess modem;
  fennick::testing::ScopedPortConfig config({{0, modem.DevicePath()}});
  ASSERT_EQ(modem.StoredCountry(), "B5");
  auto app = AppWithCountries();
  tarvel_test::RecordingSheet sheet;
  CTarvelApp::SetSheet(&sheet);
  app->m_nModemPort = 0;
  app->SelectRegion(1);
  app->SelectCountry(1);
  app->ProgramModem();
  EXPECT_EQ(modem.StoredCountry(), "04");
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text, "Modem successfully reset \nfor Germany.");
  EXPECT_FALSE(app->m_bPending);

  app->SelectCountry(2);
  app->ProgramModem();
  EXPECT_EQ(modem.StoredCountry(), "16");
  EXPECT_EQ(app->m_nProgCountry, 2);
  CTarvelApp::SetSheet(nullptr);
}

TEST_F(WithTheModemLibrary, AModemThatAnswersErrorLeavesTheChoicePending) {
  fennick::testing::EmulatorProcess modem({"--error"});
  fennick::testing::ScopedPortConfig config({{0, modem.DevicePath()}});
  auto app = AppWithCountries();
  app->m_nModemPort = 0;
  app->SelectRegion(1);
  app->SelectCountry(1);
  app->ProgramModem();
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text, "Modem reset FAILED.\nEvaluate using a terminal program.");
  EXPECT_TRUE(app->m_bPending);
  EXPECT_EQ(app->m_nProgCountry, 0);
  EXPECT_EQ(modem.StoredCountry(), "B5");
}

}  // namespace
