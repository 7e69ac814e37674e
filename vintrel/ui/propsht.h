// The program's one window: a modal property sheet with the Diagnostics,
// Statistics and Logging pages. Building it brings the tool up (line monitor,
// adapter configuration); destroying it turns the driver's log reporting off
// and closes both lines.
#pragma once

#include "diagnos.h"
#include "logging.h"
#include "platform/property_sheet.h"
#include "statistics.h"

class propsht : public platform::PropertySheet {
 public:
  static constexpr const char* kCaption = "Diagnostic and Status Tool";

  // Ends the process when the line monitor cannot start (status 0) or the
  // adapter is not found in the registry (status -1).
  propsht(const char* caption, int firstPage);
  ~propsht() override;

  diagnos& DiagnosticsPage() { return diagnostics_; }
  statistics& StatisticsPage() { return statistics_; }
  logging& LoggingPage() { return logging_; }

 private:
  // In this order: built first, destroyed last.
  statistics statistics_;
  logging logging_;
  diagnos diagnostics_;
  bool started_ = false;
};
