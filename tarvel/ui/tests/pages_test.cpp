// The Map page and the List page in an open sheet on the small world: the
// lists follow theApp's selection from either page and from the map, and OK
// and Apply program through both pages.
#include <gtest/gtest.h>

#include <algorithm>

#include <platform/application.h>
#include <tarvelapp.h>
#include <tarveltexts.h>

#include "uitestsupport.h"

namespace tarvel_ui_test {
namespace {

using platform::DrawEvent;

std::vector<std::string> Items(platform::ComboBox& box) {
  std::vector<std::string> out;
  for (int i = 0; i < box.GetCount(); ++i) out.push_back(box.GetText(i));
  return out;
}
std::vector<std::string> Items(platform::ListBox& box) {
  std::vector<std::string> out;
  for (int i = 0; i < box.GetCount(); ++i) out.push_back(box.GetText(i));
  return out;
}

const std::vector<std::string> kRegions{"Arvonia", "Belmar"};
// In database order: position p is item p + 1.
const std::vector<std::string> kRegion1Countries{"Aland", "Borduria", "Abrovia"};

TEST(TarvelSheetTest, OpensOnTheGlobeWithNothingChosen) {
  OpenSheet open;
  EXPECT_EQ(open.sheet->GetCaption(), "Ostrane");
  ASSERT_EQ(open.sheet->GetPageCount(), 2);
  EXPECT_EQ(open.sheet->GetPage(0)->GetCaption(), "Map");
  EXPECT_EQ(open.sheet->GetPage(1)->GetCaption(), "List");
  EXPECT_EQ(open.sheet->GetActiveIndex(), 0);
  EXPECT_EQ(CTarvelApp::GetSheet(), open.sheet.get());

  EXPECT_EQ(Items(open.RegionCombo()), kRegions);
  EXPECT_EQ(open.RegionCombo().GetCurSel(), platform::CB_ERR);
  EXPECT_EQ(open.CountryCombo().GetCount(), 0);
  EXPECT_FALSE(open.sheet->IsButtonEnabled(platform::ID_APPLY_NOW));

  {
    DrawLog log(open.View());
    open.View().InvalidateAll(true);
    open.View().UpdateWindow();
    auto bitmaps = log.Of(DrawEvent::Bitmap);
    ASSERT_EQ(bitmaps.size(), 1u);
    EXPECT_EQ(bitmaps[0].resourceId, 129);
    EXPECT_EQ(bitmaps[0].rect, (platform::Rect{0, 0, 402, 306}));  // unscaled at the top-left
  }

  // The view spans the page's width, leaves at least 55 pixels for the strip
  // and ends where the "Selection" group begins, if that is higher.
  const platform::Rect page = open.sheet->m_pgMap.GetClientRect();
  const platform::Rect view = open.View().GetWindowRect();
  const platform::Point viewTopLeft = open.sheet->m_pgMap.ScreenToClient({view.left, view.top});
  const int stripTop = open.sheet->m_pgMap.GetDlgItem(tarvel_res::IDC_SELECTION_GROUP)->GetRect().top;
  EXPECT_EQ(viewTopLeft, (platform::Point{0, 0}));
  EXPECT_EQ(view.Width(), page.Width());
  EXPECT_EQ(view.Height(), std::min(page.Height() - CPg1::kSelectionStripHeight, stripTop));

  open.sheet.reset();
  EXPECT_EQ(CTarvelApp::GetSheet(), nullptr);
}

TEST(TarvelSheetTest, GlobeOnTheGlobeChangesNothing) {
  OpenSheet open;
  DrawLog log(open.View());
  open.sheet->m_pgMap.GetButton(tarvel_res::IDC_GLOBE)->UserClick();
  EXPECT_EQ(theApp.CurrentRegion(), 0);
  EXPECT_EQ(open.RegionCombo().GetCurSel(), platform::CB_ERR);
  EXPECT_TRUE(log.Of(DrawEvent::Invalidated).empty());
}

TEST(TarvelSheetTest, GlobeAfterARegionKeepsTheRegionShownEmptiesTheCountriesAndDrawsTheGlobe) {
  OpenSheet open;
  open.RegionCombo().UserSelect(1);
  open.CountryList();  // both pages shown
  open.ShowMapPage();
  ASSERT_EQ(theApp.CurrentRegion(), 2);
  DrawLog log(open.View());
  open.sheet->m_pgMap.GetButton(tarvel_res::IDC_GLOBE)->UserClick();
  EXPECT_EQ(theApp.CurrentRegion(), 0);
  EXPECT_EQ(open.RegionCombo().GetCurSel(), 1);
  EXPECT_EQ(open.CountryCombo().GetCount(), 0);
  EXPECT_EQ(open.RegionList().GetCurSel(), 1);
  EXPECT_EQ(open.CountryList().GetCount(), 0);
  open.ShowMapPage();
  open.View().UpdateWindow();
  auto bitmaps = log.Of(DrawEvent::Bitmap);
  ASSERT_FALSE(bitmaps.empty());
  EXPECT_EQ(bitmaps.back().resourceId, 129);

  // The region still on display can be picked again to go back to it.
  open.RegionCombo().UserSelect(1);
  EXPECT_EQ(theApp.CurrentRegion(), 2);
}

// A region chosen on either page (or on the map) refills both pages' country
// lists in database order with nothing selected, and drops a pending country.
TEST(TarvelSheetTest, ARegionChosenAnywhereRefillsBothCountryListsWithNothingSelected) {
  enum class From { MapCombo, ListBox, Map };
  for (From from : {From::MapCombo, From::ListBox, From::Map}) {
    OpenSheet open;
    open.RegionList();  // the List page exists
    theApp.SelectRegion(2);
    theApp.SelectCountry(1);
    ASSERT_TRUE(open.sheet->IsButtonEnabled(platform::ID_APPLY_NOW));
    switch (from) {
      case From::MapCombo:
        open.ShowMapPage();
        open.RegionCombo().UserSelect(0);
        break;
      case From::ListBox:
        open.RegionList().UserClick(0);
        break;
      case From::Map:
        open.ShowMapPage();
        theApp.SelectRegion(0);
        open.View().SimulateClick(kGlobeArvonia.x, kGlobeArvonia.y);
        break;
    }
    const int how = static_cast<int>(from);
    ASSERT_EQ(theApp.CurrentRegion(), 1) << how;
    EXPECT_EQ(Items(open.CountryCombo()), kRegion1Countries) << how;
    EXPECT_EQ(open.CountryCombo().GetCurSel(), platform::CB_ERR) << how;
    EXPECT_EQ(open.RegionCombo().GetCurSel(), 0) << how;
    EXPECT_EQ(Items(open.CountryList()), kRegion1Countries) << how;
    EXPECT_EQ(open.CountryList().GetCurSel(), platform::LB_ERR) << how;
    EXPECT_EQ(open.RegionList().GetCurSel(), 0) << how;
    EXPECT_FALSE(open.sheet->IsButtonEnabled(platform::ID_APPLY_NOW)) << how;
  }
}

TEST(TarvelSheetTest, ACountryChosenOnOnePageIsSelectedOnTheOther) {
  OpenSheet open;
  open.RegionCombo().UserSelect(0);
  open.CountryCombo().UserSelect(2);
  EXPECT_EQ(theApp.CurrentCountry(), 3);
  EXPECT_EQ(open.CountryList().GetCurSel(), 2);  // opened after the choice
  open.CountryList().UserClick(1);
  EXPECT_EQ(theApp.CurrentCountry(), 2);
  EXPECT_EQ(open.CountryCombo().GetCurSel(), 1);
  EXPECT_TRUE(open.sheet->IsButtonEnabled(platform::ID_APPLY_NOW));
}

TEST(TarvelSheetTest, ChoosingTheProgrammedCountryAgainLeavesApplyDisabled) {
  OpenSheet open;
  open.RegionCombo().UserSelect(0);
  open.CountryList().UserDoubleClick(1);  // programs Borduria
  ASSERT_EQ(FakeModemLibrary::calls.size(), 1u);
  open.ShowMapPage();
  open.CountryCombo().UserSelect(1);
  EXPECT_FALSE(open.sheet->IsButtonEnabled(platform::ID_APPLY_NOW));
  EXPECT_FALSE(theApp.m_bPending);
}

TEST(TarvelSheetTest, DoubleClickInTheCountryListSelectsAndProgramsAndShowsTheName) {
  OpenSheet open;
  open.RegionList().UserClick(0);
  open.CountryList().UserDoubleClick(1);
  EXPECT_EQ(theApp.CurrentCountry(), 2);
  ASSERT_EQ(FakeModemLibrary::calls.size(), 1u);
  EXPECT_EQ(FakeModemLibrary::calls[0].codes[0], 22);
  EXPECT_EQ(FakeModemLibrary::calls[0].flag, 0);
  EXPECT_EQ(open.CurrentSelectionLabel(), "Borduria");
  EXPECT_EQ(open.CountryCombo().GetCurSel(), 1);
  EXPECT_FALSE(open.sheet->IsButtonEnabled(platform::ID_APPLY_NOW));
}

TEST(TarvelSheetTest, TheListPageShowsTheCountryProgrammedBeforeItWasOpened) {
  OpenSheet open;
  open.RegionCombo().UserSelect(0);
  open.View().SimulateDoubleClick(kAbrovia.x, kAbrovia.y);
  ASSERT_EQ(FakeModemLibrary::calls.size(), 1u);
  open.ShowListPage();
  EXPECT_EQ(open.CurrentSelectionLabel(), "Abrovia");
  EXPECT_EQ(open.CountryList().GetCurSel(), 2);
  EXPECT_EQ(open.RegionList().GetCurSel(), 0);
}

// OK and Apply run the Map page's Apply, then the List page's: a success is
// programmed once; after a failure the List page tries once more.
TEST(TarvelSheetTest, OkAndApplyWithBothPagesProgramOnceOnSuccessAndTwiceOnFailure) {
  struct Case {
    int button;
    int result;
    std::size_t calls;
    std::vector<std::string> boxes;
    bool stillOpen;
  };
  const std::string ok = "Modem successfully reset \nfor Aland.";
  const std::string failed = tarvel_text::kResetFailed;
  const Case cases[] = {
      {platform::ID_APPLY_NOW, 0, 1, {ok}, true},
      {platform::ID_APPLY_NOW, -1, 2, {failed, failed}, true},
      {platform::ID_SHEET_OK, 0, 1, {ok}, false},
      {platform::ID_SHEET_OK, -1, 2, {failed, failed}, false},
  };
  for (const Case& c : cases) {
    OpenSheet open;
    open.RegionList().UserClick(0);
    open.CountryList().UserClick(0);
    FakeModemLibrary::result = c.result;
    open.sheet->PressButton(c.button);
    EXPECT_EQ(FakeModemLibrary::calls.size(), c.calls) << c.button << " " << c.result;
    EXPECT_EQ(open.BoxTexts(), c.boxes) << c.button << " " << c.result;
    EXPECT_EQ(open.sheet->Exists(), c.stillOpen) << c.button << " " << c.result;
    EXPECT_EQ(theApp.m_bPending, c.result == -1);
    if (c.stillOpen) {
      // Apply stays lit while the choice is still pending.
      EXPECT_EQ(open.sheet->IsButtonEnabled(platform::ID_APPLY_NOW), c.result == -1) << c.result;
    }
  }
}

TEST(TarvelSheetTest, ApplyWithOnlyTheMapPageShownProgramsOnce) {
  OpenSheet open;
  open.RegionCombo().UserSelect(0);
  open.CountryCombo().UserSelect(0);
  FakeModemLibrary::result = -1;
  open.sheet->PressButton(platform::ID_APPLY_NOW);
  EXPECT_EQ(FakeModemLibrary::calls.size(), 1u);
}

TEST(TarvelSheetTest, HelpThatCannotBeShownSaysSoUnderTheProgramsCaption) {
  OpenSheet open;  // this test program embeds no help page
  open.sheet->PressButton(platform::ID_SHEET_HELP);
  ASSERT_EQ(open.boxes.shown.size(), 1u);
  EXPECT_EQ(open.boxes.shown[0].text, "Failed to launch help.");
  EXPECT_EQ(open.boxes.shown[0].caption, "Ostrane");
}

}  // namespace
}  // namespace tarvel_ui_test
