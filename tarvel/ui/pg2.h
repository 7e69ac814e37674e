// The List page: all regions, the countries of the current region, the
// country last programmed ("Current Selection") and the modem's port
// ("Modem"). Its window exists only once its tab has been opened; until then
// every call from the selection model does nothing.
#pragma once

#include <string>

#include <platform/property_page.h>
#include <selectionpage.h>

class CPg2 : public platform::PropertyPage, public SelectionPage {
 public:
  // Where the search for the modem's port stands.
  enum class PortSearch { Searching, NotFound, Found };

  CPg2();

  bool OnInitDialog() override;
  bool OnApply() override;
  void OnOK() override;
  void OnCommand(int controlId, int notification) override;

  // SelectionPage.
  void OnRegionChanged(int r) override;
  void SetCountrySel(int c) override;
  void SetCurrentSelection(const std::string& name) override;

  // The sheet tells the page how the port search stands; the "Modem" label
  // follows at once when the page's window exists, else when it is created.
  void SetPortSearch(PortSearch state);

  // The "Modem" label's text for a state and theApp's port.
  static std::string PortLabel(PortSearch state, int port);

 private:
  void OnSelchangeRegionList();
  void OnSelchangeCountryList();
  void OnDblclkCountryList();
  void FillCountryList();
  void ShowPort();

  platform::ListBox* m_pRegionList = nullptr;   // set once the window exists
  platform::ListBox* m_pCountryList = nullptr;
  PortSearch m_portSearch = PortSearch::Searching;
};
