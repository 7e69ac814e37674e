#include <cstring>

#include "platform/avi.h"

// Reads RIFF 'AVI ' clips: LIST 'hdrl' with 'avih' and one LIST 'strl' per
// stream ('strh', 'strf' with a BITMAPINFOHEADER and its palette), then
// LIST 'movi' with the frames as '##db' or '##dc' chunks (also inside
// LIST 'rec '). Only 8-bit uncompressed video is taken. Every chunk's size is
// checked against the bytes that are really there.
namespace platform {
namespace {

constexpr int kMaxSide = 4096;
constexpr std::size_t kMaxFrameBytes = 64u << 20;  // all frames together, after decoding

using Bytes = std::span<const unsigned char>;

std::uint32_t U32(Bytes b, std::size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}
std::uint16_t U16(Bytes b, std::size_t at) { return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8)); }
bool Tag(Bytes b, std::size_t at, const char* tag) { return std::memcmp(b.data() + at, tag, 4) == 0; }

struct Chunk {
  Bytes id;    // 4 bytes
  Bytes body;  // the chunk's data
};

// Walks the chunks of an area; false when one claims more bytes than there are.
template <class Visit>
bool ForEachChunk(Bytes area, Visit visit) {
  std::size_t at = 0;
  while (at < area.size()) {
    if (area.size() - at < 8) return false;
    std::uint32_t size = U32(area, at + 4);
    if (size > area.size() - at - 8) return false;
    if (!visit(Chunk{area.subspan(at, 4), area.subspan(at + 8, size)})) return false;
    at += 8 + static_cast<std::size_t>(size);
    if ((size & 1) != 0 && at < area.size()) ++at;  // padding to an even offset
  }
  return true;
}

struct Reader {
  AviClip clip;
  std::string error;
  bool haveFormat = false;
  int stream = -1;       // number of the video stream
  int streamCount = 0;
  bool bottomUp = true;
  std::size_t stride = 0;
  std::uint32_t scale = 0, rate = 0;

  bool Fail(const char* why) {
    error = why;
    return false;
  }

  bool ReadStreamFormat(Bytes f) {
    if (f.size() < 40) return Fail("stream format too short");
    std::uint32_t headerSize = U32(f, 0);
    if (headerSize < 40 || headerSize > f.size()) return Fail("bad bitmap header size");
    auto width = static_cast<std::int32_t>(U32(f, 4));
    auto height = static_cast<std::int32_t>(U32(f, 8));
    std::uint16_t bits = U16(f, 14);
    std::uint32_t compression = U32(f, 16);
    std::uint32_t used = U32(f, 32);
    if (bits != 8) return Fail("frames are not 8 bits a pixel");
    if (compression != 0) return Fail("frames are compressed");
    if (width <= 0 || width > kMaxSide || height == 0 || height > kMaxSide || height < -kMaxSide) {
      return Fail("bad frame size");
    }
    std::uint32_t colours = used == 0 ? 256 : used;
    if (colours > 256) return Fail("too many palette entries");
    if ((f.size() - headerSize) / 4 < colours) return Fail("palette cut short");
    clip.width = width;
    clip.height = height < 0 ? -height : height;
    bottomUp = height > 0;
    stride = (static_cast<std::size_t>(width) + 3) & ~static_cast<std::size_t>(3);
    clip.palette.clear();
    for (std::uint32_t i = 0; i < colours; ++i) {
      std::size_t at = headerSize + 4 * static_cast<std::size_t>(i);  // blue, green, red, reserved
      clip.palette.push_back(0xFF000000u | (f[at + 2] << 16) | (f[at + 1] << 8) | f[at]);
    }
    haveFormat = true;
    return true;
  }

  bool ReadStreamList(Bytes list) {
    int number = streamCount++;
    bool video = false;
    return ForEachChunk(list, [&](const Chunk& c) {
      if (Tag(c.id, 0, "strh")) {
        if (c.body.size() < 28) return Fail("stream header too short");
        video = Tag(c.body, 0, "vids") && stream < 0;
        if (video) {
          scale = U32(c.body, 20);
          rate = U32(c.body, 24);
        }
      } else if (Tag(c.id, 0, "strf") && video) {
        if (!ReadStreamFormat(c.body)) return false;
        stream = number;
      }
      return true;
    });
  }

  bool ReadHeaderList(Bytes list) {
    return ForEachChunk(list, [&](const Chunk& c) {
      if (Tag(c.id, 0, "avih")) {
        if (c.body.size() < 40) return Fail("main header too short");
        clip.microsecondsPerFrame = U32(c.body, 0);
      } else if (Tag(c.id, 0, "LIST") && c.body.size() >= 4 && Tag(c.body, 0, "strl")) {
        return ReadStreamList(c.body.subspan(4));
      }
      return true;
    });
  }

  bool IsFrameChunk(Bytes id) const {
    char want[3];
    want[0] = static_cast<char>('0' + stream / 10);
    want[1] = static_cast<char>('0' + stream % 10);
    return id[0] == want[0] && id[1] == want[1] && id[2] == 'd' && (id[3] == 'b' || id[3] == 'c');
  }

  bool AddFrame(Bytes body) {
    std::size_t frameBytes = static_cast<std::size_t>(clip.width) * clip.height;
    if ((clip.frames.size() + 1) * frameBytes > kMaxFrameBytes) return Fail("clip too large");
    if (body.empty()) {  // a dropped frame: the previous one again
      if (!clip.frames.empty()) clip.frames.push_back(clip.frames.back());
      return true;
    }
    if (body.size() / stride < static_cast<std::size_t>(clip.height)) return Fail("frame cut short");
    std::vector<std::uint8_t> pixels(frameBytes);
    for (int y = 0; y < clip.height; ++y) {
      int source = bottomUp ? clip.height - 1 - y : y;
      std::memcpy(pixels.data() + static_cast<std::size_t>(y) * clip.width,
                  body.data() + static_cast<std::size_t>(source) * stride, static_cast<std::size_t>(clip.width));
    }
    clip.frames.push_back(std::move(pixels));
    return true;
  }

  bool ReadMovieList(Bytes list) {
    return ForEachChunk(list, [&](const Chunk& c) {
      if (Tag(c.id, 0, "LIST") && c.body.size() >= 4 && Tag(c.body, 0, "rec ")) return ReadMovieList(c.body.subspan(4));
      if (IsFrameChunk(c.id)) return AddFrame(c.body);
      return true;
    });
  }

  bool Read(Bytes bytes) {
    if (bytes.size() < 12 || !Tag(bytes, 0, "RIFF") || !Tag(bytes, 8, "AVI ")) return Fail("not an AVI file");
    std::uint32_t riffSize = U32(bytes, 4);
    if (riffSize < 4 || riffSize > bytes.size() - 8) return Fail("file cut short");
    Bytes body = bytes.subspan(12, riffSize - 4);
    bool ok = ForEachChunk(body, [&](const Chunk& c) {
      if (!Tag(c.id, 0, "LIST") || c.body.size() < 4) return true;
      if (Tag(c.body, 0, "hdrl")) return ReadHeaderList(c.body.subspan(4));
      if (Tag(c.body, 0, "movi")) {
        if (!haveFormat) return Fail("frames before the stream format");
        return ReadMovieList(c.body.subspan(4));
      }
      return true;
    });
    if (!ok) return error.empty() ? Fail("chunk runs past the end of the file") : false;
    if (!haveFormat) return Fail("no 8-bit video stream");
    if (clip.frames.empty()) return Fail("no frames");
    if (clip.microsecondsPerFrame == 0 && rate != 0) {
      clip.microsecondsPerFrame = static_cast<std::uint32_t>(1000000ull * scale / rate);
    }
    if (clip.microsecondsPerFrame == 0) clip.microsecondsPerFrame = 100000;
    return true;
  }
};

}  // namespace

std::optional<AviClip> ReadAvi(std::span<const unsigned char> bytes, std::string* error) {
  Reader reader;
  if (!reader.Read(bytes)) {
    if (error != nullptr) *error = reader.error;
    return std::nullopt;
  }
  return std::move(reader.clip);
}

}  // namespace platform
