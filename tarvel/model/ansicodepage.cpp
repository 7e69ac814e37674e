#include "ansicodepage.h"

#include <algorithm>
#include <array>

namespace {

// Windows-1252 bytes 0x80..0x9F and the characters they stand for.
struct HighByte {
  std::uint16_t unit;
  unsigned char byte;
};
constexpr std::array<HighByte, 27> kWindows1252High = {{
    {0x20AC, 0x80}, {0x201A, 0x82}, {0x0192, 0x83}, {0x201E, 0x84}, {0x2026, 0x85},
    {0x2020, 0x86}, {0x2021, 0x87}, {0x02C6, 0x88}, {0x2030, 0x89}, {0x0160, 0x8A},
    {0x2039, 0x8B}, {0x0152, 0x8C}, {0x017D, 0x8E}, {0x2018, 0x91}, {0x2019, 0x92},
    {0x201C, 0x93}, {0x201D, 0x94}, {0x2022, 0x95}, {0x2013, 0x96}, {0x2014, 0x97},
    {0x02DC, 0x98}, {0x2122, 0x99}, {0x0161, 0x9A}, {0x203A, 0x9B}, {0x0153, 0x9C},
    {0x017E, 0x9E}, {0x0178, 0x9F},
}};

constexpr char kNoByte = '?';

bool IsHighSurrogate(std::uint16_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool IsLowSurrogate(std::uint16_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

}  // namespace

char AnsiCodePage::FromUnit(std::uint16_t unit) {
  if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) return static_cast<char>(unit);
  auto it = std::find_if(kWindows1252High.begin(), kWindows1252High.end(),
                         [unit](const HighByte& h) { return h.unit == unit; });
  return it != kWindows1252High.end() ? static_cast<char>(it->byte) : kNoByte;
}

std::string AnsiCodePage::FromUtf16(const std::u16string& wide) {
  std::string out;
  out.reserve(wide.size());
  for (std::size_t i = 0; i < wide.size(); ++i) {
    const std::uint16_t unit = wide[i];
    if (IsHighSurrogate(unit) && i + 1 < wide.size() && IsLowSurrogate(wide[i + 1])) {
      ++i;  // a character beyond U+FFFF: one '?' for the pair
      out.push_back(kNoByte);
    } else {
      out.push_back(FromUnit(unit));
    }
  }
  return out;
}
