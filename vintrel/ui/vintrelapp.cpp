#include "vintrelapp.h"

#include "propsht.h"

bool CVintrelApp::InitInstance() {
  propsht sheet(propsht::kCaption, 0);
  sheet.DoModal();
  return false;
}
