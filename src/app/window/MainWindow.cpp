#include "app/window/MainWindow.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <exception>

#include "app/comparison/ComparisonWindow.h"
#include "app/dialogs/DisplayOptionDialog.h"
#include "app/dialogs/PreferencesDialog.h"
#include "app/dialogs/UserDialogs.h"
#include "app/pages/DivePage.h"
#include "app/state/LogbookState.h"
#include "app/state/SettingsStore.h"
#include "app/state/WindowSettings.h"
#include "app/statistics/StatisticsWindow.h"
#include "app/table/DiveTablePane.h"
#include "app/views/ChartView.h"
#include "app/views/WindowPlacement.h"
#include "app/window/LogbookExports.h"
#include "app/window/LogbookFiles.h"
#include "app/window/ReportPrinting.h"
#include "logbook/StartupSettings.h"
#include "report/NumberFormat.h"

namespace scrb {
namespace {

static_assert(std::tuple_size_v<decltype(kDivePages)> == MainWindow::kPageCount);

}  // namespace

MainWindow::MainWindow(LogbookState& state, UserDialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), state_(state), dialogs_(dialogs) {
  setAcceptDrops(true);
  files_ = new LogbookFiles(state_, dialogs_, this);
  exports_ = new LogbookExports(state_, dialogs_, this);
  report_ = new ReportPrinting(state_, dialogs_, this, [this] {
    return std::pair(table_->ShownDives(), table_->SearchText());
  });
  connect(files_, &LogbookFiles::Status, this, &MainWindow::SetStatus);
  connect(exports_, &LogbookExports::Status, this, &MainWindow::SetStatus);
  connect(report_, &ReportPrinting::Status, this, &MainWindow::SetStatus);
  // Before the pages exist: another language makes them anew, and the pages of the old one are
  // gone before they hear of it and draw in vain.
  connect(&state_, &LogbookState::SettingsChanged, this, [this](SettingChanges what) {
    if (Invalidated(what) & ShownPart::Texts) Retranslate();
  });
  time_ = MakePagesTimeWindow(state_, this);
  BuildWidgets();
  BuildMenus();
  BuildShortcuts();
  SetCaption();

  connect(&state_, &LogbookState::LogbookChanged, this, [this] {
    SetCaption();
    for (const char* name : {"ExportUddfAction", "ExportSubsurfaceAction"}) {
      menuBar()->findChild<QAction*>(name)->setEnabled(state_.Book().DiveCount() > 0);
    }
  });
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildWidgets() {
  auto* central = new QWidget(this);
  table_ = new DiveTablePane(state_, dialogs_, central);
  connect(table_, &DiveTablePane::CountChanged, this, &MainWindow::SetStatus);
  connect(table_, &DiveTablePane::SelectedDivesChanged, this, &MainWindow::UpdateCompareAction);

  diveTab_ = new QTabWidget(central);
  diveTab_->setObjectName("DiveTab");
  BuildPages();
  ClearRulerOnEscape(diveTab_, *time_);

  statusLabel_ = new QLabel(tr("Ready"), central);
  statusLabel_->setObjectName("StatusLabel");
  previousButton_ = new QPushButton(tr("&Previous"), central);
  previousButton_->setObjectName("PreviousButton");
  nextButton_ = new QPushButton(tr("&Next"), central);
  nextButton_->setObjectName("NextButton");
  exitButton_ = new QPushButton(tr("E&xit"), central);
  exitButton_->setObjectName("ExitButton");
  connect(previousButton_, &QPushButton::clicked, this, [this] { table_->StepDive(-1); });
  connect(nextButton_, &QPushButton::clicked, this, [this] { table_->StepDive(1); });
  connect(exitButton_, &QPushButton::clicked, this, &MainWindow::ExitProgram);

  // The list and the pages share a wider window two to seven, as they always did; the splitter
  // lets the diver choose otherwise.
  splitter_ = new QSplitter(Qt::Horizontal, central);
  splitter_->setObjectName("DiveSplitter");
  splitter_->setChildrenCollapsible(false);
  splitter_->addWidget(table_);
  splitter_->addWidget(diveTab_);
  splitter_->setStretchFactor(0, 2);
  splitter_->setStretchFactor(1, 7);
  splitter_->setSizes({2 * TwipsToPixels(1000, this), 7 * TwipsToPixels(1000, this)});
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(statusLabel_, 1);
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
  const QSignalBlocker blocker(diveTab_);
  const int tab = std::max(0, diveTab_->currentIndex());
  while (diveTab_->count() > 0) {
    QWidget* page = diveTab_->widget(0);
    diveTab_->removeTab(0);
    delete page;
  }
  for (size_t i = 0; i < kDivePages.size(); ++i) {
    pages_[i] = kDivePages[i].Create(state_, *time_, diveTab_);
    connect(pages_[i], &DivePage::ShowFailed, this, [this](const QString& why) {
      SetStatus(tr("Dive %1 could not be shown: %2").arg(state_.CurrentDive()).arg(why));
    });
    diveTab_->addTab(pages_[i], tr(kDivePages[i].Caption));
  }
  diveTab_->setCurrentIndex(tab);
}

// Alt keys: the menus take F, E, L and H; the pages G, D, S, A, Y, T and R; the buttons P, N and X.
// Within each menu every entry has an Alt key of its own: in the File menu "Op&tions" leaves O to
// "&Open Logbook".
void MainWindow::BuildMenus() {
  QMenu* file = menuBar()->addMenu(tr("&File"));
  QAction* open = file->addAction(tr("&Open Logbook"));
  open->setShortcut(QKeySequence("Ctrl+O"));
  connect(open, &QAction::triggered, this, [this] { files_->ChooseAndTake(false); });
  QAction* merge = file->addAction(tr("&Merge Logbook"));
  merge->setShortcut(QKeySequence("Ctrl+Shift+O"));
  connect(merge, &QAction::triggered, this, [this] { files_->ChooseAndTake(true); });
  QAction* exportUddf = file->addAction(tr("Export Logbook as &UDDF..."));
  exportUddf->setObjectName("ExportUddfAction");
  exportUddf->setEnabled(state_.Book().DiveCount() > 0);
  connect(exportUddf, &QAction::triggered, exports_, &LogbookExports::ExportUddf);
  QAction* exportSubsurface = file->addAction(tr("Export Logbook to &Subsurface..."));
  exportSubsurface->setObjectName("ExportSubsurfaceAction");
  exportSubsurface->setEnabled(state_.Book().DiveCount() > 0);
  connect(exportSubsurface, &QAction::triggered, exports_, &LogbookExports::ExportSubsurface);
  QMenu* recent = file->addMenu(tr("&Recent Logbooks"));
  recent->setObjectName("RecentMenu");
  files_->SetRecentMenu(recent);
  file->addSeparator();
  QAction* print = file->addAction(tr("&Print"));
  print->setShortcut(QKeySequence("Ctrl+P"));
  connect(print, &QAction::triggered, report_, &ReportPrinting::Print);
  connect(file->addAction(tr("Export Dive Report as P&DF...")), &QAction::triggered, report_,
          &ReportPrinting::ExportPdf);
  file->addSeparator();
  connect(file->addAction(tr("Op&tions")), &QAction::triggered, this, &MainWindow::ShowOptions);
  file->addSeparator();
  QAction* exit = file->addAction(tr("E&xit"));
  exit->setShortcut(QKeySequence("Ctrl+Q"));
  connect(exit, &QAction::triggered, this, &MainWindow::ExitProgram);

  QMenu* edit = menuBar()->addMenu(tr("&Edit"));
  connect(edit->addAction(tr("Copy &All Dives to clipboard")), &QAction::triggered, exports_,
          &LogbookExports::CopyAllDives);
  connect(edit->addAction(tr("Copy Current Dive &Profile to clipboard")), &QAction::triggered,
          exports_, &LogbookExports::CopyDiveProfile);
  edit->addSeparator();
  QAction* goTo = edit->addAction(tr("&Go to Dive..."));
  goTo->setShortcut(QKeySequence("Ctrl+G"));
  connect(goTo, &QAction::triggered, table_, &DiveTablePane::AskGoToDive);
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
  compareAction_ = logbook->addAction(tr("&Compare Dives..."));
  compareAction_->setObjectName("CompareAction");
  compareAction_->setShortcut(QKeySequence("Ctrl+Shift+C"));
  connect(compareAction_, &QAction::triggered, this, &MainWindow::CompareDives);
  // A disabled entry's tool tip is the only place that says how to open it.
  logbook->setToolTipsVisible(true);
  UpdateCompareAction();

  QMenu* help = menuBar()->addMenu(tr("&Help"));
  QAction* about = help->addAction(tr("&About"));
  about->setShortcut(QKeySequence("F1"));
  connect(about, &QAction::triggered, this, [this] { dialogs_.ShowMessage(this, AboutText()); });
  // The keys of the whole program, not of the current dive, answer in the comparison too.
  windowWideActions_ = {open, merge, exit, goTo, statistics, compareAction_, about};
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
  addKey("Previous Dive", QKeySequence(Qt::Key_PageUp), [this] { table_->StepDive(-1); });
  addKey("Next Dive", QKeySequence(Qt::Key_PageDown), [this] { table_->StepDive(1); });
  addKey("Search Dives", QKeySequence::Find, [this] { table_->FocusSearch(); });
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
  SettingsStore& settings = state_.Settings();
  if (SettingNumber(settings.GetSetting(settings::kNoWarning, "0")) == 0) {
    const int check = dialogs_.RunDisclaimer(this);
    if (check < 0) return false;
    settings.SaveSetting(settings::kNoWarning, GeneralNumber(check));
  }
  state_.ReadSettings();
  files_->SetRecentMenu(findChild<QMenu*>("RecentMenu"));
  restoredSameFiles_ = !readLastLogbook || files_->RestoreLast();
  table_->RestoreHeader();
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

void MainWindow::ShowOptions() {
  DisplayOptionDialog dialog(state_.Session().DisplayOption(), this);
  if (dialog.exec() != QDialog::Accepted) return;
  // The entries are rebuilt from the dives in memory: reading the file again would drop merged
  // logbooks, computed results and the selection.
  if (state_.SetDisplayOption(dialog.ChosenOption())) {
    SetStatus(QString::fromStdString(StatusText(state_.Book().DiveCount(), ReadOutcome{}, "")));
  }
}

void MainWindow::ShowPreferences() {
  const std::string language = state_.Settings().GetSetting(settings::kLanguage, "");
  PreferencesDialog dialog(language, state_.Units(), state_.ChosenAppearance(), this);
  if (dialog.exec() != QDialog::Accepted) return;
  if (dialog.ChosenLanguage() != language) state_.SetLanguage(dialog.ChosenLanguage());
  state_.SetUnits(dialog.ChosenUnits());
  state_.SetAppearance(dialog.ChosenAppearance());
}

void MainWindow::ShowStatistics() {
  if (statisticsWindow_ == nullptr) {
    statisticsWindow_ = new StatisticsWindow(state_, this);
    const auto follow = [this] {
      statisticsWindow_->SetScope(table_->ShownDives(), table_->SearchText());
    };
    connect(statisticsWindow_, &StatisticsWindow::DiveChosen, table_,
            &DiveTablePane::SelectListIndex);
    connect(statisticsWindow_, &StatisticsWindow::ShowOnlyDives, table_,
            &DiveTablePane::ShowOnlyDives);
    connect(table_, &DiveTablePane::ShownDivesChanged, statisticsWindow_, follow);
    follow();
  }
  statisticsWindow_->ShowOver(diveTab_);
}

void MainWindow::UpdateCompareAction() {
  if (compareAction_ != nullptr)
    ComparisonWindow::OfferFor(*compareAction_, static_cast<int>(table_->SelectedDives().size()));
}

void MainWindow::CompareDives() {
  const std::vector<int> dives = table_->SelectedDives();
  const auto chosen = static_cast<int>(dives.size());
  if (chosen < kFewestComparedDives || chosen > kMostComparedDives) return;
  if (comparisonWindow_ == nullptr) {
    comparisonWindow_ = new ComparisonWindow(state_, dialogs_, this);
    comparisonWindow_->addActions(windowWideActions_);
  }
  comparisonWindow_->Compare(dives);
  comparisonWindow_->ShowOver(diveTab_);
}

bool MainWindow::OpenLogbook(const QString& path) {
  return files_->Take(path, false);
}

bool MainWindow::MergeLogbook(const QString& path) {
  return files_->Take(path, true);
}

// Every text anew: the menus and the pages are made again from their tables; the dive, the page,
// the table's order and search and the loaded logbooks stay.
void MainWindow::Retranslate() {
  menuBar()->clear();
  BuildMenus();
  BuildPages();
  previousButton_->setText(tr("&Previous"));
  nextButton_->setText(tr("&Next"));
  exitButton_->setText(tr("E&xit"));
}

void MainWindow::SetCaption() {
  setWindowTitle(QString::fromStdString(state_.Session().Caption()));
}

void MainWindow::SetStatus(const QString& text) {
  statusLabel_->setText(text);
}

// Entering is judged as moving is: the same files, the same answer.
void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  dragMoveEvent(event);
}

void MainWindow::dragMoveEvent(QDragMoveEvent* event) {
  if (LogbookFiles::Dragged(event->mimeData()).isEmpty()) {
    event->ignore();
    return;
  }
  event->acceptProposedAction();
}

// A dropped logbook is opened, or merged with Ctrl held.
void MainWindow::dropEvent(QDropEvent* event) {
  const QStringList paths = LogbookFiles::Dragged(event->mimeData());
  if (paths.isEmpty()) {
    event->ignore();
    return;
  }
  event->acceptProposedAction();
  files_->TakeDropped(paths, event->modifiers().testFlag(Qt::ControlModifier));
}

}  // namespace scrb
