#include "port_config.h"

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <system_error>

namespace fennick {
namespace {

std::string_view Trim(std::string_view s) {
  const auto first = s.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  const auto last = s.find_last_not_of(" \t\r");
  return s.substr(first, last - first + 1);
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

// Port index for a key "COM1".."COM4" (any case), or -1.
int PortFromKey(std::string_view key) {
  for (int port = 0; port < PortConfig::kPortCount; ++port) {
    if (EqualsIgnoringCase(key, PortConfig::PortName(port))) return port;
  }
  return -1;
}

}  // namespace

PortConfig::PortConfig() {
  for (int port = 0; port < kPortCount; ++port) paths_[port] = "/dev/ttyS" + std::to_string(port);
}

std::string PortConfig::PortName(int port) { return "COM" + std::to_string(port + 1); }

const std::string& PortConfig::DevicePath(int port) const { return paths_.at(static_cast<std::size_t>(port)); }

PortConfig PortConfig::Parse(std::string_view text, std::string_view source, std::vector<std::string>& problems) {
  PortConfig config;
  int lineNumber = 0;
  while (!text.empty()) {
    const auto end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    ++lineNumber;

    if (const auto hash = line.find('#'); hash != std::string_view::npos) line = line.substr(0, hash);
    line = Trim(line);
    if (line.empty()) continue;

    const auto problem = [&](const std::string& what) {
      problems.push_back(std::string(source) + ":" + std::to_string(lineNumber) + ": " + what);
    };
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) {
      problem("expected COMn=/dev/node, found \"" + std::string(line) + "\"");
      continue;
    }
    const std::string_view key = Trim(line.substr(0, equals));
    const std::string_view value = Trim(line.substr(equals + 1));
    const int port = PortFromKey(key);
    if (port < 0) {
      problem("unknown port \"" + std::string(key) + "\" (COM1 to COM4)");
      continue;
    }
    if (value.empty() || EqualsIgnoringCase(value, "none")) {
      config.paths_[port].clear();
    } else if (value.front() != '/') {
      problem("device of " + PortName(port) + " must be an absolute path, found \"" + std::string(value) + "\"");
    } else {
      config.paths_[port] = std::string(value);
    }
  }
  return config;
}

PortConfig PortConfig::Load(std::vector<std::string>& problems) {
  const char* named = std::getenv(kEnvironmentVariable);
  const bool fromEnvironment = named != nullptr && *named != '\0';
  const std::string path = fromEnvironment ? named : kDefaultPath;

  std::ifstream file(path, std::ios::binary);
  if (!file) {
    const int error = errno;
    if (fromEnvironment || error != ENOENT) {
      problems.push_back(path + ": " + std::generic_category().message(error) + "; using /dev/ttyS0 to /dev/ttyS3");
    }
    return PortConfig{};
  }
  std::ostringstream text;
  text << file.rdbuf();
  return Parse(text.str(), path, problems);
}

}  // namespace fennick
