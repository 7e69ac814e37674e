#include <algorithm>
#include <cstring>
#include <string_view>

#include "adapterconfig.h"

namespace {

constexpr char kSeparator = '|';
constexpr std::size_t kFieldChars = sizeof AdapterConfigRecord::Phone0 - 1;

// The fields in the order their tokens come.
using TextField = char (AdapterConfigRecord::*)[50];
constexpr TextField kFields[] = {
    &AdapterConfigRecord::Phone0,
    &AdapterConfigRecord::Phone1,
    &AdapterConfigRecord::Spid0,
    &AdapterConfigRecord::Spid1,
};

// The next token of `rest`, as the C library's token scanner finds it: leading
// separators are skipped, so a run of them counts as one and an empty field
// vanishes. Empty when no token is left.
std::string_view NextToken(std::string_view& rest) {
  const std::size_t start = std::min(rest.find_first_not_of(kSeparator), rest.size());
  rest.remove_prefix(start);
  const std::size_t end = std::min(rest.find(kSeparator), rest.size());
  const std::string_view token = rest.substr(0, end);
  rest.remove_prefix(std::min(end + 1, rest.size()));
  return token;
}

}  // namespace

void ParseSwitchInfo(const unsigned char* area, std::size_t size) {
  // Byte 0 is not used, byte 1 is the board type; the text follows.
  if (area == nullptr || size < 2) return;
  AdapterConfig.BoardType = area[1];

  const char* text = reinterpret_cast<const char*>(area + 2);
  const void* end = std::memchr(text, '\0', size - 2);  // an unterminated text ends with the area
  std::string_view rest(text, end != nullptr ? static_cast<std::size_t>(static_cast<const char*>(end) - text) : size - 2);
  for (TextField field : kFields) {
    const std::string_view token = NextToken(rest);
    if (token.empty()) break;
    char* target = AdapterConfig.*field;
    const std::size_t length = std::min(token.size(), kFieldChars);  // longer fields are cut
    std::memcpy(target, token.data(), length);
    target[length] = '\0';
  }
}
