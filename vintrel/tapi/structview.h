// Reads and writes the 32-bit fields of a telephony structure held in a
// localmem block, and finds the variable parts that follow them, never
// reaching past the block.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "localmem.h"

class StructView {
 public:
  explicit StructView(void* block) : bytes_(static_cast<unsigned char*>(block)), size_(localmem::LocalSize(block)) {}

  unsigned char* Bytes() const { return bytes_; }
  std::size_t Size() const { return size_; }

  // The field at a byte offset; 0 when it does not lie within the block.
  std::uint32_t Field(std::size_t offset) const {
    std::uint32_t value = 0;
    if (offset <= size_ && size_ - offset >= sizeof value) std::memcpy(&value, bytes_ + offset, sizeof value);
    return value;
  }

  void SetField(std::size_t offset, std::uint32_t value) {
    if (offset <= size_ && size_ - offset >= sizeof value) std::memcpy(bytes_ + offset, &value, sizeof value);
  }

  // The `size` bytes at `offset`, or nullptr when they do not lie wholly within the block.
  const unsigned char* Area(std::size_t offset, std::size_t size) const {
    if (offset > size_ || size > size_ - offset) return nullptr;
    return bytes_ + offset;
  }

  // How many bytes of the block lie at and after `offset`.
  std::size_t BytesFrom(std::size_t offset) const { return offset < size_ ? size_ - offset : 0; }

 private:
  unsigned char* bytes_;
  std::size_t size_;
};
