#include "platform/dynlib.h"

#include <dlfcn.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <string>

namespace platform {
namespace {

std::string ExecutableFolder() {
  char path[4096];
  const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path - 1);
  if (length <= 0) return {};
  std::string folder(path, static_cast<size_t>(length));
  const size_t slash = folder.rfind('/');
  return slash == std::string::npos ? std::string() : folder.substr(0, slash);
}

// "TAPI32.DLL" -> "libtapi32.so"; other names stay as they are.
std::string SharedObjectName(const std::string& name) {
  std::string lower = name;
  std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
  const std::string suffix = ".dll";
  if (lower.size() <= suffix.size() || lower.compare(lower.size() - suffix.size(), suffix.size(), suffix) != 0)
    return name;
  return "lib" + lower.substr(0, lower.size() - suffix.size()) + ".so";
}

}  // namespace

LibraryHandle LoadLibrary(const char* name) {
  if (name == nullptr || *name == '\0') return nullptr;
  const std::string soname = SharedObjectName(name);
  if (soname.find('/') == std::string::npos) {
    const std::string folder = ExecutableFolder();
    if (!folder.empty()) {
      const std::string beside = folder + "/" + soname;
      if (::access(beside.c_str(), F_OK) == 0) {
        if (void* handle = ::dlopen(beside.c_str(), RTLD_NOW | RTLD_LOCAL)) return handle;
      }
    }
  }
  return ::dlopen(soname.c_str(), RTLD_NOW | RTLD_LOCAL);
}

void* GetProcAddress(LibraryHandle library, const char* name) {
  if (library == nullptr || name == nullptr) return nullptr;
  return ::dlsym(library, name);
}

}  // namespace platform
