// The page templates of Vintrel, as data: every control with its ID, kind,
// style, text and rectangle in dialog units, in the template's order.
#pragma once

#include "platform/dialog_template.h"

const platform::DialogTemplate& StatisticsDialog();   // 106
const platform::DialogTemplate& LoggingDialog();      // 107
const platform::DialogTemplate& DiagnosticsDialog();  // 108
