#include "frame.h"

#include <cstring>

namespace isdn::wire {
namespace {

constexpr std::size_t kHeaderSize = 4 + 2 + 4;

}  // namespace

void PutU32(Bytes& out, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

std::uint32_t GetU32(const std::uint8_t* at) {
  return static_cast<std::uint32_t>(at[0]) | static_cast<std::uint32_t>(at[1]) << 8 |
         static_cast<std::uint32_t>(at[2]) << 16 | static_cast<std::uint32_t>(at[3]) << 24;
}

Bytes EncodeFrame(const Frame& frame) {
  Bytes out;
  out.reserve(kHeaderSize + frame.payload.size());
  PutU32(out, static_cast<std::uint32_t>(2 + 4 + frame.payload.size()));
  out.push_back(static_cast<std::uint8_t>(frame.kind));
  out.push_back(static_cast<std::uint8_t>(frame.kind >> 8));
  PutU32(out, frame.id);
  out.insert(out.end(), frame.payload.begin(), frame.payload.end());
  return out;
}

void FrameBuffer::Append(const std::uint8_t* data, std::size_t size) {
  pending_.insert(pending_.end(), data, data + size);
}

bool FrameBuffer::Next(Frame& frame) {
  if (broken_ || pending_.size() < 4) return false;
  const std::uint32_t length = GetU32(pending_.data());
  if (length < 6 || length > kMaxFrameSize) {
    broken_ = true;
    return false;
  }
  if (pending_.size() < 4 + static_cast<std::size_t>(length)) return false;
  frame.kind = static_cast<std::uint16_t>(pending_[4] | pending_[5] << 8);
  frame.id = GetU32(pending_.data() + 6);
  frame.payload.assign(pending_.begin() + kHeaderSize, pending_.begin() + 4 + length);
  pending_.erase(pending_.begin(), pending_.begin() + 4 + length);
  return true;
}

Writer& Writer::U32(std::uint32_t value) {
  PutU32(bytes_, value);
  return *this;
}

Writer& Writer::Blob(const std::uint8_t* data, std::size_t size) {
  PutU32(bytes_, static_cast<std::uint32_t>(size));
  bytes_.insert(bytes_.end(), data, data + size);
  return *this;
}

Writer& Writer::Str(const std::string& text) {
  return Blob(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
}

std::uint32_t Reader::U32() {
  if (!ok_ || bytes_.size() - pos_ < 4) {
    ok_ = false;
    return 0;
  }
  const std::uint32_t value = GetU32(bytes_.data() + pos_);
  pos_ += 4;
  return value;
}

Bytes Reader::Blob() {
  const std::uint32_t size = U32();
  if (!ok_ || bytes_.size() - pos_ < size) {
    ok_ = false;
    return {};
  }
  Bytes out(bytes_.begin() + pos_, bytes_.begin() + pos_ + size);
  pos_ += size;
  return out;
}

std::string Reader::Str() {
  const Bytes blob = Blob();
  return std::string(blob.begin(), blob.end());
}

}  // namespace isdn::wire
