#include "dialog_units.h"

#include <algorithm>

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
  // The classic dialog faces carry internal leading of about a fifth of their
  // em, which the stand-in faces leave out of their height: without it every
  // page would come out shorter than the layouts were made for.
  const int withLeading = font.pixelSize() > 0 ? (font.pixelSize() * 6 + 4) / 5 : 0;
  baseHeight_ = std::max({1, metrics.height(), withLeading});
}

int DialogUnits::X(int du) const { return MulDiv(du, baseWidth_, 4); }

int DialogUnits::Y(int du) const { return MulDiv(du, baseHeight_, 8); }

QRect DialogUnits::Rect(int x, int y, int cx, int cy) const {
  return QRect(X(x), Y(y), X(cx), Y(cy));
}

}  // namespace platform
