// Vintrel: the diagnostic and status tool for one ISDN basic-rate adapter.
#include "platform/application.h"
#include "vintrelapp.h"

namespace {
CVintrelApp theApp;  // the one application object
}  // namespace

int main(int argc, char** argv) {
  platform::Application desktop(argc, argv);
  theApp.InitInstance();
  return desktop.ExitStatus();
}
