// Types, codes and structure offsets of the telephony interface, as this
// program uses them. Every handle, identifier, version, mask and size is a
// 32-bit value; every function returns a 32-bit signed result.
#pragma once

#include <cstddef>
#include <cstdint>

namespace tapi {

using LINECALLBACK = void (*)(std::uint32_t hDevice, std::uint32_t dwMessage, std::uint32_t dwCallbackInstance,
                              std::uint32_t dwParam1, std::uint32_t dwParam2, std::uint32_t dwParam3);

// Error results (negative when taken as int32_t).
constexpr std::int32_t LineError(std::uint32_t code) { return static_cast<std::int32_t>(code); }
constexpr std::int32_t LINEERR_INIFILECORRUPT = LineError(0x8000000E);
constexpr std::int32_t LINEERR_INVALCARD = LineError(0x8000001E);
constexpr std::int32_t LINEERR_INVALLOCATION = LineError(0x8000002D);
constexpr std::int32_t LINEERR_NODRIVER = LineError(0x80000043);
constexpr std::int32_t LINEERR_NOMEM = LineError(0x80000044);
constexpr std::int32_t LINEERR_OPERATIONFAILED = LineError(0x80000048);
constexpr std::int32_t LINEERR_OPERATIONUNAVAIL = LineError(0x80000049);
constexpr std::int32_t LINEERR_RESOURCEUNAVAIL = LineError(0x8000004B);
constexpr std::int32_t LINEERR_STRUCTURETOOSMALL = LineError(0x8000004D);
constexpr std::int32_t LINEERR_REINIT = LineError(0x80000052);
constexpr std::int32_t LINEERR_NOMULTIPLEINSTANCE = LineError(0x80000056);

// Callback messages.
constexpr std::uint32_t LINE_CALLSTATE = 2;
constexpr std::uint32_t LINE_CLOSE = 3;
constexpr std::uint32_t LINE_LINEDEVSTATE = 8;
constexpr std::uint32_t LINE_REPLY = 12;
constexpr std::uint32_t LINE_CREATE = 19;

// Line device states (LINE_LINEDEVSTATE's first parameter, and the mask bits
// of lineSetStatusMessages).
constexpr std::uint32_t LINEDEVSTATE_CONNECTED = 0x4;
constexpr std::uint32_t LINEDEVSTATE_DISCONNECTED = 0x8;
constexpr std::uint32_t LINEDEVSTATE_CLOSE = 0x400;
constexpr std::uint32_t LINEDEVSTATE_DEVSPECIFIC = 0x20000;

constexpr std::uint32_t LINECALLPRIVILEGE_MONITOR = 2;
constexpr std::uint32_t LINEMEDIAMODE_DIGITALDATA = 0x100;
constexpr std::uint32_t STRINGFORMAT_ASCII = 1;

// Byte offsets of the fields read from the variable-sized structures. Every
// such structure starts with dwTotalSize and dwNeededSize.
namespace offsets {
constexpr std::size_t dwTotalSize = 0;
constexpr std::size_t dwNeededSize = 4;

// Line device capabilities.
constexpr std::size_t dwSwitchInfoSize = 20;
constexpr std::size_t dwSwitchInfoOffset = 24;
constexpr std::size_t dwLineNameSize = 32;
constexpr std::size_t dwLineNameOffset = 36;
constexpr std::size_t dwStringFormat = 40;
constexpr std::size_t dwMediaModes = 60;

// Line device status.
constexpr std::size_t dwNumActiveCalls = 20;
constexpr std::size_t dwDevSpecificSize = 68;
constexpr std::size_t dwDevSpecificOffset = 72;
}  // namespace offsets

}  // namespace tapi
