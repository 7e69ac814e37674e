// Points, sizes, rectangles and colours in pixels, as the programs use them.
#pragma once

#include <cstdint>

namespace platform {

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
  int cx = 0;
  int cy = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

// Right and bottom are exclusive, as on the desktop platform.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool IsEmpty() const { return right <= left || bottom <= top; }
  bool Contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

// A colour as 0x00BBGGRR.
using Colour = std::uint32_t;
constexpr Colour RGB(unsigned r, unsigned g, unsigned b) {
  return (r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16);
}
constexpr unsigned GetRValue(Colour c) { return c & 0xFF; }
constexpr unsigned GetGValue(Colour c) { return (c >> 8) & 0xFF; }
constexpr unsigned GetBValue(Colour c) { return (c >> 16) & 0xFF; }

}  // namespace platform
