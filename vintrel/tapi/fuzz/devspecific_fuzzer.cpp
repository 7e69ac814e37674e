// libFuzzer entry for the walk of the device-specific status area (built with clang only).
#include <cstddef>
#include <cstdint>

#include "devspecific.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  WalkDevSpecificArea(data, size);
  return 0;
}
