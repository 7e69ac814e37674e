#include "portrecord.h"

#include <cstdio>
#include <fstream>
#include <memory>

namespace {

constexpr char kLineEnd[] = "\r\n";  // text-mode line end of the record file

// "COM<n>=0" for port n (1..4).
std::string ExcludeMark(int n) { return "COM" + std::to_string(n) + "=0"; }

// Reads one line and tells whether it contains `mark`. Keeps only the last
// few characters, so a line of any length costs no memory. False at the end of
// the data with no line left.
bool LineContains(std::istream& in, const std::string& mark, bool& found) {
  found = false;
  std::string window;
  bool any = false;
  for (int c = in.get(); c != std::char_traits<char>::eof(); c = in.get()) {
    any = true;
    if (c == '\n') return true;
    if (found) continue;
    window.push_back(static_cast<char>(c));
    if (window.size() > mark.size()) window.erase(0, 1);
    found = window == mark;
  }
  return any;
}

}  // namespace

PortRecord::Ports PortRecord::Read(std::istream& in) {
  Ports ports = AllProbed();
  for (int n = 1; n <= static_cast<int>(ports.size()); ++n) {
    bool excluded = false;
    if (!LineContains(in, ExcludeMark(n), excluded)) break;
    if (excluded) ports[n - 1] = false;
  }
  return ports;
}

PortRecord::Ports PortRecord::ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return in.is_open() ? Read(in) : AllProbed();
}

bool PortRecord::WriteFile(const std::string& path, const Ports& ports) {
  struct Closer {
    void operator()(std::FILE* f) const { std::fclose(f); }
  };
  // "r+b" keeps what is there; "wb" creates the file when it is absent.
  std::unique_ptr<std::FILE, Closer> file(std::fopen(path.c_str(), "r+b"));
  if (!file) file.reset(std::fopen(path.c_str(), "wb"));
  if (!file) return false;
  std::string text;
  for (std::size_t i = 0; i < ports.size(); ++i)
    text += "COM" + std::to_string(i + 1) + "=" + (ports[i] ? "1" : "0") + kLineEnd;
  const bool written = std::fwrite(text.data(), 1, text.size(), file.get()) == text.size();
  return std::fflush(file.get()) == 0 && written;
}
