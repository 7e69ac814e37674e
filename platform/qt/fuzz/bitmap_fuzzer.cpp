// libFuzzer entry for bitmap resources, which the toolkit's BMP reader decodes
// (built with clang only).
#include <QImage>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > (1u << 20)) return 0;
  QImage image = QImage::fromData(data, static_cast<int>(size), "BMP");
  (void)image.isNull();
  return 0;
}
