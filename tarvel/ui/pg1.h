// The Map page: the map view above, and below it the "Selection" strip with the
// "   Globe   " button and the region and country drop-down lists. It mirrors
// theApp's selection and passes the user's choices to it.
#pragma once

#include <string>

#include <platform/property_page.h>
#include <selectionpage.h>

class CVMap;

class CPg1 : public platform::PropertyPage, public SelectionPage {
 public:
  // Pixels kept free below the map view for the "Selection" strip (more when
  // the dialog font places the strip higher).
  static constexpr int kSelectionStripHeight = 55;

  CPg1();

  bool OnInitDialog() override;
  bool OnApply() override;
  void OnCommand(int controlId, int notification) override;

  // SelectionPage.
  void OnRegionChanged(int r) override;
  void SetCountrySel(int c) override;
  void SetCurrentSelection(const std::string& name) override;

  // The map view while the page's window exists, else nullptr.
  CVMap* MapView() const;

 private:
  void OnSelchangeRegion();
  void OnSelchangeCountry();
  void OnGlobe();
  void FillCountryCombo();

  platform::ComboBox* m_pRegionCombo = nullptr;
  platform::ComboBox* m_pCountryCombo = nullptr;
  // Owned by its own window; valid while the page's window exists.
  CVMap* m_pMapView = nullptr;
};
