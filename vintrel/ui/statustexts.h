// The texts the Diagnostics and Statistics pages make of the adapter's status
// values and configuration. The tables themselves are in statustexts.cpp.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

// "Deact Conf[15]" for 15; "Unknown" for any value outside 0 to 15.
std::string PhysicalStateName(std::uint32_t state);

// The state of a layer from LinkFlags and the layer's two bits: both set
// "UP Multipoint", one set "UP Point to Point", none "Inactive".
std::string LinkStateName(std::uint32_t linkFlags, std::uint32_t bitA, std::uint32_t bitB);
constexpr std::uint32_t kQ921Bits[2] = {0x02, 0x10};
constexpr std::uint32_t kQ931Bits[2] = {0x04, 0x20};

// The interface description of a board type (1 to 6) with the adapter's name
// in it; nothing for any other board type.
std::optional<std::string> InterfaceText(std::int32_t boardType, const char* adapterName);

// Number formats of the pages.
std::string FormatBaseIo(std::uint32_t baseIo);  // low 16 bits, "0x%03X"
std::string FormatIrq(std::uint32_t irq);        // low 16 bits, "%d"
std::string FormatInt(int value);                // "%d"
std::string FormatCounter(std::uint32_t value);  // as a signed 32-bit number, "%ld"
