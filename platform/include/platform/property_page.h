// A page of a property sheet, built from a dialog template. The page's window
// is created when its tab is first opened (OnInitDialog, then OnSetActive) and
// lives until the sheet closes.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/animation.h"
#include "platform/button.h"
#include "platform/combo_box.h"
#include "platform/dialog_template.h"
#include "platform/edit.h"
#include "platform/list_box.h"
#include "platform/static_text.h"
#include "platform/window.h"

namespace platform {

class PropertySheet;

class PropertyPage : public Window {
 public:
  explicit PropertyPage(const DialogTemplate& dialog);
  ~PropertyPage() override;

  const DialogTemplate& Template() const { return template_; }
  std::string GetCaption() const { return template_.caption; }

  // Controls by ID; nullptr when the template has no control of that ID or
  // kind. The objects stay valid for the page object's life.
  Control* GetDlgItem(int id) const;
  ListBox* GetListBox(int id) const;
  ComboBox* GetComboBox(int id) const;
  Edit* GetEdit(int id) const;
  Button* GetButton(int id) const;
  StaticText* GetStatic(int id) const;
  Animation* GetAnimation(int id) const;
  void SetDlgItemText(int id, const std::string& text);
  std::string GetDlgItemText(int id) const;

  // Marks the page changed; the sheet enables Apply while any page is.
  void SetModified(bool changed = true);
  bool IsModified() const { return modified_; }

  PropertySheet* GetSheet() const { return sheet_; }

  // Framework hooks.
  virtual bool OnInitDialog();  // after the controls exist; returns TRUE
  virtual bool OnSetActive();   // the page is shown; true
  virtual bool OnKillActive();  // the page is left; false keeps it shown
  virtual bool OnApply();       // OK or Apply; the default calls OnOK, true
  virtual void OnOK();
  virtual void OnCancel();
  // A user action on a control (BN_CLICKED, LBN_SELCHANGE, ...).
  virtual void OnCommand(int controlId, int notification);

  // Toolkit side.
  void AttachToSheet(PropertySheet* sheet) { sheet_ = sheet; }
  const std::vector<std::unique_ptr<Control>>& Controls() const { return controls_; }

 private:
  template <class T> T* Typed(int id, ControlKind a, ControlKind b) const;

  DialogTemplate template_;
  std::vector<std::unique_ptr<Control>> controls_;  // in template order
  std::map<int, Control*> byId_;
  PropertySheet* sheet_ = nullptr;
  bool modified_ = false;
};

}  // namespace platform
