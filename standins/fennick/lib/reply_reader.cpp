#include "reply_reader.h"

#include <algorithm>
#include <cctype>

namespace fennick {
namespace {

struct FinalCode {
  std::string_view text;
  bool prefix;  // the line only starts with the text ("+CME ERROR: 4")
  FinalResult result;
};

// Verbose result codes that end a command's answer.
constexpr FinalCode kFinalCodes[] = {
    {"OK", false, FinalResult::Ok},
    {"ERROR", false, FinalResult::Error},
    {"+CME ERROR", true, FinalResult::Error},
};

char Upper(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }

bool StartsWithIgnoringCase(std::string_view s, std::string_view prefix) {
  return s.size() >= prefix.size() &&
         std::equal(prefix.begin(), prefix.end(), s.begin(), [](char a, char b) { return Upper(a) == Upper(b); });
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && StartsWithIgnoringCase(a, b);
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

ReplyReader::ReplyReader(std::string command) : command_(std::move(command)) {}

void ReplyReader::Feed(std::string_view bytes) {
  for (char c : bytes) {
    if (Complete()) return;
    if (c == '\r' || c == '\n') {
      if (!partial_.empty()) TakeLine(partial_);
      partial_.clear();
    } else {
      partial_.push_back(c);
    }
  }
}

void ReplyReader::TakeLine(std::string_view line) {
  line = Trim(line);
  if (line.empty() || EqualsIgnoringCase(line, command_)) return;
  result_ = ClassifyFinalLine(line);
  if (result_ == FinalResult::None) infoLines_.emplace_back(line);
}

FinalResult ClassifyFinalLine(std::string_view line) {
  line = Trim(line);
  for (const FinalCode& code : kFinalCodes) {
    if (code.prefix ? StartsWithIgnoringCase(line, code.text) : EqualsIgnoringCase(line, code.text)) return code.result;
  }
  return FinalResult::None;
}

std::optional<unsigned> ParseGciLine(std::string_view line) {
  constexpr std::string_view kPrefix = "+GCI:";
  line = Trim(line);
  if (!StartsWithIgnoringCase(line, kPrefix)) return std::nullopt;
  const std::string_view value = Trim(line.substr(kPrefix.size()));
  if (value.empty() || value.size() > 2) return std::nullopt;
  unsigned code = 0;
  for (char c : value) {
    const int digit = HexDigit(c);
    if (digit < 0) return std::nullopt;
    code = code * 16 + static_cast<unsigned>(digit);
  }
  return code;
}

std::optional<unsigned> FindGci(const std::vector<std::string>& lines) {
  for (const std::string& line : lines) {
    if (auto code = ParseGciLine(line)) return code;
  }
  return std::nullopt;
}

}  // namespace fennick
