#include "temporary_folder.h"

#include <stdlib.h>

#include <cerrno>
#include <cstdlib>
#include <stdexcept>
#include <system_error>
#include <vector>

namespace fennick::testing {

std::string MakeTemporaryFolder(const std::string& prefix) {
  const char* base = std::getenv("TMPDIR");
  std::string pattern = std::string(base && *base ? base : "/tmp") + "/" + prefix + "-XXXXXX";
  std::vector<char> buffer(pattern.begin(), pattern.end());
  buffer.push_back('\0');
  if (mkdtemp(buffer.data()) == nullptr) {
    throw std::runtime_error("cannot create a folder " + pattern + ": " + std::generic_category().message(errno));
  }
  return buffer.data();
}

}  // namespace fennick::testing
