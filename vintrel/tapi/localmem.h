// Zero-filled memory blocks that know their own size, for the buffers handed
// to the telephony library.
#pragma once

#include <cstddef>

namespace localmem {

// The largest block handed out. A telephony structure is a few kilobytes; a
// size claimed beyond this is treated as an allocation failure, so a library
// that keeps asking for more can never exhaust memory.
constexpr std::size_t kMaxBlockSize = std::size_t{16} << 20;

// A zero-filled block of `size` bytes, or nullptr (size 0 or above the limit,
// or no memory).
void* LocalAlloc(std::size_t size);

// The size the block was allocated with; 0 for nullptr or for a block whose
// header has been overwritten.
std::size_t LocalSize(const void* block);

// Frees a block; nullptr is ignored.
void LocalFree(void* block);

}  // namespace localmem
