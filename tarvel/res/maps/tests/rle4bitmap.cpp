#include "rle4bitmap.h"

namespace {

std::uint32_t U16(const std::vector<std::uint8_t>& b, std::size_t at) {
  return static_cast<std::uint32_t>(b[at] | (b[at + 1] << 8));
}

std::uint32_t U32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return U16(b, at) | (U16(b, at + 2) << 16);
}

constexpr std::size_t kFileHeader = 14;
constexpr std::size_t kInfoHeader = 40;
constexpr std::size_t kPaletteBytes = 16 * 4;
constexpr std::uint32_t kBiRle4 = 2;

bool Fail(std::string* error, const std::string& why) {
  *error = why;
  return false;
}

}  // namespace

bool Rle4Bitmap::Decode(const std::vector<std::uint8_t>& file, std::string* error) {
  const std::size_t headers = kFileHeader + kInfoHeader + kPaletteBytes;
  if (file.size() < headers || file[0] != 'B' || file[1] != 'M') return Fail(error, "not a bitmap file");
  if (U32(file, 2) != file.size()) return Fail(error, "file size field does not match the file");
  const std::uint32_t dataAt = U32(file, 10);
  if (dataAt < headers || dataAt > file.size()) return Fail(error, "pixel data offset outside the file");
  if (U32(file, 14) != kInfoHeader) return Fail(error, "not a BITMAPINFOHEADER");
  const auto width = static_cast<std::int32_t>(U32(file, 18));
  const auto height = static_cast<std::int32_t>(U32(file, 22));
  if (width <= 0 || height <= 0) return Fail(error, "not a bottom-up bitmap with a positive size");
  if (U16(file, 26) != 1 || U16(file, 28) != 4) return Fail(error, "not one plane of 4 bits per pixel");
  if (U32(file, 30) != kBiRle4) return Fail(error, "not RLE4 compressed");
  if (U32(file, 34) != file.size() - dataAt) return Fail(error, "image size field does not match the data");
  const std::uint32_t colorsUsed = U32(file, 46);
  if (colorsUsed != 0 && colorsUsed != 16) return Fail(error, "palette is not 16 colours");
  for (std::size_t i = 0; i < 16; ++i) {
    const std::size_t at = kFileHeader + kInfoHeader + 4 * i;
    palette_[i] = PaletteColor{file[at + 2], file[at + 1], file[at]};
  }

  width_ = width;
  height_ = height;
  pixels_.assign(static_cast<std::size_t>(width) * height, 0);
  std::size_t p = dataAt;
  int x = 0;
  int row = 0;  // counted from the bottom
  auto put = [&](std::uint8_t color) {
    if (x >= width_ || row >= height_) return false;
    pixels_[static_cast<std::size_t>(height_ - 1 - row) * width_ + x] = color;
    ++x;
    return true;
  };
  for (;;) {
    if (p + 2 > file.size()) return Fail(error, "data ends without the end-of-bitmap code");
    const std::uint8_t count = file[p];
    const std::uint8_t value = file[p + 1];
    p += 2;
    if (count > 0) {
      for (int i = 0; i < count; ++i)
        if (!put(i % 2 == 0 ? value >> 4 : value & 15)) return Fail(error, "encoded run passes the row's end");
      continue;
    }
    if (value == 0 || value == 1) {
      if (x != width_) return Fail(error, "row " + std::to_string(row) + " is not filled to its end");
      if (value == 1) {
        if (row != height_ - 1) return Fail(error, "end-of-bitmap before the top row");
        if (p != file.size()) return Fail(error, "bytes after the end-of-bitmap code");
        return true;
      }
      x = 0;
      ++row;
      continue;
    }
    if (value == 2) return Fail(error, "delta code leaves pixels undefined");
    const std::size_t bytes = (value + 1) / 2;
    const std::size_t padded = bytes + bytes % 2;
    if (p + padded > file.size()) return Fail(error, "absolute run passes the end of the data");
    for (int i = 0; i < value; ++i) {
      const std::uint8_t b = file[p + i / 2];
      if (!put(i % 2 == 0 ? b >> 4 : b & 15)) return Fail(error, "absolute run passes the row's end");
    }
    p += padded;
  }
}
