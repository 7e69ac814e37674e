// AVI clips: a reader for RIFF 'AVI ' files with one video stream of
// uncompressed 8-bit frames and a palette, and a writer for such clips.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace platform {

struct AviClip {
  int width = 0;
  int height = 0;
  std::uint32_t microsecondsPerFrame = 0;
  std::vector<std::uint32_t> palette;  // 0xAARRGGBB, 256 entries at most
  // One palette index per pixel, rows top to bottom, width bytes a row.
  std::vector<std::vector<std::uint8_t>> frames;
};

// Reads a clip; every size is checked against the bytes there are. On failure
// returns nothing and, when error is given, says why.
std::optional<AviClip> ReadAvi(std::span<const unsigned char> bytes, std::string* error = nullptr);

// Writes a clip in the form ReadAvi reads (bottom-up frames in '00db' chunks).
std::vector<unsigned char> WriteAvi(const AviClip& clip);

}  // namespace platform
