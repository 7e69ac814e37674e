#include <gtest/gtest.h>

#include "platform/application.h"
#include "platform/queue.h"
#include "test_pages.h"

namespace platform::test {
namespace {

class SheetTest : public testing::Test {
 protected:
  SheetTest() : first("A", &log), second("B", &log), sheet(&log) {
    sheet.AddPage(&first);
    sheet.AddPage(&second);
  }
  Log log;
  LoggingPage first;
  LoggingPage second;
  LoggingSheet sheet;
};

TEST_F(SheetTest, PagesAreCreatedAtFirstActivationAndToldWhenLeft) {
  ASSERT_TRUE(sheet.Create());
  EXPECT_EQ(log, (Log{"Sheet.OnInitDialog", "A.OnInitDialog", "A.OnSetActive"}));
  EXPECT_TRUE(first.Exists());
  EXPECT_FALSE(second.Exists());
  EXPECT_EQ(second.GetListBox(kList)->GetCount(), LB_ERR);  // no window yet: inert

  log.clear();
  EXPECT_TRUE(sheet.SetActivePage(1));
  EXPECT_TRUE(sheet.SetActivePage(0));
  EXPECT_TRUE(sheet.SetActivePage(1));
  EXPECT_EQ(log, (Log{"A.OnKillActive", "B.OnInitDialog", "B.OnSetActive", "B.OnKillActive", "A.OnSetActive",
                      "A.OnKillActive", "B.OnSetActive"}));
  EXPECT_EQ(sheet.GetActiveIndex(), 1);

  second.allowLeave = false;
  EXPECT_FALSE(sheet.SetActivePage(0));
  EXPECT_EQ(sheet.GetActivePage(), &second);
  sheet.DestroyWindow();
  EXPECT_FALSE(first.Exists());
  EXPECT_FALSE(second.Exists());
}

TEST_F(SheetTest, StartPageOtherThanTheFirstIsTheOnlyOneCreated) {
  LoggingSheet other(&log, 1);
  LoggingPage a("A2", &log), b("B2", &log);
  other.AddPage(&a);
  other.AddPage(&b);
  ASSERT_TRUE(other.Create());
  EXPECT_EQ(log, (Log{"Sheet.OnInitDialog", "B2.OnInitDialog", "B2.OnSetActive"}));
  EXPECT_FALSE(a.Exists());
}

TEST_F(SheetTest, ApplyIsEnabledOnlyWhileAPageIsModifiedAndRunsCreatedPagesInOrder) {
  ASSERT_TRUE(sheet.Create());
  sheet.SetActivePage(1);
  EXPECT_FALSE(sheet.IsButtonEnabled(ID_APPLY_NOW));
  first.SetModified(true);
  EXPECT_TRUE(sheet.IsButtonEnabled(ID_APPLY_NOW));
  first.SetModified(false);
  EXPECT_FALSE(sheet.IsButtonEnabled(ID_APPLY_NOW));

  second.SetModified(true);
  log.clear();
  sheet.PressButton(ID_APPLY_NOW);
  EXPECT_EQ(log, (Log{"A.OnApply", "A.OnOK", "B.OnApply", "B.OnOK"}));
  EXPECT_TRUE(sheet.IsButtonEnabled(ID_APPLY_NOW));  // the page keeps its own flag
  EXPECT_TRUE(sheet.Exists());

  second.SetModified(false);
  log.clear();
  sheet.PressButton(ID_APPLY_NOW);  // disabled: nothing happens
  EXPECT_TRUE(log.empty());
}

TEST_F(SheetTest, OkAppliesOnlyCreatedPagesThenEndsTheModalRun) {
  QueueCall([this] {
    log.clear();
    sheet.PressButton(ID_SHEET_OK);
  });
  EXPECT_EQ(sheet.DoModal(), IDOK);
  EXPECT_EQ(log, (Log{"A.OnKillActive", "A.OnApply", "A.OnOK"}));
  EXPECT_FALSE(sheet.Exists());
}

TEST_F(SheetTest, OkWithBothPagesCreatedAppliesThemInPageOrder) {
  QueueCall([this] {
    sheet.SetActivePage(1);
    log.clear();
    sheet.PressButton(ID_SHEET_OK);
  });
  EXPECT_EQ(sheet.DoModal(), IDOK);
  EXPECT_EQ(log, (Log{"B.OnKillActive", "A.OnApply", "A.OnOK", "B.OnApply", "B.OnOK"}));
}

TEST_F(SheetTest, CancelToCloseRenamesOkAndDisablesCancel) {
  ASSERT_TRUE(sheet.Create());
  EXPECT_EQ(sheet.GetButtonText(ID_SHEET_OK), "OK");
  sheet.CancelToClose();
  EXPECT_EQ(sheet.GetButtonText(ID_SHEET_OK), "Close");
  EXPECT_FALSE(sheet.IsButtonEnabled(ID_SHEET_CANCEL));
  sheet.PressButton(ID_SHEET_CANCEL);
  EXPECT_TRUE(sheet.Exists());
  sheet.PressButton(ID_SHEET_OK);
  EXPECT_FALSE(sheet.Exists());
}

TEST_F(SheetTest, CancelTellsCreatedPagesAndReturnsCancel) {
  QueueCall([this] {
    log.clear();
    sheet.PressButton(ID_SHEET_CANCEL);
  });
  EXPECT_EQ(sheet.DoModal(), IDCANCEL);
  EXPECT_EQ(log, (Log{"A.OnCancel"}));
}

// A quit request through the process service ends the modal run, also when
// it comes from a handler, and is taken by that run.
class ForwardingProcess : public ProcessService {
 public:
  void PostQuitMessage(int exitCode) override { RequestQuit(exitCode); }
  void Exit(int) override {}
};

TEST_F(SheetTest, QuitRequestEndsDoModal) {
  ForwardingProcess process;
  ScopedProcessService scoped(&process);
  QueueCall([] { PostQuitMessage(0); });
  EXPECT_EQ(sheet.DoModal(), IDCANCEL);
  EXPECT_FALSE(sheet.Exists());
  EXPECT_FALSE(QuitRequested());
}

TEST_F(SheetTest, ScriptedMessageBoxAnswersInsideAHandler) {
  ScriptedBoxes boxes({IDRETRY});
  ScopedMessageBoxService scoped(&boxes);
  int answer = 0;
  first.onCommand = [&](int, int) { answer = MessageBox("Sorvan Modem not found.", "Ostrane", MB_RETRYCANCEL); };
  ASSERT_TRUE(sheet.Create());
  first.GetButton(kButton)->UserClick();
  EXPECT_EQ(answer, IDRETRY);
  ASSERT_EQ(boxes.asked.size(), 1u);
  EXPECT_EQ(boxes.asked[0].caption, "Ostrane");
  EXPECT_EQ(boxes.asked[0].type, unsigned{MB_RETRYCANCEL});
}

TEST_F(SheetTest, RealMessageBoxIsEndedByAQuitRequestAndQueuedCallsRunMeanwhile) {
  int argc = 1;
  char name[] = "/usr/bin/Vintrel";
  char* argv[] = {name, nullptr};
  Application app(argc, argv);
  EXPECT_EQ(GetAppName(), "Vintrel");
  bool ran = false;
  QueueCall([&] {
    ran = true;
    PostQuitMessage(7);
  });
  EXPECT_EQ(MessageBox("text", "caption", MB_RETRYCANCEL | MB_ICONEXCLAMATION), IDCANCEL);
  EXPECT_TRUE(ran);
  EXPECT_EQ(app.ExitStatus(), 7);
  ClearQuitRequest();
}

TEST_F(SheetTest, IconAndHelpComeFromResources) {
  EXPECT_TRUE(sheet.SetIcon(128));
  EXPECT_FALSE(sheet.SetIcon(999));
  ASSERT_TRUE(sheet.Create());
  sheet.PressButton(ID_SHEET_HELP);
  EXPECT_TRUE(sheet.HelpWindowShown());
}

}  // namespace
}  // namespace platform::test
