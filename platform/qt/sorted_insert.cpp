#include "sorted_insert.h"

#include <algorithm>
#include <cctype>

namespace platform {
namespace {

int CompareNoCase(const std::string& a, const std::string& b) {
  std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    int ca = std::tolower(static_cast<unsigned char>(a[i]));
    int cb = std::tolower(static_cast<unsigned char>(b[i]));
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

}  // namespace

int SortedPosition(int count, const std::function<std::string(int)>& textAt, const std::string& text) {
  int low = 0;
  int high = count;
  while (low < high) {
    int mid = (low + high) / 2;
    if (CompareNoCase(textAt(mid), text) <= 0) {
      low = mid + 1;
    } else {
      high = mid;
    }
  }
  return low;
}

}  // namespace platform
