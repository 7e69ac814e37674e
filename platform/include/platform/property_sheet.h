// A modal property sheet: tabbed pages and the standard buttons OK, Cancel,
// Apply and Help.
#pragma once

#include <string>
#include <vector>

#include "platform/property_page.h"
#include "platform/services.h"
#include "platform/window.h"

namespace platform {

// The sheet's buttons, with the desktop platform's IDs.
enum SheetButton : int {
  ID_SHEET_OK = 1,        // IDOK
  ID_SHEET_CANCEL = 2,    // IDCANCEL
  ID_SHEET_HELP = 9,      // IDHELP
  ID_APPLY_NOW = 0x3021,
};

// WinHelp commands.
enum HelpCommand : unsigned {
  HELP_CONTEXT = 0x0001,
  HELP_CONTENTS = 0x0003,
};

class PropertySheet : public Window {
 public:
  explicit PropertySheet(const std::string& caption, int startPage = 0);
  ~PropertySheet() override;

  // Pages are shown in the order they are added; the sheet does not own them.
  void AddPage(PropertyPage* page);
  int GetPageCount() const { return static_cast<int>(pages_.size()); }
  PropertyPage* GetPage(int index) const;
  std::string GetCaption() const { return caption_; }

  // The sheet's icon, from an icon resource. False when it cannot be loaded.
  bool SetIcon(int iconResourceId);

  // Runs the sheet until it closes or a quit request arrives. Returns IDOK or
  // IDCANCEL (also on a quit request).
  int DoModal();
  // Shows the sheet without a modal run (tests, screenshots); false when it is
  // already shown. DestroyWindow closes it.
  bool Create();
  void DestroyWindow();
  // Closes the sheet with a result (the modal run returns it).
  void EndDialog(int result);

  // Tabs.
  bool SetActivePage(int index);  // as a tab click: the old page may refuse
  int GetActiveIndex() const;     // -1 while the sheet is not shown
  PropertyPage* GetActivePage() const;

  // OK becomes "Close" and Cancel is disabled.
  void CancelToClose();

  // Buttons, for the pages and for tests.
  void PressButton(int buttonId);  // as a click; a disabled button does nothing
  bool IsButtonEnabled(int buttonId) const;
  std::string GetButtonText(int buttonId) const;

  // Framework hooks.
  // The sheet's window exists; the default creates and shows the start page.
  virtual bool OnInitDialog();
  // The user asked for help (Help button or F1). The default shows the
  // module's help page, or "Failed to launch help." when there is none.
  virtual void WinHelp(unsigned data, unsigned command);

  // Toolkit side.
  void PageModifiedChanged();
  void ForgetPage(PropertyPage* page);  // the page is being destroyed
  bool HelpWindowShown() const;

 private:
  friend class SheetWidget;
  void ActivatePage(int index);
  bool ApplyAll();
  void OnButton(int buttonId);

  std::string caption_;
  int startPage_;
  std::vector<PropertyPage*> pages_;
  int iconResource_ = 0;
  int active_ = -1;
  int result_ = IDCANCEL;
  bool closed_ = false;
  bool cancelToClose_ = false;
};

}  // namespace platform
