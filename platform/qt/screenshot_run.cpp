#include "screenshot_run.h"

#include <QDir>
#include <QPointer>
#include <QTimer>
#include <cstdio>

#include "platform/property_sheet.h"
#include "platform/screenshot.h"
#include "text.h"

namespace platform {
namespace {

bool g_done = false;  // one run per process: the program's main sheet

QString FileName(const QString& dir, int index, const std::string& caption) {
  QString name = ToQString(caption);
  for (QChar& c : name) {
    if (!c.isLetterOrNumber()) c = QLatin1Char('_');
  }
  return QDir(dir).filePath(QString::number(index + 1) + QLatin1Char('-') + name + QStringLiteral(".png"));
}

void TakePage(PropertySheet* sheet, QString dir, int delayMs, int index) {
  if (!sheet->Exists()) return;
  if (index >= sheet->GetPageCount()) {
    sheet->PressButton(ID_SHEET_CANCEL);
    if (sheet->Exists()) sheet->EndDialog(IDCANCEL);
    return;
  }
  sheet->SetActivePage(index);
  QTimer::singleShot(delayMs, [sheet, dir, delayMs, index] {
    if (!sheet->Exists()) return;
    QString file = FileName(dir, index, sheet->GetPage(index)->GetCaption());
    if (!SaveScreenshot(*sheet, FromQString(file))) std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
    TakePage(sheet, dir, delayMs, index + 1);
  });
}

}  // namespace

bool StartScreenshotRun(PropertySheet& sheet) {
  QString dir = qEnvironmentVariable("PLATFORM_SCREENSHOT_DIR");
  if (g_done || dir.isEmpty()) return false;
  g_done = true;
  QDir().mkpath(dir);
  bool ok = false;
  int delayMs = qEnvironmentVariableIntValue("PLATFORM_SCREENSHOT_DELAY_MS", &ok);
  if (!ok || delayMs < 0) delayMs = 1500;
  PropertySheet* target = &sheet;
  QTimer::singleShot(0, [target, dir, delayMs] { TakePage(target, dir, delayMs, 0); });
  return true;
}

}  // namespace platform
