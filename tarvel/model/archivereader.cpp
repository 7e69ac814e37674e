#include "archivereader.h"

#include <algorithm>

#include "ansicodepage.h"

namespace {

// Strings are read in pieces of this size, so that the memory they take never
// runs ahead of the bytes the file really holds.
constexpr std::size_t kStringChunk = 64 * 1024;

constexpr std::uint8_t kByteEscape = 0xFF;
constexpr std::uint16_t kWideMark = 0xFFFE;
constexpr std::uint16_t kLongEscape = 0xFFFF;

}  // namespace

bool ArchiveReader::ReadBytes(void* data, std::size_t size) {
  if (failed_) return false;
  in_.read(static_cast<char*>(data), static_cast<std::streamsize>(size));
  if (static_cast<std::size_t>(in_.gcount()) != size) failed_ = true;
  return !failed_;
}

bool ArchiveReader::ReadU8(std::uint8_t& value) { return ReadBytes(&value, 1); }

bool ArchiveReader::ReadU16(std::uint16_t& value) {
  unsigned char b[2];
  if (!ReadBytes(b, sizeof b)) return false;
  value = static_cast<std::uint16_t>(b[0] | (b[1] << 8));
  return true;
}

bool ArchiveReader::ReadI16(std::int16_t& value) {
  std::uint16_t u;
  if (!ReadU16(u)) return false;
  value = static_cast<std::int16_t>(u);
  return true;
}

bool ArchiveReader::ReadU32(std::uint32_t& value) {
  unsigned char b[4];
  if (!ReadBytes(b, sizeof b)) return false;
  value = static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
          (static_cast<std::uint32_t>(b[2]) << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
  return true;
}

bool ArchiveReader::ReadI32(std::int32_t& value) {
  std::uint32_t u;
  if (!ReadU32(u)) return false;
  value = static_cast<std::int32_t>(u);
  return true;
}

// Reads one length prefix. With `wide` given, the 0xFFFE mark switches to
// 16-bit characters and a second prefix follows; without it (the second
// prefix) 0xFFFE is an ordinary 16-bit count.
bool ArchiveReader::ReadCount(std::uint32_t& count, bool* wide) {
  std::uint8_t b;
  if (!ReadU8(b)) return false;
  if (b < kByteEscape) {
    count = b;
    return true;
  }
  std::uint16_t w;
  if (!ReadU16(w)) return false;
  if (w == kWideMark && wide != nullptr) {
    *wide = true;
    return ReadCount(count, nullptr);
  }
  if (w != kLongEscape) {
    count = w;
    return true;
  }
  return ReadU32(count);
}

bool ArchiveReader::ReadNarrow(std::uint32_t count, std::string& value) {
  std::size_t left = count;
  while (left > 0) {
    const std::size_t piece = std::min(left, kStringChunk);
    const std::size_t at = value.size();
    value.resize(at + piece);
    if (!ReadBytes(value.data() + at, piece)) return false;
    left -= piece;
  }
  return true;
}

bool ArchiveReader::ReadWide(std::uint32_t count, std::string& value) {
  std::u16string wide;
  std::size_t left = count;
  unsigned char buffer[2 * 1024];
  while (left > 0) {
    const std::size_t units = std::min(left, sizeof buffer / 2);
    if (!ReadBytes(buffer, units * 2)) return false;
    for (std::size_t i = 0; i < units; ++i)
      wide.push_back(static_cast<char16_t>(buffer[2 * i] | (buffer[2 * i + 1] << 8)));
    left -= units;
  }
  value = AnsiCodePage::FromUtf16(wide);
  return true;
}

bool ArchiveReader::ReadString(std::string& value) {
  value.clear();
  bool wide = false;
  std::uint32_t count = 0;
  if (!ReadCount(count, &wide)) return false;
  const bool ok = wide ? ReadWide(count, value) : ReadNarrow(count, value);
  if (!ok) value.clear();
  return ok;
}
