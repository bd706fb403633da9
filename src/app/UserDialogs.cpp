#include "app/UserDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

#include "app/DisclaimerDialog.h"

namespace scrb {

int SystemDialogs::RunDisclaimer(QWidget* parent) {
  DisclaimerDialog dialog(parent);
  if (dialog.exec() != QDialog::Accepted) return -1;
  return dialog.CheckValue();
}

QString SystemDialogs::ChooseOpenFile(QWidget* parent, const QString& title, const QString& filter,
                                      const QString& folder) {
  return QFileDialog::getOpenFileName(parent, title, folder, filter);
}

QString SystemDialogs::ChooseSaveFile(QWidget* parent, const QString& title, const QString& filter,
                                      const QString& suggested) {
  return QFileDialog::getSaveFileName(parent, title, suggested, filter);
}

namespace {

void RunMessageBox(QWidget* parent, QMessageBox::Icon icon, const QString& text) {
  QMessageBox box(icon, "Bathyscribe", text, QMessageBox::Ok, parent);
  box.exec();
}

}  // namespace

void SystemDialogs::ShowMessage(QWidget* parent, const QString& text) {
  RunMessageBox(parent, QMessageBox::NoIcon, text);
}

void SystemDialogs::ShowWarning(QWidget* parent, const QString& text) {
  RunMessageBox(parent, QMessageBox::Warning, text);
}

void SystemDialogs::Beep() {
  QApplication::beep();
}

void SystemDialogs::Quit() {
  QApplication::exit(0);
}

}  // namespace scrb
