// Builds the device-specific status area of one report: a sequence record,
// the status records, then as many pending log texts as fit.
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "frame.h"

namespace isdn::sim {

// Text records take 8 + L bytes (tag, text, NUL, three bytes of padding).
// Texts that do not fit stay in pending for the next report; a text too long
// for any report is cut to fit. The area never exceeds limit bytes.
wire::Bytes BuildStatusArea(std::uint32_t sequence,
                            const std::vector<std::pair<std::uint32_t, std::uint32_t>>& records,
                            std::deque<std::string>& pending, std::size_t limit);

}  // namespace isdn::sim
