// Scripted platform services and a builder of region data files for the tests
// of the model and of port discovery.
#pragma once

#include <platform/services.h>

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

namespace tarvel_test {

// Message boxes: records each request and answers from a script, then with
// `otherwise`.
class ScriptedBoxes : public platform::MessageBoxService {
 public:
  int Show(const platform::MessageBoxRequest& request) override;

  std::deque<int> answers;
  int otherwise = platform::IDOK;
  std::vector<platform::MessageBoxRequest> shown;
};

// The cursor: records what is shown.
class RecordingCursor : public platform::CursorService {
 public:
  platform::Cursor Set(platform::Cursor cursor) override;

  platform::Cursor current = platform::Cursor::Arrow;
  std::vector<platform::Cursor> history;
};

// The quit request and the end of the process.
class RecordingProcess : public platform::ProcessService {
 public:
  void PostQuitMessage(int exitCode) override { quitCodes.push_back(exitCode); }
  void Exit(int status) override { exits.push_back(status); }

  std::vector<int> quitCodes;
  std::vector<int> exits;
};

// Little-endian bytes of a region data file, field by field.
class Bytes {
 public:
  Bytes& U8(unsigned v);
  Bytes& U16(unsigned v);
  Bytes& I16(int v) { return U16(static_cast<std::uint16_t>(v)); }
  Bytes& U32(std::uint32_t v);
  Bytes& I32(std::int32_t v) { return U32(static_cast<std::uint32_t>(v)); }
  Bytes& Raw(const std::string& s);
  // An archive string in its shortest single-byte form.
  Bytes& Str(const std::string& s);
  // The header fields 1 to 6 with an empty region text.
  Bytes& Header(std::int32_t cellSize, int width, int height, unsigned itemCount);
  // One item record.
  Bytes& Item(unsigned modemCode, int labelX, int labelY, const std::string& name);

  std::string str() const { return data_; }
  std::size_t size() const { return data_.size(); }

 private:
  std::string data_;
};

// A temporary folder removed with its contents at the end of the scope.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "/" + name; }
  void Write(const std::string& name, const std::string& content) const;
  std::string Read(const std::string& name) const;

 private:
  std::string path_;
};

}  // namespace tarvel_test
