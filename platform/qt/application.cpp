#include "platform/application.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMetaObject>
#include <QThread>
#include <atomic>
#include <cstdio>

#include "modal_runs.h"
#include "platform/queue.h"
#include "qt_services.h"

namespace platform {
namespace {

// The application object made by StartDesktop for tests lives until the
// process ends; the one an Application makes is deleted with it.
int g_argc = 1;
char g_arg0[] = "platform";
char* g_argv[] = {g_arg0, nullptr};

QApplication* g_ownedApp = nullptr;
std::string g_appName;
int g_exitStatus = 0;
bool g_quitRequested = false;

// Lives on the UI thread; queued calls are delivered through it.
QObject* g_dispatcher = nullptr;
std::atomic<bool> g_wakePending{false};

void InstallWakeHook() {
  if (g_dispatcher == nullptr) g_dispatcher = new QObject;
  QObject* dispatcher = g_dispatcher;
  SetQueueWakeHook([dispatcher] {
    // One wake-up in flight is enough: it drains everything queued so far.
    if (g_wakePending.exchange(true)) return;
    QMetaObject::invokeMethod(
        dispatcher,
        [] {
          g_wakePending = false;
          DrainQueuedCalls();
        },
        Qt::QueuedConnection);
  });
  // Calls queued before the hook was there.
  QueueCall([] {});
}

QApplication* MakeApplication(int& argc, char** argv) {
  if (auto* existing = qobject_cast<QApplication*>(QApplication::instance())) return existing;
  auto* app = new QApplication(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  // The programs were laid out for the classic desktop look: group box titles
  // sit on the frame line and controls keep their classic proportions.
  if (QStyle* classic = QStyleFactory::create(QStringLiteral("Windows"))) QApplication::setStyle(classic);
  return app;
}

}  // namespace

Application::Application(int& argc, char** argv) {
  bool existed = QApplication::instance() != nullptr;
  QApplication* app = MakeApplication(argc, argv);
  if (!existed) g_ownedApp = app;
  g_appName = argc > 0 && argv[0] != nullptr ? QFileInfo(QString::fromLocal8Bit(argv[0])).baseName().toStdString() : "";
  g_exitStatus = 0;
  InstallWakeHook();
  InstallDesktopServices();
}

Application::~Application() {
  RemoveDesktopServices();
  if (g_ownedApp != nullptr) {
    // The dispatcher stays: a worker thread may be inside the wake hook right
    // now, and it only posts events to it.
    SetQueueWakeHook(nullptr);
    delete g_ownedApp;
    g_ownedApp = nullptr;
  }
}

int Application::ExitStatus() const { return g_exitStatus; }

std::string GetAppName() { return g_appName; }

namespace {
// The offscreen platform warns of every window feature it lacks; that is noise
// for tests and tools.
bool g_quietInstalled = false;
QtMessageHandler g_nextHandler = nullptr;
void QuietOffscreen(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtWarningMsg && message.startsWith(QLatin1String("This plugin does not support"))) return;
  if (g_nextHandler != nullptr) {
    g_nextHandler(type, context, message);
  } else {
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
  }
}
}  // namespace

void StartDesktop() {
  // Tests and tools draw off screen unless told otherwise.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (!g_quietInstalled && qgetenv("QT_QPA_PLATFORM") == "offscreen") {
    g_quietInstalled = true;
    g_nextHandler = qInstallMessageHandler(QuietOffscreen);
  }
  if (QApplication::instance() == nullptr) MakeApplication(g_argc, g_argv);
  InstallWakeHook();
}

void RequestQuit(int exitCode) {
  g_exitStatus = exitCode;
  g_quitRequested = true;
  ModalRun::EndAll();
}

bool QuitRequested() { return g_quitRequested; }

void ClearQuitRequest() { g_quitRequested = false; }

void ProcessEvents(int ms) {
  ProcessEventsUntil([] { return false; }, ms);
}

bool ProcessEventsUntil(const std::function<bool()>& done, int timeoutMs) {
  QElapsedTimer timer;
  timer.start();
  for (;;) {
    QApplication::sendPostedEvents();
    QApplication::processEvents(QEventLoop::AllEvents, 5);
    DrainQueuedCalls();
    if (done()) return true;
    if (timer.elapsed() >= timeoutMs) return false;
    QThread::msleep(1);
  }
}

}  // namespace platform
