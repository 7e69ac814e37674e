#include "dialog_units.h"

#include <QFontMetrics>

namespace platform {
namespace {

// Rounded a * b / c, as the desktop platform's MulDiv does.
int MulDiv(int a, int b, int c) {
  long long p = static_cast<long long>(a) * b;
  return static_cast<int>(p >= 0 ? (p + c / 2) / c : (p - c / 2) / c);
}

}  // namespace

DialogUnits::DialogUnits(const QFont& font) {
  QFontMetrics metrics(font);
  int letters = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  baseWidth_ = std::max(1, (letters / 26 + 1) / 2);
  baseHeight_ = std::max(1, metrics.height());
}

int DialogUnits::X(int du) const { return MulDiv(du, baseWidth_, 4); }

int DialogUnits::Y(int du) const { return MulDiv(du, baseHeight_, 8); }

QRect DialogUnits::Rect(int x, int y, int cx, int cy) const {
  return QRect(X(x), Y(y), X(cx), Y(cy));
}

}  // namespace platform
