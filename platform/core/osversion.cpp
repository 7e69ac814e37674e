#include "platform/osversion.h"

#include <cstdint>

#include "platform/registry.h"
#include "platform/registrytree.h"
#include "platform/systemerror.h"

namespace platform {

OsVersion GetVersion() {
  OsVersion version;
  RegistryKey key = 0;
  if (RegOpenKey("SOFTWARE\\Platform\\Version", &key) != ERROR_SUCCESS) return version;

  unsigned char major[4] = {};
  std::uint32_t size = sizeof major;
  std::uint32_t type = REG_NONE;
  if (RegQueryValueEx(key, "Major", &type, major, &size) == ERROR_SUCCESS && type == REG_DWORD && size == 4)
    version.major = static_cast<unsigned>(major[0] | major[1] << 8 | major[2] << 16 | major[3] << 24);

  char family[8] = {};
  size = sizeof family - 1;
  if (RegQueryValueEx(key, "Family", &type, family, &size) == ERROR_SUCCESS && type == REG_SZ) {
    if (RegistryNamesEqual(family, "NT")) version.ntFamily = true;
    if (RegistryNamesEqual(family, "95")) version.ntFamily = false;
  }
  RegCloseKey(key);
  return version;
}

}  // namespace platform
