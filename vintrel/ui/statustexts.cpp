#include "statustexts.h"

#include <bit>
#include <cstdio>
#include <iterator>

namespace {

// Physical-layer state names, indexed by PhysicalState.
constexpr const char* kPhysicalStates[] = {
    "Deactivation Req[0]", "Reset[1]",           "SSZ[2]",           "Unknown[3]",
    "Resync[4]",           "Unknown[5]",         "Error Indication[6]", "Power Up[7]",
    "Activation Req[8]",   "Act Req Pri 10[9]",  "Test Indication[10]", "Awake Test Ind[11]",
    "Act Ind Pri 8[12]",   "Act Ind Pri 10[13]", "Act Ind Local[14]", "Deact Conf[15]",
};
constexpr const char* kUnknownState = "Unknown";

// Link-state names by the number of the layer's two bits that are set.
constexpr const char* kLinkStates[] = {"Inactive", "UP Point to Point", "UP Multipoint"};

// Interface descriptions by board type; "%s" takes the adapter's name.
struct InterfaceFormat {
  std::int32_t boardType;
  const char* format;
};
constexpr InterfaceFormat kInterfaces[] = {
    {1, "%s U BR-ISDN ISA w/ Jumpers"},  {2, "%s U BR-ISDN ISA PnP"},
    {3, "%s S/T BR-ISDN ISA PnP"},       {4, "%s U BR-ISDN ISA PnP w/ POTS"},
    {5, "%s PCMCIA with U Dongle"},      {6, "%s PCMCIA with S Dongle"},
};

constexpr const char* kBaseIoFormat = "0x%03X";
constexpr const char* kIntFormat = "%d";
constexpr const char* kCounterFormat = "%ld";

template <class... Args>
std::string Format(const char* format, Args... args) {
  char text[128];
  std::snprintf(text, sizeof text, format, args...);
  return text;
}

}  // namespace

std::string PhysicalStateName(std::uint32_t state) {
  return state < std::size(kPhysicalStates) ? kPhysicalStates[state] : kUnknownState;
}

std::string LinkStateName(std::uint32_t linkFlags, std::uint32_t bitA, std::uint32_t bitB) {
  return kLinkStates[((linkFlags & bitA) != 0) + ((linkFlags & bitB) != 0)];
}

std::optional<std::string> InterfaceText(std::int32_t boardType, const char* adapterName) {
  for (const InterfaceFormat& entry : kInterfaces) {
    if (entry.boardType == boardType) return Format(entry.format, adapterName);
  }
  return std::nullopt;
}

std::string FormatBaseIo(std::uint32_t baseIo) { return Format(kBaseIoFormat, static_cast<unsigned>(baseIo & 0xFFFF)); }

std::string FormatIrq(std::uint32_t irq) { return Format(kIntFormat, static_cast<int>(irq & 0xFFFF)); }

std::string FormatInt(int value) { return Format(kIntFormat, value); }

std::string FormatCounter(std::uint32_t value) {
  return Format(kCounterFormat, static_cast<long>(std::bit_cast<std::int32_t>(value)));
}
