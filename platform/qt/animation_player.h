// Plays an AVI clip on an animation control's label with a timer at the
// clip's frame period.
#pragma once

#include <QImage>
#include <QObject>
#include <QTimer>
#include <vector>

#include "platform/avi.h"

class QLabel;

namespace platform {

class AnimationPlayer : public QObject {
 public:
  explicit AnimationPlayer(QLabel* label);

  void Open(const AviClip& clip);  // shows the first frame
  void Close();
  bool Play(int from, int to, int repeat);
  void Stop();
  bool Seek(int frame);

  bool IsOpen() const { return !frames_.empty(); }
  bool IsPlaying() const { return timer_.isActive(); }
  int FrameCount() const { return static_cast<int>(frames_.size()); }
  int CurrentFrame() const { return frames_.empty() ? -1 : current_; }
  int FramePeriodMs() const { return periodMs_; }

 private:
  void Show(int frame);
  void Tick();

  QLabel* label_;
  QTimer timer_;
  std::vector<QImage> frames_;
  int periodMs_ = 0;
  int current_ = 0;
  int from_ = 0;
  int to_ = 0;
  int repeatsLeft_ = 0;  // -1: without end
};

}  // namespace platform
