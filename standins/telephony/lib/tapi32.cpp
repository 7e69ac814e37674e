// The C entry points of libtapi32.so.
#include "tapi32.h"

#include "telephony.h"

using isdn::tapi::Telephony;

extern "C" {

int32_t lineInitialize(uint32_t* lphLineApp, void* /*hInstance*/, LINECALLBACK lpfnCallback,
                       const char* lpszAppName, uint32_t* lpdwNumDevs) {
  return Telephony::Instance().Initialize(lphLineApp, lpfnCallback, lpszAppName, lpdwNumDevs);
}

int32_t lineNegotiateAPIVersion(uint32_t hLineApp, uint32_t dwDeviceID, uint32_t dwAPILowVersion,
                                uint32_t dwAPIHighVersion, uint32_t* lpdwAPIVersion, void* lpExtensionID) {
  return Telephony::Instance().NegotiateApiVersion(hLineApp, dwDeviceID, dwAPILowVersion, dwAPIHighVersion,
                                                   lpdwAPIVersion, lpExtensionID);
}

int32_t lineGetDevCaps(uint32_t hLineApp, uint32_t dwDeviceID, uint32_t dwAPIVersion, uint32_t dwExtVersion,
                       void* lpLineDevCaps) {
  return Telephony::Instance().GetDevCaps(hLineApp, dwDeviceID, dwAPIVersion, dwExtVersion, lpLineDevCaps);
}

int32_t lineOpen(uint32_t hLineApp, uint32_t dwDeviceID, uint32_t* lphLine, uint32_t dwAPIVersion,
                 uint32_t dwExtVersion, uint32_t dwCallbackInstance, uint32_t dwPrivileges, uint32_t dwMediaModes,
                 const void* /*lpCallParams*/) {
  return Telephony::Instance().Open(hLineApp, dwDeviceID, lphLine, dwAPIVersion, dwExtVersion, dwCallbackInstance,
                                    dwPrivileges, dwMediaModes);
}

int32_t lineSetStatusMessages(uint32_t hLine, uint32_t dwLineStates, uint32_t dwAddressStates) {
  return Telephony::Instance().SetStatusMessages(hLine, dwLineStates, dwAddressStates);
}

int32_t lineGetLineDevStatus(uint32_t hLine, void* lpLineDevStatus) {
  return Telephony::Instance().GetLineDevStatus(hLine, lpLineDevStatus);
}

int32_t lineDevSpecific(uint32_t hLine, uint32_t dwAddressID, uint32_t hCall, void* lpParams, uint32_t dwSize) {
  return Telephony::Instance().DevSpecific(hLine, dwAddressID, hCall, lpParams, dwSize);
}

int32_t lineClose(uint32_t hLine) { return Telephony::Instance().Close(hLine); }

}  // extern "C"
