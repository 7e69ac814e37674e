#include "modal_runs.h"

#include <QDialog>
#include <QEventLoop>
#include <QPointer>
#include <algorithm>
#include <vector>

namespace platform {
namespace {

struct Runs {
  std::vector<QEventLoop*> loops;
  std::vector<QPointer<QDialog>> dialogs;
};

Runs& AllRuns() {
  static Runs runs;
  return runs;
}

}  // namespace

ModalRun::ModalRun(QEventLoop* loop) : loop_(loop) { AllRuns().loops.push_back(loop); }

ModalRun::ModalRun(QDialog* dialog) : dialog_(dialog) { AllRuns().dialogs.emplace_back(dialog); }

ModalRun::~ModalRun() {
  Runs& runs = AllRuns();
  if (loop_) std::erase(runs.loops, loop_);
  if (dialog_) std::erase_if(runs.dialogs, [this](const QPointer<QDialog>& d) { return d.isNull() || d == dialog_; });
}

void ModalRun::EndAll() {
  Runs& runs = AllRuns();
  for (const QPointer<QDialog>& dialog : runs.dialogs) {
    if (dialog) dialog->reject();
  }
  for (QEventLoop* loop : runs.loops) loop->exit(0);
}

}  // namespace platform
