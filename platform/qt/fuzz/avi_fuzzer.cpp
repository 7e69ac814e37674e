// libFuzzer entry for the AVI clip reader (built with clang only).
#include <cstddef>
#include <cstdint>

#include "platform/avi.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string error;
  std::optional<platform::AviClip> clip = platform::ReadAvi(std::span<const unsigned char>(data, size), &error);
  if (clip) {
    for (const auto& frame : clip->frames) {
      if (frame.size() != static_cast<std::size_t>(clip->width) * static_cast<std::size_t>(clip->height)) __builtin_trap();
    }
  }
  return 0;
}
