#include "qt_services.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QThread>
#include <cstdio>
#include <cstdlib>

#include "modal_runs.h"
#include "platform/application.h"
#include "platform/services.h"
#include "text.h"

namespace platform {
namespace {

bool OnUiThread() {
  return QApplication::instance() != nullptr && QThread::currentThread() == QApplication::instance()->thread();
}

struct ButtonSet {
  unsigned type;
  QMessageBox::StandardButtons buttons;
  QMessageBox::StandardButton defaultButton;
};
constexpr ButtonSet kButtonSets[] = {
    {MB_OK, QMessageBox::Ok, QMessageBox::Ok},
    {MB_OKCANCEL, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok},
    {MB_YESNO, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes},
    {MB_RETRYCANCEL, QMessageBox::Retry | QMessageBox::Cancel, QMessageBox::Retry},
};

struct IconKind {
  unsigned type;
  QMessageBox::Icon icon;
};
constexpr IconKind kIcons[] = {
    {MB_ICONSTOP, QMessageBox::Critical},
    {MB_ICONQUESTION, QMessageBox::Question},
    {MB_ICONEXCLAMATION, QMessageBox::Warning},
    {MB_ICONINFORMATION, QMessageBox::Information},
};

struct Answer {
  QMessageBox::StandardButton button;
  int answer;
};
constexpr Answer kAnswers[] = {
    {QMessageBox::Ok, IDOK}, {QMessageBox::Cancel, IDCANCEL}, {QMessageBox::Retry, IDRETRY},
    {QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO},
};

class DesktopMessageBoxes : public MessageBoxService {
 public:
  int Show(const MessageBoxRequest& request) override {
    if (!OnUiThread()) return IDFAILED;
    const ButtonSet* set = nullptr;
    for (const ButtonSet& s : kButtonSets) {
      if (s.type == (request.type & MB_BUTTONMASK)) set = &s;
    }
    if (set == nullptr) return IDFAILED;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    for (const IconKind& k : kIcons) {
      if (k.type == (request.type & MB_ICONMASK)) icon = k.icon;
    }
    // Without a person at the screen (PLATFORM_UNATTENDED set) a box is not
    // shown: it goes to stderr and takes its default button.
    if (!qEnvironmentVariableIsEmpty("PLATFORM_UNATTENDED")) {
      std::fprintf(stderr, "%s: %s\n", request.caption.c_str(), request.text.c_str());
      for (const Answer& a : kAnswers) {
        if (a.button == set->defaultButton) return a.answer;
      }
    }
    QMessageBox box(icon, ToQString(request.caption), ToQString(request.text), set->buttons,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(set->defaultButton);
    {
      ModalRun run(&box);
      box.exec();
    }
    QMessageBox::StandardButton clicked = box.standardButton(box.clickedButton());
    for (const Answer& a : kAnswers) {
      if (a.button == clicked) return a.answer;
    }
    // Closed without a button (a quit request): the box's way out.
    return (set->buttons & QMessageBox::Cancel) ? IDCANCEL : (set->buttons & QMessageBox::No) ? IDNO : IDOK;
  }
};

class DesktopFileDialogs : public FileDialogService {
 public:
  std::optional<std::string> AskSaveFile(const SaveFileRequest& request) override {
    if (!OnUiThread()) return std::nullopt;
    QFileDialog dialog(QApplication::activeWindow());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmReplace);
    dialog.setDefaultSuffix(QString());
    dialog.selectFile(ToQString(request.initialName));
    int result;
    {
      ModalRun run(&dialog);
      result = dialog.exec();
    }
    if (result != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return QFile::encodeName(dialog.selectedFiles().first()).toStdString();
  }
};

class DesktopCursor : public CursorService {
 public:
  Cursor Set(Cursor cursor) override {
    Cursor previous = current_;
    if (!OnUiThread()) return previous;
    if (cursor == Cursor::Wait && current_ != Cursor::Wait) QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    if (cursor == Cursor::Arrow) {
      while (QGuiApplication::overrideCursor() != nullptr) QGuiApplication::restoreOverrideCursor();
    }
    current_ = cursor;
    return previous;
  }

 private:
  Cursor current_ = Cursor::Arrow;
};

class DesktopProcess : public ProcessService {
 public:
  void PostQuitMessage(int exitCode) override { RequestQuit(exitCode); }
  void Exit(int status) override {
    // Like the platform's process exit: at once, whatever other threads are
    // doing (a worker may be blocked in a driver call).
    std::fflush(nullptr);
    std::_Exit(status);
  }
};

DesktopMessageBoxes g_messageBoxes;
DesktopFileDialogs g_fileDialogs;
DesktopCursor g_cursor;
DesktopProcess g_process;

}  // namespace

void InstallDesktopServices() {
  SetMessageBoxService(&g_messageBoxes);
  SetFileDialogService(&g_fileDialogs);
  SetCursorService(&g_cursor);
  SetProcessService(&g_process);
}

namespace {
// Takes out a service only when it is ours; one a test installed stays.
template <class Service>
void RemoveIfOurs(Service* ours, Service* (*install)(Service*)) {
  Service* current = install(nullptr);
  if (current != ours) install(current);
}
}  // namespace

void RemoveDesktopServices() {
  RemoveIfOurs<MessageBoxService>(&g_messageBoxes, SetMessageBoxService);
  RemoveIfOurs<FileDialogService>(&g_fileDialogs, SetFileDialogService);
  RemoveIfOurs<CursorService>(&g_cursor, SetCursorService);
  RemoveIfOurs<ProcessService>(&g_process, SetProcessService);
}

}  // namespace platform
