// The registry the programs read: keys under the local-machine root, opened by
// path, their subkeys enumerated and their values read. Results are the
// platform's codes (systemerror.h). Thread-safe.
//
// The tree is read once, at the first call, from the file named by the
// environment variable PLATFORM_REGISTRY, or else from
// $XDG_CONFIG_HOME/vintrel/registry.reg (~/.config/vintrel/registry.reg when
// XDG_CONFIG_HOME is not set). A missing file is an empty registry; a file that
// cannot be read is reported on stderr and is an empty registry as well.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/registrytree.h"

namespace platform {

using RegistryKey = std::uintptr_t;  // 0 = no key

// Opens `path` (backslash-separated, case-insensitive) under
// HKEY_LOCAL_MACHINE; an empty path opens the root itself. 0, or 2 when a key
// on the path is missing.
long RegOpenKey(const char* path, RegistryKey* key);

// The name of subkey number `index` (from 0) into `name`, which holds `size`
// bytes with the zero. 259 past the last subkey, 234 when the name does not
// fit (nothing stored), 6 for a key that is not open.
long RegEnumKey(RegistryKey key, unsigned index, char* name, std::size_t size);

// Reads the value `name` (nullptr or "": the default value). `*size` is the
// limit on entry and the number of bytes stored on return. A value larger than
// the limit gives 234, stores nothing and sets `*size` to the size it needs.
// 2 when the value is missing, 6 for a key that is not open. `type` and `data`
// may be nullptr (nothing stored there).
long RegQueryValueEx(RegistryKey key, const char* name, std::uint32_t* type, void* data, std::uint32_t* size);

// 0, or 6 for a key that is not open.
long RegCloseKey(RegistryKey key);

// How many keys are open now, to check that callers close what they open.
std::size_t OpenRegistryKeyCount();

// The registry's file as the platform finds it (see above).
std::string RegistryFilePath();

// Installs `tree` as the registry the program reads (nullptr: read the file
// again at the next call) and returns the one it replaces. Keys that are open
// keep reading the tree they were opened in.
std::shared_ptr<const RegistryTree> SetRegistry(std::shared_ptr<const RegistryTree> tree);

// Installs a tree for its own lifetime, then puts back the one before.
class ScopedRegistry {
 public:
  explicit ScopedRegistry(std::shared_ptr<const RegistryTree> tree) : previous_(SetRegistry(std::move(tree))) {}
  ~ScopedRegistry() { SetRegistry(std::move(previous_)); }
  ScopedRegistry(const ScopedRegistry&) = delete;
  ScopedRegistry& operator=(const ScopedRegistry&) = delete;

 private:
  std::shared_ptr<const RegistryTree> previous_;
};

}  // namespace platform
