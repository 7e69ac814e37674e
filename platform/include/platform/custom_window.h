// A custom-drawn child window (the map view). The platform keeps a backing
// store: what is drawn shows until that area is painted again. Invalidate
// queues rectangles; the next paint calls OnPaint clipped to their union.
#pragma once

#include <functional>
#include <string>

#include "platform/device_context.h"
#include "platform/window.h"

namespace platform {

// Mouse key flags, with the desktop platform's values.
enum MouseFlags : unsigned {
  MK_LBUTTON = 0x0001,
  MK_RBUTTON = 0x0002,
  MK_SHIFT = 0x0004,
  MK_CONTROL = 0x0008,
};

// What happened on the window, for tests (see SetDrawRecorder).
struct DrawEvent {
  enum Kind { Invalidated, Painted, Text, Bitmap, Fill };
  Kind kind = Invalidated;
  Rect rect;                // invalidated or painted area, or what was drawn
  bool erase = false;        // Invalidated
  bool duringPaint = false;  // Text, Bitmap, Fill: inside OnPaint or DrawNow
  std::string text;          // Text
  int resourceId = 0;        // Bitmap
  Colour colour = 0;         // Text background, Fill
};

class CustomWindow : public Window {
 public:
  CustomWindow();
  ~CustomWindow() override;

  // Creates the window as a visible child of parent at rect (parent's client
  // pixels). False when the parent has no window.
  bool Create(Window& parent, const Rect& rect);
  void DestroyWindow();

  // Draws on the window at once, outside painting.
  void DrawNow(const std::function<void(DeviceContext&)>& draw);

  // The colour of a pixel as shown (the backing store), for tests.
  Colour GetPixel(int x, int y) const;

  // Handlers. The default OnPaint draws nothing on the erased background.
  virtual void OnPaint(DeviceContext& dc);
  virtual void OnMouseMove(unsigned flags, int x, int y);
  virtual void OnLButtonDown(unsigned flags, int x, int y);
  virtual void OnLButtonUp(unsigned flags, int x, int y);
  virtual void OnLButtonDblClk(unsigned flags, int x, int y);

  // Tests: every invalidation, paint and drawing call goes to the recorder.
  void SetDrawRecorder(std::function<void(const DrawEvent&)> recorder);
  void Record(const DrawEvent& event) const;

  // Tests: mouse input as the toolkit delivers it. A double-click comes as
  // button down, up, double-click, up.
  void SimulateMouseMove(int x, int y, unsigned flags = 0);
  void SimulateClick(int x, int y);
  void SimulateDoubleClick(int x, int y);

 private:
  std::function<void(const DrawEvent&)> recorder_;
};

}  // namespace platform
