// Screenshots of a window (a sheet, a page, a custom-drawn window) to a PNG
// file; works on the offscreen platform too.
#pragma once

#include <string>

#include "platform/window.h"

namespace platform {

// False when the window does not exist or the file cannot be written.
bool SaveScreenshot(const Window& window, const std::string& pngPath);

}  // namespace platform
