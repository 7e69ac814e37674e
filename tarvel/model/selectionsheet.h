// The running property sheet as the selection model sees it: its two pages and
// the Map page's modified flag, which enables the sheet's Apply button.
#pragma once

#include "selectionpage.h"

class SelectionSheet {
 public:
  virtual ~SelectionSheet() = default;
  virtual SelectionPage& MapPage() = 0;
  virtual SelectionPage& ListPage() = 0;
  virtual void SetMapModified(bool modified) = 0;
};
