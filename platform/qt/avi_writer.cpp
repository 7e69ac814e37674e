#include <cstring>

#include "platform/avi.h"

// Writes the simplest clip the animation control plays: one video stream,
// 8-bit frames with a palette, bottom-up rows padded to four bytes, and an
// index.
namespace platform {
namespace {

class Out {
 public:
  void U32(std::uint32_t v) {
    for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<unsigned char>(v >> (8 * i)));
  }
  void U16(std::uint16_t v) {
    bytes.push_back(static_cast<unsigned char>(v));
    bytes.push_back(static_cast<unsigned char>(v >> 8));
  }
  void Tag(const char* tag) { bytes.insert(bytes.end(), tag, tag + 4); }
  // Starts a chunk and returns where its size goes.
  std::size_t Begin(const char* tag) {
    Tag(tag);
    U32(0);
    return bytes.size() - 4;
  }
  void End(std::size_t sizeAt) {
    auto size = static_cast<std::uint32_t>(bytes.size() - sizeAt - 4);
    std::memcpy(bytes.data() + sizeAt, &size, 4);  // little-endian host
    if (size & 1) bytes.push_back(0);
  }
  std::vector<unsigned char> bytes;
};

}  // namespace

std::vector<unsigned char> WriteAvi(const AviClip& clip) {
  const std::size_t stride = (static_cast<std::size_t>(clip.width) + 3) & ~static_cast<std::size_t>(3);
  const auto frameSize = static_cast<std::uint32_t>(stride * static_cast<std::size_t>(clip.height));
  const auto frames = static_cast<std::uint32_t>(clip.frames.size());
  Out o;
  std::size_t riff = o.Begin("RIFF");
  o.Tag("AVI ");

  std::size_t hdrl = o.Begin("LIST");
  o.Tag("hdrl");
  std::size_t avih = o.Begin("avih");
  o.U32(clip.microsecondsPerFrame);
  o.U32(0);         // max bytes per second
  o.U32(0);         // padding granularity
  o.U32(0x10);      // flags: has index
  o.U32(frames);
  o.U32(0);         // initial frames
  o.U32(1);         // streams
  o.U32(frameSize); // suggested buffer size
  o.U32(static_cast<std::uint32_t>(clip.width));
  o.U32(static_cast<std::uint32_t>(clip.height));
  for (int i = 0; i < 4; ++i) o.U32(0);
  o.End(avih);

  std::size_t strl = o.Begin("LIST");
  o.Tag("strl");
  std::size_t strh = o.Begin("strh");
  o.Tag("vids");
  o.U32(0);  // handler: uncompressed
  o.U32(0);  // flags
  o.U16(0);  // priority
  o.U16(0);  // language
  o.U32(0);  // initial frames
  o.U32(clip.microsecondsPerFrame == 0 ? 1 : clip.microsecondsPerFrame);  // scale
  o.U32(1000000);                                                          // rate
  o.U32(0);  // start
  o.U32(frames);
  o.U32(frameSize);
  o.U32(0xFFFFFFFF);  // quality
  o.U32(0);           // sample size
  o.U16(0);
  o.U16(0);
  o.U16(static_cast<std::uint16_t>(clip.width));
  o.U16(static_cast<std::uint16_t>(clip.height));
  o.End(strh);
  std::size_t strf = o.Begin("strf");
  o.U32(40);
  o.U32(static_cast<std::uint32_t>(clip.width));
  o.U32(static_cast<std::uint32_t>(clip.height));
  o.U16(1);
  o.U16(8);
  o.U32(0);  // uncompressed
  o.U32(frameSize);
  o.U32(0);
  o.U32(0);
  o.U32(static_cast<std::uint32_t>(clip.palette.size()));
  o.U32(0);
  for (std::uint32_t argb : clip.palette) {
    o.bytes.push_back(static_cast<unsigned char>(argb));
    o.bytes.push_back(static_cast<unsigned char>(argb >> 8));
    o.bytes.push_back(static_cast<unsigned char>(argb >> 16));
    o.bytes.push_back(0);
  }
  o.End(strf);
  o.End(strl);
  o.End(hdrl);

  std::size_t movi = o.Begin("LIST");
  std::size_t moviStart = o.bytes.size();
  o.Tag("movi");
  std::vector<std::uint32_t> offsets;
  const std::size_t frameBytes = static_cast<std::size_t>(clip.width) * static_cast<std::size_t>(clip.height);
  for (std::vector<std::uint8_t> pixels : clip.frames) {
    pixels.resize(frameBytes);  // a short frame is filled with colour 0
    offsets.push_back(static_cast<std::uint32_t>(o.bytes.size() - moviStart));
    std::size_t chunk = o.Begin("00db");
    for (int y = clip.height - 1; y >= 0; --y) {
      const std::uint8_t* row = pixels.data() + static_cast<std::size_t>(y) * clip.width;
      o.bytes.insert(o.bytes.end(), row, row + clip.width);
      o.bytes.insert(o.bytes.end(), stride - static_cast<std::size_t>(clip.width), 0);
    }
    o.End(chunk);
  }
  o.End(movi);

  std::size_t idx1 = o.Begin("idx1");
  for (std::uint32_t offset : offsets) {
    o.Tag("00db");
    o.U32(0x10);  // key frame
    o.U32(offset);
    o.U32(frameSize);
  }
  o.End(idx1);
  o.End(riff);
  return std::move(o.bytes);
}

}  // namespace platform
