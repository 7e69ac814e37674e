// libFuzzer entry for the simulator's request handling (built with clang only).
#include "request_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const isdn::sim::SimConfig config;
  isdn::sim::LineService service(config);
  isdn::sim::ServeBytes(service, data, size);
  return 0;
}
