// Fonts. The programs were laid out for "MS Sans Serif" 8 pt and the
// variable-pitch system font, which Linux does not have; both map to a plain
// sans-serif face at 11 pixels (8 pt at 96 dpi), preferring faces of Arial's
// metrics so that texts take about the room they were laid out for.
#pragma once

#include <QFont>
#include <string>

namespace platform {

// The font a dialog template names.
QFont DialogFont(const std::string& name, int pointSize);
// The variable-pitch UI font that DeviceContext::TextOut draws with.
QFont UiFont();

}  // namespace platform
