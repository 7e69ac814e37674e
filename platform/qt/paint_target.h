// What a DeviceContext draws on: a painter on a custom window's backing store.
#pragma once

#include <QPainter>
#include <QRect>

namespace platform {

class CustomWindow;

class PaintTarget {
 public:
  PaintTarget(QPainter* painter, const CustomWindow* owner, QRect clip, bool duringPaint)
      : painter(painter), owner(owner), clip(clip), duringPaint(duringPaint) {}

  QPainter* painter;
  const CustomWindow* owner;
  QRect clip;
  bool duringPaint;
};

}  // namespace platform
