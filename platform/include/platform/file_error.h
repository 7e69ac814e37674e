// The report of a file that could not be created, read or written.
#pragma once

#include <string>

namespace platform {

// The text for an errno-style cause with the file's name in place of "%1",
// e.g. "Access to ISDNLog was denied.". An empty name reads "an unnamed file".
std::string FileErrorText(int cause, const std::string& fileName);

// Shows that text in a box with the stop icon, an OK button and the caption.
void ReportFileError(int cause, const std::string& fileName, const std::string& caption);

}  // namespace platform
