#include "platform/screen.h"

#include <QGuiApplication>
#include <QScreen>

namespace platform {

int GetScreenColorCount() {
  const QScreen* screen = QGuiApplication::instance() != nullptr ? QGuiApplication::primaryScreen() : nullptr;
  if (screen == nullptr) return -1;
  const int depth = screen->depth();
  return depth > 0 && depth <= 8 ? 1 << depth : -1;
}

}  // namespace platform
