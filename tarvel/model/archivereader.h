// Sequential reader of a region data file: little-endian numbers and length-
// prefixed archive strings. Every read reports whether the bytes were there;
// after a short read the reader stays failed and reads nothing more.
#pragma once

#include <cstdint>
#include <istream>
#include <string>

class ArchiveReader {
 public:
  explicit ArchiveReader(std::istream& in) : in_(in) {}

  bool ReadU8(std::uint8_t& value);
  bool ReadU16(std::uint16_t& value);
  bool ReadI16(std::int16_t& value);
  bool ReadU32(std::uint32_t& value);
  bool ReadI32(std::int32_t& value);

  // An archive string: one length byte L (L < 0xFF: L characters); else a
  // 16-bit W (W < 0xFFFE: W characters; W = 0xFFFF: a 32-bit count follows;
  // W = 0xFFFE: the characters are 16-bit, and a second prefix follows, read by
  // the three rules for the count). Wide text is converted to Windows-1252.
  // Memory grows only with the bytes actually present, so a huge announced
  // length in a short file fails as an early end without a large allocation.
  bool ReadString(std::string& value);

  // True once a read has run past the end of the data.
  bool Failed() const { return failed_; }

 private:
  bool ReadBytes(void* data, std::size_t size);
  bool ReadCount(std::uint32_t& count, bool* wide);
  bool ReadNarrow(std::uint32_t count, std::string& value);
  bool ReadWide(std::uint32_t count, std::string& value);

  std::istream& in_;
  bool failed_ = false;
};
