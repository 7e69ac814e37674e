// What the selection model calls on a page of the running sheet to keep it in
// step. The pages implement it; the model never changes a list itself.
#pragma once

#include <string>

class SelectionPage {
 public:
  virtual ~SelectionPage() = default;
  // The current region is now r (0 = overview map): select it and refill the
  // country list.
  virtual void OnRegionChanged(int r) = 0;
  // Show item c as the chosen country (0 = none: leave the list as it is).
  virtual void SetCountrySel(int c) = 0;
  // The country just programmed into the modem.
  virtual void SetCurrentSelection(const std::string& name) = 0;
};
