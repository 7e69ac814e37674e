#include "ui_font.h"

#include <QStringList>
#include <cmath>

namespace platform {
namespace {

struct FontMapping {
  const char* windowsName;
  const char* family;
};
// Faces of the old desktop and what stands in for them.
constexpr FontMapping kFontMappings[] = {
    {"MS Sans Serif", "sans-serif"},
    {"MS Shell Dlg", "sans-serif"},
    {"Helv", "sans-serif"},
    {"System", "sans-serif"},
};

const QStringList& SansFamilies() {
  static const QStringList families = {"Liberation Sans", "Arimo", "Nimbus Sans", "Arial", "Helvetica",
                                       "DejaVu Sans", "sans-serif"};
  return families;
}

QFont SansFont(int pixelSize) {
  QFont font;
  font.setFamilies(SansFamilies());
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(pixelSize);
  return font;
}

}  // namespace

QFont DialogFont(const std::string& name, int pointSize) {
  // Points at 96 dpi, so that layouts do not depend on the screen's density.
  int pixels = std::max(1, static_cast<int>(std::lround(pointSize * 96.0 / 72.0)));
  for (const FontMapping& m : kFontMappings) {
    if (name == m.windowsName) return SansFont(pixels);
  }
  QFont font(QString::fromStdString(name));
  font.setPixelSize(pixels);
  return font;
}

// 10 pixels keeps a label within the 15-pixel-high box that hover labels are
// erased with, like the variable-pitch system font it replaces.
QFont UiFont() { return SansFont(10); }

}  // namespace platform
