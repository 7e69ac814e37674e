// The window of a property sheet: a tab bar over the pages and the row of
// standard buttons.
#pragma once

#include <QDialog>
#include <QPointer>
#include <map>

class QPushButton;
class QStackedWidget;
class QTabBar;

namespace platform {

class PropertySheet;

class SheetWidget : public QDialog {
 public:
  SheetWidget(PropertySheet* sheet, QSize pageSize);

  void AddTab(const QString& caption);
  // A slot for a page's window.
  QWidget* PageSlot(int index) const;
  void ShowTab(int index);  // without telling the sheet
  QPushButton* ButtonById(int id) const;
  void ShowHelp(const QString& text);
  bool HelpShown() const;
  // The sheet object is done with this window, which goes a little later.
  void Disown() { sheet_ = nullptr; }

 protected:
  void reject() override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  PropertySheet* sheet_;
  QTabBar* tabs_;
  QStackedWidget* stack_;
  std::map<int, QPushButton*> buttons_;
  QPointer<QWidget> help_;
  bool switching_ = false;
};

}  // namespace platform
