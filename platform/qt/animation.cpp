#include "platform/animation.h"

#include "animation_player.h"
#include "native_control.h"
#include "platform/avi.h"
#include "platform/resources.h"

namespace platform {
namespace {

constexpr long kNoSuchClip = 2;     // ERROR_FILE_NOT_FOUND
constexpr long kUnreadableClip = 13;  // ERROR_INVALID_DATA

}  // namespace

bool Animation::Open(int resourceId) {
  AnimationPlayer* player = native_->Player();
  if (player == nullptr) {
    native_->lastError = kNoSuchClip;
    return false;
  }
  player->Close();
  std::optional<std::span<const unsigned char>> bytes = FindResource(ResourceType::Avi, resourceId);
  if (!bytes) {
    native_->lastError = kNoSuchClip;
    return false;
  }
  std::optional<AviClip> clip = ReadAvi(*bytes);
  if (!clip) {
    native_->lastError = kUnreadableClip;
    return false;
  }
  player->Open(*clip);
  native_->lastError = 0;
  return true;
}

void Animation::Close() {
  if (AnimationPlayer* player = native_->Player()) player->Close();
}

bool Animation::Play(int from, int to, int repeat) {
  AnimationPlayer* player = native_->Player();
  return player != nullptr && player->Play(from, to, repeat);
}

void Animation::Stop() {
  if (AnimationPlayer* player = native_->Player()) player->Stop();
}

bool Animation::Seek(int frame) {
  AnimationPlayer* player = native_->Player();
  return player != nullptr && player->Seek(frame);
}

long Animation::LastError() const { return native_->lastError; }

bool Animation::IsOpen() const {
  AnimationPlayer* player = native_->Player();
  return player != nullptr && player->IsOpen();
}

bool Animation::IsPlaying() const {
  AnimationPlayer* player = native_->Player();
  return player != nullptr && player->IsPlaying();
}

int Animation::FrameCount() const {
  AnimationPlayer* player = native_->Player();
  return player ? player->FrameCount() : 0;
}

int Animation::CurrentFrame() const {
  AnimationPlayer* player = native_->Player();
  return player ? player->CurrentFrame() : -1;
}

int Animation::FramePeriodMs() const {
  AnimationPlayer* player = native_->Player();
  return player ? player->FramePeriodMs() : 0;
}

}  // namespace platform
