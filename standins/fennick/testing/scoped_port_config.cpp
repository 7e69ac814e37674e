#include "fennick/testing/scoped_port_config.h"

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <stdexcept>

#include "temporary_folder.h"

namespace fennick::testing {
namespace {
constexpr const char* kVariable = "FENNICK_CONFIG";
}

ScopedPortConfig::ScopedPortConfig(const std::map<int, std::string>& devices) {
  folder_ = MakeTemporaryFolder("fennick-config");
  path_ = folder_ + "/fennick.conf";
  std::ofstream file(path_);
  file << "# written by a test\n";
  for (int port = 0; port < 4; ++port) {
    const auto it = devices.find(port);
    file << "COM" << port + 1 << "=" << (it == devices.end() ? "none" : it->second) << "\n";
  }
  if (!file) throw std::runtime_error("cannot write " + path_);
  if (const char* old = std::getenv(kVariable)) previous_ = old;
  setenv(kVariable, path_.c_str(), 1);
}

ScopedPortConfig::~ScopedPortConfig() {
  if (previous_) {
    setenv(kVariable, previous_->c_str(), 1);
  } else {
    unsetenv(kVariable);
  }
  ::unlink(path_.c_str());
  ::rmdir(folder_.c_str());
}

}  // namespace fennick::testing
