// libFuzzer entry for the switch-information parser (built with clang only).
#include <cstddef>
#include <cstdint>

#include "adapterconfig.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ParseSwitchInfo(data, size);
  return 0;
}
