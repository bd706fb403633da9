// The window's side of the dive table: the table and its search field, the columns chosen from
// the header, the header saved in the settings, selection and navigation in the order shown,
// Go to Dive, and what a window over the dives shown reads.

#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include "app/DiveTableModel.h"
#include "app/MainWindow.h"
#include "app/SettingsStore.h"
#include "app/UserDialogs.h"
#include "logbook/StartupSettings.h"

namespace scrb {
namespace {

// How often the computed columns look whether the model or a surface pressure has changed.
constexpr int kAnalysisCheckMs = 400;

QString ToQt(const std::string& text) {
  return QString::fromStdString(text);
}

// A column's first width: room for its title and for a typical value.
int DefaultWidth(const QFontMetrics& metrics, TableColumn column) {
  const QString title =
      QCoreApplication::translate("scrb::DiveTableModel", ColumnInfo(column).Title.data());
  QString sample = "00000";
  switch (column) {
    case TableColumn::Entry:
      sample = "00000 - Abcdefghijklm";
      break;
    case TableColumn::Date:
      sample = "00/00/0000";
      break;
    case TableColumn::Location:
    case TableColumn::Site:
    case TableColumn::Partners:
    case TableColumn::Trip:
      sample = "Abcdefghijklmnop";
      break;
    case TableColumn::Comment:
      sample = "Abcdefghijklmnopqrstuvwxyz";
      break;
    case TableColumn::BreathRate:
      sample = "0.00 cu ft/min";  // wide enough for either unit system
      break;
    case TableColumn::WaterTemp:
    case TableColumn::AirTemp:
      sample = "00.00 °C";
      break;
    default:
      break;
  }
  return std::max(metrics.horizontalAdvance(title), metrics.horizontalAdvance(sample)) + 16;
}

}  // namespace

QWidget* MainWindow::BuildTable(QWidget* parent) {
  auto* pane = new QWidget(parent);
  pane->setObjectName("DiveTablePane");
  searchField_ = new QLineEdit(pane);
  searchField_->setObjectName("SearchField");
  searchField_->setPlaceholderText(tr("Search dives (Ctrl+F)"));
  searchField_->setClearButtonEnabled(true);
  searchField_->installEventFilter(this);

  tableModel_ = new DiveTableModel(context_.Analysis, this);
  filterModel_ = new DiveFilterModel(*tableModel_, this);
  diveList_ = new QTableView(pane);
  diveList_->setObjectName("DiveList");
  diveList_->setModel(filterModel_);
  diveList_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  diveList_->setSelectionBehavior(QAbstractItemView::SelectRows);
  diveList_->setSelectionMode(QAbstractItemView::SingleSelection);
  diveList_->setWordWrap(false);
  diveList_->setAlternatingRowColors(true);
  diveList_->installEventFilter(this);
  // Rows of one height keep a table of many thousand dives instant to fill and scroll.
  QHeaderView* rows = diveList_->verticalHeader();
  rows->hide();
  rows->setSectionResizeMode(QHeaderView::Fixed);
  rows->setDefaultSectionSize(diveList_->fontMetrics().height() + 6);

  QHeaderView* header = diveList_->horizontalHeader();
  header->setSectionsMovable(true);
  header->setHighlightSections(false);
  header->setStretchLastSection(false);
  header->setSortIndicatorClearable(true);  // a third click goes back to logbook order
  header->setSortIndicator(-1, Qt::AscendingOrder);
  header->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(header, &QHeaderView::customContextMenuRequested, this, &MainWindow::ShowColumnMenu);
  QFont entryFont("DejaVu Sans Mono");
  entryFont.setStyleHint(QFont::TypeWriter);
  for (int section = 0; section < tableModel_->columnCount(); ++section) {
    const TableColumn column = tableModel_->ColumnAt(section);
    const QFontMetrics metrics(column == TableColumn::Entry ? entryFont : diveList_->font());
    header->resizeSection(section, DefaultWidth(metrics, column));
    header->setSectionHidden(section, !ColumnInfo(column).ShownByDefault);
  }
  diveList_->setSortingEnabled(true);
  diveList_->setMinimumWidth(QFontMetrics(entryFont).horizontalAdvance("00000 - Abcdefghijklm") +
                             8);

  connect(diveList_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& current) {
            if (current.isValid()) ShowListedDive(filterModel_->mapToSource(current).row());
          });
  connect(searchField_, &QLineEdit::textChanged, this,
          [this](const QString& text) { FilterRows([&] { filterModel_->SetSearch(text); }); });
  // A sort keeps the selected row selected; it is brought back into view once laid out anew.
  connect(filterModel_, &QAbstractItemModel::layoutChanged, this, [this] {
    QTimer::singleShot(0, this, [this] { KeepSelectionInView(); });
    NoteShownDivesChanged();
  });
  connect(filterModel_, &QAbstractItemModel::rowsInserted, this,
          &MainWindow::NoteShownDivesChanged);
  connect(filterModel_, &QAbstractItemModel::rowsRemoved, this, &MainWindow::NoteShownDivesChanged);
  connect(filterModel_, &QAbstractItemModel::modelReset, this, &MainWindow::NoteShownDivesChanged);

  analysisLabel_ = new QLabel(parent);
  analysisLabel_->setObjectName("AnalysisLabel");
  analysisLabel_->hide();
  connect(tableModel_, &DiveTableModel::AnalysisProgressed, this, [this](int done, int total) {
    analysisLabel_->setText(ToQt(AnalysisProgressText(done, total)));
    analysisLabel_->setVisible(done < total);
  });
  auto* check = new QTimer(this);
  connect(check, &QTimer::timeout, this, [this] { tableModel_->FollowAnalysis(); });
  check->start(kAnalysisCheckMs);

  auto* layout = new QVBoxLayout(pane);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(2);
  layout->addWidget(searchField_);
  layout->addWidget(diveList_, 1);
  return pane;
}

void MainWindow::ShowColumnMenu(const QPoint& at) {
  QHeaderView* header = diveList_->horizontalHeader();
  QMenu menu(this);
  const int shown = header->count() - header->hiddenSectionCount();
  for (int section = 0; section < tableModel_->columnCount(); ++section) {
    QAction* action = menu.addAction(
        tableModel_->headerData(section, Qt::Horizontal, Qt::DisplayRole).toString());
    action->setCheckable(true);
    action->setChecked(!header->isSectionHidden(section));
    // The last column shown stays: a table without columns could not offer this menu again.
    action->setEnabled(header->isSectionHidden(section) || shown > 1);
    connect(action, &QAction::toggled, this,
            [header, section](bool on) { header->setSectionHidden(section, !on); });
  }
  menu.exec(header->mapToGlobal(at));
}

// A saved header that does not fit the columns of this version is left aside for the defaults.
void MainWindow::RestoreTableHeader() {
  const QByteArray saved = QByteArray::fromBase64(
      QByteArray::fromStdString(settings_.GetSetting(settings::kDiveTableHeader, "")));
  QHeaderView* header = diveList_->horizontalHeader();
  if (saved.isEmpty() || !header->restoreState(saved)) return;
  if (header->hiddenSectionCount() >= header->count()) header->setSectionHidden(0, false);
  filterModel_->sort(header->sortIndicatorSection(), header->sortIndicatorOrder());
}

// The rows are made anew from the store; the dive that was current stays selected.
void MainWindow::SetListEntries() {
  {
    const QSignalBlocker block(diveList_->selectionModel());
    filterModel_->SetOnly(std::nullopt);
    tableModel_->Reload(context_.Book.Dives, context_.Book.DisplayOptionFlag, context_.Units);
  }
  exportUddfAction_->setEnabled(context_.Book.DiveCount() > 0);
  AfterFilterChanged();
}

void MainWindow::AfterFilterChanged() {
  {
    const QSignalBlocker block(diveList_->selectionModel());
    const QModelIndex shown =
        filterModel_->mapFromSource(tableModel_->index(context_.Book.CurrentDive, 0));
    if (shown.isValid()) {
      diveList_->selectionModel()->setCurrentIndex(
          shown, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    } else {
      diveList_->selectionModel()->clear();
    }
  }
  // The table would lay out its new rows only once control returns to the event loop.
  diveList_->doItemsLayout();
  KeepSelectionInView();
  if (!filterModel_->Search().isEmpty() || filterModel_->Restricted()) {
    statusLabel_->setText(ToQt(ShownDivesText(filterModel_->rowCount(), ListCount())));
  }
  NoteShownDivesChanged();
}

void MainWindow::RetranslateTable() {
  searchField_->setPlaceholderText(tr("Search dives (Ctrl+F)"));
  tableModel_->Retranslate(context_.Book.Dives);
  if (!filterModel_->Search().isEmpty() || filterModel_->Restricted()) {
    statusLabel_->setText(ToQt(ShownDivesText(filterModel_->rowCount(), ListCount())));
  } else {
    statusLabel_->setText(ToQt(StatusText(context_.Book.DiveCount(), ReadOutcome{}, "")));
  }
}

// A search, a sort and a load each move many rows; whoever follows them hears of it once.
void MainWindow::NoteShownDivesChanged() {
  if (shownChangePending_) return;
  shownChangePending_ = true;
  QTimer::singleShot(0, this, [this] {
    shownChangePending_ = false;
    emit ShownDivesChanged();
  });
}

int MainWindow::ListIndex() const {
  const QModelIndex current = diveList_->currentIndex();
  return current.isValid() ? filterModel_->mapToSource(current).row() : -1;
}

int MainWindow::ListCount() const {
  return tableModel_->rowCount();
}

void MainWindow::SelectListIndex(int index) {
  if (index < 0 || index >= ListCount()) {
    diveList_->setCurrentIndex(QModelIndex());
    return;
  }
  QModelIndex shown = filterModel_->mapFromSource(tableModel_->index(index, 0));
  if (!shown.isValid()) {
    ClearSearch();
    shown = filterModel_->mapFromSource(tableModel_->index(index, 0));
  }
  diveList_->selectionModel()->setCurrentIndex(
      shown, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  diveList_->scrollTo(shown);
}

void MainWindow::NextDive() {
  StepDive(1);
}

void MainWindow::PreviousDive() {
  StepDive(-1);
}

// With nothing selected, Next lands on the first row and Previous does nothing; at either end
// of the table a step does nothing, without a message.
void MainWindow::StepDive(int step) {
  if (ListCount() < 2) {
    ShowMessage(tr("There are not enough dives loaded to navigate ...."));
    return;
  }
  const QModelIndex current = diveList_->currentIndex();
  const int target = (current.isValid() ? current.row() : -1) + step;
  if (target < 0 || target >= filterModel_->rowCount()) return;
  const QModelIndex row = filterModel_->index(target, 0);
  diveList_->selectionModel()->setCurrentIndex(
      row, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  diveList_->scrollTo(row);
}

void MainWindow::AskGoToDive() {
  if (const std::optional<int> number = dialogs_.AskDiveNumber(this)) GoToDiveNumber(*number);
}

bool MainWindow::GoToDiveNumber(int number) {
  const int dive = FirstDiveWithNumber(context_.Book.Dives, number);
  if (dive < 0) {
    ShowMessage(ToQt(NoDiveWithNumberMessage(number)));
    return false;
  }
  SelectListIndex(dive);
  return true;
}

std::vector<int> MainWindow::ShownDives() const {
  std::vector<int> dives;
  dives.reserve(static_cast<size_t>(filterModel_->rowCount()));
  for (int row = 0; row < filterModel_->rowCount(); ++row) {
    dives.push_back(filterModel_->mapToSource(filterModel_->index(row, 0)).row());
  }
  return dives;
}

QString MainWindow::SearchText() const {
  return filterModel_->Search();
}

void MainWindow::SetSearchText(const QString& text) {
  searchField_->setText(text);
}

// Rows leaving the table would move the selection to a neighbour and show that dive: the pages
// keep theirs, and the table selects it again when it is among the rows shown.
void MainWindow::FilterRows(const std::function<void()>& change) {
  {
    const QSignalBlocker block(diveList_->selectionModel());
    change();
  }
  AfterFilterChanged();
}

void MainWindow::ShowOnlyDives(const std::vector<int>& dives) {
  FilterRows([&] { filterModel_->SetOnly(dives); });
}

void MainWindow::ShowAllDives() {
  if (filterModel_->Restricted()) FilterRows([&] { filterModel_->SetOnly(std::nullopt); });
}

void MainWindow::ClearSearch() {
  const QSignalBlocker block(searchField_);
  searchField_->clear();
  FilterRows([&] {
    filterModel_->SetSearch({});
    filterModel_->SetOnly(std::nullopt);
  });
}

}  // namespace scrb
