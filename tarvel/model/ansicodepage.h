// Conversion of 16-bit (UTF-16) text to the single-byte code page in which the
// program keeps its names: Windows-1252, of which ISO-8859-1 is the part from
// U+00A0 to U+00FF. A character without a byte in that code page, a C1 control
// (U+0080 to U+009F), a surrogate pair and a lone surrogate each become one '?'.
#pragma once

#include <cstdint>
#include <string>

class AnsiCodePage {
 public:
  // The byte for one UTF-16 unit that is not a surrogate, or '?'.
  static char FromUnit(std::uint16_t unit);
  // Converts a whole UTF-16 text; a surrogate pair counts as one character.
  static std::string FromUtf16(const std::u16string& wide);
};
