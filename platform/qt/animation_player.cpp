#include "animation_player.h"

#include <QLabel>
#include <QPixmap>

namespace platform {

AnimationPlayer::AnimationPlayer(QLabel* label) : QObject(label), label_(label) {
  connect(&timer_, &QTimer::timeout, this, [this] { Tick(); });
}

void AnimationPlayer::Open(const AviClip& clip) {
  Close();
  QList<QRgb> colours(clip.palette.begin(), clip.palette.end());
  while (colours.size() < 256) colours.push_back(qRgb(0, 0, 0));
  for (const std::vector<std::uint8_t>& pixels : clip.frames) {
    QImage frame(clip.width, clip.height, QImage::Format_Indexed8);
    frame.setColorTable(colours);
    for (int y = 0; y < clip.height; ++y) {
      std::copy_n(pixels.data() + static_cast<std::size_t>(y) * clip.width, clip.width, frame.scanLine(y));
    }
    frames_.push_back(frame.convertToFormat(QImage::Format_RGB32));
  }
  periodMs_ = std::max(1, static_cast<int>((clip.microsecondsPerFrame + 500) / 1000));
  Show(0);
}

void AnimationPlayer::Close() {
  timer_.stop();
  frames_.clear();
  current_ = 0;
  label_->clear();
}

bool AnimationPlayer::Play(int from, int to, int repeat) {
  int last = FrameCount() - 1;
  if (to == -1 || to == 0xFFFF) to = last;
  if (frames_.empty() || from < 0 || from > last || to < from || to > last || repeat == 0) return false;
  from_ = from;
  to_ = to;
  repeatsLeft_ = repeat < 0 ? -1 : repeat;
  Show(from);
  if (from == to && repeatsLeft_ == 1) {
    timer_.stop();
  } else {
    timer_.start(periodMs_);
  }
  return true;
}

void AnimationPlayer::Stop() { timer_.stop(); }

bool AnimationPlayer::Seek(int frame) { return Play(frame, frame, 1); }

void AnimationPlayer::Show(int frame) {
  current_ = frame;
  label_->setPixmap(QPixmap::fromImage(frames_[static_cast<std::size_t>(frame)]));
}

void AnimationPlayer::Tick() {
  if (frames_.empty()) {
    timer_.stop();
    return;
  }
  if (current_ < to_) {
    Show(current_ + 1);
    return;
  }
  if (repeatsLeft_ > 0) --repeatsLeft_;
  if (repeatsLeft_ == 0) {
    timer_.stop();
    return;
  }
  Show(from_);
}

}  // namespace platform
