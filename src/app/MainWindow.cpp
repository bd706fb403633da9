#include "app/MainWindow.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <exception>

#include "app/DisplayOptionDialog.h"
#include "app/DivePage.h"
#include "app/DiveTableModel.h"
#include "app/PreferencesDialog.h"
#include "app/SettingsStore.h"
#include "app/StatisticsWindow.h"
#include "app/UserDialogs.h"
#include "app/WindowMeasures.h"
#include "logbook/ProfileDecoder.h"
#include "logbook/StartupSettings.h"
#include "report/NumberFormat.h"

namespace scrb {
namespace {

static_assert(std::tuple_size_v<decltype(kDivePages)> == MainWindow::kPageCount);

QString ToQt(const std::string& text) {
  return QString::fromStdString(text);
}

std::string Number(double value) {
  return GeneralNumber(value);
}

}  // namespace

MainWindow::MainWindow(AppContext& context, SettingsStore& settings, UserDialogs& dialogs,
                       QWidget* parent, const std::string& desktopLanguage)
    : QMainWindow(parent),
      context_(context),
      settings_(settings),
      dialogs_(dialogs),
      desktopLanguage_(desktopLanguage) {
  context_.Settings = &settings_;
  // Before anything is built, so that every text is made once, in the diver's language; the
  // disclaimer is read in it too.
  language_.Apply(ChosenLanguage(settings_.GetSetting(settings::kLanguage, ""), desktopLanguage_));
  setAcceptDrops(true);
  BuildWidgets();
  BuildMenus();
  BuildShortcuts();
  SetCaption();
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildWidgets() {
  auto* central = new QWidget(this);
  listPane_ = BuildTable(central);

  diveTab_ = new QTabWidget(central);
  diveTab_->setObjectName("DiveTab");
  BuildPages();
  connect(diveTab_, &QTabWidget::currentChanged, this, &MainWindow::ShowChosenPage);

  statusLabel_ = new QLabel(tr("Ready"), central);
  statusLabel_->setObjectName("StatusLabel");
  previousButton_ = new QPushButton(tr("&Previous"), central);
  previousButton_->setObjectName("PreviousButton");
  nextButton_ = new QPushButton(tr("&Next"), central);
  nextButton_->setObjectName("NextButton");
  exitButton_ = new QPushButton(tr("E&xit"), central);
  exitButton_->setObjectName("ExitButton");
  connect(previousButton_, &QPushButton::clicked, this, &MainWindow::PreviousDive);
  connect(nextButton_, &QPushButton::clicked, this, &MainWindow::NextDive);
  connect(exitButton_, &QPushButton::clicked, this, &MainWindow::ExitProgram);

  // The list and the pages share a wider window two to seven, as they always did; the splitter
  // lets the diver choose otherwise.
  splitter_ = new QSplitter(Qt::Horizontal, central);
  splitter_->setObjectName("DiveSplitter");
  splitter_->setChildrenCollapsible(false);
  splitter_->addWidget(listPane_);
  splitter_->addWidget(diveTab_);
  splitter_->setStretchFactor(0, 2);
  splitter_->setStretchFactor(1, 7);
  splitter_->setSizes({2 * TwipsToPixels(1000, this), 7 * TwipsToPixels(1000, this)});
  diveList_->viewport()->installEventFilter(this);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(statusLabel_, 1);
  bottom->addWidget(analysisLabel_);
  bottom->addWidget(previousButton_);
  bottom->addWidget(nextButton_);
  bottom->addWidget(exitButton_);
  auto* layout = new QVBoxLayout(central);
  layout->addWidget(splitter_, 1);
  layout->addLayout(bottom);
  setCentralWidget(central);
  // The window's own minimum size rule (with its beep) decides how small it gets, not the sum
  // of the pages' preferred sizes.
  central->setMinimumSize(1, 1);
  resize(TwipsToPixels(9255, this), TwipsToPixels(7035, this) + 24);
}

void MainWindow::BuildPages() {
  for (size_t i = 0; i < kDivePages.size(); ++i) {
    DivePage* page = kDivePages[i].Create(context_, diveTab_);
    pages_[i] = page;
    connect(page, &DivePage::RedrawRequested, this,
            [this] { ShowDive(context_.Book.CurrentDive); });
    diveTab_->addTab(page, tr(kDivePages[i].Caption));
  }
}

// Alt keys: the menus take F, E, L and H; the pages G, D, S, A, Y, T and R; the buttons P, N and X.
// Within each menu every entry has an Alt key of its own: in the File menu "Op&tions" leaves O to
// "&Open Logbook".
void MainWindow::BuildMenus() {
  QMenu* file = menuBar()->addMenu(tr("&File"));
  QAction* open = file->addAction(tr("&Open Logbook"));
  open->setShortcut(QKeySequence("Ctrl+O"));
  connect(open, &QAction::triggered, this, [this] { ChooseAndOpen(false); });
  QAction* merge = file->addAction(tr("&Merge Logbook"));
  merge->setShortcut(QKeySequence("Ctrl+Shift+O"));
  connect(merge, &QAction::triggered, this, [this] { ChooseAndOpen(true); });
  exportUddfAction_ = file->addAction(tr("Export Logbook as &UDDF..."));
  exportUddfAction_->setObjectName("ExportUddfAction");
  exportUddfAction_->setEnabled(false);
  connect(exportUddfAction_, &QAction::triggered, this, &MainWindow::ExportUddf);
  recentMenu_ = file->addMenu(tr("&Recent Logbooks"));
  recentMenu_->setObjectName("RecentMenu");
  file->addSeparator();
  QAction* print = file->addAction(tr("&Print"));
  print->setShortcut(QKeySequence("Ctrl+P"));
  connect(print, &QAction::triggered, this, &MainWindow::PrintReport);
  connect(file->addAction(tr("Export Dive Report as P&DF...")), &QAction::triggered, this,
          &MainWindow::ExportReportPdf);
  file->addSeparator();
  connect(file->addAction(tr("Op&tions")), &QAction::triggered, this, &MainWindow::ShowOptions);
  file->addSeparator();
  QAction* exit = file->addAction(tr("E&xit"));
  exit->setShortcut(QKeySequence("Ctrl+Q"));
  connect(exit, &QAction::triggered, this, &MainWindow::ExitProgram);

  QMenu* edit = menuBar()->addMenu(tr("&Edit"));
  connect(edit->addAction(tr("Copy &All Dives to clipboard")), &QAction::triggered, this,
          &MainWindow::CopyAllDives);
  connect(edit->addAction(tr("Copy Current Dive &Profile to clipboard")), &QAction::triggered, this,
          &MainWindow::CopyDiveProfile);
  edit->addSeparator();
  QAction* goTo = edit->addAction(tr("&Go to Dive..."));
  goTo->setShortcut(QKeySequence("Ctrl+G"));
  connect(goTo, &QAction::triggered, this, &MainWindow::AskGoToDive);
  edit->addSeparator();
  connect(edit->addAction(tr("&Options")), &QAction::triggered, this, &MainWindow::ShowOptions);
  QAction* preferences = edit->addAction(tr("Pr&eferences..."));
  preferences->setObjectName("PreferencesAction");
  connect(preferences, &QAction::triggered, this, &MainWindow::ShowPreferences);

  QMenu* logbook = menuBar()->addMenu(tr("&Logbook"));
  QAction* statistics = logbook->addAction(tr("&Statistics..."));
  statistics->setObjectName("StatisticsAction");
  statistics->setShortcut(QKeySequence("Ctrl+Shift+S"));
  connect(statistics, &QAction::triggered, this, &MainWindow::ShowStatistics);

  QMenu* help = menuBar()->addMenu(tr("&Help"));
  QAction* about = help->addAction(tr("&About"));
  about->setShortcut(QKeySequence("F1"));
  connect(about, &QAction::triggered, this, [this] { ShowMessage(AboutText()); });
  FillRecentMenu();
}

// Keys with no menu entry of their own: Page Up and Page Down step through the dives as the
// buttons do, Ctrl+1 to Ctrl+7 bring up the pages, Ctrl+F goes to the search field.
void MainWindow::BuildShortcuts() {
  const auto addKey = [this](const QString& name, const QKeySequence& key, auto slot) {
    auto* action = new QAction(name, this);
    action->setShortcut(key);
    connect(action, &QAction::triggered, this, slot);
    addAction(action);
  };
  addKey("Previous Dive", QKeySequence(Qt::Key_PageUp), [this] { PreviousDive(); });
  addKey("Next Dive", QKeySequence(Qt::Key_PageDown), [this] { NextDive(); });
  addKey("Search Dives", QKeySequence::Find, [this] {
    searchField_->setFocus(Qt::ShortcutFocusReason);
    searchField_->selectAll();
  });
  for (int page = 0; page < kPageCount; ++page) {
    addKey(QString("Page %1").arg(page + 1),
           QKeySequence(kDivePages[static_cast<size_t>(page)].Shortcut),
           [this, page] { diveTab_->setCurrentIndex(page); });
  }
}

QString MainWindow::AboutText() {
  return tr("Bathyscribe v%1.%2\r\n\r\nWritten by the Bathyscribe developers.\r\n\r\n"
            "Bathyscribe reads the logbooks of the Datatrak PC logging software; the README "
            "that comes with it tells more.")
      .arg(BATHYSCRIBE_VERSION_MAJOR)
      .arg(BATHYSCRIBE_VERSION_PATCH);
}

bool MainWindow::StartUp(bool readLastLogbook) {
  if (SettingNumber(settings_.GetSetting(settings::kNoWarning, "0")) == 0) {
    const int check = dialogs_.RunDisclaimer(this);
    if (check < 0) return false;
    settings_.SaveSetting(settings::kNoWarning, Number(check));
  }
  LogbookSession& session = context_.Session;
  session.SetDisplayOption(
      DisplayOptionFromSetting(settings_.GetSetting(settings::kDisplayOptionFlag, "1")));
  context_.Analysis.SetModel(
      DecoModelFromSetting(settings_.GetSetting(settings::kDecoModelNumber, "")));
  context_.Analysis.SetRepetitive(
      SettingNumber(settings_.GetSetting(settings::kRepetitiveDives, "0")) != 0);
  context_.Units =
      settings_.GetSetting(settings::kUnits, "") == UnitSystemName(UnitSystem::Imperial)
          ? UnitSystem::Imperial
          : UnitSystem::Metric;
  std::vector<std::string> recent;
  for (int i = 0; i < settings::kRecentLogbookCount; ++i) {
    recent.push_back(settings_.GetSetting(settings::RecentLogbookKey(i), ""));
  }
  session.SetRecent(std::move(recent));
  FillRecentMenu();
  if (readLastLogbook) RestoreLogbooks();
  SetCaption();
  RestoreTableHeader();
  SetListEntries();
  return true;
}

void MainWindow::ExitProgram() {
  SaveSettings();
  dialogs_.Quit();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // The close button, Alt+F4 and the window system end the program as Exit does.
  if (!settingsSaved_) ExitProgram();
  event->accept();
}

void MainWindow::SaveSettings() {
  settingsSaved_ = true;
  const auto saveTwips = [this](const char* key, int pixels) {
    settings_.SaveSetting(key, Number(std::round(PixelsToTwips(pixels, this))));
  };
  settings_.SaveSetting(settings::kDecoModelNumber,
                        Number(context_.Analysis.Model().DecoModelNumber));
  settings_.SaveSetting(settings::kRepetitiveDives, context_.Analysis.Repetitive() ? "1" : "0");
  settings_.SaveSetting(settings::kDisplayOptionFlag, Number(context_.Session.DisplayOption()));
  const int state = isMinimized() ? 1 : isMaximized() ? 2 : 0;
  const QRect frame = frameGeometry();
  settings_.SaveSetting(settings::kWindowState, Number(state));
  saveTwips(settings::kWidth, frame.width());
  saveTwips(settings::kHeight, frame.height());
  saveTwips(settings::kTop, frame.top());
  saveTwips(settings::kLeft, frame.left());
  settings_.SaveSetting(settings::kTabNumber, Number(diveTab_->currentIndex()));
  const int index = ListIndex();
  settings_.SaveSetting(settings::kCurrentDiveSelected, Number(index));
  settings_.SaveSetting(settings::kLastDive, index == ListCount() - 1 ? "1" : "0");
  saveTwips(settings::kDiveListWidth, listPane_->width());
  settings_.SaveSetting(settings::kDiveTableHeader,
                        diveList_->horizontalHeader()->saveState().toBase64().toStdString());
}

void MainWindow::KeepSelectionInView() {
  if (diveList_->currentIndex().isValid()) diveList_->scrollTo(diveList_->currentIndex());
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  // Escape in the search field or the table clears the search and shows every dive.
  if ((watched == searchField_ || watched == diveList_) && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape &&
      (!SearchText().isEmpty() || ShownDives().size() != static_cast<size_t>(ListCount()))) {
    ClearSearch();
    return true;
  }
  // A list made shorter by the window or the splitter must not lose the selected dive from view;
  // the list lays its rows out anew first.
  if (watched == diveList_->viewport() && event->type() == QEvent::Resize) {
    QTimer::singleShot(0, this, [this] { KeepSelectionInView(); });
  }
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::ShowOptions() {
  DisplayOptionDialog dialog(context_.Session.DisplayOption(), this);
  if (dialog.exec() == QDialog::Accepted) ApplyDisplayOption(dialog.ChosenOption());
}

void MainWindow::ShowPreferences() {
  const std::string language = settings_.GetSetting(settings::kLanguage, "");
  PreferencesDialog dialog(language, context_.Units, this);
  if (dialog.exec() != QDialog::Accepted) return;
  if (dialog.ChosenLanguage() != language) SetLanguage(dialog.ChosenLanguage());
  if (dialog.ChosenUnits() != context_.Units) SetUnits(dialog.ChosenUnits());
}

void MainWindow::SetLanguage(const std::string& setting) {
  const std::string code = ChosenLanguage(setting, desktopLanguage_);
  // An unknown value is kept as it was saved: it means System, as an empty one does.
  if (setting != settings_.GetSetting(settings::kLanguage, "")) {
    settings_.SaveSetting(settings::kLanguage, setting);
  }
  if (code == language_.Current()) return;
  language_.Apply(code);
  Retranslate();
}

void MainWindow::Retranslate() {
  const bool uddf = exportUddfAction_ != nullptr && exportUddfAction_->isEnabled();
  menuBar()->clear();
  BuildMenus();
  exportUddfAction_->setEnabled(uddf);

  // The pages are made anew from the page table; the dive and the page shown stay.
  const int tab = diveTab_->currentIndex();
  const QSignalBlocker blocker(diveTab_);
  while (diveTab_->count() > 0) {
    QWidget* page = diveTab_->widget(0);
    diveTab_->removeTab(0);
    delete page;
  }
  BuildPages();
  diveTab_->setCurrentIndex(tab);
  shownTab_ = diveTab_->currentIndex();

  previousButton_->setText(tr("&Previous"));
  nextButton_->setText(tr("&Next"));
  exitButton_->setText(tr("E&xit"));
  RetranslateTable();
  if (statisticsWindow_ != nullptr) statisticsWindow_->Retranslate();
  ShowDive(context_.Book.CurrentDive);
}

void MainWindow::ApplyDisplayOption(int option) {
  // The entries are rebuilt from the dives in memory: reading the file again would drop merged
  // logbooks, computed results and the selection.
  if (!context_.Session.SetDisplayOption(option)) return;
  SetListEntries();
  statusLabel_->setText(ToQt(StatusText(context_.Book.DiveCount(), ReadOutcome{}, "")));
}

void MainWindow::ShowListedDive(int row) {
  context_.Session.Select(row);
  ShowDive(context_.Session.CurrentDive());
}

void MainWindow::ShowChosenPage(int index) {
  if (index == shownTab_) return;
  shownTab_ = index;
  ShowDive(context_.Book.CurrentDive);
}

void MainWindow::ShowDive(int index) {
  ReadoutState& readouts = context_.Readouts;
  readouts.ChartsReady = false;
  readouts.ResetCursors();
  const int tab = diveTab_->currentIndex();
  DivePage* page = tab >= 0 && tab < kPageCount ? pages_[static_cast<size_t>(tab)] : nullptr;
  const DiveRecord* dive = context_.Book.DiveAt(index);
  // Without a dive the page shows its empty state: it must never go on showing a dive that is
  // no longer in the list.
  if (dive == nullptr) {
    if (page != nullptr) page->ShowDive(nullptr);
    return;
  }
  ++showCount_;
  try {
    if (page != nullptr) page->ShowDive(dive);
  } catch (const std::exception& e) {
    // Whatever went wrong with this one dive, the program and the loaded logbook carry on.
    statusLabel_->setText(tr("Dive %1 could not be shown: %2").arg(index).arg(e.what()));
    return;
  }
  readouts.ChartsReady = true;
}

void MainWindow::ScheduleRedraw() {
  // A drag delivers a burst of resize events; the dive is drawn once when they have settled.
  if (redrawPending_) return;
  redrawPending_ = true;
  QTimer::singleShot(0, this, [this] {
    redrawPending_ = false;
    ShowDive(context_.Book.CurrentDive);
    KeepSelectionInView();
  });
}

void MainWindow::ShowMessage(const QString& text) {
  dialogs_.ShowMessage(this, text);
}

}  // namespace scrb
