// The device-specific exchange with the adapter's driver: the request block
// sent through lineDevSpecific, and the status values and log texts the driver
// reports in the device-specific area of line 1's device status.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>

// Request codes.
constexpr std::uint32_t SetStatusReporting = 0xAC170101;
constexpr std::uint32_t SetLogFilter = 0xAC170102;
constexpr std::uint32_t DiagnosticsRequest = 0xAC170103;

// Values of SetStatusReporting.
constexpr std::uint32_t StatusReportingOn = 0xFFFFFFFF;
constexpr std::uint32_t StatusReportingOff = 0;

// The 8-byte request block: code and value, little-endian. One block serves
// every request; the next request overwrites it.
struct DevSpecificRequestBlock {
  std::uint32_t Code = 0;
  std::uint32_t Value = 0;
};
static_assert(sizeof(DevSpecificRequestBlock) == 8);
static_assert(std::endian::native == std::endian::little, "the request block is sent as it lies in memory");

extern DevSpecificRequestBlock DevSpecificRequest;

// The status values last reported by the driver, read by the pages.
struct AdapterStatusRecord {
  std::uint32_t PhysicalState = 0xFFFFFFFF;
  std::uint32_t LinkFlags = 0;
  std::uint32_t BaseIo = 0;
  std::uint32_t Irq = 0;
  std::uint32_t TxPackets = 0;
  std::uint32_t RxPackets = 0;
  std::uint32_t Tei1 = 0;
  std::uint32_t Tei2 = 0;
  std::uint32_t CrcMismatch = 0;
  std::uint32_t HardwareOverruns = 0;
  std::uint32_t BufferOverruns = 0;
  std::uint32_t DChannelFrmr = 0;
  std::uint32_t DChannelRej = 0;
  std::uint32_t CallCount = 0;
  std::uint32_t LastClearCause = 16;  // no report carries it
};

extern AdapterStatusRecord AdapterStatus;

// Record tags of the device-specific status area.
constexpr std::uint32_t kFirstStatusTag = 0xAC160101;
constexpr std::uint32_t kLastStatusTag = 0xAC160116;
constexpr std::uint32_t kSkippedValueTag = 0x00010000;
constexpr std::uint32_t kTextTag = 0x0000DEAD;

// At most this many bytes of an area are read.
constexpr std::size_t kDevSpecificWorkBytes = 1024;

// Walks the records of a status area of `size` bytes, of which only the first
// kDevSpecificWorkBytes are read: stores status values in AdapterStatus and
// appends texts to EventLog, in record order. Stops at an unknown tag or at a
// record that does not lie wholly within the bytes read.
void WalkDevSpecificArea(const unsigned char* area, std::size_t size);
