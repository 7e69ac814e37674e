#include "sim_config.h"

#include <fstream>
#include <functional>
#include <map>
#include <sstream>

namespace isdn::sim {
namespace {

std::string Trim(const std::string& text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return "";
  const auto last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

bool ParseNumber(const std::string& text, std::uint32_t low, std::uint32_t high, std::uint32_t& out) {
  if (text.empty()) return false;
  std::size_t used = 0;
  unsigned long long value;
  try {
    value = std::stoull(text, &used, 0);
  } catch (...) {
    return false;
  }
  if (used != text.size() || text[0] == '-' || value < low || value > high) return false;
  out = static_cast<std::uint32_t>(value);
  return true;
}

bool ParseFlag(const std::string& text, bool& out) {
  static const std::map<std::string, bool> kWords = {{"yes", true}, {"no", false}, {"true", true},
                                                    {"false", false}, {"1", true},  {"0", false}};
  auto it = kWords.find(text);
  if (it == kWords.end()) return false;
  out = it->second;
  return true;
}

using Setter = std::function<bool(SimConfig&, const std::string&)>;

Setter Number(std::uint32_t SimConfig::*field, std::uint32_t low, std::uint32_t high) {
  return [=](SimConfig& c, const std::string& v) { return ParseNumber(v, low, high, c.*field); };
}

// A phone number or SPID: the switch information separates them with "|".
Setter ChannelText(std::string SimConfig::*field) {
  return [=](SimConfig& c, const std::string& v) {
    if (v.find('|') != std::string::npos || v.size() > 49) return false;
    c.*field = v;
    return true;
  };
}

struct Key {
  Setter set;
  const char* expects;
};

const std::map<std::string, Key>& Keys() {
  static const std::map<std::string, Key> keys = {
      {"name",
       {[](SimConfig& c, const std::string& v) {
          c.adapterName = v;
          return !v.empty();
        },
        "a text that is not empty"}},
      {"board_type", {Number(&SimConfig::boardType, 0, 255), "a number from 0 to 255"}},
      {"phone0", {ChannelText(&SimConfig::phone0), "at most 49 characters without \"|\""}},
      {"phone1", {ChannelText(&SimConfig::phone1), "at most 49 characters without \"|\""}},
      {"spid0", {ChannelText(&SimConfig::spid0), "at most 49 characters without \"|\""}},
      {"spid1", {ChannelText(&SimConfig::spid1), "at most 49 characters without \"|\""}},
      {"base_io", {Number(&SimConfig::baseIo, 0, 0xFFFFFFFF), "a number such as 0x2E0"}},
      {"irq", {Number(&SimConfig::irq, 0, 0xFFFFFFFF), "a number such as 10"}},
      {"tei1", {Number(&SimConfig::tei1, 0, 127), "a number from 0 to 127"}},
      {"tei2", {Number(&SimConfig::tei2, 0, 127), "a number from 0 to 127"}},
      {"switch_info",
       {[](SimConfig& c, const std::string& v) { return ParseFlag(v, c.publishSwitchInfo); }, "yes or no"}},
      {"start_active", {[](SimConfig& c, const std::string& v) { return ParseFlag(v, c.startActive); }, "yes or no"}},
      {"report_interval_ms",
       {[](SimConfig& c, const std::string& v) {
          std::uint32_t ms;
          if (!ParseNumber(v, 10, 60000, ms)) return false;
          c.reportIntervalMs = static_cast<int>(ms);
          return true;
        },
        "a number of milliseconds from 10 to 60000"}},
      {"extra_line",
       {[](SimConfig& c, const std::string& v) {
          c.extraLines.push_back(v);
          return !v.empty();
        },
        "a line name"}},
  };
  return keys;
}

}  // namespace

bool ParseConfig(const std::string& text, SimConfig& config, std::string& error) {
  std::istringstream lines(text);
  std::string line;
  for (int number = 1; std::getline(lines, line); ++number) {
    const std::string where = "line " + std::to_string(number) + ": ";
    std::string content = Trim(line);
    if (content.empty() || content[0] == '#') continue;
    const auto equals = content.find('=');
    if (equals == std::string::npos) {
      error = where + "expected \"key = value\"";
      return false;
    }
    const std::string key = Trim(content.substr(0, equals));
    std::string value = Trim(content.substr(equals + 1));
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
      value = value.substr(1, value.size() - 2);
    } else if (const auto hash = value.find(" #"); hash != std::string::npos) {
      value = Trim(value.substr(0, hash));
    }
    auto it = Keys().find(key);
    if (it == Keys().end()) {
      error = where + "unknown key \"" + key + "\"";
      return false;
    }
    if (!it->second.set(config, value)) {
      error = where + key + " must be " + it->second.expects;
      return false;
    }
  }
  return true;
}

bool LoadConfig(const std::string& path, SimConfig& config, std::string& error) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    error = "cannot read " + path;
    return false;
  }
  std::ostringstream text;
  text << file.rdbuf();
  if (!ParseConfig(text.str(), config, error)) {
    error = path + ", " + error;
    return false;
  }
  return true;
}

}  // namespace isdn::sim
