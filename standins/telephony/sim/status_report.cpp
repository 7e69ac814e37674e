#include "status_report.h"

#include "status_tags.h"

namespace isdn::sim {

wire::Bytes BuildStatusArea(std::uint32_t sequence,
                            const std::vector<std::pair<std::uint32_t, std::uint32_t>>& records,
                            std::deque<std::string>& pending, std::size_t limit) {
  wire::Bytes area;
  auto record = [&](std::uint32_t tag, std::uint32_t value) {
    if (area.size() + 8 > limit) return;
    wire::PutU32(area, tag);
    wire::PutU32(area, value);
  };
  record(kTagSequence, sequence);
  for (const auto& [tag, value] : records) record(tag, value);
  const std::size_t room = limit > area.size() + 8 ? limit - area.size() - 8 : 0;
  while (!pending.empty()) {
    std::string text = pending.front().substr(0, pending.front().find('\0'));
    if (text.size() > room) text.resize(room);  // never fits whole: cut it
    if (area.size() + 8 + text.size() > limit) break;
    wire::PutU32(area, kTagText);
    area.insert(area.end(), text.begin(), text.end());
    area.insert(area.end(), 4, 0);  // NUL and padding
    pending.pop_front();
  }
  return area;
}

}  // namespace isdn::sim
