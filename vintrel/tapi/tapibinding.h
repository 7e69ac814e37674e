// The telephony library, bound at run time.
//
// "TAPI32.DLL" is loaded the first time any of the eight functions is called,
// and each entry point is looked up by name the first time its function is
// called. A library or an entry point that cannot be found makes the function
// return LINEERR_OPERATIONUNAVAIL; the failure is remembered and never retried.
// Only the UI thread calls these functions.
#pragma once

#include <cstdint>

#include "platform/dynlib.h"
#include "tapitypes.h"

namespace tapi {

// The library: nullptr = not tried yet, kNotAvailable = loading failed.
extern platform::LibraryHandle TapiModule;
// Value of TapiModule or of an entry-point slot after a failure.
extern void* const kNotAvailable;

// Looks up `name` (loading the library first if that has not been tried) and
// stores its address, or nullptr, in *slot. 0, or LINEERR_OPERATIONUNAVAIL.
std::int32_t LoadTapiProc(const char* name, void** slot);

std::int32_t lineClose(std::uint32_t hLine);
std::int32_t lineDevSpecific(std::uint32_t hLine, std::uint32_t dwAddressID, std::uint32_t hCall, void* lpParams,
                             std::uint32_t dwSize);
std::int32_t lineGetDevCaps(std::uint32_t hLineApp, std::uint32_t dwDeviceID, std::uint32_t dwAPIVersion,
                            std::uint32_t dwExtVersion, void* lpLineDevCaps);
std::int32_t lineGetLineDevStatus(std::uint32_t hLine, void* lpLineDevStatus);
std::int32_t lineInitialize(std::uint32_t* lphLineApp, void* hInstance, LINECALLBACK lpfnCallback,
                            const char* lpszAppName, std::uint32_t* lpdwNumDevs);
std::int32_t lineNegotiateAPIVersion(std::uint32_t hLineApp, std::uint32_t dwDeviceID, std::uint32_t dwAPILowVersion,
                                     std::uint32_t dwAPIHighVersion, std::uint32_t* lpdwAPIVersion,
                                     void* lpExtensionID);
std::int32_t lineOpen(std::uint32_t hLineApp, std::uint32_t dwDeviceID, std::uint32_t* lphLine,
                      std::uint32_t dwAPIVersion, std::uint32_t dwExtVersion, std::uint32_t dwCallbackInstance,
                      std::uint32_t dwPrivileges, std::uint32_t dwMediaModes, const void* lpCallParams);
std::int32_t lineSetStatusMessages(std::uint32_t hLine, std::uint32_t dwLineStates, std::uint32_t dwAddressStates);

// The eight entry points, for a caller that provides them itself.
struct TapiEntryPoints {
  decltype(&lineClose) Close = nullptr;
  decltype(&lineDevSpecific) DevSpecific = nullptr;
  decltype(&lineGetDevCaps) GetDevCaps = nullptr;
  decltype(&lineGetLineDevStatus) GetLineDevStatus = nullptr;
  decltype(&lineInitialize) Initialize = nullptr;
  decltype(&lineNegotiateAPIVersion) NegotiateAPIVersion = nullptr;
  decltype(&lineOpen) Open = nullptr;
  decltype(&lineSetStatusMessages) SetStatusMessages = nullptr;
};

// For tests: forgets the library and every entry point, so that the next call
// loads `library` (a name for platform::LoadLibrary) afresh.
void ResetTapiBinding(const char* library = "TAPI32.DLL");

// For tests: fills the slots with the given functions without loading any
// library; a null member becomes an entry point that is not available.
void InstallTapiEntryPoints(const TapiEntryPoints& entryPoints);

}  // namespace tapi
