#include "codeblock.h"

#include <algorithm>

namespace {

constexpr int kDefaultCode = 22;

constexpr std::array<std::int32_t, 51> MakeSecondCodes() {
  std::array<std::int32_t, 51> t{};
  t[3] = 14;  t[4] = 14;  t[7] = 16;  t[9] = 10;  t[10] = 16; t[11] = 14; t[12] = 16;
  t[15] = 6;  t[17] = 15; t[19] = 1;  t[22] = 22; t[23] = 1;  t[24] = 1;  t[25] = 1;
  t[26] = 19; t[27] = 1;  t[40] = 6;  t[48] = 16; t[50] = 16;
  return t;
}

// Stored codes that are programmed with the flag 0.
constexpr std::array<std::uint8_t, 3> kFlagZeroCodes = {20, 22, 43};

}  // namespace

const std::array<std::int32_t, 51> SECOND_CODE = MakeSecondCodes();

CodeBlock CodeBlock::For(std::uint8_t storedCode) {
  CodeBlock block;
  const bool flagZero =
      std::find(kFlagZeroCodes.begin(), kFlagZeroCodes.end(), storedCode) != kFlagZeroCodes.end();
  block.flag = flagZero ? 0 : 1;
  const int code = storedCode == 0 ? kDefaultCode : storedCode;
  int second = code < static_cast<int>(SECOND_CODE.size()) ? SECOND_CODE[code] : 0;
  if (second == 0) second = kDefaultCode;
  block.codes = {code, second, kDefaultCode, 0};
  return block;
}
