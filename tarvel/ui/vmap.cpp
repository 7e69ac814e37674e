#include "vmap.h"

#include <dialogtemplates.h>
#include <tarvelapp.h>

int CVMap::MapResource(int region) {
  const int id = tarvel_res::IDB_MAP_FIRST + region;
  return region >= 1 && id <= tarvel_res::IDB_MAP_LAST ? id : tarvel_res::IDB_MAP_FIRST;
}

std::string CVMap::LabelText(int item) {
  const std::string name = theApp.CurrentRegion() == 0 ? theApp.RegionName(item) : theApp.CountryName(item);
  return " " + name + " ";
}

void CVMap::ClearHover() { m_nHoverItem = 0; }

platform::Rect CVMap::LabelRect() const {
  if (m_nHoverItem == 0) return {};
  const int top = m_nLabelY - kLabelRise;
  return {m_nLabelX, top, m_nLabelX + m_nLabelWidth, top + m_nLabelHeight};
}

void CVMap::DrawLabel(platform::DeviceContext& dc) {
  const std::string text = LabelText(m_nHoverItem);
  const platform::Size extent = dc.TextExtent(text);
  dc.TextOut(m_nLabelX, m_nLabelY - kLabelRise, text, kLabelColour);
  m_nLabelWidth = static_cast<std::int16_t>(extent.cx);
  m_nLabelHeight = static_cast<std::int16_t>(extent.cy);
}

void CVMap::OnPaint(platform::DeviceContext& dc) {
  // A picture that cannot be loaded leaves the background as it is.
  dc.DrawBitmap(MapResource(theApp.CurrentRegion()), 0, 0);
  if (m_nHoverItem != 0) DrawLabel(dc);
}

void CVMap::OnMouseMove(unsigned, int x, int y) {
  if (!theApp.PointInMap(x, y)) return;
  const int item = theApp.ItemAt(x, y);
  if (item == m_nHoverItem) return;
  if (m_nHoverItem != 0) Invalidate(LabelRect(), true);
  m_nHoverItem = item;
  if (item == 0) return;
  theApp.GetLabelPos(item, &m_nLabelX, &m_nLabelY);
  DrawNow([this](platform::DeviceContext& dc) { DrawLabel(dc); });
}

void CVMap::OnLButtonUp(unsigned, int x, int y) {
  if (theApp.PointInMap(x, y)) theApp.ClickAt(x, y);
}

void CVMap::OnLButtonDblClk(unsigned, int x, int y) {
  if (theApp.PointInMap(x, y)) theApp.ProgramModem();
}
