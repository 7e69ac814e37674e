// Where a sorted list box or combo box puts a new string: after every entry
// that compares equal or lower, ignoring letter case, as the desktop
// platform's sorted lists do.
#pragma once

#include <functional>
#include <string>

namespace platform {

int SortedPosition(int count, const std::function<std::string(int)>& textAt, const std::string& text);

}  // namespace platform
