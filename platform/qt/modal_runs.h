// The modal runs in progress (a sheet's event loop, message boxes, file
// dialogs), so that a quit request can end every one of them.
#pragma once

class QDialog;
class QEventLoop;

namespace platform {

class ModalRun {
 public:
  explicit ModalRun(QEventLoop* loop);
  explicit ModalRun(QDialog* dialog);
  ~ModalRun();
  ModalRun(const ModalRun&) = delete;
  ModalRun& operator=(const ModalRun&) = delete;

  // Ends every modal run in progress.
  static void EndAll();

 private:
  QEventLoop* loop_ = nullptr;
  QDialog* dialog_ = nullptr;
};

}  // namespace platform
