#include "localmem.h"

#include <cstdint>
#include <cstdlib>
#include <new>

namespace localmem {
namespace {

// Every block is preceded by a header that records its size; the marker tells
// a block of ours from any other address.
struct alignas(std::max_align_t) Header {
  std::size_t size;
  std::uint64_t marker;
};

constexpr std::uint64_t kLiveMarker = 0x4C6F63616C4D656DULL;

Header* HeaderOf(const void* block) {
  return reinterpret_cast<Header*>(static_cast<unsigned char*>(const_cast<void*>(block)) - sizeof(Header));
}

}  // namespace

void* LocalAlloc(std::size_t size) {
  if (size == 0 || size > kMaxBlockSize) return nullptr;
  void* raw = std::calloc(1, sizeof(Header) + size);
  if (raw == nullptr) return nullptr;
  Header* header = new (raw) Header{size, kLiveMarker};
  return header + 1;
}

std::size_t LocalSize(const void* block) {
  if (block == nullptr) return 0;
  const Header* header = HeaderOf(block);
  return header->marker == kLiveMarker ? header->size : 0;
}

void LocalFree(void* block) {
  if (block == nullptr) return;
  Header* header = HeaderOf(block);
  header->marker = 0;
  std::free(header);
}

}  // namespace localmem
