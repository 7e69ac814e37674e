// The desktop implementations of the user services of platform/services.h.
#pragma once

namespace platform {

void InstallDesktopServices();
void RemoveDesktopServices();

}  // namespace platform
