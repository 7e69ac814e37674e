#include "native_control.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "animation_player.h"
#include "descendants.h"
#include "dialog_units.h"
#include "platform/control.h"
#include "platform/property_page.h"
#include "text.h"

namespace platform {
namespace {

using Factory = QWidget* (*)(const ControlTemplate&, QWidget* parent);

QWidget* MakeListBox(const ControlTemplate& t, QWidget* parent) {
  auto* list = new QListWidget(parent);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setVerticalScrollBarPolicy((t.style & WS_VSCROLL) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
  list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  list->setUniformItemSizes(true);
  return list;
}

QWidget* MakeDropDownList(const ControlTemplate&, QWidget* parent) {
  auto* combo = new QComboBox(parent);
  combo->setEditable(false);
  combo->setMaxVisibleItems(12);
  return combo;
}

QWidget* MakeReadOnlyEdit(const ControlTemplate&, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setReadOnly(true);
  return edit;
}

QWidget* MakeCheckBox(const ControlTemplate& t, QWidget* parent) { return new QCheckBox(ToQString(t.text), parent); }

QWidget* MakePushLikeCheckBox(const ControlTemplate& t, QWidget* parent) {
  auto* button = new QPushButton(ToQString(t.text), parent);
  button->setCheckable(true);
  button->setAutoDefault(false);
  return button;
}

QWidget* MakePushButton(const ControlTemplate& t, QWidget* parent) {
  auto* button = new QPushButton(ToQString(t.text), parent);
  button->setAutoDefault(false);
  return button;
}

QWidget* MakeStaticText(const ControlTemplate& t, QWidget* parent) {
  auto* label = new QLabel(ToQString(t.text), parent);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return label;
}

QWidget* MakeGroupBox(const ControlTemplate& t, QWidget* parent) {
  auto* group = new QGroupBox(ToQString(t.text), parent);
  group->setAttribute(Qt::WA_TransparentForMouseEvents);
  return group;
}

QWidget* MakeAnimation(const ControlTemplate& t, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setAlignment((t.style & ACS_CENTER) ? Qt::AlignCenter : (Qt::AlignLeft | Qt::AlignTop));
  new AnimationPlayer(label);
  return label;
}

struct KindInfo {
  ControlKind kind;
  Factory make;
};
constexpr KindInfo kKinds[] = {
    {ControlKind::ListBox, MakeListBox},
    {ControlKind::DropDownList, MakeDropDownList},
    {ControlKind::ReadOnlyEdit, MakeReadOnlyEdit},
    {ControlKind::CheckBox, MakeCheckBox},
    {ControlKind::PushLikeCheckBox, MakePushLikeCheckBox},
    {ControlKind::PushButton, MakePushButton},
    {ControlKind::StaticText, MakeStaticText},
    {ControlKind::GroupBox, MakeGroupBox},
    {ControlKind::Animation, MakeAnimation},
};

// Tells a list box's control when a mouse press starts, so that a click on the
// item already selected still reports a selection change, as list boxes do.
class PressWatch : public QObject {
 public:
  PressWatch(NativeControl* control, QObject* parent) : QObject(parent), control_(control) {}
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonPress) control_->pressNotified = false;
    return false;
  }

 private:
  NativeControl* control_;
};

}  // namespace

QWidget* NativeControl::Create(QWidget* pageWidget, const DialogUnits& units) {
  QWidget* widget = nullptr;
  for (const KindInfo& k : kKinds) {
    if (k.kind == template_.kind) widget = k.make(template_, pageWidget);
  }
  const ControlTemplate& t = template_;
  QRect rect = units.Rect(t.x, t.y, t.cx, t.cy);
  if (t.kind == ControlKind::DropDownList) {
    // The template's height is the height with the list open; the closed box
    // is as high as its font needs.
    rect.setHeight(std::min(rect.height(), widget->sizeHint().height()));
  }
  if (t.kind == ControlKind::StaticText && rect.height() < 2 * widget->fontMetrics().lineSpacing()) {
    // A one-line label was laid out for a narrower face than the one that
    // stands in for it here: keep it on its line and let it run past its
    // rectangle rather than wrap into a second line that nobody sees.
    auto* label = static_cast<QLabel*>(widget);
    label->setWordWrap(false);
    rect.setWidth(std::max(rect.width(), label->fontMetrics().horizontalAdvance(label->text()) + 1));
  }
  widget->setGeometry(rect);
  widget->setFocusPolicy((t.style & WS_TABSTOP) || t.kind == ControlKind::ListBox ? Qt::StrongFocus : Qt::NoFocus);
  if (t.kind == ControlKind::GroupBox) widget->lower();
  widget_ = widget;

  if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    QObject::connect(button, &QAbstractButton::clicked, [this] { Notify(BN_CLICKED); });
  } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
    // A pick from the list reports a selection change even when it picks the
    // entry already shown, so a user can always choose the entry on display.
    QObject::connect(combo, &QComboBox::activated, [this] { Notify(CBN_SELCHANGE); });
  } else if (t.kind == ControlKind::ListBox) {
    WireListBox(widget);
  }
  widget->show();
  return widget;
}

void NativeControl::WireListBox(QWidget* widget) {
  auto* list = static_cast<QListWidget*>(widget);
  if (!HasStyle(LBS_NOTIFY)) return;
  list->viewport()->installEventFilter(new PressWatch(this, list));
  // After the selection has moved (currentRowChanged comes before it), so that
  // the page reads the new selection in its handler.
  QObject::connect(list, &QListWidget::itemSelectionChanged, [this] {
    pressNotified = true;
    Notify(LBN_SELCHANGE);
  });
  QObject::connect(list, &QListWidget::pressed, [this](const QModelIndex& index) {
    if (!pressNotified && index.isValid()) Notify(LBN_SELCHANGE);
    pressNotified = true;
  });
  QObject::connect(list, &QListWidget::itemDoubleClicked, [this] { Notify(LBN_DBLCLK); });
}

QWidget* NativeControl::Widget() const { return page_ != nullptr && page_->Exists() ? widget_.data() : nullptr; }

AnimationPlayer* NativeControl::Player() const {
  QWidget* widget = Widget();
  if (widget == nullptr) return nullptr;
  std::vector<AnimationPlayer*> players = Descendants<AnimationPlayer>(widget, true);
  return players.empty() ? nullptr : players.front();
}

void NativeControl::Notify(int notification) {
  if (quiet_ == 0 && page_ != nullptr && page_->Exists()) page_->OnCommand(template_.id, notification);
}

}  // namespace platform
