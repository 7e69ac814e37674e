// A small telephony library for the binding tests. Every function records its
// name and arguments in a journal and returns the result the test asked for.
// Built twice: with every entry point, and without "lineGetLineDevStatus".
#include <cstdint>
#include <cstdio>
#include <string>

namespace {
std::int32_t nextResult = 0;
std::string journal;

template <class... Args>
std::int32_t Record(const char* format, Args... args) {
  char line[256];
  std::snprintf(line, sizeof line, format, args...);
  journal = line;
  return nextResult;
}
}  // namespace

using Callback = void (*)(std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t);

extern "C" {

__attribute__((visibility("default"))) void tapitest_set_result(std::int32_t result) { nextResult = result; }
__attribute__((visibility("default"))) const char* tapitest_journal() { return journal.c_str(); }

__attribute__((visibility("default"))) std::int32_t lineClose(std::uint32_t hLine) {
  return Record("lineClose %u", hLine);
}

__attribute__((visibility("default"))) std::int32_t lineDevSpecific(std::uint32_t hLine, std::uint32_t dwAddressID,
                                                                    std::uint32_t hCall, void* lpParams,
                                                                    std::uint32_t dwSize) {
  return Record("lineDevSpecific %u %u %u %p %u", hLine, dwAddressID, hCall, lpParams, dwSize);
}

__attribute__((visibility("default"))) std::int32_t lineGetDevCaps(std::uint32_t hLineApp, std::uint32_t dwDeviceID,
                                                                   std::uint32_t dwAPIVersion,
                                                                   std::uint32_t dwExtVersion, void* lpLineDevCaps) {
  return Record("lineGetDevCaps %u %u %u %u %p", hLineApp, dwDeviceID, dwAPIVersion, dwExtVersion, lpLineDevCaps);
}

#ifndef WITHOUT_LINE_GET_LINE_DEV_STATUS
__attribute__((visibility("default"))) std::int32_t lineGetLineDevStatus(std::uint32_t hLine, void* lpLineDevStatus) {
  return Record("lineGetLineDevStatus %u %p", hLine, lpLineDevStatus);
}
#endif

__attribute__((visibility("default"))) std::int32_t lineInitialize(std::uint32_t* lphLineApp, void* hInstance,
                                                                   Callback lpfnCallback, const char* lpszAppName,
                                                                   std::uint32_t* lpdwNumDevs) {
  *lphLineApp = 77;
  *lpdwNumDevs = 2;
  return Record("lineInitialize %p %p %p %s %p", static_cast<void*>(lphLineApp), hInstance,
                reinterpret_cast<void*>(lpfnCallback), lpszAppName, static_cast<void*>(lpdwNumDevs));
}

__attribute__((visibility("default"))) std::int32_t lineNegotiateAPIVersion(
    std::uint32_t hLineApp, std::uint32_t dwDeviceID, std::uint32_t dwAPILowVersion, std::uint32_t dwAPIHighVersion,
    std::uint32_t* lpdwAPIVersion, void* lpExtensionID) {
  return Record("lineNegotiateAPIVersion %u %u %u %u %p %p", hLineApp, dwDeviceID, dwAPILowVersion,
                dwAPIHighVersion, static_cast<void*>(lpdwAPIVersion), lpExtensionID);
}

__attribute__((visibility("default"))) std::int32_t lineOpen(std::uint32_t hLineApp, std::uint32_t dwDeviceID,
                                                             std::uint32_t* lphLine, std::uint32_t dwAPIVersion,
                                                             std::uint32_t dwExtVersion,
                                                             std::uint32_t dwCallbackInstance,
                                                             std::uint32_t dwPrivileges, std::uint32_t dwMediaModes,
                                                             const void* lpCallParams) {
  return Record("lineOpen %u %u %p %u %u %u %u %u %p", hLineApp, dwDeviceID, static_cast<void*>(lphLine),
                dwAPIVersion, dwExtVersion, dwCallbackInstance, dwPrivileges, dwMediaModes, lpCallParams);
}

__attribute__((visibility("default"))) std::int32_t lineSetStatusMessages(std::uint32_t hLine,
                                                                          std::uint32_t dwLineStates,
                                                                          std::uint32_t dwAddressStates) {
  return Record("lineSetStatusMessages %u %u %u", hLine, dwLineStates, dwAddressStates);
}

}  // extern "C"
