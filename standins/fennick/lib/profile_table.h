// The modem's country profiles, by modem code 0..50, built from profiles.tsv.
#pragma once

#include <optional>
#include <span>
#include <string>

namespace fennick {

struct Profile {
  int code;          // modem code, the index the caller hands to set_country_code
  const char* name;  // profile name as listed in profiles.tsv
  unsigned t35;      // ITU-T T.35 country code the modem is programmed with
};

// All profiles, ordered by code (the entry at index i has code i).
std::span<const Profile> Profiles();

// The profile for a modem code, or nothing when the code is outside 0..50.
std::optional<Profile> FindProfile(int code);

// "B5", "04": a T.35 code in the two-digit upper-case hex form of AT+GCI.
std::string HexCode(unsigned t35);

}  // namespace fennick
