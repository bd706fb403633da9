#include "app/MainWindow.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QMenuBar>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QStringListModel>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <exception>

#include "app/DivePage.h"
#include "app/DisplayOptionDialog.h"
#include "app/SettingsStore.h"
#include "app/UserDialogs.h"
#include "app/WindowMeasures.h"
#include "logbook/ProfileDecoder.h"
#include "logbook/StartupSettings.h"
#include "report/NumberFormat.h"

namespace scrb {
namespace {

constexpr const char* kPageCaptions[MainWindow::kPageCount] = {
    "&General", "&Dive", "Vertical &Speed", "&Air", "&Phys Data", "&Tissue Sat", "&Raw Data"};
constexpr const char* kFileFilter = "Datatrak log files (*.log);;All files (*.*)";

QString ToQt(const std::string& text) { return QString::fromStdString(text); }

std::string Number(double value) { return GeneralNumber(value); }

}  // namespace

MainWindow::MainWindow(AppContext& context, SettingsStore& settings, UserDialogs& dialogs,
                       QWidget* parent)
    : QMainWindow(parent), context_(context), settings_(settings), dialogs_(dialogs) {
  context_.Settings = &settings_;
  BuildWidgets();
  BuildMenus();
  SetCaption();
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildWidgets() {
  auto* central = new QWidget(this);
  diveList_ = new QListView(central);
  diveList_->setObjectName("DiveList");
  listModel_ = new QStringListModel(diveList_);
  diveList_->setModel(listModel_);
  // Uniform rows keep a list of many thousand dives instant to fill and scroll.
  diveList_->setUniformItemSizes(true);
  diveList_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  diveList_->setSelectionMode(QAbstractItemView::SingleSelection);
  // The entries pad dive numbers with blanks, which only line up in a fixed-pitch font.
  QFont listFont("DejaVu Sans Mono");
  listFont.setStyleHint(QFont::TypeWriter);
  diveList_->setFont(listFont);
  diveList_->setMinimumWidth(QFontMetrics(listFont).horizontalAdvance("00000 - Abcdefghijklm"));
  connect(diveList_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& current) { DiveListClick(current.isValid() ? current.row() : -1); });

  diveTab_ = new QTabWidget(central);
  diveTab_->setObjectName("DiveTab");
  for (int i = 0; i < kPageCount; ++i) {
    pages_[static_cast<size_t>(i)] = CreateDivePage(i, context_, diveTab_);
    connect(pages_[static_cast<size_t>(i)], &DivePage::RedrawRequested, this,
            [this] { ShowDive(context_.Book.CurrentDive); });
    diveTab_->addTab(pages_[static_cast<size_t>(i)], kPageCaptions[i]);
  }
  connect(diveTab_, &QTabWidget::currentChanged, this, &MainWindow::TabChanged);

  statusLabel_ = new QLabel("Ready", central);
  statusLabel_->setObjectName("StatusLabel");
  previousButton_ = new QPushButton("&Previous", central);
  previousButton_->setObjectName("Command4");
  nextButton_ = new QPushButton("&Next", central);
  nextButton_->setObjectName("Command3");
  exitButton_ = new QPushButton("E&xit", central);
  exitButton_->setObjectName("Command1");
  connect(previousButton_, &QPushButton::clicked, this, &MainWindow::PreviousDive);
  connect(nextButton_, &QPushButton::clicked, this, &MainWindow::NextDive);
  connect(exitButton_, &QPushButton::clicked, this, &MainWindow::ExitProgram);

  auto* top = new QHBoxLayout;
  top->addWidget(diveList_, 2);
  top->addWidget(diveTab_, 7);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(statusLabel_, 1);
  bottom->addWidget(previousButton_);
  bottom->addWidget(nextButton_);
  bottom->addWidget(exitButton_);
  auto* layout = new QVBoxLayout(central);
  layout->addLayout(top, 1);
  layout->addLayout(bottom);
  setCentralWidget(central);
  // The window's own minimum size rule (with its beep) decides how small it gets, not the sum
  // of the pages' preferred sizes.
  central->setMinimumSize(1, 1);
  resize(TwipsToPixels(9255, this), TwipsToPixels(7035, this) + 24);
}

void MainWindow::BuildMenus() {
  QMenu* file = menuBar()->addMenu("&File");
  connect(file->addAction("&Open Logbook"), &QAction::triggered, this, [this] { ChooseAndOpen(false); });
  connect(file->addAction("&Merge Logbook"), &QAction::triggered, this, [this] { ChooseAndOpen(true); });
  exportUddfAction_ = file->addAction("Export Logbook as UDDF...");
  exportUddfAction_->setObjectName("ExportUddfAction");
  exportUddfAction_->setEnabled(false);
  connect(exportUddfAction_, &QAction::triggered, this, &MainWindow::ExportUddf);
  file->addSeparator();
  connect(file->addAction("&Print"), &QAction::triggered, this,
          [this] { ShowMessage("Not yet implemented"); });
  file->addSeparator();
  connect(file->addAction("&Options"), &QAction::triggered, this, &MainWindow::ShowOptions);
  file->addSeparator();
  connect(file->addAction("E&xit"), &QAction::triggered, this, &MainWindow::ExitProgram);

  QMenu* edit = menuBar()->addMenu("&Edit");
  connect(edit->addAction("Copy All Dives to clipboard"), &QAction::triggered, this,
          &MainWindow::CopyAllDives);
  connect(edit->addAction("Copy Current Dive Profile to clipboard"), &QAction::triggered, this,
          &MainWindow::CopyDiveProfile);
  edit->addSeparator();
  connect(edit->addAction("&Options"), &QAction::triggered, this, &MainWindow::ShowOptions);

  QMenu* help = menuBar()->addMenu("&Help");
  connect(help->addAction("&About"), &QAction::triggered, this, [this] { ShowMessage(AboutText()); });
}

QString MainWindow::AboutText() {
  return QString("Bathyscribe v%1.%2\r\n\r\nWritten by the Bathyscribe developers.\r\n\r\n"
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
  Logbook& book = context_.Book;
  book.LogbookFile = settings_.GetSetting(settings::kLogbookFile, "");
  book.DisplayOptionFlag =
      DisplayOptionFromSetting(settings_.GetSetting(settings::kDisplayOptionFlag, "1"));
  context_.Model.DecoModelNumber = -1;
  LoadDecoModel(context_.Model, DecoModelFromSetting(settings_.GetSetting(settings::kDecoModelNumber, "")));
  SetCaption();
  book.Clear();
  if (readLastLogbook && !book.LogbookFile.empty()) {
    // A logbook that went missing since the last run is not worth a message at start.
    const ReadOutcome outcome = ReadLogbook(book, book.LogbookFile);
    if (outcome.Status != ReadStatus::Unreadable) ReportRead(outcome);
  }
  SetListEntries(0);
  return true;
}

// A saved place or size in twips as pixels, kept within what the screen can show: a damaged
// settings file must not put the window out of reach or make it millions of pixels large.
int MainWindow::SavedPixels(const char* key, int low, int high) const {
  const double pixels = SettingNumber(settings_.GetSetting(key, "")) / TwipsPerPixel(this);
  return static_cast<int>(std::lround(std::clamp(pixels, double(low), double(std::max(low, high)))));
}

void MainWindow::LoadWindow() {
  loading_ = true;
  const QRect available = screen() != nullptr ? screen()->availableGeometry() : QRect(0, 0, 1920, 1080);
  move(SavedPixels(settings::kLeft, available.left(), available.right() - 100),
       SavedPixels(settings::kTop, available.top(), available.bottom() - 100));
  show();
  lastWidth_ = width();
  lastHeight_ = height();
  loading_ = false;
  const int state = WindowStateFromSetting(settings_.GetSetting(settings::kWindowState, "2"));
  if (state == 0) {
    // The saved sizes are outer sizes, frame included.
    const int frameW = frameGeometry().width() - width();
    const int frameH = frameGeometry().height() - height();
    const int w = SavedPixels(settings::kWidth, 0, available.width());
    const int h = SavedPixels(settings::kHeight, 0, available.height());
    if (w != 0) resize(std::max(1, w - frameW), height());
    if (h != 0) resize(width(), std::max(1, h - frameH));
  } else if (state == 1) {
    showMinimized();
  } else {
    // Without a window manager maximising does nothing; the screen's size is the next best.
    setGeometry(available);
    showMaximized();
  }
  const int tab = TabNumberFromSetting(settings_.GetSetting(settings::kTabNumber, "1"));
  {
    // The dive is shown once below, for the restored page.
    const QSignalBlocker block(diveTab_);
    diveTab_->setCurrentIndex(tab);
    shownTab_ = tab;
  }
  SelectListIndex(DiveToSelect(SettingNumber(settings_.GetSetting(settings::kCurrentDiveSelected, "-1")),
                               SettingNumber(settings_.GetSetting(settings::kLastDive, "1")),
                               ListCount()));
}

void MainWindow::ExitProgram() {
  const double twips = TwipsPerPixel(this);
  settings_.SaveSetting(settings::kDecoModelNumber, Number(context_.Model.DecoModelNumber));
  settings_.SaveSetting(settings::kDisplayOptionFlag, Number(context_.Book.DisplayOptionFlag));
  const int state = isMinimized() ? 1 : isMaximized() ? 2 : 0;
  const QRect frame = frameGeometry();
  settings_.SaveSetting(settings::kWindowState, Number(state));
  settings_.SaveSetting(settings::kWidth, Number(std::round(frame.width() * twips)));
  settings_.SaveSetting(settings::kHeight, Number(std::round(frame.height() * twips)));
  settings_.SaveSetting(settings::kTop, Number(std::round(frame.top() * twips)));
  settings_.SaveSetting(settings::kLeft, Number(std::round(frame.left() * twips)));
  settings_.SaveSetting(settings::kTabNumber, Number(diveTab_->currentIndex()));
  const int index = ListIndex();
  settings_.SaveSetting(settings::kCurrentDiveSelected, Number(index));
  settings_.SaveSetting(settings::kLastDive, index == ListCount() - 1 ? "1" : "0");
  dialogs_.Quit();
}

void MainWindow::SetCaption() {
  setWindowTitle("Bathyscribe - " + ToQt(context_.Book.LogbookFile));
}

void MainWindow::ReportRead(const ReadOutcome& outcome) {
  statusLabel_->setText(ToQt(StatusText(context_.Book.DiveCount(), outcome)));
}

// Entries from `from` on are made anew from the store, those before it stay; the selection
// stays where it was if the list still reaches it.
void MainWindow::SetListEntries(int from) {
  QStringList entries = listModel_->stringList().mid(0, from);
  entries.reserve(context_.Book.DiveCount());
  for (int i = from; i < context_.Book.DiveCount(); ++i) {
    entries.append(ToQt(DiveListEntry(context_.Book.Dives[static_cast<size_t>(i)],
                                      context_.Book.DisplayOptionFlag)));
  }
  const int current = ListIndex();
  const QSignalBlocker block(diveList_->selectionModel());
  listModel_->setStringList(entries);
  exportUddfAction_->setEnabled(context_.Book.DiveCount() > 0);
  if (current >= 0 && current < ListCount()) {
    diveList_->setCurrentIndex(listModel_->index(current));
  }
}

void MainWindow::ChooseAndOpen(bool merge) {
  const QString path = dialogs_.ChooseOpenFile(this, merge ? "Merge Logbook" : "Open Logbook",
                                               kFileFilter, LogbookFolder());
  if (path.isEmpty()) return;
  if (merge) MergeLogbook(path);
  else OpenLogbook(path);
}

void MainWindow::OpenLogbook(const QString& path) {
  // Read into a store of its own first: a file that cannot be read must not cost the user the
  // logbook already on screen.
  Logbook fresh;
  fresh.DisplayOptionFlag = context_.Book.DisplayOptionFlag;
  const ReadOutcome outcome = ReadLogbook(fresh, path.toStdString());
  if (outcome.Status == ReadStatus::Unreadable) {
    ShowMessage(ToQt(UnreadableMessage(path.toStdString(), outcome)));
    return;
  }
  {
    const QSignalBlocker block(diveList_->selectionModel());
    listModel_->setStringList({});
  }
  context_.Book.Dives = std::move(fresh.Dives);
  context_.Book.CurrentDive = -1;
  context_.Book.LogbookFile = path.toStdString();
  SetCaption();
  settings_.SaveSetting(settings::kLogbookFile, context_.Book.LogbookFile);
  SetListEntries(0);
  ReportRead(outcome);
  SelectListIndex(ListCount() - 1);
}

void MainWindow::MergeLogbook(const QString& path) {
  const int before = context_.Book.DiveCount();
  const ReadOutcome outcome = ReadLogbook(context_.Book, path.toStdString());
  if (outcome.Status == ReadStatus::Unreadable) {
    ShowMessage(ToQt(UnreadableMessage(path.toStdString(), outcome)));
    return;
  }
  context_.Book.LogbookFile = path.toStdString();
  SetCaption();
  settings_.SaveSetting(settings::kLogbookFile, context_.Book.LogbookFile);
  SetListEntries(before);
  ReportRead(outcome);
}

void MainWindow::ShowOptions() {
  DisplayOptionDialog dialog(context_.Book.DisplayOptionFlag, this);
  if (dialog.exec() == QDialog::Accepted) ApplyDisplayOption(dialog.ChosenOption());
}

void MainWindow::ApplyDisplayOption(int option) {
  if (option == context_.Book.DisplayOptionFlag) return;
  // The entries are rebuilt from the dives in memory: reading the file again would drop merged
  // logbooks, computed results and the selection.
  context_.Book.DisplayOptionFlag = option;
  SetListEntries(0);
  statusLabel_->setText(ToQt(StatusText(context_.Book.DiveCount(), ReadOutcome{})));
}

int MainWindow::ListIndex() const {
  const QModelIndex current = diveList_->currentIndex();
  return current.isValid() ? current.row() : -1;
}

int MainWindow::ListCount() const { return listModel_->rowCount(); }

void MainWindow::SelectListIndex(int index) {
  if (index < 0 || index >= ListCount()) {
    diveList_->setCurrentIndex(QModelIndex());
    return;
  }
  diveList_->setCurrentIndex(listModel_->index(index));
  diveList_->scrollTo(listModel_->index(index));
}

void MainWindow::DiveListClick(int row) {
  context_.Book.CurrentDive = context_.Book.DiveAt(row) != nullptr ? row : -1;
  ShowDive(context_.Book.CurrentDive);
}

void MainWindow::NextDive() {
  if (ListCount() < 2) {
    ShowMessage("There are not enough dives loaded to navigate ....");
    return;
  }
  if (ListIndex() < ListCount() - 1) SelectListIndex(ListIndex() + 1);
}

void MainWindow::PreviousDive() {
  if (ListCount() < 2) {
    ShowMessage("There are not enough dives loaded to navigate ....");
    return;
  }
  if (ListIndex() > 0) SelectListIndex(ListIndex() - 1);
}

void MainWindow::TabChanged(int index) {
  if (index == shownTab_) return;
  shownTab_ = index;
  ShowDive(context_.Book.CurrentDive);
}

void MainWindow::ShowDive(int index) {
  if (context_.Book.DiveAt(index) == nullptr) return;
  ReadoutState& readouts = context_.Readouts;
  readouts.ChartsReady = false;
  readouts.ResetCursors();
  ++showCount_;
  try {
    DecodeProfile(context_.Book.Dives[static_cast<size_t>(index)]);
    const int tab = diveTab_->currentIndex();
    if (tab >= 0 && tab < kPageCount) pages_[static_cast<size_t>(tab)]->ShowDive(index);
  } catch (const std::exception& e) {
    // Whatever went wrong with this one dive, the program and the loaded logbook carry on.
    statusLabel_->setText(QString("Dive %1 could not be shown: %2").arg(index).arg(e.what()));
    return;
  }
  readouts.ChartsReady = true;
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  if (loading_ || isMinimized() || !isVisible()) return;
  const int w = width();
  const int h = height();
  if (w == lastWidth_ && h == lastHeight_) return;
  const double twips = TwipsPerPixel(this);
  const int minWidth = static_cast<int>(std::ceil(kMinWidthTwips / twips));
  const int minHeight = static_cast<int>(std::ceil(kMinHeightTwips / twips));
  if (frameGeometry().width() < minWidth || frameGeometry().height() < minHeight) {
    dialogs_.Beep();
    const int extraW = frameGeometry().width() - w;
    const int extraH = frameGeometry().height() - h;
    resize(std::max(w, minWidth - extraW), std::max(h, minHeight - extraH));
    return;
  }
  lastWidth_ = w;
  lastHeight_ = h;
  ScheduleRedraw();
}

void MainWindow::ScheduleRedraw() {
  // A drag delivers a burst of resize events; the dive is drawn once when they have settled.
  if (redrawPending_) return;
  redrawPending_ = true;
  QTimer::singleShot(0, this, [this] {
    redrawPending_ = false;
    ShowDive(context_.Book.CurrentDive);
  });
}

void MainWindow::ShowMessage(const QString& text) { dialogs_.ShowMessage(this, text); }

QString MainWindow::LogbookFolder() const {
  const std::string& file = context_.Book.LogbookFile;
  return file.empty() ? QString() : QFileInfo(QString::fromStdString(file)).absolutePath();
}

}  // namespace scrb
