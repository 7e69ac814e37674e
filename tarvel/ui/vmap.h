// The map view of the Map page: draws the current region's map picture, shows
// the name of the region or country under the pointer as a yellow label,
// selects it when the button is released and programs the pending choice on a
// double-click. It keeps no selection: every choice goes to theApp.
//
// Created on the heap by the Map page; deletes itself when its window goes.
#pragma once

#include <cstdint>
#include <string>

#include <platform/custom_window.h>

class CVMap : public platform::CustomWindow {
 public:
  static constexpr platform::Colour kLabelColour = platform::RGB(255, 255, 0);
  // The label's top edge lies this far above its anchor.
  static constexpr int kLabelRise = 15;

  CVMap() = default;

  // The region has changed: the label shown belongs to the old map, so it is
  // forgotten (the whole view is repainted with the new map).
  void ClearHover();

  // The bitmap resource of region r's picture.
  static int MapResource(int region);

  void OnPaint(platform::DeviceContext& dc) override;
  void OnMouseMove(unsigned flags, int x, int y) override;
  void OnLButtonUp(unsigned flags, int x, int y) override;
  void OnLButtonDblClk(unsigned flags, int x, int y) override;

  int HoverItem() const { return m_nHoverItem; }
  // The rectangle the shown label covers, empty when none is shown.
  platform::Rect LabelRect() const;

 protected:
  void OnDestroyed() override { delete this; }

 private:
  // " " + name + " " of item i of the current map.
  static std::string LabelText(int item);
  void DrawLabel(platform::DeviceContext& dc);

  std::int32_t m_nHoverItem = 0;
  std::int16_t m_nLabelX = 0;
  std::int16_t m_nLabelY = 0;
  // The label as drawn in the font in use, so that erasing it leaves nothing.
  std::int16_t m_nLabelWidth = 0;
  std::int16_t m_nLabelHeight = 0;
};
