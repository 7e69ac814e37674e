#include "devspecific.h"

#include <algorithm>
#include <cstring>

#include "log/eventlog.h"
#include "linemon.h"
#include "localmem.h"
#include "structview.h"
#include "tapibinding.h"

DevSpecificRequestBlock DevSpecificRequest;
AdapterStatusRecord AdapterStatus;

namespace {

// Status tags that store a value; the other tags of the status range are
// accepted and skipped.
struct StatusField {
  std::uint32_t tag;
  std::uint32_t AdapterStatusRecord::*field;
};

constexpr StatusField kStatusFields[] = {
    {0xAC160104, &AdapterStatusRecord::PhysicalState},
    {0xAC160106, &AdapterStatusRecord::LinkFlags},
    {0xAC160109, &AdapterStatusRecord::BaseIo},
    {0xAC16010A, &AdapterStatusRecord::Irq},
    {0xAC16010B, &AdapterStatusRecord::TxPackets},
    {0xAC16010C, &AdapterStatusRecord::RxPackets},
    {0xAC16010F, &AdapterStatusRecord::Tei1},
    {0xAC160110, &AdapterStatusRecord::Tei2},
    {0xAC160111, &AdapterStatusRecord::CrcMismatch},
    {0xAC160112, &AdapterStatusRecord::HardwareOverruns},
    {0xAC160113, &AdapterStatusRecord::BufferOverruns},
    {0xAC160114, &AdapterStatusRecord::DChannelFrmr},
    {0xAC160115, &AdapterStatusRecord::DChannelRej},
    {0xAC160116, &AdapterStatusRecord::CallCount},
};

constexpr std::size_t kTagBytes = 4;
constexpr std::size_t kValueRecordBytes = 8;
// A text record is the tag, the text, its NUL and three more bytes.
constexpr std::size_t kTextRecordOverhead = 8;

std::uint32_t ReadLittleEndian32(const unsigned char* p) {
  return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 | std::uint32_t{p[3]} << 24;
}

void StoreStatus(std::uint32_t tag, std::uint32_t value) {
  for (const StatusField& entry : kStatusFields) {
    if (entry.tag == tag) {
      AdapterStatus.*entry.field = value;
      return;
    }
  }
}

}  // namespace

void WalkDevSpecificArea(const unsigned char* area, std::size_t size) {
  size = std::min(size, kDevSpecificWorkBytes);
  std::size_t at = 0;
  while (at < size) {
    const std::size_t remaining = size - at;
    if (remaining < kTagBytes) return;
    const unsigned char* record = area + at;
    const std::uint32_t tag = ReadLittleEndian32(record);

    if (tag == kSkippedValueTag || (tag >= kFirstStatusTag && tag <= kLastStatusTag)) {
      if (remaining < kValueRecordBytes) return;
      if (tag != kSkippedValueTag) StoreStatus(tag, ReadLittleEndian32(record + kTagBytes));
      at += kValueRecordBytes;
    } else if (tag == kTextTag) {
      const unsigned char* text = record + kTagBytes;
      const void* end = std::memchr(text, '\0', remaining - kTagBytes);
      if (end == nullptr) return;
      EventLog.Append(reinterpret_cast<const char*>(text));
      const std::size_t length = static_cast<std::size_t>(static_cast<const unsigned char*>(end) - text);
      if (length + kTextRecordOverhead > remaining) return;
      at += length + kTextRecordOverhead;
    } else {
      return;  // any other tag ends the report
    }
  }
}

std::int32_t linemon::SendDevSpecific(std::uint32_t code, std::uint32_t value) {
  DevSpecificRequest.Code = code;
  DevSpecificRequest.Value = value;
  return tapi::lineDevSpecific(Line[0], 0, 0, &DevSpecificRequest, sizeof DevSpecificRequest);
}

void linemon::ReadDevSpecific() {
  // Line 1 carries the status, whichever line announced it.
  void* buffer = GetLineDevStatus(0);
  if (buffer == nullptr) return;

  const StructView status(buffer);
  const std::uint32_t size = status.Field(tapi::offsets::dwDevSpecificSize);
  const std::uint32_t offset = status.Field(tapi::offsets::dwDevSpecificOffset);
  const std::uint32_t totalSize = status.Field(tapi::offsets::dwTotalSize);
  // The area must lie within both the structure's stated size and the block.
  const unsigned char* area = status.Area(offset, size);
  if (size != 0 && size <= totalSize && offset <= totalSize - size && area != nullptr)
    WalkDevSpecificArea(area, size);
  localmem::LocalFree(buffer);
}
