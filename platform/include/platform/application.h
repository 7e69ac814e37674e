// Starting the desktop: the toolkit's application object, the real user
// services (message boxes, save dialog, wait cursor, quit and exit) and the
// wake-up that delivers queued calls and posted messages from the event loop,
// also inside modal runs and message boxes.
#pragma once

#include <functional>
#include <string>

namespace platform {

class Application {
 public:
  // Creates the toolkit's application object and installs the desktop
  // services. One per process; argv must outlive the object.
  Application(int& argc, char** argv);
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  // The status the process should end with: the code of the last quit
  // request, or 0.
  int ExitStatus() const;
};

// The application's name: the executable's base name ("Vintrel"), or "" before
// an Application exists.
std::string GetAppName();

// For tests and tools: creates the toolkit's application object if there is
// none yet (on the offscreen platform unless QT_QPA_PLATFORM says otherwise)
// and installs the queue wake-up, but none of the user services (a test
// installs scripted ones). Safe to call many times.
void StartDesktop();

// Ends every modal run (property sheets, message boxes, file dialogs) and
// marks a quit request with its code. This is what PostQuitMessage does once
// the desktop services are installed; a test's own ProcessService may call it
// to keep that behaviour.
void RequestQuit(int exitCode);
// Whether a quit request is pending; a property sheet's modal run ends on it
// and consumes it.
bool QuitRequested();
void ClearQuitRequest();

// Runs the toolkit's pending events (and queued calls) for up to ms
// milliseconds, or until done() holds when given. For tests.
void ProcessEvents(int ms = 0);
bool ProcessEventsUntil(const std::function<bool()>& done, int timeoutMs);

}  // namespace platform
