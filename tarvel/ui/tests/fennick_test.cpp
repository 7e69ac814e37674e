// The sheet finds the modem emulator through the real modem library on the
// COM port mapped to it, and programs the country chosen in the List page.
#include <gtest/gtest.h>

#include <platform/application.h>
#include <probestate.h>
#include <tarvelapp.h>

#include "fennick/testing/emulator_process.h"
#include "fennick/testing/scoped_port_config.h"
#include "uitestsupport.h"

namespace tarvel_ui_test {
namespace {

TEST(TarvelFennickTest, FindsTheEmulatorOnCom3AndProgramsTheChosenCountry) {
  fennick::testing::EmulatorProcess modem;
  fennick::testing::ScopedPortConfig config({{2, modem.DevicePath()}});
  LoadSmallWorld();
  tarvel_test::TempDir folder;
  tarvel_test::ScriptedBoxes boxes;
  platform::ScopedMessageBoxService service(&boxes);

  CShet sheet(PortProber::DefaultDetect(), folder.File("tarvel.cfg"), 15000);
  ASSERT_TRUE(sheet.Create());
  ASSERT_TRUE(platform::ProcessEventsUntil([] { return theApp.m_nModemPort >= 0; }, 10000));
  EXPECT_EQ(theApp.m_nModemPort, 2);
  sheet.SetActivePage(1);
  EXPECT_EQ(sheet.m_pgList.GetDlgItemText(tarvel_res::IDC_MODEM_PORT), "COM3");

  sheet.m_pgList.GetListBox(tarvel_res::IDC_REGION_LIST)->UserClick(0);
  sheet.m_pgList.GetListBox(tarvel_res::IDC_COUNTRY_LIST)->UserDoubleClick(0);  // Aland, modem code 3
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text, "Modem successfully reset \nfor Aland.");
  EXPECT_EQ(modem.StoredCountry(), "0A");
  EXPECT_EQ(sheet.m_pgList.GetDlgItemText(tarvel_res::IDC_CURRENT_COUNTRY), "Aland");
  sheet.DestroyWindow();
  platform::ProcessEvents(0);
}

}  // namespace
}  // namespace tarvel_ui_test
