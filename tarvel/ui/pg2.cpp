#include "pg2.h"

#include <cstdio>

#include <dialogtemplates.h>
#include <tarvelapp.h>

#include "namelists.h"

namespace {

struct PortSearchText {
  CPg2::PortSearch state;
  const char* text;
};
// The label never shows a port that does not exist.
constexpr PortSearchText kPortSearchTexts[] = {
    {CPg2::PortSearch::Searching, "Searching..."},
    {CPg2::PortSearch::NotFound, "Not found"},
};

}  // namespace

CPg2::CPg2() : platform::PropertyPage(tarvel_res::ListPageTemplate()) {}

std::string CPg2::PortLabel(PortSearch state, int port) {
  if (state == PortSearch::Found && port >= 0) {
    char text[16];
    std::snprintf(text, sizeof text, "COM%d", port + 1);
    return text;
  }
  for (const PortSearchText& entry : kPortSearchTexts) {
    if (entry.state == state) return entry.text;
  }
  return kPortSearchTexts[1].text;  // Found, yet no port: treated as none
}

bool CPg2::OnInitDialog() {
  platform::PropertyPage::OnInitDialog();
  m_pRegionList = GetListBox(tarvel_res::IDC_REGION_LIST);
  m_pCountryList = GetListBox(tarvel_res::IDC_COUNTRY_LIST);
  tarvel_ui::FillNames(*m_pRegionList, [](int i) { return theApp.RegionName(i); });
  const int r = theApp.CurrentRegion();
  if (r > 0) m_pRegionList->SetCurSel(r - 1);
  ShowPort();
  // The country programmed before the tab was first opened.
  if (theApp.m_nProgRegion > 0 && theApp.m_nProgCountry > 0 &&
      theApp.m_nProgRegion < CTarvelApp::REGION_COUNT && theApp.m_nProgCountry < CTarvelApp::MAX_ITEMS) {
    SetDlgItemText(tarvel_res::IDC_CURRENT_COUNTRY, theApp.m_items[theApp.m_nProgRegion][theApp.m_nProgCountry].name);
  }
  FillCountryList();
  return true;
}

void CPg2::FillCountryList() {
  tarvel_ui::FillNames(*m_pCountryList, [](int i) { return theApp.CountryName(i); });
  const int c = theApp.CurrentCountry();
  if (c > 0) m_pCountryList->SetCurSel(c - 1);
}

void CPg2::ShowPort() {
  if (m_pRegionList != nullptr)
    SetDlgItemText(tarvel_res::IDC_MODEM_PORT, PortLabel(m_portSearch, theApp.m_nModemPort));
}

void CPg2::SetPortSearch(PortSearch state) {
  m_portSearch = state;
  ShowPort();
}

bool CPg2::OnApply() {
  theApp.ProgramModem();
  return platform::PropertyPage::OnApply();  // runs OnOK
}

void CPg2::OnOK() { theApp.SyncListSelection(); }

void CPg2::OnCommand(int controlId, int notification) {
  if (controlId == tarvel_res::IDC_REGION_LIST && notification == platform::LBN_SELCHANGE) {
    OnSelchangeRegionList();
  } else if (controlId == tarvel_res::IDC_COUNTRY_LIST && notification == platform::LBN_SELCHANGE) {
    OnSelchangeCountryList();
  } else if (controlId == tarvel_res::IDC_COUNTRY_LIST && notification == platform::LBN_DBLCLK) {
    OnDblclkCountryList();
  }
}

void CPg2::OnSelchangeRegionList() {
  const int position = m_pRegionList->GetCurSel();
  if (position < 0) return;
  theApp.SelectRegion(position + 1);
  FillCountryList();
}

void CPg2::OnSelchangeCountryList() {
  const int position = m_pCountryList->GetCurSel();
  if (position >= 0) theApp.SelectCountry(position + 1);
}

void CPg2::OnDblclkCountryList() { theApp.ProgramModem(); }

void CPg2::OnRegionChanged(int r) {
  if (m_pRegionList == nullptr) return;
  if (r > 0) m_pRegionList->SetCurSel(r - 1);
  FillCountryList();
}

void CPg2::SetCountrySel(int c) {
  if (m_pCountryList != nullptr && c != 0) m_pCountryList->SetCurSel(c - 1);
}

void CPg2::SetCurrentSelection(const std::string& name) {
  if (m_pRegionList != nullptr) SetDlgItemText(tarvel_res::IDC_CURRENT_COUNTRY, name);
}
