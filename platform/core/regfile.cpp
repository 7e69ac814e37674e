#include "platform/regfile.h"

#include <array>
#include <fstream>
#include <iterator>
#include <optional>

namespace platform {
namespace {

constexpr std::string_view kHeaderUnicode = "Windows Registry Editor Version 5.00";
constexpr std::string_view kHeaderAnsi = "REGEDIT4";

// The desktop platform's own limits: deeper paths and longer names do not exist there.
constexpr std::size_t kMaxKeyDepth = 512;
constexpr std::size_t kMaxKeyNameLength = 255;

constexpr std::array<std::string_view, 5> kRoots = {
    "HKEY_LOCAL_MACHINE", "HKEY_CURRENT_USER", "HKEY_CLASSES_ROOT", "HKEY_USERS", "HKEY_CURRENT_CONFIG",
};

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// UTF-16LE to UTF-8; a lone surrogate becomes '?', an odd last byte is dropped.
std::string Utf16LeToUtf8(const unsigned char* bytes, std::size_t size) {
  std::string out;
  out.reserve(size / 2);
  const std::size_t units = size / 2;
  for (std::size_t i = 0; i < units; ++i) {
    char32_t c = static_cast<char32_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < units) {
      const char32_t low = static_cast<char32_t>(bytes[2 * i + 2] | (bytes[2 * i + 3] << 8));
      if (low >= 0xDC00 && low <= 0xDFFF) {
        c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
        ++i;
      }
    }
    if (c >= 0xD800 && c <= 0xDFFF) c = '?';
    AppendUtf8(out, c);
  }
  return out;
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

bool StartsWithNoCase(std::string_view s, std::string_view prefix) {
  return s.size() >= prefix.size() && RegistryNamesEqual(s.substr(0, prefix.size()), prefix);
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' || text[i] == '\r') {
      lines.push_back(text.substr(start, i - start));
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      start = i + 1;
    }
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

class Reader {
 public:
  Reader(std::vector<std::string_view> lines, std::string* error) : lines_(std::move(lines)), error_(error) {}

  std::shared_ptr<RegistryTree> Read() {
    if (!ReadHeader()) return nullptr;
    while (next_ < lines_.size()) {
      const std::size_t number = next_;
      const std::string_view line = Trim(lines_[next_++]);
      if (line.empty() || line.front() == ';') continue;
      const bool ok = line.front() == '[' ? ReadKeyLine(line) : ReadValueLine(line);
      if (!ok) {
        if (error_ != nullptr) *error_ = "line " + std::to_string(number + 1) + ": " + problem_;
        return nullptr;
      }
    }
    tree_->Index();
    return std::move(tree_);
  }

 private:
  bool Fail(std::string problem) {
    problem_ = std::move(problem);
    return false;
  }

  bool ReadHeader() {
    while (next_ < lines_.size() && Trim(lines_[next_]).empty()) ++next_;
    const std::string_view header = next_ < lines_.size() ? Trim(lines_[next_]) : std::string_view();
    if (header == kHeaderUnicode) {
      unicode_ = true;
    } else if (header != kHeaderAnsi) {
      if (error_ != nullptr)
        *error_ = "line " + std::to_string(next_ + 1) + ": not a registry file (expected \"" + std::string(kHeaderUnicode) +
                  "\" or \"" + std::string(kHeaderAnsi) + "\")";
      return false;
    }
    ++next_;
    return true;
  }

  bool ReadKeyLine(std::string_view line) {
    const std::size_t close = line.rfind(']');
    if (close == std::string_view::npos) return Fail("key path without a closing ']'");
    if (!Trim(line.substr(close + 1)).empty()) return Fail("text after the key path");
    std::string_view path = line.substr(1, close - 1);
    const bool remove = !path.empty() && path.front() == '-';
    if (remove) path.remove_prefix(1);

    std::vector<std::string> parts;
    for (;;) {
      const std::size_t cut = path.find('\\');
      const std::string_view part = path.substr(0, cut);
      if (part.empty()) return Fail("empty key name in the key path");
      if (part.size() > kMaxKeyNameLength) return Fail("key name longer than 255 characters");
      parts.emplace_back(part);
      if (parts.size() > kMaxKeyDepth) return Fail("key path deeper than 512 keys");
      if (cut == std::string_view::npos) break;
      path.remove_prefix(cut + 1);
    }
    bool knownRoot = false;
    for (std::string_view root : kRoots) knownRoot = knownRoot || RegistryNamesEqual(parts.front(), root);
    if (!knownRoot) return Fail("unknown root key \"" + parts.front() + "\"");

    if (remove) {
      tree_->DeleteKey(parts);
      key_ = nullptr;  // values that follow a deleted key are ignored
    } else {
      key_ = &tree_->CreateKey(parts);
    }
    inKey_ = true;
    return true;
  }

  // A quoted text with the escapes \\ and \"; `pos` is just past the opening quote.
  std::optional<std::string> ReadQuoted(std::string_view line, std::size_t& pos) {
    std::string text;
    while (pos < line.size()) {
      const char c = line[pos++];
      if (c == '"') return text;
      if (c == '\\' && pos < line.size() && (line[pos] == '\\' || line[pos] == '"')) {
        text += line[pos++];
      } else {
        text += c;
      }
    }
    return std::nullopt;
  }

  bool ReadValueLine(std::string_view line) {
    if (!inKey_) return Fail("value before the first key");
    std::size_t pos = 1;
    std::string name;
    if (line.front() == '"') {
      std::optional<std::string> quoted = ReadQuoted(line, pos);
      if (!quoted) return Fail("value name without a closing quote");
      name = std::move(*quoted);
    } else if (line.front() != '@') {
      return Fail("neither a key, a value nor a comment");
    }
    while (pos < line.size() && (line[pos] == ' ' || line[pos] == '\t')) ++pos;
    if (pos >= line.size() || line[pos] != '=') return Fail("value name without '='");
    const std::string_view data = Trim(line.substr(pos + 1));

    RegistryValue value;
    value.name = std::move(name);
    if (data == "-") {
      if (key_ != nullptr) RegistryTree::DeleteValue(*key_, value.name);
      return true;
    }
    if (!ReadData(data, value)) return false;
    if (key_ != nullptr) RegistryTree::SetValue(*key_, std::move(value));
    return true;
  }

  bool ReadData(std::string_view data, RegistryValue& value) {
    if (!data.empty() && data.front() == '"') {
      std::size_t pos = 1;
      std::optional<std::string> text = ReadQuoted(data, pos);
      if (!text) return Fail("text value without a closing quote");
      if (pos != data.size()) return Fail("text after the closing quote");
      value.type = REG_SZ;
      value.data.assign(text->begin(), text->end());
      value.data.push_back(0);
      return true;
    }
    if (StartsWithNoCase(data, "dword:")) {
      const std::string_view digits = data.substr(6);
      if (digits.empty() || digits.size() > 8) return Fail("dword value needs 1 to 8 hexadecimal digits");
      std::uint32_t number = 0;
      for (char c : digits) {
        const int digit = HexDigit(c);
        if (digit < 0) return Fail("dword value needs 1 to 8 hexadecimal digits");
        number = number << 4 | static_cast<std::uint32_t>(digit);
      }
      value.type = REG_DWORD;
      for (int i = 0; i < 4; ++i) value.data.push_back(static_cast<unsigned char>(number >> (8 * i)));
      return true;
    }
    if (StartsWithNoCase(data, "hex:")) {
      value.type = REG_BINARY;
      return ReadBytes(data.substr(4), value);
    }
    if (StartsWithNoCase(data, "hex(")) {
      const std::size_t close = data.find("):");
      if (close == std::string_view::npos || close == 4 || close > 12) return Fail("hex(n) value without its type number");
      std::uint32_t type = 0;
      for (char c : data.substr(4, close - 4)) {
        const int digit = HexDigit(c);
        if (digit < 0) return Fail("hex(n) type is not a hexadecimal number");
        type = type << 4 | static_cast<std::uint32_t>(digit);
      }
      value.type = type;
      if (!ReadBytes(data.substr(close + 2), value)) return false;
      // Texts of the Unicode format are stored as UTF-16; the programs read 8-bit texts.
      if (unicode_ && (type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ)) {
        const std::string text = Utf16LeToUtf8(value.data.data(), value.data.size());
        value.data.assign(text.begin(), text.end());
      }
      return true;
    }
    return Fail("value data not understood");
  }

  // Comma-separated two-digit bytes; a '\' at the end of a line continues the list on the next.
  bool ReadBytes(std::string_view list, RegistryValue& value) {
    std::size_t pos = 0;
    for (;;) {
      while (pos < list.size() && (list[pos] == ' ' || list[pos] == '\t')) ++pos;
      if (pos >= list.size()) return true;
      if (list[pos] == '\\' && Trim(list.substr(pos + 1)).empty()) {
        if (next_ >= lines_.size()) return true;
        list = Trim(lines_[next_++]);
        pos = 0;
        continue;
      }
      const int high = HexDigit(list[pos]);
      const int low = pos + 1 < list.size() ? HexDigit(list[pos + 1]) : -1;
      if (high < 0 || low < 0) return Fail("bytes must be two hexadecimal digits separated by commas");
      value.data.push_back(static_cast<unsigned char>(high << 4 | low));
      pos += 2;
      while (pos < list.size() && (list[pos] == ' ' || list[pos] == '\t')) ++pos;
      if (pos < list.size()) {
        if (list[pos] == ',') {
          ++pos;
        } else if (list[pos] != '\\') {
          return Fail("bytes must be two hexadecimal digits separated by commas");
        }
      }
    }
  }

  std::vector<std::string_view> lines_;
  std::string* error_;
  std::size_t next_ = 0;
  std::shared_ptr<RegistryTree> tree_ = std::make_shared<RegistryTree>();
  RegistryTree::Key* key_ = nullptr;
  bool inKey_ = false;
  bool unicode_ = false;
  std::string problem_;
};

}  // namespace

std::shared_ptr<RegistryTree> ReadRegistryText(std::string_view bytes, std::string* error) {
  std::string decoded;
  std::string_view text = bytes;
  if (text.size() >= 2 && static_cast<unsigned char>(text[0]) == 0xFF && static_cast<unsigned char>(text[1]) == 0xFE) {
    decoded = Utf16LeToUtf8(reinterpret_cast<const unsigned char*>(text.data()) + 2, text.size() - 2);
    text = decoded;
  } else if (text.size() >= 3 && text.substr(0, 3) == "\xEF\xBB\xBF") {
    text.remove_prefix(3);
  }
  return Reader(SplitLines(text), error).Read();
}

std::shared_ptr<RegistryTree> ReadRegistryFile(const std::string& path, std::string* error) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    if (error != nullptr) *error = "cannot open " + path;
    return nullptr;
  }
  const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  if (file.bad()) {
    if (error != nullptr) *error = "cannot read " + path;
    return nullptr;
  }
  std::string problem;
  std::shared_ptr<RegistryTree> tree = ReadRegistryText(bytes, &problem);
  if (!tree && error != nullptr) *error = path + ": " + problem;
  return tree;
}

}  // namespace platform
