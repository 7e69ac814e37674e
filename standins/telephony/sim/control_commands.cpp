#include "control_commands.h"

#include <cstdint>
#include <cctype>
#include <map>

#include "messages.h"
#include "status_tags.h"
#include "tapi32.h"

namespace isdn::sim {
namespace {

using Words = std::vector<std::string>;

struct Command {
  const char* name;
  const char* arguments;
  std::size_t minWords, maxWords;  // after the command name; 0 = any number
  ControlResult (*run)(LineService&, const Words&);
};

struct ErrorName {
  const char* name;
  std::int32_t code;
};

constexpr ErrorName kErrorNames[] = {
    {"OPERATIONFAILED", LINEERR_OPERATIONFAILED}, {"OPERATIONUNAVAIL", LINEERR_OPERATIONUNAVAIL},
    {"RESOURCEUNAVAIL", LINEERR_RESOURCEUNAVAIL}, {"REINIT", LINEERR_REINIT},
    {"NOMEM", LINEERR_NOMEM},                     {"NODRIVER", LINEERR_NODRIVER},
    {"INIFILECORRUPT", LINEERR_INIFILECORRUPT},   {"INVALCARD", LINEERR_INVALCARD},
    {"INVALLOCATION", LINEERR_INVALLOCATION},     {"NOMULTIPLEINSTANCE", LINEERR_NOMULTIPLEINSTANCE},
    {"INVALLINEHANDLE", LINEERR_INVALLINEHANDLE}, {"BADDEVICEID", LINEERR_BADDEVICEID},
    {"INCOMPATIBLEAPIVERSION", LINEERR_INCOMPATIBLEAPIVERSION},
    {"STRUCTURETOOSMALL", LINEERR_STRUCTURETOOSMALL},
};

struct KindName {
  const char* name;
  std::uint32_t kind;
};

constexpr KindName kKindNames[] = {{"api", kLogApi},         {"api-detail", kLogApiDetail}, {"q931", kLogQ931},
                                   {"q921", kLogQ921},       {"physical", kLogPhysical},    {"any", kLogDiagnostics}};

constexpr std::size_t kMaxLogText = 900;  // one text must fit in one report

ControlResult Fail(const std::string& text) { return {false, text}; }

bool ParseNumber(const std::string& text, std::uint32_t& out) {
  if (text.empty() || text[0] == '-' || text[0] == '+') return false;
  std::size_t used = 0;
  try {
    const unsigned long long value = std::stoull(text, &used, 0);
    if (used != text.size() || value > 0xFFFFFFFFull) return false;
    out = static_cast<std::uint32_t>(value);
    return true;
  } catch (...) {
    return false;
  }
}

bool ParseLine(const std::string& text, int& line) {
  if (text != "1" && text != "2") return false;
  line = text[0] - '1';
  return true;
}

bool ParseErrorCode(std::string text, std::int32_t& code) {
  if (text.rfind("LINEERR_", 0) == 0) text = text.substr(8);
  for (const ErrorName& entry : kErrorNames) {
    if (text == entry.name) {
      code = entry.code;
      return true;
    }
  }
  std::uint32_t value;
  if (!ParseNumber(text, value) || value == 0) return false;
  code = static_cast<std::int32_t>(value);
  return true;
}

bool ParseTag(const std::string& text, std::uint32_t& tag) {
  for (const StatusTagName& entry : kStatusTagNames) {
    if (text == entry.name) {
      tag = entry.tag;
      return true;
    }
  }
  return ParseNumber(text, tag) && tag >= kTagFirst && tag <= kTagLast;
}

std::string Join(const Words& words, std::size_t from) {
  std::string text;
  for (std::size_t i = from; i < words.size(); ++i) text += (i > from ? " " : "") + words[i];
  return text;
}

ControlResult Call(LineService& service, const Words& words) {
  int line;
  if (!ParseLine(words[0], line)) return Fail("line must be 1 or 2");
  std::string error;
  const std::string number = words.size() > 1 ? words[1] : "5559876";
  if (!service.adapter().PlaceCall(line, number, error)) return Fail(error);
  service.SendReports();
  return {true, "call connected on line " + words[0]};
}

ControlResult Clear(LineService& service, const Words& words) {
  int line;
  if (!ParseLine(words[0], line)) return Fail("line must be 1 or 2");
  std::uint32_t cause = 16;
  if (words.size() > 1 && (!ParseNumber(words[1], cause) || cause > 127)) {
    return Fail("cause must be a number from 0 to 127");
  }
  std::string error;
  if (!service.adapter().ClearCall(line, cause, error)) return Fail(error);
  service.SendReports();
  return {true, "call cleared on line " + words[0] + " with cause " + std::to_string(cause)};
}

ControlResult Set(LineService& service, const Words& words) {
  std::uint32_t tag, value;
  if (!ParseTag(words[0], tag)) {
    return Fail("unknown status \"" + words[0] + "\": give a name such as TxPackets or a tag from 0xAC160101 to 0xAC160116");
  }
  if (!ParseNumber(words[1], value)) return Fail("value must be a 32-bit number");
  service.adapter().SetStatus(tag, value);
  service.SendReports();
  return {true, "status set"};
}

ControlResult Log(LineService& service, const Words& words) {
  std::uint32_t kind = kLogDiagnostics;
  std::size_t first = 0;
  if (words[0].rfind("--kind=", 0) == 0) {
    const std::string name = words[0].substr(7);
    bool known = false;
    for (const KindName& entry : kKindNames) {
      if (name == entry.name) {
        kind = entry.kind;
        known = true;
      }
    }
    if (!known) return Fail("unknown kind \"" + name + "\": api, api-detail, q931, q921, physical or any");
    first = 1;
  }
  const std::string text = Join(words, first);
  if (text.empty()) return Fail("no text to log");
  if (text.size() > kMaxLogText) return Fail("text longer than " + std::to_string(kMaxLogText) + " characters");
  service.LogText(kind, text);
  service.SendReports();
  return {true, "text logged"};
}

ControlResult Raw(LineService& service, const Words& words) {
  const std::string hex = Join(words, 0);
  wire::Bytes area;
  std::string digits;
  for (char c : hex) {
    if (c == ' ') continue;
    if (!std::isxdigit(static_cast<unsigned char>(c))) return Fail("raw takes hexadecimal bytes");
    digits += c;
  }
  if (digits.size() % 2 != 0) return Fail("raw takes whole bytes (an even number of hex digits)");
  for (std::size_t i = 0; i < digits.size(); i += 2) {
    area.push_back(static_cast<std::uint8_t>(std::stoul(digits.substr(i, 2), nullptr, 16)));
  }
  if (area.size() > 4096) return Fail("raw area longer than 4096 bytes");
  service.SendRawReport(area);
  return {true, "report sent"};
}

ControlResult Close(LineService& service, const Words& words) {
  int line;
  if (!ParseLine(words[0], line)) return Fail("line must be 1 or 2");
  const int closed = service.CloseDeviceLines(line);
  return {true, "closed " + std::to_string(closed) + " open handle(s) of line " + words[0]};
}

ControlResult FailNext(LineService& service, const Words& words) {
  int line;
  if (!ParseLine(words[0], line)) return Fail("line must be 1 or 2");
  static const std::map<std::string, LineService::FailMode> kModes = {{"now", LineService::FailMode::Now},
                                                                     {"reply", LineService::FailMode::Reply}};
  auto mode = kModes.find(words[1]);
  if (mode == kModes.end()) return Fail("mode must be \"now\" or \"reply\"");
  std::int32_t code;
  if (!ParseErrorCode(words[2], code)) return Fail("unknown error code \"" + words[2] + "\"");
  service.FailNext(line, mode->second, code);
  return {true, "next request on line " + words[0] + " fails"};
}

ControlResult Status(LineService& service, const Words&) { return {true, service.Describe()}; }

ControlResult Stop(LineService&, const Words&) { return {true, "simulator stopping", true}; }

constexpr Command kCommands[] = {
    {"call", "LINE [NUMBER]", 1, 2, Call},
    {"clear", "LINE [CAUSE]", 1, 2, Clear},
    {"set", "NAME|TAG VALUE", 2, 2, Set},
    {"log", "[--kind=KIND] TEXT...", 1, 0, Log},
    {"raw", "HEXBYTES...", 1, 0, Raw},
    {"close", "LINE", 1, 1, Close},
    {"fail", "LINE now|reply CODE", 3, 3, FailNext},
    {"status", "", 0, 0, Status},
    {"stop", "", 0, 0, Stop},
};

}  // namespace

std::string ControlUsage() {
  std::string text;
  for (const Command& command : kCommands) {
    text += std::string("  ") + command.name + (command.arguments[0] ? " " : "") + command.arguments + "\n";
  }
  return text;
}

ControlResult RunControlCommand(LineService& service, const std::vector<std::string>& words) {
  if (words.empty()) return Fail("no command given; commands:\n" + ControlUsage());
  for (const Command& command : kCommands) {
    if (words[0] != command.name) continue;
    const Words arguments(words.begin() + 1, words.end());
    const bool tooFew = arguments.size() < command.minWords;
    const bool tooMany = command.maxWords != 0 && arguments.size() > command.maxWords;
    if (tooFew || tooMany || (command.maxWords == 0 && command.minWords == 0 && !arguments.empty())) {
      return Fail(std::string("usage: ") + command.name + " " + command.arguments);
    }
    return command.run(service, arguments);
  }
  return Fail("unknown command \"" + words[0] + "\"; commands:\n" + ControlUsage());
}

}  // namespace isdn::sim
