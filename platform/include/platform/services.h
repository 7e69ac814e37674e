// Services that the programs reach through the platform and that tests replace:
// message boxes, the cursor, the save-file dialog, the quit request and the end
// of the process. The desktop layer installs the real ones when the application
// starts; a test installs scripted ones with ScopedService.
#pragma once

#include <optional>
#include <string>

namespace platform {

// Message box types and answers, with the values the desktop platform uses.
enum MessageBoxType : unsigned {
  MB_OK = 0x0,
  MB_OKCANCEL = 0x1,
  MB_YESNO = 0x4,
  MB_RETRYCANCEL = 0x5,
  MB_ICONSTOP = 0x10,
  MB_ICONQUESTION = 0x20,
  MB_ICONEXCLAMATION = 0x30,
  MB_ICONINFORMATION = 0x40,
};
constexpr unsigned MB_BUTTONMASK = 0x0F;
constexpr unsigned MB_ICONMASK = 0xF0;

enum MessageBoxAnswer : int {
  IDFAILED = 0,  // the box could not be shown
  IDOK = 1,
  IDCANCEL = 2,
  IDRETRY = 4,
  IDYES = 6,
  IDNO = 7,
};

struct MessageBoxRequest {
  std::string text;
  std::string caption;
  unsigned type = MB_OK;
};

struct SaveFileRequest {
  std::string initialName;      // file name filled in
  bool confirmReplace = true;   // ask before an existing file is replaced
};

enum class Cursor { Arrow, Wait };

class MessageBoxService {
 public:
  virtual ~MessageBoxService() = default;
  // Shows the box modally and returns the answer, or IDFAILED.
  virtual int Show(const MessageBoxRequest& request) = 0;
};

class FileDialogService {
 public:
  virtual ~FileDialogService() = default;
  // Returns the chosen path, or nothing when the user cancels.
  virtual std::optional<std::string> AskSaveFile(const SaveFileRequest& request) = 0;
};

class CursorService {
 public:
  virtual ~CursorService() = default;
  // Shows the cursor and returns the one it replaces.
  virtual Cursor Set(Cursor cursor) = 0;
};

class ProcessService {
 public:
  virtual ~ProcessService() = default;
  // Asks the running event loop (and any modal run inside it) to end.
  virtual void PostQuitMessage(int exitCode) = 0;
  // Ends the process at once with the given status.
  virtual void Exit(int status) = 0;
};

// The calls the programs make. Without an installed service a message box
// cannot be shown (IDFAILED), the save dialog is cancelled, the cursor stays,
// the quit request is ignored and Exit ends the process.
int MessageBox(const std::string& text, const std::string& caption, unsigned type);
std::optional<std::string> AskSaveFile(const SaveFileRequest& request);
Cursor SetCursor(Cursor cursor);
void PostQuitMessage(int exitCode);
void ExitProcess(int status);

// Installs a service; nullptr removes it. Returns the one it replaces.
MessageBoxService* SetMessageBoxService(MessageBoxService* service);
FileDialogService* SetFileDialogService(FileDialogService* service);
CursorService* SetCursorService(CursorService* service);
ProcessService* SetProcessService(ProcessService* service);

// Installs a service for the lifetime of this object, then puts back the old one.
template <class Service, Service* (*Install)(Service*)>
class ScopedServiceT {
 public:
  explicit ScopedServiceT(Service* service) : previous_(Install(service)) {}
  ~ScopedServiceT() { Install(previous_); }
  ScopedServiceT(const ScopedServiceT&) = delete;
  ScopedServiceT& operator=(const ScopedServiceT&) = delete;

 private:
  Service* previous_;
};
using ScopedMessageBoxService = ScopedServiceT<MessageBoxService, SetMessageBoxService>;
using ScopedFileDialogService = ScopedServiceT<FileDialogService, SetFileDialogService>;
using ScopedCursorService = ScopedServiceT<CursorService, SetCursorService>;
using ScopedProcessService = ScopedServiceT<ProcessService, SetProcessService>;

}  // namespace platform
