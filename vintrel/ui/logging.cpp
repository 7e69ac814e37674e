#include "logging.h"

#include <algorithm>
#include <optional>
#include <string>

#include "brandanimation.h"
#include "devspecific.h"
#include "linemon.h"
#include "log/eventlog.h"
#include "logfile.h"
#include "platform/file_error.h"
#include "platform/services.h"
#include "res/dialogs.h"
#include "res/resource.h"
#include "vintrelapp.h"

LoggingRunState LoggingState;

namespace {

// The filter check boxes and the mask bits each one sets and clears. A box
// shows checked when its first bit is set.
struct FilterBox {
  int id;
  std::uint32_t bits;
  std::uint32_t shownBy;
};
constexpr FilterBox kFilters[] = {
    {IDC_FILTER_API, 0x001 | 0x400, 0x001},
    {IDC_FILTER_Q931, 0x004, 0x004},
    {IDC_FILTER_Q921, 0x010, 0x010},
    {IDC_FILTER_PHYSICAL, 0x040, 0x040},
};

const FilterBox* FindFilter(int id) {
  for (const FilterBox& filter : kFilters) {
    if (filter.id == id) return &filter;
  }
  return nullptr;
}

// Holds the event log's lock for a scope.
class EventLogLock {
 public:
  EventLogLock() { EventLog.Lock(); }
  ~EventLogLock() { EventLog.Unlock(); }
  EventLogLock(const EventLogLock&) = delete;
  EventLogLock& operator=(const EventLogLock&) = delete;
};

}  // namespace

logging::logging() : PropertyPage(LoggingDialog()) {}

bool logging::OnSetActive() {
  LineMonitor.SendDevSpecific(SetLogFilter, LoggingState.filterMask);
  ShowFilters();
  SetTimer(kTimerId, kTimerPeriodMs);
  StartBrandAnimation(GetAnimation(IDC_ANIMATION), LoggingState.animationTried);
  {
    EventLogLock lock;
    RebuildList();
    EventLog.AttachViewer();
  }
  return PropertyPage::OnSetActive();
}

bool logging::OnKillActive() {
  KillTimer(kTimerId);
  EventLog.DetachViewer();
  return PropertyPage::OnKillActive();
}

void logging::OnTimer(unsigned id) {
  if (LoggingState.frozen) return;
  platform::ListBox* list = GetListBox(IDC_EVENT_LIST);
  // More unshown lines than the log holds cannot be shown; the rest are gone.
  const unsigned unshown = std::min(EventLog.UnshownCount(), static_cast<unsigned>(EventLog.Count()));
  if (list != nullptr && EventLog.ViewerAttached() && unshown > 0) {
    const int count = list->GetCount();
    const bool trimming = count + static_cast<int>(unshown) >= kListLimit;
    int slot = EventLog.OldestUnshownSlot(unshown);
    for (unsigned i = 0; i < unshown; ++i) {
      if (trimming) list->DeleteString(count - 1);
      list->InsertString(0, EventLog.SlotText(slot));
      slot = (slot + 1) % EventLogStore::kSlots;
    }
    EventLog.ResetUnshownCount();
  }
  PropertyPage::OnTimer(id);
}

void logging::OnCommand(int controlId, int notification) {
  if (notification != platform::BN_CLICKED) return;
  if (FindFilter(controlId) != nullptr) {
    OnFilterClicked(controlId);
  } else if (controlId == IDC_FREEZE) {
    OnFreeze();
  } else if (controlId == IDC_CLEAR) {
    OnClear();
  } else if (controlId == IDC_SAVE) {
    OnSave();
  }
}

// Empties the list and fills it with every stored line, newest at the top.
// The caller holds the event log's lock.
void logging::RebuildList() {
  platform::ListBox* list = GetListBox(IDC_EVENT_LIST);
  if (list == nullptr) return;
  list->ResetContent();
  EventLog.ForEachNewestFirst([list](const char* line) { list->AddString(line); });
}

void logging::ShowFilters() {
  for (const FilterBox& filter : kFilters) {
    if (platform::Button* box = GetButton(filter.id)) {
      box->SetCheck((LoggingState.filterMask & filter.shownBy) != 0 ? platform::BST_CHECKED : platform::BST_UNCHECKED);
    }
  }
}

void logging::OnFilterClicked(int controlId) {
  const FilterBox* filter = FindFilter(controlId);
  platform::Button* box = GetButton(controlId);
  if (filter == nullptr || box == nullptr) return;
  if ((box->GetState() & platform::BST_CHECKED) != 0) {
    LoggingState.filterMask |= filter->bits;
  } else {
    LoggingState.filterMask &= ~filter->bits;
  }
  LineMonitor.SendDevSpecific(SetLogFilter, LoggingState.filterMask);
}

void logging::OnFreeze() {
  platform::Button* freeze = GetButton(IDC_FREEZE);
  if (freeze == nullptr) return;
  EventLogLock lock;
  if ((freeze->GetState() & (platform::BST_CHECKED | platform::BST_INDETERMINATE)) == platform::BST_CHECKED) {
    LoggingState.frozen = true;
  } else {
    LoggingState.frozen = false;
    RebuildList();
    EventLog.ResetUnshownCount();
  }
}

void logging::OnClear() {
  EventLogLock lock;
  EventLog.Clear();
  if (platform::ListBox* list = GetListBox(IDC_EVENT_LIST)) list->ResetContent();
}

void logging::OnSave() {
  // Held while the dialog is open too: lines that arrive meanwhile are stored
  // under the same (recursive) lock and are saved with the rest.
  EventLogLock lock;
  platform::SaveFileRequest request;
  request.initialName = kSaveName;
  request.confirmReplace = true;
  const std::optional<std::string> path = platform::AskSaveFile(request);
  if (!path) return;
  if (const int cause = WriteEventLogFile(*path); cause != 0) platform::ReportFileError(cause, *path, kAppName);
}
