#include "platform/services.h"

#include <atomic>
#include <cstdlib>

namespace platform {
namespace {

std::atomic<MessageBoxService*> g_messageBoxes{nullptr};
std::atomic<FileDialogService*> g_fileDialogs{nullptr};
std::atomic<CursorService*> g_cursors{nullptr};
std::atomic<ProcessService*> g_process{nullptr};

}  // namespace

int MessageBox(const std::string& text, const std::string& caption, unsigned type) {
  MessageBoxService* service = g_messageBoxes.load();
  if (service == nullptr) return IDFAILED;
  return service->Show(MessageBoxRequest{text, caption, type});
}

std::optional<std::string> AskSaveFile(const SaveFileRequest& request) {
  FileDialogService* service = g_fileDialogs.load();
  if (service == nullptr) return std::nullopt;
  return service->AskSaveFile(request);
}

Cursor SetCursor(Cursor cursor) {
  CursorService* service = g_cursors.load();
  if (service == nullptr) return Cursor::Arrow;
  return service->Set(cursor);
}

void PostQuitMessage(int exitCode) {
  if (ProcessService* service = g_process.load()) service->PostQuitMessage(exitCode);
}

void ExitProcess(int status) {
  if (ProcessService* service = g_process.load()) {
    service->Exit(status);
    return;
  }
  std::exit(status);
}

MessageBoxService* SetMessageBoxService(MessageBoxService* service) { return g_messageBoxes.exchange(service); }
FileDialogService* SetFileDialogService(FileDialogService* service) { return g_fileDialogs.exchange(service); }
CursorService* SetCursorService(CursorService* service) { return g_cursors.exchange(service); }
ProcessService* SetProcessService(ProcessService* service) { return g_process.exchange(service); }

}  // namespace platform
