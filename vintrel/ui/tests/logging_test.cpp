#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "log/eventlog.h"
#include "res/resource.h"
#include "uitestsupport.h"

namespace {

using Texts = std::vector<std::string>;

class LoggingTest : public SheetTest {
 protected:
  logging& Page() { return Sheet().LoggingPage(); }
  void ShowLogging() {
    if (!sheet) OpenSheet();
    Sheet().SetActivePage(2);
  }
  void Tick() { Page().OnTimer(logging::kTimerId); }
  platform::Button& Check(int id) { return *Page().GetButton(id); }
  static void Append(int from, int count) {
    for (int i = from; i < from + count; ++i) EventLog.Append(("line " + std::to_string(i)).c_str());
  }
  // "line <last>" down to "line <first>".
  static Texts NewestFirst(int first, int last) {
    Texts texts;
    for (int i = last; i >= first; --i) texts.push_back("line " + std::to_string(i));
    return texts;
  }
};

TEST_F(LoggingTest, FirstActivationSendsTheStartMaskAndShowsApiAndQ931Checked) {
  OpenSheet();
  TakeRequests();
  ShowLogging();
  EXPECT_EQ(TakeRequests(), (Texts{"ac170102 5"}));
  EXPECT_EQ(Check(IDC_FILTER_API).GetCheck(), platform::BST_CHECKED);
  EXPECT_EQ(Check(IDC_FILTER_Q931).GetCheck(), platform::BST_CHECKED);
  EXPECT_EQ(Check(IDC_FILTER_Q921).GetCheck(), platform::BST_UNCHECKED);
  EXPECT_EQ(Check(IDC_FILTER_PHYSICAL).GetCheck(), platform::BST_UNCHECKED);
  EXPECT_EQ(Page().TimerPeriod(logging::kTimerId), 1000u);
}

TEST_F(LoggingTest, FilterClicksSendTheWholeMaskAndApiCarriesBit400) {
  ShowLogging();
  TakeRequests();
  Check(IDC_FILTER_API).UserClick();
  Check(IDC_FILTER_API).UserClick();
  Check(IDC_FILTER_PHYSICAL).UserClick();
  Check(IDC_FILTER_Q931).UserClick();
  Check(IDC_FILTER_Q921).UserClick();
  EXPECT_EQ(TakeRequests(), (Texts{"ac170102 4", "ac170102 405", "ac170102 445", "ac170102 441", "ac170102 451"}));

  // The mask lasts across deactivation and is sent again on return.
  Sheet().SetActivePage(0);
  Sheet().SetActivePage(2);
  EXPECT_EQ(TakeRequests(), (Texts{"ac170102 451"}));
  EXPECT_EQ(Check(IDC_FILTER_Q931).GetCheck(), platform::BST_UNCHECKED);
  EXPECT_EQ(Check(IDC_FILTER_Q921).GetCheck(), platform::BST_CHECKED);
}

TEST_F(LoggingTest, ActivationShowsTheStoreNewestFirstAndTicksAddOnlyNewLines) {
  Append(1, 3);
  ShowLogging();
  EXPECT_EQ(ListTexts(), NewestFirst(1, 3));
  Tick();
  EXPECT_EQ(ListTexts(), NewestFirst(1, 3));
  Append(4, 2);
  Tick();
  EXPECT_EQ(ListTexts(), NewestFirst(1, 5));

  // Lines appended while another page is shown appear at the next activation.
  Sheet().SetActivePage(1);
  EXPECT_FALSE(Page().HasTimer(logging::kTimerId));
  Append(6, 1);
  Sheet().SetActivePage(2);
  EXPECT_EQ(ListTexts(), NewestFirst(1, 6));
  Tick();
  EXPECT_EQ(ListTexts(), NewestFirst(1, 6));
}

TEST_F(LoggingTest, ListTrimsAtItsBottomOnceItReaches999) {
  struct Case {
    int stored, added;
    int expectedCount;
  };
  const Case cases[] = {{997, 1, 998}, {998, 1, 998}, {999, 2, 999}, {1005, 3, 999}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.stored) + " + " + std::to_string(c.added));
    ResetProgramState();
    Append(1, c.stored);
    ShowLogging();
    const int before = Page().GetListBox(IDC_EVENT_LIST)->GetCount();
    Append(c.stored + 1, c.added);
    Tick();
    const Texts list = ListTexts();
    ASSERT_EQ(static_cast<int>(list.size()), c.expectedCount);
    const int newest = c.stored + c.added;
    EXPECT_EQ(list.front(), "line " + std::to_string(newest));
    // The bottom keeps the oldest lines that were shown, less one per line added when trimming.
    const int oldestShown = newest - before - c.added + 1;
    const int dropped = before + c.added - c.expectedCount;
    EXPECT_EQ(list.back(), "line " + std::to_string(oldestShown + dropped));
    CloseSheet();
  }
}

TEST_F(LoggingTest, FrozenListStaysAndUnfreezingShowsEveryLineOnce) {
  Append(1, 2);
  ShowLogging();
  Check(IDC_FREEZE).UserClick();
  EXPECT_EQ(Check(IDC_FREEZE).GetCheck(), platform::BST_CHECKED);
  Append(3, 4);
  for (int i = 0; i < 3; ++i) Tick();
  EXPECT_EQ(ListTexts(), NewestFirst(1, 2));

  // Frozen across a visit to another page: rebuilt on activation, then still.
  Sheet().SetActivePage(0);
  Sheet().SetActivePage(2);
  EXPECT_EQ(ListTexts(), NewestFirst(1, 6));
  Append(7, 1);
  Tick();
  EXPECT_EQ(ListTexts(), NewestFirst(1, 6));

  Check(IDC_FREEZE).UserClick();
  EXPECT_EQ(ListTexts(), NewestFirst(1, 7));
  Tick();
  EXPECT_EQ(ListTexts(), NewestFirst(1, 7));
  Append(8, 1);
  Tick();
  EXPECT_EQ(ListTexts(), NewestFirst(1, 8));
}

TEST_F(LoggingTest, ClearWhileFrozenEmptiesLogAndListAndStaysFrozen) {
  Append(1, 3);
  ShowLogging();
  Check(IDC_FREEZE).UserClick();
  Page().GetButton(IDC_CLEAR)->UserClick();
  EXPECT_TRUE(ListTexts().empty());
  EXPECT_TRUE(StoredTexts().empty());
  EXPECT_TRUE(LoggingState.frozen);
  EXPECT_EQ(Check(IDC_FREEZE).GetCheck(), platform::BST_CHECKED);

  Append(4, 2);
  Tick();
  EXPECT_TRUE(ListTexts().empty());
  Check(IDC_FREEZE).UserClick();
  EXPECT_EQ(ListTexts(), NewestFirst(4, 5));
}

}  // namespace
