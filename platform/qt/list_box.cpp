#include "platform/list_box.h"

#include <QApplication>
#include <QListWidget>
#include <QMouseEvent>

#include "native_control.h"
#include "sorted_insert.h"
#include "text.h"

namespace platform {
namespace {

// The item keeps the program's own bytes, so GetText gives back what was added.
constexpr int kBytesRole = Qt::UserRole + 1;

QListWidgetItem* MakeItem(const std::string& text) {
  auto* item = new QListWidgetItem(ToQString(text));
  item->setData(kBytesRole, QByteArray(text.data(), static_cast<qsizetype>(text.size())));
  return item;
}

std::string ItemBytes(const QListWidgetItem* item) {
  QByteArray bytes = item->data(kBytesRole).toByteArray();
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

void SendMouse(QWidget* target, QEvent::Type type, QPoint at) {
  Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
  QMouseEvent event(type, at, target->mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
  QApplication::sendEvent(target, &event);
}

// Brings the item into view and gives the point a click on it lands on.
bool ItemCentre(QListWidget* list, int index, QPoint* at) {
  if (list == nullptr || index < 0 || index >= list->count()) return false;
  list->doItemsLayout();  // also for a list on a page that is not shown
  list->scrollToItem(list->item(index));
  *at = list->visualItemRect(list->item(index)).center();
  return true;
}

}  // namespace

int ListBox::AddString(const std::string& text) {
  auto* list = native_->As<QListWidget>();
  if (list == nullptr) return LB_ERR;
  NativeControl::Quiet quiet(native_);
  int index = list->count();
  if (native_->HasStyle(LBS_SORT)) {
    index = SortedPosition(list->count(), [list](int i) { return ItemBytes(list->item(i)); }, text);
  }
  list->insertItem(index, MakeItem(text));
  return index;
}

int ListBox::InsertString(int index, const std::string& text) {
  auto* list = native_->As<QListWidget>();
  if (list == nullptr || index < -1 || index > list->count()) return LB_ERR;
  NativeControl::Quiet quiet(native_);
  if (index == -1) index = list->count();
  list->insertItem(index, MakeItem(text));
  return index;
}

int ListBox::DeleteString(int index) {
  auto* list = native_->As<QListWidget>();
  if (list == nullptr || index < 0 || index >= list->count()) return LB_ERR;
  NativeControl::Quiet quiet(native_);
  delete list->takeItem(index);
  return list->count();
}

void ListBox::ResetContent() {
  auto* list = native_->As<QListWidget>();
  if (list == nullptr) return;
  NativeControl::Quiet quiet(native_);
  list->clear();
}

int ListBox::SetCurSel(int index) {
  auto* list = native_->As<QListWidget>();
  if (list == nullptr) return LB_ERR;
  NativeControl::Quiet quiet(native_);
  if (index == -1) {
    list->clearSelection();
    list->setCurrentRow(-1);
    return LB_ERR;
  }
  if (index < 0 || index >= list->count()) return LB_ERR;
  list->setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
  list->scrollToItem(list->item(index));
  return index;
}

int ListBox::GetCurSel() const {
  auto* list = native_->As<QListWidget>();
  if (list == nullptr) return LB_ERR;
  QList<QListWidgetItem*> selected = list->selectedItems();
  return selected.isEmpty() ? LB_ERR : list->row(selected.first());
}

int ListBox::GetCount() const {
  auto* list = native_->As<QListWidget>();
  return list == nullptr ? LB_ERR : list->count();
}

std::string ListBox::GetText(int index) const {
  auto* list = native_->As<QListWidget>();
  if (list == nullptr || index < 0 || index >= list->count()) return "";
  return ItemBytes(list->item(index));
}

int ListBox::GetTopIndex() const {
  auto* list = native_->As<QListWidget>();
  if (list == nullptr || list->count() == 0) return LB_ERR;
  QListWidgetItem* top = list->itemAt(QPoint(1, 1));
  return top ? list->row(top) : 0;
}

// The user's clicks arrive as real mouse events on the list, so that they take
// the same way through the toolkit as on screen.
void ListBox::UserClick(int index) {
  auto* list = native_->As<QListWidget>();
  QPoint at;
  if (!ItemCentre(list, index, &at)) return;
  SendMouse(list->viewport(), QEvent::MouseButtonPress, at);
  SendMouse(list->viewport(), QEvent::MouseButtonRelease, at);
}

void ListBox::UserDoubleClick(int index) {
  auto* list = native_->As<QListWidget>();
  QPoint at;
  if (!ItemCentre(list, index, &at)) return;
  SendMouse(list->viewport(), QEvent::MouseButtonPress, at);
  SendMouse(list->viewport(), QEvent::MouseButtonRelease, at);
  SendMouse(list->viewport(), QEvent::MouseButtonDblClick, at);
  SendMouse(list->viewport(), QEvent::MouseButtonRelease, at);
}

}  // namespace platform
