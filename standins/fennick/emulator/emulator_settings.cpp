#include "emulator_settings.h"

#include <cctype>
#include <charconv>

namespace fennick {
namespace {

std::optional<unsigned> ParseHexByte(const std::string& text) {
  if (text.empty() || text.size() > 2) return std::nullopt;
  unsigned value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
  if (ec != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<int> ParseCount(const std::string& text) {
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc{} || end != text.data() + text.size() || value < 0) return std::nullopt;
  return value;
}

std::optional<std::vector<unsigned>> ParseCodeList(const std::string& text) {
  std::vector<unsigned> codes;
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t comma = text.find(',', start);
    const std::string item = text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
    const auto code = ParseHexByte(item);
    if (!code) return std::nullopt;
    codes.push_back(*code);
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  return codes;
}

}  // namespace

const char* EmulatorUsage() {
  return "usage: fennick-emulator [options]\n"
         "A Hayes-style modem on a pseudo-terminal. Prints the terminal's path on\n"
         "standard output once it is ready; ends on SIGTERM, SIGINT or SIGHUP.\n"
         "  --link PATH        make PATH a symbolic link to the terminal (removed at exit)\n"
         "  --state FILE       keep the current country code in FILE, as \"B5\"\n"
         "  --country HEX      country code held at start (default B5)\n"
         "  --supported LIST   codes AT+GCI= accepts, e.g. B5,04 (default: every profile's code)\n"
         "  --silent           never answer\n"
         "  --error            answer ERROR to every command\n"
         "  --hang-after N     answer N command lines, then fall silent\n"
         "  --ignore-set       answer OK to AT+GCI= but keep the old code\n"
         "  --help             show this text\n";
}

std::optional<EmulatorOptions> ParseEmulatorOptions(const std::vector<std::string>& args, std::string& error) {
  EmulatorOptions options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const auto value = [&]() -> const std::string* {
      if (i + 1 >= args.size()) {
        error = arg + " needs a value";
        return nullptr;
      }
      return &args[++i];
    };
    if (arg == "--help") {
      options.help = true;
    } else if (arg == "--silent") {
      options.settings.mode = EmulatorSettings::Mode::Silent;
    } else if (arg == "--error") {
      options.settings.mode = EmulatorSettings::Mode::Error;
    } else if (arg == "--ignore-set") {
      options.settings.ignoreSet = true;
    } else if (arg == "--link" || arg == "--state") {
      const std::string* v = value();
      if (!v) return std::nullopt;
      if (v->empty()) {
        error = arg + " needs a path";
        return std::nullopt;
      }
      (arg == "--link" ? options.linkPath : options.statePath) = *v;
    } else if (arg == "--country") {
      const std::string* v = value();
      if (!v) return std::nullopt;
      const auto code = ParseHexByte(*v);
      if (!code) {
        error = "--country takes a hex code such as B5, not \"" + *v + "\"";
        return std::nullopt;
      }
      options.settings.country = *code;
    } else if (arg == "--supported") {
      const std::string* v = value();
      if (!v) return std::nullopt;
      auto codes = ParseCodeList(*v);
      if (!codes) {
        error = "--supported takes hex codes separated by commas, not \"" + *v + "\"";
        return std::nullopt;
      }
      options.settings.supported = std::move(*codes);
    } else if (arg == "--hang-after") {
      const std::string* v = value();
      if (!v) return std::nullopt;
      const auto count = ParseCount(*v);
      if (!count) {
        error = "--hang-after takes a count of command lines, not \"" + *v + "\"";
        return std::nullopt;
      }
      options.settings.hangAfter = *count;
    } else {
      error = "unknown option \"" + arg + "\"";
      return std::nullopt;
    }
  }
  return options;
}

}  // namespace fennick
