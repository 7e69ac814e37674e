#include "pg1.h"

#include <algorithm>

#include <dialogtemplates.h>
#include <tarvelapp.h>

#include "namelists.h"
#include "vmap.h"

CPg1::CPg1() : platform::PropertyPage(tarvel_res::MapPageTemplate()) {}

bool CPg1::OnInitDialog() {
  platform::PropertyPage::OnInitDialog();

  // The view spans the page's width from its top edge down to the strip: 55
  // pixels above the page's bottom, and never over the "Selection" group,
  // which sits higher when the dialog font is larger.
  platform::Rect screen = GetWindowRect();
  screen.bottom -= kSelectionStripHeight;
  const platform::Point topLeft = ScreenToClient({screen.left, screen.top});
  platform::Point bottomRight = ScreenToClient({screen.right, screen.bottom});
  if (const platform::Control* strip = GetDlgItem(tarvel_res::IDC_SELECTION_GROUP))
    bottomRight.y = std::min(bottomRight.y, strip->GetRect().top);
  m_pMapView = new CVMap;
  if (!m_pMapView->Create(*this, {topLeft.x, topLeft.y, bottomRight.x, bottomRight.y})) {
    delete m_pMapView;
    m_pMapView = nullptr;
  }

  m_pRegionCombo = GetComboBox(tarvel_res::IDC_REGION_COMBO);
  m_pCountryCombo = GetComboBox(tarvel_res::IDC_COUNTRY_COMBO);
  tarvel_ui::FillNames(*m_pRegionCombo, [](int i) { return theApp.RegionName(i); });
  const int r = theApp.CurrentRegion();
  if (r > 0) m_pRegionCombo->SetCurSel(r - 1);
  FillCountryCombo();
  return true;
}

CVMap* CPg1::MapView() const { return Exists() ? m_pMapView : nullptr; }

void CPg1::FillCountryCombo() {
  tarvel_ui::FillNames(*m_pCountryCombo, [](int i) { return theApp.CountryName(i); });
  const int c = theApp.CurrentCountry();
  if (c > 0) m_pCountryCombo->SetCurSel(c - 1);
}

bool CPg1::OnApply() {
  theApp.ProgramModem();
  return platform::PropertyPage::OnApply();
}

void CPg1::OnCommand(int controlId, int notification) {
  if (controlId == tarvel_res::IDC_REGION_COMBO && notification == platform::CBN_SELCHANGE) {
    OnSelchangeRegion();
  } else if (controlId == tarvel_res::IDC_COUNTRY_COMBO && notification == platform::CBN_SELCHANGE) {
    OnSelchangeCountry();
  } else if (controlId == tarvel_res::IDC_GLOBE && notification == platform::BN_CLICKED) {
    OnGlobe();
  }
}

void CPg1::OnSelchangeRegion() {
  const int position = m_pRegionCombo->GetCurSel();
  if (position >= 0) theApp.SelectRegion(position + 1);
}

void CPg1::OnSelchangeCountry() {
  const int position = m_pCountryCombo->GetCurSel();
  if (position >= 0) theApp.SelectCountry(position + 1);
}

void CPg1::OnGlobe() { theApp.SelectRegion(0); }

void CPg1::OnRegionChanged(int r) {
  if (!Exists()) return;
  if (r > 0) m_pRegionCombo->SetCurSel(r - 1);
  FillCountryCombo();
  if (m_pMapView != nullptr) m_pMapView->ClearHover();
  InvalidateAll(true);
}

void CPg1::SetCountrySel(int c) {
  if (Exists() && c > 0) m_pCountryCombo->SetCurSel(c - 1);
}

void CPg1::SetCurrentSelection(const std::string&) {}
