#include <platform/application.h>

#include <tarvelapp.h>

#include "headlessrun.h"

int main(int argc, char** argv) {
  platform::Application application(argc, argv);
  HeadlessRun headless;
  theApp.InitInstance();
  return application.ExitStatus();
}
