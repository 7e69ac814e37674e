#include "bitmap.h"

#include "platform/resources.h"

namespace platform {

// Qt's BMP reader handles BI_RLE4 and BI_RLE8 as well as plain bitmaps.
QImage LoadBitmapImage(int id) {
  std::optional<std::span<const unsigned char>> bytes = FindResource(ResourceType::Bitmap, id);
  if (!bytes || bytes->size() > static_cast<std::size_t>(std::numeric_limits<int>::max())) return {};
  return QImage::fromData(bytes->data(), static_cast<int>(bytes->size()), "BMP");
}

bool GetBitmapSize(int id, int* width, int* height) {
  QImage image = LoadBitmapImage(id);
  if (image.isNull()) return false;
  if (width) *width = image.width();
  if (height) *height = image.height();
  return true;
}

}  // namespace platform
