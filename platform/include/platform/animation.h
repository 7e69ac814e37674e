// An animation control that plays an AVI clip from the module's resources
// (uncompressed 8-bit frames), at the clip's own frame rate.
#pragma once

#include "platform/control.h"

namespace platform {

class Animation : public Control {
 public:
  explicit Animation(NativeControl* native) : Control(native) {}

  // Opens the clip (resource type avi) and shows its first frame. On failure
  // returns false and keeps the code in LastError().
  bool Open(int resourceId);
  void Close();
  // Plays frames from to `to` (-1: the last frame), repeat times (-1: without
  // end). Returns false when no clip is open or the range is bad.
  bool Play(int from, int to, int repeat);
  void Stop();
  bool Seek(int frame);

  // The result code of the last Open (see platform/systemerror.h): 0, 2
  // (ERROR_FILE_NOT_FOUND: no such clip) or 13 (ERROR_INVALID_DATA: the clip
  // cannot be read). SystemErrorText gives its description.
  long LastError() const;

  // For tests.
  bool IsOpen() const;
  bool IsPlaying() const;
  int FrameCount() const;
  int CurrentFrame() const;  // -1 when nothing is open
  int FramePeriodMs() const;
};

}  // namespace platform
