// Vintrel: the diagnostic and status tool for one ISDN basic-rate adapter.
#include "platform/application.h"
#include "vintrelapp.h"

int main(int argc, char** argv) {
  platform::Application desktop(argc, argv);
  CVintrelApp app;
  app.InitInstance();
  return desktop.ExitStatus();
}
