#include "sheet_widget.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "platform/property_sheet.h"

namespace platform {
namespace {

struct StandardButton {
  int id;
  const char* text;
};
// In the order the sheet shows them, left to right.
constexpr StandardButton kButtons[] = {
    {ID_SHEET_OK, "OK"},
    {ID_SHEET_CANCEL, "Cancel"},
    {ID_APPLY_NOW, "&Apply"},
    {ID_SHEET_HELP, "Help"},
};

}  // namespace

SheetWidget::SheetWidget(PropertySheet* sheet, QSize pageSize) : sheet_(sheet) {
  setAttribute(Qt::WA_DeleteOnClose, false);
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

  tabs_ = new QTabBar(this);
  tabs_->setExpanding(false);
  tabs_->setDrawBase(true);
  stack_ = new QStackedWidget(this);
  stack_->setFrameShape(QFrame::StyledPanel);
  stack_->setFixedSize(pageSize + QSize(2 * stack_->frameWidth(), 2 * stack_->frameWidth()));

  auto* buttonRow = new QHBoxLayout;
  buttonRow->addStretch(1);
  for (const StandardButton& b : kButtons) {
    auto* button = new QPushButton(QString::fromLatin1(b.text), this);
    button->setAutoDefault(false);
    buttons_[b.id] = button;
    buttonRow->addWidget(button);
    int id = b.id;
    connect(button, &QPushButton::clicked, this, [this, id] {
      if (sheet_ != nullptr) sheet_->OnButton(id);
    });
  }
  buttons_[ID_SHEET_OK]->setDefault(true);
  buttons_[ID_APPLY_NOW]->setEnabled(false);

  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->setSpacing(0);
  layout->addWidget(tabs_);
  layout->addWidget(stack_);
  layout->addSpacing(7);
  layout->addLayout(buttonRow);

  connect(tabs_, &QTabBar::currentChanged, this, [this](int index) {
    if (switching_ || index < 0 || sheet_ == nullptr) return;
    sheet_->SetActivePage(index);
  });
}

void SheetWidget::AddTab(const QString& caption) {
  switching_ = true;
  tabs_->addTab(caption);
  auto* slot = new QWidget;
  stack_->addWidget(slot);
  switching_ = false;
}

QWidget* SheetWidget::PageSlot(int index) const { return stack_->widget(index); }

void SheetWidget::ShowTab(int index) {
  switching_ = true;
  tabs_->setCurrentIndex(index);
  stack_->setCurrentIndex(index);
  switching_ = false;
}

QPushButton* SheetWidget::ButtonById(int id) const {
  auto it = buttons_.find(id);
  return it == buttons_.end() ? nullptr : it->second;
}

void SheetWidget::ShowHelp(const QString& text) {
  if (help_.isNull()) {
    auto* browser = new QTextBrowser(this);
    browser->setWindowFlags(Qt::Window);
    browser->setWindowTitle(windowTitle());
    browser->setOpenExternalLinks(true);
    browser->resize(520, 420);
    if (Qt::mightBeRichText(text)) {
      browser->setHtml(text);
    } else {
      browser->setPlainText(text);
    }
    help_ = browser;
  }
  help_->show();
  help_->raise();
}

bool SheetWidget::HelpShown() const { return !help_.isNull() && help_->isVisible(); }

// Escape: the Cancel button, while it is enabled.
void SheetWidget::reject() {
  QPushButton* cancel = buttons_.at(ID_SHEET_CANCEL);
  if (cancel->isEnabled()) cancel->click();
}

void SheetWidget::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1) {
    buttons_.at(ID_SHEET_HELP)->click();
    return;
  }
  QDialog::keyPressEvent(event);
}

// The close box cancels the sheet; the sheet destroys the window itself.
void SheetWidget::closeEvent(QCloseEvent* event) {
  event->ignore();
  if (sheet_ != nullptr) sheet_->OnButton(ID_SHEET_CANCEL);
}

}  // namespace platform
