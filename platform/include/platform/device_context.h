// Drawing on a custom-drawn window, during its paint or at once (GetDC-like,
// see CustomWindow::DrawNow).
#pragma once

#include <string>

#include "platform/geometry.h"

namespace platform {

class PaintTarget;  // the toolkit side

class DeviceContext {
 public:
  explicit DeviceContext(PaintTarget* target) : target_(target) {}
  DeviceContext(const DeviceContext&) = delete;
  DeviceContext& operator=(const DeviceContext&) = delete;

  // Copies a bitmap resource 1:1 with its top-left corner at (x, y). False
  // when the bitmap cannot be loaded.
  bool DrawBitmap(int bitmapResourceId, int x, int y);
  // Draws text with its top-left corner at (x, y) in the variable-pitch UI
  // font, black on an opaque background of the given colour.
  void TextOut(int x, int y, const std::string& text, Colour background);
  // The size the text takes in that font.
  Size TextExtent(const std::string& text) const;
  void FillRect(const Rect& rect, Colour colour);
  // The bounding box of the area being painted (all of the window outside
  // painting).
  Rect ClipBox() const;

 private:
  PaintTarget* target_;
};

}  // namespace platform
