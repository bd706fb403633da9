#pragma once

#include <QAction>
#include <QLabel>
#include <QListView>
#include <QPrinter>
#include <QTabWidget>
#include <QTemporaryDir>
#include <memory>
#include <string>

#include "app/AppContext.h"
#include "app/MainWindow.h"
#include "app/SettingsStore.h"
#include "app/UserDialogs.h"
#include "support/LogbookBuilder.h"

namespace scrb::test {

// Answers what the window asks of the user as the test scripted it, and remembers what it was
// asked: the messages shown, the folders the file dialogs started in.
struct ScriptedDialogs : UserDialogs {
  QStringList messages;
  QStringList warnings;
  int quits = 0;
  int beeps = 0;
  int disclaimerShown = 0;
  int disclaimerAnswer = 0;
  QStringList openAnswers;  // taken one per file dialog; none left means Cancel
  QStringList saveAnswers;
  QStringList dialogFolders;
  QList<ReportScope> scopeAnswers;  // taken one per report; none left means Cancel
  // The print dialog's answer: the printer prints into this PDF file, pages from..to (0: all).
  QString printFile;
  int printFrom = 0;
  int printTo = 0;
  int printPageCount = 0;  // what the last print dialog offered

  int RunDisclaimer(QWidget*) override {
    ++disclaimerShown;
    return disclaimerAnswer;
  }
  QString ChooseOpenFile(QWidget*, const QString&, const QString&, const QString& folder) override {
    dialogFolders << folder;
    return openAnswers.isEmpty() ? QString() : openAnswers.takeFirst();
  }
  QString ChooseSaveFile(QWidget*, const QString&, const QString&,
                         const QString& suggested) override {
    dialogFolders << suggested;
    return saveAnswers.isEmpty() ? QString() : saveAnswers.takeFirst();
  }
  void ShowMessage(QWidget*, const QString& text) override { messages << text; }
  ReportScope ChooseReportScope(QWidget*, const QString&, bool, int) override {
    return scopeAnswers.isEmpty() ? ReportScope::Cancelled : scopeAnswers.takeFirst();
  }
  bool RunPrintDialog(QWidget*, QPrinter& printer, int pageCount) override {
    printPageCount = pageCount;
    if (printFile.isEmpty()) return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(printFile);
    if (printFrom > 0) {
      printer.setPrintRange(QPrinter::PageRange);
      printer.setFromTo(printFrom, printTo);
    }
    return true;
  }
  void ShowWarning(QWidget*, const QString& text) override { warnings << text; }
  void Beep() override { ++beeps; }
  // Quitting the test program's application would end every event loop that follows.
  void Quit() override { ++quits; }
};

// A main window over a settings file of its own in a temporary folder, with every dialog that
// needs a user answered by the test.
struct TestWindow {
  QTemporaryDir folder;
  QString iniPath = folder.filePath("scrb.ini");
  std::unique_ptr<QtSettingsStore> settings = std::make_unique<QtSettingsStore>(iniPath);
  AppContext context;
  ScriptedDialogs dialogs;
  std::unique_ptr<MainWindow> form;
  QStringList& messages = dialogs.messages;
  int& quits = dialogs.quits;
  int& disclaimerShown = dialogs.disclaimerShown;
  int& disclaimerAnswer = dialogs.disclaimerAnswer;

  // Starts as the program does; false when the disclaimer was refused.
  bool Start() {
    form = std::make_unique<MainWindow>(context, *settings, dialogs);
    if (!form->StartUp()) return false;
    form->LoadWindow();
    return true;
  }

  QString Status() const { return form->StatusLabel()->text(); }
  QString Entry(int row) const {
    return form->DiveList()->model()->index(row, 0).data().toString();
  }
  QStringList Entries() const {
    QStringList entries;
    for (int row = 0; row < form->ListCount(); ++row) entries << Entry(row);
    return entries;
  }
  std::string Saved(const std::string& key) const { return settings->GetSetting(key, "<absent>"); }
  // Every page of the selected dive, as a diver clicking through the tabs would see them.
  void ShowEveryPage() {
    for (int page = 0; page < MainWindow::kPageCount; ++page)
      form->DiveTab()->setCurrentIndex(page);
  }
};

inline QAction* MenuAction(MainWindow& form, const QString& caption) {
  for (QAction* action : form.findChildren<QAction*>()) {
    if (action->text() == caption) return action;
  }
  return nullptr;
}

inline QString WriteLogbook(const std::string& name, const std::string& bytes) {
  return QString::fromStdString(WriteTempFile(name, bytes));
}

}  // namespace scrb::test
