// The toolkit side of a control: its widget while the page's window exists,
// and the notifications it raises on its page.
#pragma once

#include <QPointer>
#include <QWidget>

#include "platform/dialog_template.h"

namespace platform {

class PropertyPage;
class AnimationPlayer;
class DialogUnits;

class NativeControl {
 public:
  NativeControl(PropertyPage* page, const ControlTemplate& control) : page_(page), template_(control) {}

  const ControlTemplate& Template() const { return template_; }
  bool HasStyle(unsigned style) const { return (template_.style & style) != 0; }

  // Makes the widget inside the page's widget and wires its notifications.
  QWidget* Create(QWidget* pageWidget, const DialogUnits& units);
  // The widget while the page's window exists, else nullptr.
  QWidget* Widget() const;
  template <class W> W* As() const { return qobject_cast<W*>(Widget()); }

  AnimationPlayer* Player() const;
  long lastError = 0;

  // Raises a notification on the page, unless the change is programmatic.
  void Notify(int notification);

  // Marks the changes made while it lives as programmatic.
  class Quiet {
   public:
    explicit Quiet(NativeControl* control) : control_(control) { ++control_->quiet_; }
    ~Quiet() { --control_->quiet_; }
    Quiet(const Quiet&) = delete;
    Quiet& operator=(const Quiet&) = delete;

   private:
    NativeControl* control_;
  };

  // List boxes: whether the current mouse press has already raised a
  // selection change.
  bool pressNotified = false;

 private:
  void WireListBox(QWidget* widget);

  PropertyPage* page_;
  ControlTemplate template_;
  QPointer<QWidget> widget_;
  int quiet_ = 0;
};

}  // namespace platform
