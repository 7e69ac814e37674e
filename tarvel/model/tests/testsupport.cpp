#include "testsupport.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace tarvel_test {

int ScriptedBoxes::Show(const platform::MessageBoxRequest& request) {
  shown.push_back(request);
  if (answers.empty()) return otherwise;
  const int answer = answers.front();
  answers.pop_front();
  return answer;
}

platform::Cursor RecordingCursor::Set(platform::Cursor cursor) {
  const platform::Cursor previous = current;
  current = cursor;
  history.push_back(cursor);
  return previous;
}

Bytes& Bytes::U8(unsigned v) {
  data_.push_back(static_cast<char>(v & 0xFF));
  return *this;
}

Bytes& Bytes::U16(unsigned v) { return U8(v).U8(v >> 8); }

Bytes& Bytes::U32(std::uint32_t v) { return U16(v & 0xFFFF).U16(v >> 16); }

Bytes& Bytes::Raw(const std::string& s) {
  data_ += s;
  return *this;
}

Bytes& Bytes::Str(const std::string& s) {
  if (s.size() < 0xFF) {
    U8(static_cast<unsigned>(s.size()));
  } else if (s.size() < 0xFFFE) {
    U8(0xFF).U16(static_cast<unsigned>(s.size()));
  } else {
    U8(0xFF).U16(0xFFFF).U32(static_cast<std::uint32_t>(s.size()));
  }
  return Raw(s);
}

Bytes& Bytes::Header(std::int32_t cellSize, int width, int height, unsigned itemCount) {
  return I32(cellSize).I16(width).I16(height).U8(0).Str("").U8(itemCount);
}

Bytes& Bytes::Item(unsigned modemCode, int labelX, int labelY, const std::string& name) {
  return U8(0).U8(modemCode).I16(labelX).I16(labelY).Str(name);
}

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "tarvel-test-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

void TempDir::Write(const std::string& name, const std::string& content) const {
  std::ofstream out(File(name), std::ios::binary | std::ios::trunc);
  out << content;
}

std::string TempDir::Read(const std::string& name) const {
  std::ifstream in(File(name), std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

}  // namespace tarvel_test
