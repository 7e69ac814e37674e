// Frames exchanged between the telephony library, the adapter simulator and
// its command-line tool over a local stream socket.
//
// A frame is: uint32 length of what follows, uint16 kind, uint32 id, payload.
// All numbers are little-endian. The payload is a sequence of fields written
// by Writer and read back, bounds-checked, by Reader.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace isdn::wire {

using Bytes = std::vector<std::uint8_t>;

constexpr std::size_t kMaxFrameSize = 64 * 1024;  // larger frames are a protocol error

struct Frame {
  std::uint16_t kind = 0;
  std::uint32_t id = 0;  // pairs a response with its request; 0 for events
  Bytes payload;
};

Bytes EncodeFrame(const Frame& frame);

// Collects bytes from a stream and cuts them into frames.
class FrameBuffer {
 public:
  void Append(const std::uint8_t* data, std::size_t size);
  // Takes the next complete frame. Returns false when none is complete yet.
  bool Next(Frame& frame);
  // A length field beyond kMaxFrameSize: the stream cannot be trusted further.
  bool Broken() const { return broken_; }

 private:
  Bytes pending_;
  bool broken_ = false;
};

class Writer {
 public:
  Writer& U32(std::uint32_t value);
  Writer& Blob(const std::uint8_t* data, std::size_t size);
  Writer& Blob(const Bytes& bytes) { return Blob(bytes.data(), bytes.size()); }
  Writer& Str(const std::string& text);
  Bytes Take() { return std::move(bytes_); }

 private:
  Bytes bytes_;
};

// Reads fields in order. A read past the end yields zero or empty values and
// marks the reader failed; callers check Ok() once after reading everything.
class Reader {
 public:
  explicit Reader(const Bytes& bytes) : bytes_(bytes) {}
  std::uint32_t U32();
  Bytes Blob();
  std::string Str();
  bool Ok() const { return ok_; }
  bool AtEnd() const { return pos_ == bytes_.size(); }

 private:
  const Bytes& bytes_;
  std::size_t pos_ = 0;
  bool ok_ = true;
};

void PutU32(Bytes& out, std::uint32_t value);
std::uint32_t GetU32(const std::uint8_t* at);

}  // namespace isdn::wire
