// The values handed to the modem library for a stored modem code: the four-
// value code block (modem code, second code, 22, 0) and the flag.
#pragma once

#include <array>
#include <cstdint>

// Second codes by modem code 0..50; entries not set are 0.
extern const std::array<std::int32_t, 51> SECOND_CODE;

struct CodeBlock {
  std::array<int, 4> codes{};
  int flag = 0;

  // Code 0 goes out as 22, a second code of 0 as 22; the flag is 0 for the
  // stored codes 20, 22 and 43 and 1 for every other. A code beyond the table
  // gets the second code 22, as an empty entry does.
  static CodeBlock For(std::uint8_t storedCode);
};
