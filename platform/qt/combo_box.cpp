#include "platform/combo_box.h"

#include <QComboBox>

#include "native_control.h"
#include "sorted_insert.h"
#include "text.h"

namespace platform {
namespace {

// Each entry keeps the program's own bytes, so GetText gives back what was added.
constexpr int kBytesRole = Qt::UserRole + 1;

std::string EntryBytes(const QComboBox* combo, int index) {
  QByteArray bytes = combo->itemData(index, kBytesRole).toByteArray();
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace

int ComboBox::AddString(const std::string& text) {
  auto* combo = native_->As<QComboBox>();
  if (combo == nullptr) return CB_ERR;
  NativeControl::Quiet quiet(native_);
  int index = combo->count();
  if (native_->HasStyle(CBS_SORT)) {
    index = SortedPosition(combo->count(), [combo](int i) { return EntryBytes(combo, i); }, text);
  }
  bool hadSelection = combo->currentIndex() >= 0;
  combo->insertItem(index, ToQString(text));
  combo->setItemData(index, QByteArray(text.data(), static_cast<qsizetype>(text.size())), kBytesRole);
  // The toolkit selects the first entry of an empty box by itself; a combo box
  // of the desktop platform shows no selection until one is made.
  if (!hadSelection) combo->setCurrentIndex(-1);
  return index;
}

void ComboBox::ResetContent() {
  auto* combo = native_->As<QComboBox>();
  if (combo == nullptr) return;
  NativeControl::Quiet quiet(native_);
  combo->clear();
}

int ComboBox::SetCurSel(int index) {
  auto* combo = native_->As<QComboBox>();
  if (combo == nullptr) return CB_ERR;
  NativeControl::Quiet quiet(native_);
  if (index == -1) {
    combo->setCurrentIndex(-1);
    return CB_ERR;
  }
  if (index < 0 || index >= combo->count()) return CB_ERR;
  combo->setCurrentIndex(index);
  return index;
}

int ComboBox::GetCurSel() const {
  auto* combo = native_->As<QComboBox>();
  return combo == nullptr ? CB_ERR : combo->currentIndex();
}

int ComboBox::GetCount() const {
  auto* combo = native_->As<QComboBox>();
  return combo == nullptr ? CB_ERR : combo->count();
}

std::string ComboBox::GetText(int index) const {
  auto* combo = native_->As<QComboBox>();
  if (combo == nullptr || index < 0 || index >= combo->count()) return "";
  return EntryBytes(combo, index);
}

void ComboBox::UserSelect(int index) {
  auto* combo = native_->As<QComboBox>();
  if (combo == nullptr || index < 0 || index >= combo->count()) return;
  // What picking from the open list does: the current entry changes, and the
  // box reports the pick (also of the entry already current).
  combo->setCurrentIndex(index);
  Q_EMIT combo->activated(index);
}

}  // namespace platform
