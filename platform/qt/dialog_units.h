// Dialog units to pixels, with the classic base units of a font: the average
// width of the letters A-Z and a-z, and the character height. One horizontal
// dialog unit is a quarter of the average width, one vertical unit an eighth
// of the height.
#pragma once

#include <QFont>
#include <QRect>

namespace platform {

class DialogUnits {
 public:
  explicit DialogUnits(const QFont& font);

  int BaseWidth() const { return baseWidth_; }
  int BaseHeight() const { return baseHeight_; }
  int X(int du) const;
  int Y(int du) const;
  QRect Rect(int x, int y, int cx, int cy) const;

 private:
  int baseWidth_;
  int baseHeight_;
};

}  // namespace platform
