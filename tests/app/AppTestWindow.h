#pragma once

#include <QAction>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <fstream>
#include <memory>
#include <string>

#include "app/dialogs/UserDialogs.h"
#include "app/pages/DivePage.h"
#include "app/state/LogbookState.h"
#include "app/state/SettingsStore.h"
#include "app/statistics/StatisticsWindow.h"
#include "app/table/DiveTableModel.h"
#include "app/table/DiveTablePane.h"
#include "app/views/ChartView.h"
#include "app/window/MainWindow.h"
#include "app/window/ReportPrinting.h"
#include "support/LogbookBuilder.h"

namespace scrb {

// The window's parts, found as a user's eye finds them: by what they are.
inline DiveTablePane& Table(const MainWindow& form) {
  return *form.findChild<DiveTablePane*>("DiveTablePane");
}
inline QTableView* DiveList(const MainWindow& form) {
  return form.findChild<QTableView*>("DiveList");
}
inline QTabWidget* DiveTab(const MainWindow& form) {
  return form.findChild<QTabWidget*>("DiveTab");
}
inline DivePage* Page(const MainWindow& form, int index) {
  return static_cast<DivePage*>(DiveTab(form)->widget(index));
}
inline QLineEdit* SearchField(const MainWindow& form) {
  return form.findChild<QLineEdit*>("SearchField");
}
inline QMenu* RecentMenu(const MainWindow& form) {
  return form.findChild<QMenu*>("RecentMenu");
}
inline QSplitter* Splitter(const MainWindow& form) {
  return form.findChild<QSplitter*>("DiveSplitter");
}
inline StatisticsWindow* Statistics(const MainWindow& form) {
  return form.findChild<StatisticsWindow*>("StatisticsWindow");
}
inline DiveTableModel* TableModel(const MainWindow& form) {
  return form.findChild<DiveTableModel*>();
}
inline QStringList RecentLogbooks(const LogbookState& state) {
  QStringList paths;
  for (const std::string& path : state.Session().Recent()) paths << QString::fromStdString(path);
  return paths;
}

inline QAction* MenuAction(MainWindow& form, const QString& caption) {
  for (QAction* action : form.findChildren<QAction*>()) {
    if (action->text() == caption) return action;
  }
  return nullptr;
}

// A report is made in the background or a page per turn of the event loop; this waits for it.
inline void WaitForReport(const MainWindow& form) {
  const auto* report = form.findChild<ReportPrinting*>();
  QElapsedTimer waited;
  waited.start();
  while (report->Busy() && waited.elapsed() < 120000) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  }
}

}  // namespace scrb

namespace scrb::test {

// Answers what the window asks of the user as the test scripted it, and remembers what it was
// asked: the messages shown, the folders the file dialogs started in.
struct ScriptedDialogs : UserDialogs {
  QStringList messages, warnings, questions;
  QList<bool> yesNoAnswers;  // taken one per question; none left means No
  int quits = 0, beeps = 0, disclaimerShown = 0, disclaimerAnswer = 0;
  QStringList openAnswers, saveAnswers;  // taken one per file dialog; none left means Cancel
  QStringList dialogFolders;
  QList<ReportScope> scopeAnswers;  // taken one per report; none left means Cancel
  // The print dialog's answer: the printer prints into this PDF file, pages from..to (0: all).
  QString printFile;
  int printFrom = 0, printTo = 0;
  int printPageCount = 0;  // what the last print dialog offered

  int RunDisclaimer(QWidget*) override {
    ++disclaimerShown;
    return disclaimerAnswer;
  }
  QString ChooseOpenFile(QWidget*, const QString&, const QString&, const QString& folder) override {
    dialogFolders << folder;
    return openAnswers.isEmpty() ? QString() : openAnswers.takeFirst();
  }
  QString ChooseSaveFile(QWidget*, const QString&, const QString&, const QString& path) override {
    dialogFolders << path;
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
    printer.setPrintRange(printFrom > 0 ? QPrinter::PageRange : QPrinter::AllPages);
    printer.setFromTo(printFrom, printTo);
    return true;
  }
  void ShowWarning(QWidget*, const QString& text) override { warnings << text; }
  bool AskYesNo(QWidget*, const QString& question) override {
    questions << question;
    return !yesNoAnswers.isEmpty() && yesNoAnswers.takeFirst();
  }
  QList<int> numberAnswers;    // taken one per Go to Dive; none left means Cancel
  QList<int> numberProposals;  // what each Go to Dive proposed
  std::optional<int> AskDiveNumber(QWidget*, int proposed) override {
    numberProposals << proposed;
    if (numberAnswers.isEmpty()) return std::nullopt;
    return numberAnswers.takeFirst();
  }
  void Beep() override { ++beeps; }
  // Quitting the test program's application would end every event loop that follows.
  void Quit() override { ++quits; }
};

using scrb::WaitForReport;

// The statistics are summed up in the background; this waits until they are on show.
inline void WaitForStatistics(const StatisticsWindow& statistics) {
  QElapsedTimer waited;
  waited.start();
  do {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  } while (statistics.Working() && waited.elapsed() < 120000);
}

// A main window over a settings file of its own in a temporary folder, with every dialog that
// needs a user answered by the test.
struct TestWindow {
  QTemporaryDir folder;
  QString iniPath = folder.filePath("scrb.ini");
  std::unique_ptr<QtSettingsStore> settings;
  std::unique_ptr<LogbookState> state;
  ScriptedDialogs dialogs;
  std::unique_ptr<MainWindow> form;
  QStringList& messages = dialogs.messages;

  // Over the settings file lines given, as an earlier run or a damaged file left them.
  explicit TestWindow(const std::string& ini = "") {
    std::ofstream(iniPath.toStdString(), std::ios::binary) << "[Settings]\n" << ini;
    settings = std::make_unique<QtSettingsStore>(iniPath);
    state = std::make_unique<LogbookState>(*settings, "en");
  }
  ~TestWindow() { form.reset(); }

  // Starts as the program does; false when the disclaimer was refused.
  bool Start() {
    // A test may have put another settings store in place.
    if (&state->Settings() != settings.get())
      state = std::make_unique<LogbookState>(*settings, "en");
    form = std::make_unique<MainWindow>(*state, dialogs);
    if (!form->StartUp()) return false;
    form->LoadWindow();
    return true;
  }

  QString Status() const { return form->findChild<QLabel*>("StatusLabel")->text(); }
  QStringList Entries() const;
  std::string Saved(const std::string& key) const { return settings->GetSetting(key, "<absent>"); }
  // What a page shows: the texts of its labels and text box, whether each chart has anything
  // drawn and whether it shows a readout cursor.
  QStringList PageState(int page) const {
    DiveTab(*form)->setCurrentIndex(page);
    QStringList state;
    for (QLabel* label : Page(*form, page)->findChildren<QLabel*>())
      state << label->objectName() + "=" + label->text();
    for (QPlainTextEdit* box : Page(*form, page)->findChildren<QPlainTextEdit*>())
      state << box->toPlainText();
    for (ChartView* chart : Page(*form, page)->findChildren<ChartView*>()) {
      QImage white(chart->ChartImage().size(), chart->ChartImage().format());
      white.fill(Qt::white);
      state << chart->objectName() + (chart->ChartImage() == white ? " blank" : " drawn") +
                   (chart->CursorX() ? " with cursor" : "");
    }
    return state;
  }
  // Every page of the selected dive, as a diver clicking through the tabs would see them.
  void ShowEveryPage() {
    for (int page = 0; page < MainWindow::kPageCount; ++page) DiveTab(*form)->setCurrentIndex(page);
  }
};

inline QStringList TestWindow::Entries() const {
  QStringList entries;
  for (int row = 0; row < Table(*form).ListCount(); ++row)
    entries << DiveList(*form)->model()->index(row, 0).data().toString();
  return entries;
}

// The charts of a page, from top to bottom, without pictures such as a colour key that only
// show something.
inline QList<ChartView*> Charts(const MainWindow& form, int page) {
  QList<ChartView*> charts = Page(form, page)->findChildren<ChartView*>();
  // A chart switched off in favour of another one is no chart of the page as shown.
  charts.removeIf([](ChartView* chart) {
    return chart->focusPolicy() == Qt::NoFocus || chart->isHidden();
  });
  return charts;
}

using scrb::MenuAction;

inline QString WriteLogbook(const std::string& name, const std::string& bytes) {
  return QString::fromStdString(WriteTempFile(name, bytes));
}

// A logbook file of `count` dives numbered from `first`, all at one site of the lake "Lake".
inline QString LogbookFile(const std::string& name, int count, int first = 1,
                           const std::string& site = "Pier") {
  std::vector<EntryBuilder> entries(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) {
    entries[static_cast<size_t>(i)].DiveNumber = first + i;
    entries[static_cast<size_t>(i)].Site = site;
  }
  return WriteLogbook(name, BuildLogbook(entries));
}

}  // namespace scrb::test
