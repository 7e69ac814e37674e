#include "profile_table.h"

#include <cstdio>

namespace fennick {
namespace {

constexpr Profile kProfiles[] = {
#include "profile_table.inc"
};

}  // namespace

std::span<const Profile> Profiles() { return kProfiles; }

std::optional<Profile> FindProfile(int code) {
  if (code < 0 || static_cast<std::size_t>(code) >= std::size(kProfiles)) return std::nullopt;
  return kProfiles[code];
}

std::string HexCode(unsigned t35) {
  char text[8];
  std::snprintf(text, sizeof text, "%02X", t35 & 0xFFu);
  return text;
}

}  // namespace fennick
