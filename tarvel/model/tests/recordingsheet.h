// A sheet that records what the selection model calls on it.
#pragma once

#include <string>
#include <vector>

#include "selectionsheet.h"

namespace tarvel_test {

class RecordingPage : public SelectionPage {
 public:
  void OnRegionChanged(int r) override { calls.push_back("region " + std::to_string(r)); }
  void SetCountrySel(int c) override { calls.push_back("country " + std::to_string(c)); }
  void SetCurrentSelection(const std::string& name) override { calls.push_back("current " + name); }

  std::vector<std::string> calls;
};

class RecordingSheet : public SelectionSheet {
 public:
  SelectionPage& MapPage() override { return map; }
  SelectionPage& ListPage() override { return list; }
  void SetMapModified(bool m) override {
    modified = m;
    modifiedCalls.push_back(m);
  }
  void Clear() {
    map.calls.clear();
    list.calls.clear();
    modifiedCalls.clear();
  }

  RecordingPage map;
  RecordingPage list;
  bool modified = false;             // the Apply button
  std::vector<bool> modifiedCalls;
};

}  // namespace tarvel_test
