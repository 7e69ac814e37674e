#include "platform/screen.h"

#include <QGuiApplication>
#include <QScreen>

namespace platform {

int GetScreenColorCount() {
  const QScreen* screen = QGuiApplication::instance() != nullptr ? QGuiApplication::primaryScreen() : nullptr;
  if (screen == nullptr) return -1;
  const int depth = screen->depth();
  if (depth <= 0 || depth > 8) return -1;
  // A palette display reports the colours reserved for the system, not the
  // palette's size: 20 of the 256 entries, all 16 on a 16-colour display.
  return depth == 8 ? 20 : 1 << depth;
}

}  // namespace platform
