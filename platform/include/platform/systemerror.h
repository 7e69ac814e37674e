// Result codes of the platform's system calls and their texts.
#pragma once

#include <string>

namespace platform {

// The codes the desktop platform uses, with the same values.
constexpr long ERROR_SUCCESS = 0;
constexpr long ERROR_INVALID_FUNCTION = 1;
constexpr long ERROR_FILE_NOT_FOUND = 2;
constexpr long ERROR_PATH_NOT_FOUND = 3;
constexpr long ERROR_ACCESS_DENIED = 5;
constexpr long ERROR_INVALID_HANDLE = 6;
constexpr long ERROR_NOT_ENOUGH_MEMORY = 8;
constexpr long ERROR_INVALID_DATA = 13;
constexpr long ERROR_OUTOFMEMORY = 14;
constexpr long ERROR_INVALID_PARAMETER = 87;
constexpr long ERROR_INSUFFICIENT_BUFFER = 122;
constexpr long ERROR_BAD_PATHNAME = 161;
constexpr long ERROR_FILENAME_EXCED_RANGE = 206;
constexpr long ERROR_MORE_DATA = 234;
constexpr long ERROR_NO_MORE_ITEMS = 259;
constexpr long ERROR_BADDB = 1009;
constexpr long ERROR_BADKEY = 1010;
constexpr long ERROR_CANTOPEN = 1011;
constexpr long ERROR_CANTREAD = 1012;
constexpr long ERROR_KEY_DELETED = 1018;

// The system's text for a result code ("The system cannot find the file
// specified." for 2), without a line break at the end; empty when the system
// has no text for the code.
std::string SystemErrorText(long code);

}  // namespace platform
