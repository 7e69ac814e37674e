// Decoder of 16-colour Windows bitmaps stored with RLE4 compression, strict
// enough to catch an encoder's faults: every row must be filled exactly, the
// stream must end with the end-of-bitmap code after the top row, and the
// headers must agree with the data.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

struct PaletteColor {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
};

class Rle4Bitmap {
 public:
  // Decodes `file`; on failure returns false and says why in *error.
  bool Decode(const std::vector<std::uint8_t>& file, std::string* error);

  int Width() const { return width_; }
  int Height() const { return height_; }
  const std::array<PaletteColor, 16>& Palette() const { return palette_; }
  // Colour index of pixel (x, y), y = 0 being the top row.
  std::uint8_t At(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }

 private:
  int width_ = 0;
  int height_ = 0;
  std::array<PaletteColor, 16> palette_{};
  std::vector<std::uint8_t> pixels_;
};
