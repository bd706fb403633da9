#include "app/dialogs/UserDialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QSpinBox>

#include "app/dialogs/DisclaimerDialog.h"

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

QString UserDialogs::ChoosePdfPath(QWidget* parent, const QString& title,
                                   const QString& logbookFile, const QString& name) {
  const QString folder =
      logbookFile.isEmpty() ? QDir::homePath() : QFileInfo(logbookFile).absolutePath();
  QString path = ChooseSaveFile(
      parent, title, QCoreApplication::translate("scrb::MainWindow", "PDF files (*.pdf)"),
      QDir(folder).filePath(name + ".pdf"));
  if (!path.isEmpty() && !path.endsWith(".pdf", Qt::CaseInsensitive)) path += ".pdf";
  return path;
}

namespace {

// The window system elides a title wider than the window: room for the whole of it, with the
// title bar's icon and buttons, which a dialog this small would not have by itself.
int TitleRoom(const QString& title) {
  constexpr int kTitleBarExtras = 160;
  const QFont titleFont = QApplication::font("QMdiSubWindowTitleBar");
  return QFontMetrics(titleFont).horizontalAdvance(title) * 6 / 5 + kTitleBarExtras;
}

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

bool SystemDialogs::AskYesNo(QWidget* parent, const QString& question) {
  QMessageBox box(QMessageBox::Question, "Bathyscribe", question,
                  QMessageBox::Yes | QMessageBox::No, parent);
  box.setDefaultButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

std::optional<int> SystemDialogs::AskDiveNumber(QWidget* parent, int proposed) {
  QInputDialog dialog(parent);
  const QString title = QCoreApplication::translate("scrb::UserDialogs", "Go to Dive");
  dialog.setWindowTitle(title);
  dialog.setLabelText(QCoreApplication::translate("scrb::UserDialogs", "Dive &number:"));
  dialog.setInputMode(QInputDialog::IntInput);
  // Dive numbers are words of the file.
  dialog.setIntRange(-32768, 32767);
  dialog.setIntValue(proposed);
  // Room for the whole title in any language, which the window system would cut otherwise. The
  // dialog's layout fixes its size to what its contents ask, so the number box asks for it.
  if (auto* box = dialog.findChild<QSpinBox*>()) box->setMinimumWidth(TitleRoom(title));
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.intValue();
}

ReportScope SystemDialogs::ChooseReportScope(QWidget* parent, const QString& title,
                                             bool currentDive, int diveCount) {
  const QString current = QCoreApplication::translate("scrb::UserDialogs", "The current dive");
  const QString all =
      QCoreApplication::translate("scrb::UserDialogs", "All loaded dives (%1, one page each)")
          .arg(diveCount);
  const QString summaryCurrent = QCoreApplication::translate(
      "scrb::UserDialogs", "A logbook summary page, then the current dive");
  const QString summaryAll =
      QCoreApplication::translate("scrb::UserDialogs",
                                  "A logbook summary page, then all loaded dives (%1, one page "
                                  "each)")
          .arg(diveCount);
  QStringList choices;
  if (currentDive) choices << current;
  choices << all;
  if (currentDive) choices << summaryCurrent;
  choices << summaryAll;
  QInputDialog dialog(parent);
  dialog.setWindowTitle(title);
  dialog.setLabelText(QCoreApplication::translate("scrb::UserDialogs", "Dives to include:"));
  dialog.setComboBoxItems(choices);
  dialog.setComboBoxEditable(false);
  const int width = TitleRoom(title);
  // The dialog's layout fixes its size to what its contents ask; the choice box asks for it.
  if (auto* box = dialog.findChild<QComboBox*>()) box->setMinimumWidth(width);
  if (dialog.exec() != QDialog::Accepted) return ReportScope::Cancelled;
  const QString chosen = dialog.textValue();
  if (chosen == current) return ReportScope::CurrentDive;
  if (chosen == all) return ReportScope::AllDives;
  if (chosen == summaryCurrent) return ReportScope::SummaryAndCurrentDive;
  return ReportScope::SummaryAndAllDives;
}

bool SystemDialogs::RunPrintDialog(QWidget* parent, QPrinter& printer, int pageCount) {
  QPrintDialog dialog(&printer, parent);
  dialog.setMinMax(1, pageCount);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, pageCount > 1);
  return dialog.exec() == QDialog::Accepted;
}

void SystemDialogs::Beep() {
  QApplication::beep();
}

void SystemDialogs::Quit() {
  QApplication::exit(0);
}

}  // namespace scrb
