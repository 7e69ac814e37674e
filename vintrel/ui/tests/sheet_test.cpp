#include <gtest/gtest.h>

#include "numcolors.h"
#include "uitestsupport.h"

namespace {

using Texts = std::vector<std::string>;

TEST_F(SheetTest, OpensWithDiagnosticsStatisticsLoggingAndDiagnosticsActive) {
  OpenSheet();
  EXPECT_EQ(Sheet().GetCaption(), "Diagnostic and Status Tool");
  ASSERT_EQ(Sheet().GetPageCount(), 3);
  Texts tabs;
  for (int i = 0; i < 3; ++i) tabs.push_back(Sheet().GetPage(i)->GetCaption());
  EXPECT_EQ(tabs, (Texts{"Diagnostics", "Statistics", "Logging"}));
  EXPECT_EQ(Sheet().GetActivePage(), &Sheet().DiagnosticsPage());
  // Diagnostics turns OK into Close and takes Cancel away.
  EXPECT_EQ(Sheet().GetButtonText(platform::ID_SHEET_OK), "Close");
  EXPECT_FALSE(Sheet().IsButtonEnabled(platform::ID_SHEET_CANCEL));
  EXPECT_EQ(NumColors, -1);  // the offscreen screen has true colour
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(SheetTest, ClosingTurnsTheLogOffThenReportingThenClosesBothLines) {
  OpenSheet();
  Sheet().SetActivePage(2);
  fake.journal.clear();
  CloseSheet();
  EXPECT_EQ(fake.journal, (Texts{"devspecific 256 0 0 ac170102 0 8", "devspecific 256 0 0 ac170101 0 8",
                                 "close 256", "close 257"}));
}

TEST_F(SheetTest, HelpShowsTheProgramsHelpWithoutAnyBox) {
  OpenSheet();
  Sheet().PressButton(platform::ID_SHEET_HELP);
  EXPECT_TRUE(Sheet().HelpWindowShown());
  EXPECT_TRUE(boxes.shown.empty());
}

}  // namespace
