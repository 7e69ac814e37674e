#include <gtest/gtest.h>

#include "platform/application.h"
#include "platform/custom_window.h"
#include "test_pages.h"

namespace platform::test {
namespace {

constexpr Colour kRed = RGB(255, 0, 0);
constexpr Colour kBlue = RGB(0, 0, 255);

// Paints itself blue all over; the platform clips that to the invalid area.
class View : public CustomWindow {
 public:
  explicit View(Log* log, bool* gone = nullptr) : log_(log), gone_(gone) {
    SetDrawRecorder([this](const DrawEvent& e) { events.push_back(e); });
  }
  ~View() override {
    if (gone_) *gone_ = true;
  }
  void OnPaint(DeviceContext& dc) override { dc.FillRect(GetClientRect(), kBlue); }
  void OnMouseMove(unsigned, int x, int y) override { Add("move", x, y); }
  void OnLButtonDown(unsigned, int x, int y) override { Add("down", x, y); }
  void OnLButtonUp(unsigned, int x, int y) override { Add("up", x, y); }
  void OnLButtonDblClk(unsigned, int x, int y) override { Add("dblclk", x, y); }
  std::vector<DrawEvent> events;

 protected:
  void OnDestroyed() override {
    if (gone_) delete this;  // a view on the heap owns itself
  }

 private:
  void Add(const char* what, int x, int y) {
    log_->push_back(std::string(what) + " " + std::to_string(x) + "," + std::to_string(y));
  }
  Log* log_;
  bool* gone_;
};

class CustomWindowTest : public testing::Test {
 protected:
  CustomWindowTest() : page("A", &log), sheet(&log), view(&log) {
    sheet.AddPage(&page);
    sheet.Create();
    view.Create(page, {0, 0, 120, 80});
    view.UpdateWindow();
    view.events.clear();
    log.clear();
  }
  std::vector<DrawEvent> Of(DrawEvent::Kind kind) const {
    std::vector<DrawEvent> found;
    for (const DrawEvent& e : view.events) {
      if (e.kind == kind) found.push_back(e);
    }
    return found;
  }
  Log log;
  LoggingPage page;
  LoggingSheet sheet;
  View view;
};

TEST_F(CustomWindowTest, DrawingOutsidePaintStaysUntilThatAreaIsPainted) {
  view.DrawNow([](DeviceContext& dc) { dc.FillRect({0, 0, 120, 80}, kRed); });
  ASSERT_EQ(Of(DrawEvent::Fill).size(), 1u);
  EXPECT_FALSE(Of(DrawEvent::Fill)[0].duringPaint);
  EXPECT_EQ(view.GetPixel(60, 40), kRed);

  view.Invalidate({10, 10, 20, 20}, true);
  view.Invalidate({50, 10, 60, 30}, true);
  ASSERT_EQ(Of(DrawEvent::Invalidated).size(), 2u);
  EXPECT_EQ(Of(DrawEvent::Invalidated)[1].rect, (Rect{50, 10, 60, 30}));
  EXPECT_EQ(view.GetPixel(15, 15), kRed);  // nothing painted before the next paint
  view.UpdateWindow();

  ASSERT_EQ(Of(DrawEvent::Painted).size(), 1u);
  EXPECT_EQ(Of(DrawEvent::Painted)[0].rect, (Rect{10, 10, 60, 30}));
  EXPECT_EQ(view.GetPixel(15, 15), kBlue);
  EXPECT_EQ(view.GetPixel(59, 29), kBlue);
  EXPECT_EQ(view.GetPixel(35, 15), kRed);  // between the two rectangles
  EXPECT_EQ(view.GetPixel(15, 25), kRed);  // below the first
  EXPECT_EQ(view.GetPixel(60, 30), kRed);  // right and bottom edges are outside

  view.events.clear();
  view.UpdateWindow();  // nothing pending: no paint
  EXPECT_TRUE(Of(DrawEvent::Painted).empty());
}

TEST_F(CustomWindowTest, InvalidatingThePageReachesTheViewInside) {
  view.DrawNow([](DeviceContext& dc) { dc.FillRect({0, 0, 120, 80}, kRed); });
  page.InvalidateAll(true);
  ASSERT_FALSE(Of(DrawEvent::Invalidated).empty());
  EXPECT_EQ(Of(DrawEvent::Invalidated)[0].rect, (Rect{0, 0, 120, 80}));
  page.UpdateWindow();
  EXPECT_EQ(view.GetPixel(100, 70), kBlue);
}

TEST_F(CustomWindowTest, DoubleClickComesAsDownUpDoubleClickUp) {
  view.SimulateMouseMove(5, 6);
  view.SimulateDoubleClick(30, 40);
  EXPECT_EQ(log, (Log{"move 5,6", "down 30,40", "up 30,40", "dblclk 30,40", "up 30,40"}));
}

TEST_F(CustomWindowTest, TextIsDrawnOnItsBackgroundColourAndMeasured) {
  Size extent;
  view.DrawNow([&](DeviceContext& dc) {
    extent = dc.TextExtent(" Spain ");
    dc.TextOut(10, 20, " Spain ", RGB(255, 255, 0));
  });
  auto text = Of(DrawEvent::Text);
  ASSERT_EQ(text.size(), 1u);
  EXPECT_EQ(text[0].text, " Spain ");
  EXPECT_EQ(text[0].rect, (Rect{10, 20, 10 + extent.cx, 20 + extent.cy}));
  EXPECT_EQ(view.GetPixel(11, 21), RGB(255, 255, 0));
  // The UI font fits the 7 pixels a character and 15 pixels high that labels
  // were laid out with.
  EXPECT_LE(extent.cx, 7 * 7);
  EXPECT_LE(extent.cy, 15);
}

// The 16-colour RLE4 bitmap of the test resources: palette entry i is
// (16 i, 255 - 16 i, 8 i); rows from the top are 15 x 8; the absolute run
// 5 6 7 8 9 A B C; 3 3 3 3 4 4 4 4; and 1 2 alternating.
TEST_F(CustomWindowTest, RunLengthEncodedBitmapIsDrawnPixelForPixel) {
  auto entry = [](int i) { return RGB(16 * i, 255 - 16 * i, 8 * i); };
  bool drawn = false;
  bool missing = true;
  view.DrawNow([&](DeviceContext& dc) {
    drawn = dc.DrawBitmap(201, 2, 3);
    missing = dc.DrawBitmap(999, 0, 0);
  });
  ASSERT_TRUE(drawn);
  EXPECT_FALSE(missing);
  EXPECT_EQ(view.GetPixel(2, 3), entry(15));
  EXPECT_EQ(view.GetPixel(9, 3), entry(15));
  for (int x = 0; x < 8; ++x) EXPECT_EQ(view.GetPixel(2 + x, 4), entry(5 + x)) << x;
  EXPECT_EQ(view.GetPixel(2 + 3, 5), entry(3));
  EXPECT_EQ(view.GetPixel(2 + 4, 5), entry(4));
  EXPECT_EQ(view.GetPixel(2, 6), entry(1));
  EXPECT_EQ(view.GetPixel(3, 6), entry(2));
  auto bitmaps = Of(DrawEvent::Bitmap);
  ASSERT_EQ(bitmaps.size(), 1u);
  EXPECT_EQ(bitmaps[0].rect, (Rect{2, 3, 10, 7}));
}

TEST_F(CustomWindowTest, HeapViewDeletesItselfWhenTheSheetCloses) {
  bool gone = false;
  auto* owned = new View(&log, &gone);
  ASSERT_TRUE(owned->Create(page, {0, 0, 50, 50}));
  owned->InvalidateAll(true);  // a paint still pending when the window goes
  sheet.DestroyWindow();
  EXPECT_TRUE(gone);
  ProcessEvents(10);
  EXPECT_FALSE(view.Exists());
}

}  // namespace
}  // namespace platform::test
