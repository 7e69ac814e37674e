// The widget of a CustomWindow. It keeps a backing store that holds what is
// shown; paints run the window's OnPaint only over the invalidated area, and
// drawing outside painting goes to the backing store at once.
#pragma once

#include <QImage>
#include <QRegion>
#include <QWidget>

namespace platform {

class CustomWindow;

class CustomWidget : public QWidget {
 public:
  CustomWidget(CustomWindow* owner, QWidget* parent);

  // Queues area for the next paint, erasing its background first when asked.
  void InvalidateArea(const QRect& area, bool erase);
  // Runs OnPaint over the invalidated area now, into the backing store.
  void PaintPending();
  QImage& Backing() { return backing_; }
  CustomWindow* Owner() const { return owner_; }
  void Disown() { owner_ = nullptr; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  CustomWindow* owner_;
  QImage backing_;
  QRegion invalid_;
  QRegion erase_;
};

// The mouse key flags of an event.
unsigned MouseFlagsOf(const QMouseEvent* event);

}  // namespace platform
