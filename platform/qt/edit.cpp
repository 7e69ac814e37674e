#include "platform/edit.h"

#include <QLineEdit>

#include "native_control.h"
#include "text.h"

namespace platform {

void Edit::SetSel(int start, int end) {
  auto* edit = native_->As<QLineEdit>();
  if (edit == nullptr) return;
  int length = static_cast<int>(edit->text().size());
  if (start == -1) {  // -1 removes the selection
    edit->deselect();
    return;
  }
  if (end < 0 || end > length) end = length;
  start = std::clamp(start, 0, length);
  if (start > end) std::swap(start, end);
  edit->setSelection(start, end - start);
}

void Edit::ReplaceSel(const std::string& text) {
  auto* edit = native_->As<QLineEdit>();
  if (edit == nullptr) return;
  NativeControl::Quiet quiet(native_);
  QString current = edit->text();
  int start = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
  int end = edit->hasSelectedText() ? edit->selectionEnd() : start;
  QString insert = ToQString(text);
  edit->setText(current.left(start) + insert + current.mid(end));
  edit->setCursorPosition(start + static_cast<int>(insert.size()));
}

std::string Edit::GetText() const { return GetWindowText(); }

int Edit::GetSelStart() const {
  auto* edit = native_->As<QLineEdit>();
  if (edit == nullptr) return -1;
  return edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
}

int Edit::GetSelEnd() const {
  auto* edit = native_->As<QLineEdit>();
  if (edit == nullptr) return -1;
  return edit->hasSelectedText() ? edit->selectionEnd() : edit->cursorPosition();
}

}  // namespace platform
