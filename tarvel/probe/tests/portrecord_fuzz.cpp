// Fuzz entry for the port record file reader: any bytes give four answers and
// a file written from them reads back the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "portrecord.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  const PortRecord::Ports ports = PortRecord::Read(in);
  std::string text;
  for (std::size_t i = 0; i < ports.size(); ++i)
    text += "COM" + std::to_string(i + 1) + (ports[i] ? "=1\r\n" : "=0\r\n");
  std::istringstream again(text);
  if (PortRecord::Read(again) != ports) std::abort();
  return 0;
}
