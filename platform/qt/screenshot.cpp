#include "platform/screenshot.h"

#include <QPixmap>
#include <QWidget>

#include "text.h"
#include "window_host.h"

namespace platform {

bool SaveScreenshot(const Window& window, const std::string& pngPath) {
  WindowHost* host = WindowHost::Of(&window);
  if (host == nullptr) return false;
  window.Host()->UpdateNow();
  QPixmap picture = host->Widget()->grab();
  return !picture.isNull() && picture.save(ToQString(pngPath), "PNG");
}

}  // namespace platform
