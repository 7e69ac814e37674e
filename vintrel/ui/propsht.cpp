#include "propsht.h"

#include "config/adapterconfig.h"
#include "devspecific.h"
#include "linemon.h"
#include "numcolors.h"
#include "platform/screen.h"
#include "platform/services.h"
#include "res/resource.h"

propsht::propsht(const char* caption, int firstPage) : PropertySheet(caption, firstPage) {
  NumColors = platform::GetScreenColorCount();
  if (LineMonitor.Initialize() != 1) {
    platform::ExitProcess(0);
    return;
  }
  started_ = true;
  ReadAdapterConfig();
  SetIcon(IDI_VINTREL);  // the one icon serves the large and the small slot
  AddPage(&diagnostics_);
  AddPage(&statistics_);
  AddPage(&logging_);
}

propsht::~propsht() {
  if (!started_) return;
  LineMonitor.SendDevSpecific(SetLogFilter, 0);
  LineMonitor.CloseLine(0);
  LineMonitor.CloseLine(1);
}
