// The application: builds the sheet, runs it modally and ends when it closes.
#pragma once

// The application's name, the caption of every message box of the program.
constexpr const char* kAppName = "Vintrel";

class CVintrelApp {
 public:
  // Builds the sheet, runs it and destroys it. Always false: the program ends
  // once the sheet has closed. Start-up failures end the process inside.
  bool InitInstance();
};
