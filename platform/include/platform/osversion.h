// The operating system version the programs see.
#pragma once

namespace platform {

struct OsVersion {
  unsigned major = 5;
  bool ntFamily = true;  // false: the 95 family
};

// Read from the registry key HKEY_LOCAL_MACHINE\SOFTWARE\Platform\Version:
// "Major" (a dword) and "Family" ("NT" or "95", any case). What is missing or
// not understood keeps the default: NT family, major version 5.
OsVersion GetVersion();

}  // namespace platform
