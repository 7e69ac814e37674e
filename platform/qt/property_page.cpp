#include "platform/property_page.h"

#include "native_control.h"
#include "platform/property_sheet.h"

namespace platform {
namespace {

std::unique_ptr<Control> MakeControl(NativeControl* native) {
  switch (native->Template().kind) {
    case ControlKind::ListBox:
      return std::make_unique<ListBox>(native);
    case ControlKind::DropDownList:
      return std::make_unique<ComboBox>(native);
    case ControlKind::ReadOnlyEdit:
      return std::make_unique<Edit>(native);
    case ControlKind::CheckBox:
    case ControlKind::PushLikeCheckBox:
    case ControlKind::PushButton:
      return std::make_unique<Button>(native);
    case ControlKind::StaticText:
    case ControlKind::GroupBox:
      return std::make_unique<StaticText>(native);
    case ControlKind::Animation:
      return std::make_unique<Animation>(native);
  }
  return std::make_unique<StaticText>(native);
}

}  // namespace

PropertyPage::PropertyPage(const DialogTemplate& dialog) : template_(dialog) {
  for (const ControlTemplate& control : template_.controls) {
    controls_.push_back(MakeControl(new NativeControl(this, control)));
    byId_.emplace(control.id, controls_.back().get());  // the first of an ID wins
  }
}

PropertyPage::~PropertyPage() {
  if (sheet_ != nullptr) sheet_->ForgetPage(this);
}

Control* PropertyPage::GetDlgItem(int id) const {
  auto it = byId_.find(id);
  return it == byId_.end() ? nullptr : it->second;
}

template <class T>
T* PropertyPage::Typed(int id, ControlKind a, ControlKind b) const {
  Control* control = GetDlgItem(id);
  if (control == nullptr || (control->Kind() != a && control->Kind() != b)) return nullptr;
  return static_cast<T*>(control);
}

ListBox* PropertyPage::GetListBox(int id) const {
  return Typed<ListBox>(id, ControlKind::ListBox, ControlKind::ListBox);
}

ComboBox* PropertyPage::GetComboBox(int id) const {
  return Typed<ComboBox>(id, ControlKind::DropDownList, ControlKind::DropDownList);
}

Edit* PropertyPage::GetEdit(int id) const {
  return Typed<Edit>(id, ControlKind::ReadOnlyEdit, ControlKind::ReadOnlyEdit);
}

Button* PropertyPage::GetButton(int id) const {
  Control* control = GetDlgItem(id);
  if (control == nullptr) return nullptr;
  switch (control->Kind()) {
    case ControlKind::CheckBox:
    case ControlKind::PushLikeCheckBox:
    case ControlKind::PushButton:
      return static_cast<Button*>(control);
    default:
      return nullptr;
  }
}

StaticText* PropertyPage::GetStatic(int id) const {
  return Typed<StaticText>(id, ControlKind::StaticText, ControlKind::GroupBox);
}

Animation* PropertyPage::GetAnimation(int id) const {
  return Typed<Animation>(id, ControlKind::Animation, ControlKind::Animation);
}

void PropertyPage::SetDlgItemText(int id, const std::string& text) {
  if (Control* control = GetDlgItem(id)) control->SetWindowText(text);
}

std::string PropertyPage::GetDlgItemText(int id) const {
  Control* control = GetDlgItem(id);
  return control ? control->GetWindowText() : "";
}

void PropertyPage::SetModified(bool changed) {
  modified_ = changed;
  if (sheet_ != nullptr) sheet_->PageModifiedChanged();
}

bool PropertyPage::OnInitDialog() { return true; }
bool PropertyPage::OnSetActive() { return true; }
bool PropertyPage::OnKillActive() { return true; }

bool PropertyPage::OnApply() {
  OnOK();
  return true;
}

void PropertyPage::OnOK() {}
void PropertyPage::OnCancel() {}
void PropertyPage::OnCommand(int, int) {}

}  // namespace platform
