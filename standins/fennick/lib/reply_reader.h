// Collects a modem's answer to one command line: splits the bytes into lines,
// drops the echo of the command, keeps information lines and stops at the
// final result code.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fennick {

enum class FinalResult { None, Ok, Error };

class ReplyReader {
 public:
  // `command` is the command line as sent, without its CR; a line equal to it
  // (ignoring case) is the modem's echo and is not kept.
  explicit ReplyReader(std::string command);

  // Takes the next bytes from the modem. Lines end at CR or LF; empty lines
  // are skipped; anything after the final result code is ignored.
  void Feed(std::string_view bytes);

  bool Complete() const { return result_ != FinalResult::None; }
  FinalResult Result() const { return result_; }
  const std::vector<std::string>& InfoLines() const { return infoLines_; }

 private:
  void TakeLine(std::string_view line);

  std::string command_;
  std::string partial_;
  std::vector<std::string> infoLines_;
  FinalResult result_ = FinalResult::None;
};

// The final result a line stands for, or None for any other line.
FinalResult ClassifyFinalLine(std::string_view line);

// The T.35 code of a "+GCI: <hex>" line (one or two hex digits, any case,
// spaces allowed around the code), or nothing for any other line.
std::optional<unsigned> ParseGciLine(std::string_view line);

// The code of the first "+GCI: <hex>" line among `lines`.
std::optional<unsigned> FindGci(const std::vector<std::string>& lines);

}  // namespace fennick
