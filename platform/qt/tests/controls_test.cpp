#include <gtest/gtest.h>

#include "test_pages.h"

namespace platform::test {
namespace {

class ControlsTest : public testing::Test {
 protected:
  ControlsTest() : page("A", &log), sheet(&log) {
    sheet.AddPage(&page);
    sheet.Create();
    log.clear();
  }
  Log Commands() const {
    Log commands;
    for (const std::string& entry : log) {
      if (entry.starts_with("A.OnCommand")) commands.push_back(entry.substr(2));
    }
    return commands;
  }
  static std::string Command(int id, int code) {
    return "OnCommand " + std::to_string(id) + " " + std::to_string(code);
  }
  Log log;
  LoggingPage page;
  LoggingSheet sheet;
};

TEST_F(ControlsTest, ProgrammaticChangesRaiseNoNotification) {
  ListBox* list = page.GetListBox(kList);
  ComboBox* combo = page.GetComboBox(kCombo);
  Button* check = page.GetButton(kCheck);
  for (const char* name : {"Africa", "Asia", "Europe"}) {
    list->AddString(name);
    combo->AddString(name);
  }
  list->SetCurSel(1);
  list->InsertString(0, "Globe");
  list->DeleteString(0);
  list->SetCurSel(-1);
  list->ResetContent();
  combo->SetCurSel(2);
  combo->SetCurSel(-1);
  combo->ResetContent();
  check->SetCheck(BST_CHECKED);
  page.GetButton(kFreeze)->SetCheck(BST_CHECKED);
  page.GetEdit(kEdit)->ReplaceSel("x");
  page.SetDlgItemText(kLabel, "COM1");
  EXPECT_TRUE(Commands().empty());
}

TEST_F(ControlsTest, UserActionsRaiseTheirNotifications) {
  ListBox* list = page.GetListBox(kList);
  for (const char* name : {"Africa", "Asia", "Europe"}) list->AddString(name);
  page.GetComboBox(kCombo)->AddString("Europe");
  std::vector<int> selectionSeen;  // what a handler reads: the new selection
  page.onCommand = [&](int id, int) {
    if (id == kList) selectionSeen.push_back(list->GetCurSel());
    if (id == kCombo) selectionSeen.push_back(page.GetComboBox(kCombo)->GetCurSel());
  };

  list->UserClick(1);
  list->UserClick(1);  // the item already selected still reports a selection change
  page.GetComboBox(kCombo)->UserSelect(0);
  page.GetComboBox(kCombo)->UserSelect(0);  // picking the entry on display reports too
  page.GetButton(kButton)->UserClick();
  EXPECT_EQ(Commands(), (Log{Command(kList, LBN_SELCHANGE), Command(kList, LBN_SELCHANGE),
                             Command(kCombo, CBN_SELCHANGE), Command(kCombo, CBN_SELCHANGE),
                             Command(kButton, BN_CLICKED)}));
  EXPECT_EQ(selectionSeen, (std::vector<int>{1, 1, 0, 0}));

  log.clear();
  selectionSeen.clear();
  list->UserDoubleClick(2);
  EXPECT_EQ(Commands(), (Log{Command(kList, LBN_SELCHANGE), Command(kList, LBN_DBLCLK)}));
  EXPECT_EQ(selectionSeen, (std::vector<int>{2, 2}));
}

TEST_F(ControlsTest, HandlerSeesTheNewStateOfAClickedCheckBox) {
  Button* check = page.GetButton(kCheck);
  Button* freeze = page.GetButton(kFreeze);
  std::vector<int> seen;
  page.onCommand = [&](int id, int) { seen.push_back(page.GetButton(id)->GetState() & 0x3); };
  check->UserClick();
  freeze->UserClick();
  freeze->UserClick();
  EXPECT_EQ(seen, (std::vector<int>{BST_CHECKED, BST_CHECKED, BST_UNCHECKED}));
  EXPECT_EQ(check->GetCheck(), BST_CHECKED);
  check->SetCheck(BST_UNCHECKED);
  EXPECT_EQ(check->GetCheck(), BST_UNCHECKED);
}

TEST_F(ControlsTest, ListBoxOperations) {
  ListBox* list = page.GetListBox(kList);
  EXPECT_EQ(list->AddString("b"), 0);
  EXPECT_EQ(list->AddString("a"), 1);  // unsorted: appended
  EXPECT_EQ(list->InsertString(0, "top"), 0);
  EXPECT_EQ(list->InsertString(-1, "end"), 3);
  EXPECT_EQ(list->InsertString(9, "x"), LB_ERR);
  EXPECT_EQ(list->GetText(0), "top");
  EXPECT_EQ(list->GetText(3), "end");
  EXPECT_EQ(list->GetText(4), "");
  EXPECT_EQ(list->DeleteString(3), 3);
  EXPECT_EQ(list->DeleteString(3), LB_ERR);
  EXPECT_EQ(list->GetCurSel(), LB_ERR);
  EXPECT_EQ(list->SetCurSel(2), 2);
  EXPECT_EQ(list->SetCurSel(7), LB_ERR);
  EXPECT_EQ(list->SetCurSel(-1), LB_ERR);
  EXPECT_EQ(list->GetCurSel(), LB_ERR);
  list->ResetContent();
  EXPECT_EQ(list->GetCount(), 0);

  // Sorted lists ignore letter case and put equal names after the first.
  ListBox* sorted = page.GetListBox(kSortedList);
  for (const char* name : {"europe", "Asia", "africa", "Europe"}) sorted->AddString(name);
  std::vector<std::string> order;
  for (int i = 0; i < sorted->GetCount(); ++i) order.push_back(sorted->GetText(i));
  EXPECT_EQ(order, (std::vector<std::string>{"africa", "Asia", "europe", "Europe"}));
}

TEST_F(ControlsTest, ComboBoxShowsNoSelectionUntilOneIsMade) {
  ComboBox* combo = page.GetComboBox(kCombo);
  EXPECT_EQ(combo->AddString("Spain"), 0);
  EXPECT_EQ(combo->AddString("Austria"), 0);  // sorted style
  EXPECT_EQ(combo->GetCurSel(), CB_ERR);
  EXPECT_EQ(combo->SetCurSel(1), 1);
  EXPECT_EQ(combo->GetText(1), "Spain");
  combo->AddString("Belgium");
  EXPECT_EQ(combo->GetText(combo->GetCurSel()), "Spain");  // the selection follows its entry
  combo->ResetContent();
  EXPECT_EQ(combo->GetCount(), 0);
  EXPECT_EQ(combo->GetCurSel(), CB_ERR);
}

TEST_F(ControlsTest, EightBitTextComesBackAsItWasGiven) {
  const std::string latin1 = "C\xf4te d'Ivoire";  // not UTF-8
  page.GetListBox(kList)->AddString(latin1);
  page.GetComboBox(kCombo)->AddString(latin1);
  EXPECT_EQ(page.GetListBox(kList)->GetText(0), latin1);
  EXPECT_EQ(page.GetComboBox(kCombo)->GetText(0), latin1);
}

TEST_F(ControlsTest, EditReplacesTheSelectionOrKeepsItsText) {
  Edit* edit = page.GetEdit(kEdit);
  edit->SetSel(0, -1);
  edit->ReplaceSel("Inactive");
  edit->SetSel(0, -1);
  edit->ReplaceSel("UP Multipoint");
  EXPECT_EQ(edit->GetText(), "UP Multipoint");
  edit->SetSel(0, -1);  // selected but not rewritten: the text stays, all selected
  EXPECT_EQ(edit->GetText(), "UP Multipoint");
  EXPECT_EQ(edit->GetSelStart(), 0);
  EXPECT_EQ(edit->GetSelEnd(), 13);
  edit->SetSel(3, 13);
  edit->ReplaceSel("");
  EXPECT_EQ(edit->GetText(), "UP ");
}

TEST_F(ControlsTest, LookupsByIdCheckTheKind) {
  EXPECT_NE(page.GetListBox(kList), nullptr);
  EXPECT_EQ(page.GetComboBox(kList), nullptr);
  EXPECT_EQ(page.GetButton(kLabel), nullptr);
  EXPECT_EQ(page.GetDlgItem(4242), nullptr);
  EXPECT_EQ(page.GetDlgItemText(kLabel), "Country:");
}

TEST_F(ControlsTest, DialogUnitsFollowTheFont) {
  // A sans-serif face of about 8 points: the page is some 400 x 350 pixels,
  // and a control 4 dialog units further right sits one average character on.
  Rect client = page.GetClientRect();
  EXPECT_GT(client.Width(), 300);
  EXPECT_LT(client.Width(), 600);
  EXPECT_GT(client.Height(), 280);
  EXPECT_LT(client.Height(), 500);
  Rect list = page.GetListBox(kList)->GetRect();
  Rect sorted = page.GetListBox(kSortedList)->GetRect();
  EXPECT_NEAR(sorted.left - list.left, client.Width() * 110 / 270, 2);
  EXPECT_EQ(list.Width(), sorted.Width());
  // The sheet leaves room for the page.
  Rect frame = sheet.GetClientRect();
  EXPECT_GE(frame.Width(), client.Width());
  EXPECT_GT(frame.Height(), client.Height());
}

}  // namespace
}  // namespace platform::test
