#include "modem_emulator.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "profile_table.h"

namespace fennick {
namespace {

constexpr char kCr = '\r';
constexpr char kLf = '\n';
constexpr char kBackspace = '\b';
constexpr std::string_view kProductLine = "Sorvan Modem (fennick emulator)";

std::string Framed(std::string_view text) { return "\r\n" + std::string(text) + "\r\n"; }

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Skips an optional single decimal digit parameter of a basic command.
int TakeDigit(std::string_view& rest, int absent) {
  if (!rest.empty() && rest.front() >= '0' && rest.front() <= '9') {
    const int value = rest.front() - '0';
    rest.remove_prefix(1);
    return value;
  }
  return absent;
}

}  // namespace

ModemEmulator::ModemEmulator(EmulatorSettings settings) : settings_(std::move(settings)), country_(settings_.country) {
  if (settings_.supported.empty()) {
    for (const Profile& profile : Profiles()) settings_.supported.push_back(profile.t35);
  }
  std::sort(settings_.supported.begin(), settings_.supported.end());
  settings_.supported.erase(std::unique(settings_.supported.begin(), settings_.supported.end()),
                            settings_.supported.end());
}

bool ModemEmulator::Answering() const {
  if (settings_.mode == EmulatorSettings::Mode::Silent) return false;
  return settings_.hangAfter < 0 || linesAnswered_ < settings_.hangAfter;
}

bool ModemEmulator::Supports(unsigned code) const {
  return std::binary_search(settings_.supported.begin(), settings_.supported.end(), code);
}

std::string ModemEmulator::Receive(std::string_view bytes) {
  std::string out;
  for (char c : bytes) {
    if (!Answering()) continue;
    if (echo_) out.push_back(c);
    if (c == kLf) continue;
    if (c == kBackspace) {
      if (!line_.empty()) line_.pop_back();
      continue;
    }
    if (c != kCr) {
      if (line_.size() < kMaxLine) {
        line_.push_back(c);
      } else {
        overlong_ = true;
      }
      continue;
    }
    std::string line;
    line.swap(line_);
    const bool overlong = std::exchange(overlong_, false);
    // Anything that is not a command line (noise, an empty line) gets no answer.
    const auto start = line.find_first_not_of(' ');
    if (start == std::string::npos || line.size() - start < 2) continue;
    if (std::toupper(static_cast<unsigned char>(line[start])) != 'A' ||
        std::toupper(static_cast<unsigned char>(line[start + 1])) != 'T') {
      continue;
    }
    out += overlong ? Framed("ERROR") : Execute(line.substr(start + 2));
    ++linesAnswered_;
  }
  return out;
}

std::string ModemEmulator::Execute(const std::string& commands) {
  if (settings_.mode == EmulatorSettings::Mode::Error) return Framed("ERROR");
  std::string upper;
  for (char c : commands) {
    if (c != ' ') upper.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
  }
  std::vector<std::string> info;
  if (!RunCommands(upper, info)) return Framed("ERROR");
  std::string out;
  for (const std::string& line : info) out += Framed(line);
  return out + Framed("OK");
}

bool ModemEmulator::RunCommands(std::string_view rest, std::vector<std::string>& info) {
  while (!rest.empty()) {
    const char command = rest.front();
    rest.remove_prefix(1);
    switch (command) {
      case 'E': {
        const int value = TakeDigit(rest, 0);
        if (value > 1) return false;
        echo_ = value == 1;
        break;
      }
      case 'Z':
        // Back to the stored profile: echo on. The country lives in the
        // modem's memory and survives the reset.
        TakeDigit(rest, 0);
        echo_ = true;
        return true;  // a modem ignores what follows Z on the line
      case 'I':
        TakeDigit(rest, 0);
        info.emplace_back(kProductLine);
        break;
      case '+':
        if (rest.substr(0, 3) != "GCI") return false;
        rest.remove_prefix(3);
        if (!RunGci(rest, info)) return false;
        break;
      case ';':
        break;
      default:
        return false;
    }
  }
  return true;
}

// After "+GCI": "?" reads the code, "=?" lists the codes, "=<hex>" sets one.
// The command ends at ';' or at the end of the line.
bool ModemEmulator::RunGci(std::string_view& rest, std::vector<std::string>& info) {
  const std::size_t end = std::min(rest.find(';'), rest.size());
  const std::string_view argument = rest.substr(0, end);
  rest.remove_prefix(end);
  if (argument == "?") {
    info.push_back("+GCI: " + HexCode(country_));
    return true;
  }
  if (argument == "=?") {
    std::string list = "+GCI: (";
    for (std::size_t i = 0; i < settings_.supported.size(); ++i) {
      if (i > 0) list += ',';
      list += HexCode(settings_.supported[i]);
    }
    info.push_back(list + ")");
    return true;
  }
  if (argument.size() < 2 || argument.size() > 3 || argument.front() != '=') return false;
  unsigned code = 0;
  for (char c : argument.substr(1)) {
    const int digit = HexDigit(c);
    if (digit < 0) return false;
    code = code * 16 + static_cast<unsigned>(digit);
  }
  if (!Supports(code)) return false;
  if (!settings_.ignoreSet) country_ = code;
  return true;
}

}  // namespace fennick
