#include "tapibinding.h"

#include <cstdint>
#include <string>

namespace tapi {

platform::LibraryHandle TapiModule = nullptr;
void* const kNotAvailable = reinterpret_cast<void*>(~std::uintptr_t{0});

namespace {

// One slot per entry point: nullptr = not looked up yet, kNotAvailable = not
// available, anything else = the function.
enum Proc { Close, DevSpecific, GetDevCaps, GetLineDevStatus, Initialize, NegotiateAPIVersion, Open,
            SetStatusMessages, ProcCount };

constexpr const char* kProcNames[ProcCount] = {
    "lineClose",      "lineDevSpecific",         "lineGetDevCaps", "lineGetLineDevStatus",
    "lineInitialize", "lineNegotiateAPIVersion", "lineOpen",       "lineSetStatusMessages",
};

void* Slots[ProcCount] = {};

std::string& LibraryName() {
  static std::string name = "TAPI32.DLL";
  return name;
}

// The entry point of `proc` cast to the type of the function F, or nullptr
// with the error in *rc.
template <class F>
F* Reach(Proc proc, std::int32_t* rc) {
  void*& slot = Slots[proc];
  if (slot == nullptr) {
    const std::int32_t result = LoadTapiProc(kProcNames[proc], &slot);
    if (result != 0) {
      slot = kNotAvailable;
      *rc = result;
      return nullptr;
    }
  }
  if (slot == kNotAvailable) {
    *rc = LINEERR_OPERATIONUNAVAIL;
    return nullptr;
  }
  return reinterpret_cast<F*>(slot);
}

}  // namespace

std::int32_t LoadTapiProc(const char* name, void** slot) {
  if (TapiModule == nullptr) {
    TapiModule = platform::LoadLibrary(LibraryName().c_str());
    if (TapiModule == nullptr) TapiModule = kNotAvailable;
  }
  if (TapiModule == kNotAvailable) return LINEERR_OPERATIONUNAVAIL;
  *slot = platform::GetProcAddress(TapiModule, name);
  return *slot != nullptr ? 0 : LINEERR_OPERATIONUNAVAIL;
}

std::int32_t lineClose(std::uint32_t hLine) {
  std::int32_t rc = 0;
  auto* fn = Reach<decltype(lineClose)>(Close, &rc);
  return fn ? fn(hLine) : rc;
}

std::int32_t lineDevSpecific(std::uint32_t hLine, std::uint32_t dwAddressID, std::uint32_t hCall, void* lpParams,
                             std::uint32_t dwSize) {
  std::int32_t rc = 0;
  auto* fn = Reach<decltype(lineDevSpecific)>(DevSpecific, &rc);
  return fn ? fn(hLine, dwAddressID, hCall, lpParams, dwSize) : rc;
}

std::int32_t lineGetDevCaps(std::uint32_t hLineApp, std::uint32_t dwDeviceID, std::uint32_t dwAPIVersion,
                            std::uint32_t dwExtVersion, void* lpLineDevCaps) {
  std::int32_t rc = 0;
  auto* fn = Reach<decltype(lineGetDevCaps)>(GetDevCaps, &rc);
  return fn ? fn(hLineApp, dwDeviceID, dwAPIVersion, dwExtVersion, lpLineDevCaps) : rc;
}

std::int32_t lineGetLineDevStatus(std::uint32_t hLine, void* lpLineDevStatus) {
  std::int32_t rc = 0;
  auto* fn = Reach<decltype(lineGetLineDevStatus)>(GetLineDevStatus, &rc);
  return fn ? fn(hLine, lpLineDevStatus) : rc;
}

std::int32_t lineInitialize(std::uint32_t* lphLineApp, void* hInstance, LINECALLBACK lpfnCallback,
                            const char* lpszAppName, std::uint32_t* lpdwNumDevs) {
  std::int32_t rc = 0;
  auto* fn = Reach<decltype(lineInitialize)>(Initialize, &rc);
  return fn ? fn(lphLineApp, hInstance, lpfnCallback, lpszAppName, lpdwNumDevs) : rc;
}

std::int32_t lineNegotiateAPIVersion(std::uint32_t hLineApp, std::uint32_t dwDeviceID, std::uint32_t dwAPILowVersion,
                                     std::uint32_t dwAPIHighVersion, std::uint32_t* lpdwAPIVersion,
                                     void* lpExtensionID) {
  std::int32_t rc = 0;
  auto* fn = Reach<decltype(lineNegotiateAPIVersion)>(NegotiateAPIVersion, &rc);
  return fn ? fn(hLineApp, dwDeviceID, dwAPILowVersion, dwAPIHighVersion, lpdwAPIVersion, lpExtensionID) : rc;
}

std::int32_t lineOpen(std::uint32_t hLineApp, std::uint32_t dwDeviceID, std::uint32_t* lphLine,
                      std::uint32_t dwAPIVersion, std::uint32_t dwExtVersion, std::uint32_t dwCallbackInstance,
                      std::uint32_t dwPrivileges, std::uint32_t dwMediaModes, const void* lpCallParams) {
  std::int32_t rc = 0;
  auto* fn = Reach<decltype(lineOpen)>(Open, &rc);
  return fn ? fn(hLineApp, dwDeviceID, lphLine, dwAPIVersion, dwExtVersion, dwCallbackInstance, dwPrivileges,
                 dwMediaModes, lpCallParams)
            : rc;
}

std::int32_t lineSetStatusMessages(std::uint32_t hLine, std::uint32_t dwLineStates, std::uint32_t dwAddressStates) {
  std::int32_t rc = 0;
  auto* fn = Reach<decltype(lineSetStatusMessages)>(SetStatusMessages, &rc);
  return fn ? fn(hLine, dwLineStates, dwAddressStates) : rc;
}

void ResetTapiBinding(const char* library) {
  LibraryName() = library;
  TapiModule = nullptr;
  for (void*& slot : Slots) slot = nullptr;
}

void InstallTapiEntryPoints(const TapiEntryPoints& entryPoints) {
  auto fill = [](Proc proc, auto* fn) { Slots[proc] = fn ? reinterpret_cast<void*>(fn) : kNotAvailable; };
  fill(Close, entryPoints.Close);
  fill(DevSpecific, entryPoints.DevSpecific);
  fill(GetDevCaps, entryPoints.GetDevCaps);
  fill(GetLineDevStatus, entryPoints.GetLineDevStatus);
  fill(Initialize, entryPoints.Initialize);
  fill(NegotiateAPIVersion, entryPoints.NegotiateAPIVersion);
  fill(Open, entryPoints.Open);
  fill(SetStatusMessages, entryPoints.SetStatusMessages);
}

}  // namespace tapi
