#include "platform/property_sheet.h"

#include <QEventLoop>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <map>

#include "animation_player.h"
#include "descendants.h"
#include "modal_runs.h"
#include "page_widget.h"
#include "platform/application.h"
#include "platform/resources.h"
#include "screenshot_run.h"
#include "sheet_widget.h"
#include "text.h"
#include "window_host.h"

namespace platform {
namespace {

// The event loop of each sheet in a modal run.
std::map<const PropertySheet*, QEventLoop*> g_modalLoops;

SheetWidget* SheetOf(const Window* sheet) {
  WindowHost* host = WindowHost::Of(sheet);
  return host ? static_cast<SheetWidget*>(host->Widget()) : nullptr;
}

QIcon LoadIcon(int id) {
  std::optional<std::span<const unsigned char>> bytes = FindResource(ResourceType::Icon, id);
  if (!bytes) return {};
  QPixmap pixmap;
  if (!pixmap.loadFromData(bytes->data(), static_cast<uint>(bytes->size()))) return {};
  return QIcon(pixmap);
}

// The help page with the lowest number.
std::optional<std::span<const unsigned char>> HelpPage() {
  for (int id = 0; id < 100; ++id) {
    if (auto bytes = FindResource(ResourceType::Help, id)) return bytes;
  }
  return std::nullopt;
}

}  // namespace

PropertySheet::PropertySheet(const std::string& caption, int startPage) : caption_(caption), startPage_(startPage) {}

PropertySheet::~PropertySheet() {
  DestroyWindow();
  // Pages that are still there forget the sheet; pages that went first have
  // taken themselves out already.
  for (PropertyPage* page : pages_) page->AttachToSheet(nullptr);
}

void PropertySheet::ForgetPage(PropertyPage* page) {
  std::erase(pages_, page);
  if (active_ >= GetPageCount()) active_ = -1;
}

void PropertySheet::AddPage(PropertyPage* page) {
  pages_.push_back(page);
  page->AttachToSheet(this);
  if (SheetWidget* widget = SheetOf(this)) widget->AddTab(ToQString(page->GetCaption()));
}

PropertyPage* PropertySheet::GetPage(int index) const {
  return index >= 0 && index < GetPageCount() ? pages_[static_cast<std::size_t>(index)] : nullptr;
}

bool PropertySheet::SetIcon(int iconResourceId) {
  QIcon icon = LoadIcon(iconResourceId);
  if (icon.isNull()) return false;
  iconResource_ = iconResourceId;
  if (SheetWidget* widget = SheetOf(this)) widget->setWindowIcon(icon);
  return true;
}

bool PropertySheet::Create() {
  if (Exists()) return false;
  StartDesktop();
  QSize pageSize(0, 0);
  for (PropertyPage* page : pages_) pageSize = pageSize.expandedTo(PageSize(*page));
  auto* widget = new SheetWidget(this, pageSize);
  widget->setWindowTitle(ToQString(caption_));
  if (iconResource_ != 0) widget->setWindowIcon(LoadIcon(iconResource_));
  WindowHost::Attach(this, widget);
  for (PropertyPage* page : pages_) widget->AddTab(ToQString(page->GetCaption()));
  active_ = -1;
  closed_ = false;
  result_ = IDCANCEL;
  cancelToClose_ = false;
  PageModifiedChanged();

  OnInitDialog();
  if (!Exists()) return false;  // closed from inside OnInitDialog
  if (active_ < 0 && !pages_.empty()) ActivatePage(std::clamp(startPage_, 0, GetPageCount() - 1));
  widget->show();
  return true;
}

int PropertySheet::DoModal() {
  if (!Create()) return closed_ ? result_ : -1;
  StartScreenshotRun(*this);
  QEventLoop loop;
  g_modalLoops[this] = &loop;
  {
    ModalRun run(&loop);
    while (!closed_ && !QuitRequested()) loop.exec();
  }
  g_modalLoops.erase(this);
  if (!closed_) {  // ended by a quit request, which this run takes
    ClearQuitRequest();
    result_ = IDCANCEL;
  }
  DestroyWindow();
  return result_;
}

void PropertySheet::DestroyWindow() {
  SheetWidget* widget = SheetOf(this);
  if (widget == nullptr) return;
  closed_ = true;
  // Every window inside goes now (handles withdrawn, timers stopped, owners
  // told); the widgets themselves go once the event loop is back, as one of
  // them may be running the handler that closed the sheet.
  WindowHost* own = WindowHost::Of(this);
  std::vector<WindowHost*> hosts = HostsWithin(widget);
  for (auto it = hosts.rbegin(); it != hosts.rend(); ++it) {
    if (*it != own) (*it)->Detach();  // custom windows before their pages
  }
  own->Detach();
  widget->Disown();
  for (AnimationPlayer* player : Descendants<AnimationPlayer>(widget)) player->Stop();
  widget->hide();
  widget->deleteLater();
  active_ = -1;
}

void PropertySheet::EndDialog(int result) {
  if (!Exists()) return;
  result_ = result;
  closed_ = true;
  // The modal run returns and destroys the window; without one it goes now.
  auto run = g_modalLoops.find(this);
  if (run != g_modalLoops.end()) {
    SheetOf(this)->hide();
    run->second->exit(0);
  } else {
    DestroyWindow();
  }
}

bool PropertySheet::SetActivePage(int index) {
  if (!Exists() || index < 0 || index >= GetPageCount()) return false;
  if (index == active_) return true;
  if (active_ >= 0 && !pages_[static_cast<std::size_t>(active_)]->OnKillActive()) {
    SheetOf(this)->ShowTab(active_);  // the page keeps the focus
    return false;
  }
  ActivatePage(index);
  return true;
}

void PropertySheet::ActivatePage(int index) {
  SheetWidget* widget = SheetOf(this);
  PropertyPage* page = pages_[static_cast<std::size_t>(index)];
  if (!page->Exists()) {
    QWidget* slot = widget->PageSlot(index);
    QWidget* pageWidget = CreatePageWindow(*page, slot);
    pageWidget->move(0, 0);
    page->OnInitDialog();
    if (!Exists()) return;
  }
  active_ = index;
  widget->ShowTab(index);
  page->OnSetActive();
}

int PropertySheet::GetActiveIndex() const { return Exists() ? active_ : -1; }

PropertyPage* PropertySheet::GetActivePage() const { return GetPage(GetActiveIndex()); }

void PropertySheet::CancelToClose() {
  SheetWidget* widget = SheetOf(this);
  if (widget == nullptr) return;
  cancelToClose_ = true;
  widget->ButtonById(ID_SHEET_OK)->setText(QStringLiteral("Close"));
  widget->ButtonById(ID_SHEET_CANCEL)->setEnabled(false);
}

void PropertySheet::PressButton(int buttonId) {
  SheetWidget* widget = SheetOf(this);
  if (widget == nullptr) return;
  if (QPushButton* button = widget->ButtonById(buttonId)) {
    if (button->isEnabled()) button->click();
  }
}

bool PropertySheet::IsButtonEnabled(int buttonId) const {
  SheetWidget* widget = SheetOf(this);
  QPushButton* button = widget ? widget->ButtonById(buttonId) : nullptr;
  return button != nullptr && button->isEnabled();
}

std::string PropertySheet::GetButtonText(int buttonId) const {
  SheetWidget* widget = SheetOf(this);
  QPushButton* button = widget ? widget->ButtonById(buttonId) : nullptr;
  return button ? FromQString(button->text()) : "";
}

bool PropertySheet::OnInitDialog() {
  if (active_ < 0 && !pages_.empty()) ActivatePage(std::clamp(startPage_, 0, GetPageCount() - 1));
  return true;
}

void PropertySheet::WinHelp(unsigned, unsigned) {
  SheetWidget* widget = SheetOf(this);
  std::optional<std::span<const unsigned char>> page = HelpPage();
  if (widget == nullptr || !page) {
    MessageBox("Failed to launch help.", GetAppName().empty() ? caption_ : GetAppName(), MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  widget->ShowHelp(ToQString(std::string(reinterpret_cast<const char*>(page->data()), page->size())));
}

bool PropertySheet::HelpWindowShown() const {
  SheetWidget* widget = SheetOf(this);
  return widget != nullptr && widget->HelpShown();
}

void PropertySheet::PageModifiedChanged() {
  SheetWidget* widget = SheetOf(this);
  if (widget == nullptr) return;
  bool any = false;
  for (PropertyPage* page : pages_) any = any || page->IsModified();
  widget->ButtonById(ID_APPLY_NOW)->setEnabled(any);
}

// OK and Apply: every page whose window exists applies, in page order; the
// first that refuses stops the rest and keeps the sheet open. The modified
// flags stay as the pages leave them: a page whose changes could not be put
// into effect keeps Apply lit, so nothing pending looks applied.
bool PropertySheet::ApplyAll() {
  for (PropertyPage* page : pages_) {
    if (!page->Exists()) continue;
    if (!page->OnApply()) return false;
    if (!Exists()) return false;
  }
  return true;
}

void PropertySheet::OnButton(int buttonId) {
  if (!Exists() || closed_) return;
  switch (buttonId) {
    case ID_SHEET_OK: {
      PropertyPage* active = GetActivePage();
      if (active != nullptr && !active->OnKillActive()) return;
      if (!ApplyAll()) {
        if (Exists() && active != nullptr) active->OnSetActive();
        return;
      }
      EndDialog(IDOK);
      return;
    }
    case ID_APPLY_NOW:
      ApplyAll();
      return;
    case ID_SHEET_CANCEL:
      for (PropertyPage* page : pages_) {
        if (page->Exists()) page->OnCancel();
      }
      EndDialog(IDCANCEL);
      return;
    case ID_SHEET_HELP: {
      PropertyPage* active = GetActivePage();
      WinHelp(active ? 0x20000u + static_cast<unsigned>(active->Template().id) : 0u, HELP_CONTEXT);
      return;
    }
    default:
      return;
  }
}

}  // namespace platform
