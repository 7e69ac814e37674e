// The program-wide ring of time-stamped event lines.
#pragma once

#include <cstdint>
#include <mutex>

class EventLogStore {
 public:
  static constexpr int kSlots = 1000;
  static constexpr int kSlotBytes = 60;  // at most 59 characters and a zero

  // Adds "HH:MM:SS  text", cut to 59 characters, dropping the oldest line when full.
  void Append(const char* text);
  // Empties the log and zeroes the unshown count.
  void Clear();

  // The recursive lock, for callers that walk the log or read several fields.
  void Lock();
  void Unlock();

  // Walks for a caller that holds the lock; visit(const char* text) per line.
  template <class Visit> void ForEachNewestFirst(Visit visit) const {
    for (int i = head_; i != tail_; i = (i == 0 ? kSlots - 1 : i - 1)) visit(slots_[i]);
  }
  template <class Visit> void ForEachOldestFirst(Visit visit) const {
    for (int i = tail_; i != head_;) {
      i = (i + 1) % kSlots;
      visit(slots_[i]);
    }
  }

  int Count() const;  // lines held, 0..999

  // The viewer (the Logging page).
  void AttachViewer();
  void DetachViewer();  // also zeroes the unshown count
  bool ViewerAttached() const;
  unsigned UnshownCount() const;
  void ResetUnshownCount();
  // Slot of the oldest of the k newest lines (k >= 1).
  int OldestUnshownSlot(unsigned k) const;
  const char* SlotText(int slot) const;

 private:
  mutable std::recursive_mutex lock_;
  char slots_[kSlots][kSlotBytes] = {};
  std::int16_t head_ = 0;
  std::int16_t tail_ = 0;
  bool viewerAttached_ = false;
  unsigned unshownCount_ = 0;  // wide enough that a burst never wraps it
};

extern EventLogStore EventLog;
