// Filling the region and country lists of the pages: names of items 1, 2, ...
// up to the first empty name, at most 99, in database order, so that position
// p is item p + 1.
#pragma once

#include <functional>
#include <string>

namespace tarvel_ui {

constexpr int kMaxListedNames = 99;

// Empties `list` and appends the names; works for list and combo boxes.
template <class List>
void FillNames(List& list, const std::function<std::string(int)>& nameOf) {
  list.ResetContent();
  for (int i = 1; i <= kMaxListedNames; ++i) {
    const std::string name = nameOf(i);
    if (name.empty()) break;
    list.AddString(name);
  }
}

}  // namespace tarvel_ui
