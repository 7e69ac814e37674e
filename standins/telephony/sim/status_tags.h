// Tags of the records in a device-specific status area, and the requests a
// line's driver accepts through lineDevSpecific.
#pragma once

#include <cstdint>
#include <string>

namespace isdn::sim {

constexpr std::uint32_t kTagFirst = 0xAC160101;
constexpr std::uint32_t kTagLast = 0xAC160116;
constexpr std::uint32_t kTagSequence = 0x00010000;  // report counter, readers skip it
constexpr std::uint32_t kTagText = 0x0000DEAD;

constexpr std::uint32_t kTagFirmware = 0xAC160101;
constexpr std::uint32_t kTagPhysicalState = 0xAC160104;
constexpr std::uint32_t kTagLinkFlags = 0xAC160106;
constexpr std::uint32_t kTagBaseIo = 0xAC160109;
constexpr std::uint32_t kTagIrq = 0xAC16010A;
constexpr std::uint32_t kTagTxPackets = 0xAC16010B;
constexpr std::uint32_t kTagRxPackets = 0xAC16010C;
constexpr std::uint32_t kTagTei1 = 0xAC16010F;
constexpr std::uint32_t kTagTei2 = 0xAC160110;
constexpr std::uint32_t kTagCrcMismatch = 0xAC160111;
constexpr std::uint32_t kTagHardwareOverruns = 0xAC160112;
constexpr std::uint32_t kTagBufferOverruns = 0xAC160113;
constexpr std::uint32_t kTagDChannelFrmr = 0xAC160114;
constexpr std::uint32_t kTagDChannelRej = 0xAC160115;
constexpr std::uint32_t kTagCallCount = 0xAC160116;

struct StatusTagName {
  std::uint32_t tag;
  const char* name;
};

inline constexpr StatusTagName kStatusTagNames[] = {
    {kTagFirmware, "Firmware"},
    {kTagPhysicalState, "PhysicalState"},
    {kTagLinkFlags, "LinkFlags"},
    {kTagBaseIo, "BaseIo"},
    {kTagIrq, "Irq"},
    {kTagTxPackets, "TxPackets"},
    {kTagRxPackets, "RxPackets"},
    {kTagTei1, "Tei1"},
    {kTagTei2, "Tei2"},
    {kTagCrcMismatch, "CrcMismatch"},
    {kTagHardwareOverruns, "HardwareOverruns"},
    {kTagBufferOverruns, "BufferOverruns"},
    {kTagDChannelFrmr, "DChannelFrmr"},
    {kTagDChannelRej, "DChannelRej"},
    {kTagCallCount, "CallCount"},
};

// Link flag bits: Q.921 up per TEI, Q.931 up per channel.
constexpr std::uint32_t kLinkQ921First = 0x02;
constexpr std::uint32_t kLinkQ921Second = 0x10;
constexpr std::uint32_t kLinkQ931First = 0x04;
constexpr std::uint32_t kLinkQ931Second = 0x20;

// Requests: an 8-byte block, code then value.
constexpr std::uint32_t kRequestStatusReporting = 0xAC170101;  // value 0 off, else on
constexpr std::uint32_t kRequestLogFilter = 0xAC170102;        // value: mask of log kinds
constexpr std::uint32_t kRequestDiagnostics = 0xAC170103;

// Kinds of log text, as selected by the log filter mask. Diagnostics texts
// are asked for explicitly and pass every filter.
enum LogKind : std::uint32_t {
  kLogApi = 0x001,
  kLogQ931 = 0x004,
  kLogQ921 = 0x010,
  kLogPhysical = 0x040,
  kLogApiDetail = 0x400,
  kLogDiagnostics = 0,
};

}  // namespace isdn::sim
