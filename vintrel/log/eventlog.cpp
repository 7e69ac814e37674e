#include "eventlog.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>

EventLogStore EventLog;

void EventLogStore::Append(const char* text) {
  // The time is read before the lock, so a caller holding the lock elsewhere
  // delays the line's storing, not its stamp.
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  char stamp[16] = "";
  if (localtime_r(&now, &local) != nullptr) std::strftime(stamp, sizeof stamp, "%H:%M:%S ", &local);

  std::lock_guard guard(lock_);
  char line[kSlotBytes] = {};  // zeros pad a short line to the end of its slot
  const int length = std::snprintf(line, sizeof line, "%s %s", stamp, text != nullptr ? text : "");
  if (length < 0) line[0] = '\0';

  if ((head_ + 1) % kSlots == tail_) tail_ = static_cast<std::int16_t>((tail_ + 1) % kSlots);
  // The count never passes the number of lines the log can hold, so the
  // viewer's position of the oldest unshown line stays inside the log.
  if (viewerAttached_ && unshownCount_ < static_cast<unsigned>(kSlots - 1)) ++unshownCount_;
  head_ = static_cast<std::int16_t>((head_ + 1) % kSlots);
  std::memcpy(slots_[head_], line, kSlotBytes);  // the formatting cut it to 59 characters and a zero
}

void EventLogStore::Clear() {
  std::lock_guard guard(lock_);
  head_ = 0;
  tail_ = 0;
  unshownCount_ = 0;
}

void EventLogStore::Lock() { lock_.lock(); }
void EventLogStore::Unlock() { lock_.unlock(); }

int EventLogStore::Count() const {
  std::lock_guard guard(lock_);
  return (head_ - tail_ + kSlots) % kSlots;
}

void EventLogStore::AttachViewer() {
  std::lock_guard guard(lock_);
  viewerAttached_ = true;
}

void EventLogStore::DetachViewer() {
  std::lock_guard guard(lock_);
  viewerAttached_ = false;
  unshownCount_ = 0;
}

bool EventLogStore::ViewerAttached() const {
  std::lock_guard guard(lock_);
  return viewerAttached_;
}

unsigned EventLogStore::UnshownCount() const {
  std::lock_guard guard(lock_);
  return unshownCount_;
}

void EventLogStore::ResetUnshownCount() {
  std::lock_guard guard(lock_);
  unshownCount_ = 0;
}

int EventLogStore::OldestUnshownSlot(unsigned k) const {
  std::lock_guard guard(lock_);
  const int lines = static_cast<int>(std::clamp(k, 1u, static_cast<unsigned>(kSlots - 1)));
  return ((head_ - (lines - 1)) % kSlots + kSlots) % kSlots;
}

const char* EventLogStore::SlotText(int slot) const {
  if (slot < 0 || slot >= kSlots) return "";
  return slots_[slot];
}
