#include "platform/file_error.h"

#include <cctype>
#include <cerrno>

#include "platform/services.h"

namespace platform {
namespace {

struct CauseText {
  int cause;
  const char* text;
};

// The causes a user can meet when saving, and what the user is told.
constexpr CauseText kFileErrors[] = {
    {EACCES, "Access to %1 was denied."},
    {EPERM, "Access to %1 was denied."},
    {EROFS, "Access to %1 was denied."},
    {EISDIR, "Access to %1 was denied."},
    {ENOSPC, "Disk full while accessing %1."},
    {EDQUOT, "Disk full while accessing %1."},
    {EFBIG, "Disk full while accessing %1."},
    {ENOENT, "%1 was not found."},
    {ENOTDIR, "%1 contains an invalid path."},
    {ENAMETOOLONG, "%1 contains an invalid path."},
    {ELOOP, "%1 contains an invalid path."},
    {EINVAL, "%1 contains an invalid path."},
    {EMFILE, "%1 could not be opened because there are too many open files."},
    {ENFILE, "%1 could not be opened because there are too many open files."},
    {EBUSY, "A sharing violation occurred while accessing %1."},
    {ETXTBSY, "A sharing violation occurred while accessing %1."},
    {EAGAIN, "A locking violation occurred while accessing %1."},
    {ENOLCK, "A locking violation occurred while accessing %1."},
    {EIO, "A hardware I/O error was reported while accessing %1."},
};
constexpr const char* kUnexpected = "An unexpected error occurred while accessing %1.";
constexpr const char* kUnnamedFile = "an unnamed file";

}  // namespace

std::string FileErrorText(int cause, const std::string& fileName) {
  std::string text = kUnexpected;
  for (const auto& e : kFileErrors) {
    if (e.cause == cause) {
      text = e.text;
      break;
    }
  }
  std::string name = fileName.empty() ? kUnnamedFile : fileName;
  std::size_t at = text.find("%1");
  if (at == std::string::npos) return text;
  if (at == 0 && fileName.empty()) name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
  return text.replace(at, 2, name);
}

void ReportFileError(int cause, const std::string& fileName, const std::string& caption) {
  MessageBox(FileErrorText(cause, fileName), caption, MB_OK | MB_ICONSTOP);
}

}  // namespace platform
