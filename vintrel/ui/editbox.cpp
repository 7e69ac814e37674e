#include "editbox.h"

void WriteBox(platform::PropertyPage& page, int id, const std::optional<std::string>& text) {
  platform::Edit* box = page.GetEdit(id);
  if (box == nullptr) return;
  box->SetSel(0, -1);
  if (text) box->ReplaceSel(*text);
}
