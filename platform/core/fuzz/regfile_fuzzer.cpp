// libFuzzer entry for the registry file reader (built with clang only).
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/regfile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string error;
  platform::ReadRegistryText(std::string_view(reinterpret_cast<const char*>(data), size), &error);
  return 0;
}
