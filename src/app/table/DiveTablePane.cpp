#include "app/table/DiveTablePane.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/dialogs/UserDialogs.h"
#include "app/state/LogbookState.h"
#include "app/state/SettingsStore.h"
#include "app/state/WindowSettings.h"
#include "app/table/DiveTableHeader.h"
#include "app/table/DiveTableModel.h"
#include "app/views/QtText.h"

namespace scrb {
namespace {

QString SearchPlaceholder() {
  return QCoreApplication::translate("scrb::MainWindow", "Search dives (Ctrl+F)");
}

}  // namespace

DiveTablePane::DiveTablePane(LogbookState& state, UserDialogs& dialogs, QWidget* parent)
    : QWidget(parent), state_(state), dialogs_(dialogs) {
  setObjectName("DiveTablePane");
  searchField_ = new QLineEdit(this);
  searchField_->setObjectName("SearchField");
  searchField_->setPlaceholderText(SearchPlaceholder());
  searchField_->setClearButtonEnabled(true);
  searchField_->installEventFilter(this);

  model_ = new DiveTableModel(state_, this);
  filter_ = new DiveFilterModel(*model_, this);
  table_ = new QTableView(this);
  table_->setObjectName("DiveList");
  table_->setModel(filter_);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  // Several rows may be chosen, for a comparison; the current row stays the dive on the pages.
  table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  table_->setWordWrap(false);
  table_->setAlternatingRowColors(true);
  table_->installEventFilter(this);
  table_->viewport()->installEventFilter(this);
  // Rows of one height keep a table of many thousand dives instant to fill and scroll.
  QHeaderView* rows = table_->verticalHeader();
  rows->hide();
  rows->setSectionResizeMode(QHeaderView::Fixed);
  rows->setDefaultSectionSize(table_->fontMetrics().height() + 6);
  SetUpDiveTableHeader(*table_, *model_);

  analysisLabel_ = new QLabel(this);
  analysisLabel_->setObjectName("AnalysisLabel");
  analysisLabel_->hide();
  connect(model_, &DiveTableModel::AnalysisProgressed, this, [this](int done, int total) {
    analysisLabel_->setText(ToQt(AnalysisProgressText(done, total)));
    analysisLabel_->setVisible(done < total);
  });

  connect(table_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& current) {
            if (current.isValid()) state_.SelectDive(filter_->mapToSource(current).row());
          });
  connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &DiveTablePane::SelectedDivesChanged);
  // A statistics group's dives: said beside the search, so that rows missing from the table and
  // a search finding less than it should have a visible cause, and lifted with one click.
  onlyBar_ = new QWidget(this);
  onlyBar_->setObjectName("OnlyDivesBar");
  onlyLabel_ = new QLabel(onlyBar_);
  onlyLabel_->setObjectName("OnlyDivesLabel");
  onlyLabel_->setWordWrap(true);
  onlyClear_ = new QToolButton(onlyBar_);
  onlyClear_->setObjectName("ShowAllDivesButton");
  onlyClear_->setAutoRaise(true);
  connect(onlyClear_, &QToolButton::clicked, this, &DiveTablePane::ShowAllDives);
  auto* onlyRow = new QHBoxLayout(onlyBar_);
  onlyRow->setContentsMargins(4, 0, 0, 0);
  onlyRow->addWidget(onlyLabel_, 1);
  onlyRow->addWidget(onlyClear_);
  onlyBar_->hide();

  connect(searchField_, &QLineEdit::textChanged, this,
          [this](const QString& text) { FilterRows([&] { filter_->SetSearch(text); }); });
  // A sort keeps the selected row selected; it is brought back into view once laid out anew.
  connect(filter_, &QAbstractItemModel::layoutChanged, this, [this] {
    keepSelectionInView_.Ask();
    shownDivesChanged_.Ask();
  });
  // A search, a sort and a load each move many rows; whoever follows them hears of it once.
  connect(filter_, &QAbstractItemModel::rowsInserted, this, [this] { shownDivesChanged_.Ask(); });
  connect(filter_, &QAbstractItemModel::rowsRemoved, this, [this] { shownDivesChanged_.Ask(); });
  connect(filter_, &QAbstractItemModel::modelReset, this, [this] { shownDivesChanged_.Ask(); });

  // The model has its rows anew by now (it was connected first): a new logbook shows every dive.
  connect(&state_, &LogbookState::LogbookChanged, this, [this] {
    {
      const QSignalBlocker block(table_->selectionModel());
      filter_->SetOnly(std::nullopt);
    }
    AfterFilterChanged();
  });
  connect(&state_, &LogbookState::CurrentDiveChanged, this, [this] {
    SelectCurrent();
    KeepSelectionInView();
  });
  connect(&state_, &LogbookState::SettingsChanged, this, [this](SettingChanges what) {
    const ShownParts stale = Invalidated(what);
    if (stale & ShownPart::Texts) Retranslate();
    // The model made its rows anew in the new units.
    if (stale & ShownPart::Units) AfterFilterChanged();
  });

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(2);
  layout->addWidget(searchField_);
  layout->addWidget(onlyBar_);
  layout->addWidget(table_, 1);
  layout->addWidget(analysisLabel_);
}

void DiveTablePane::RestoreHeader() {
  if (!RestoreDiveTableHeader(*table_,
                              state_.Settings().GetSetting(settings::kDiveTableHeader, "")))
    return;
  const QHeaderView* header = table_->horizontalHeader();
  filter_->sort(header->sortIndicatorSection(), header->sortIndicatorOrder());
}

void DiveTablePane::SaveHeader() {
  state_.Settings().SaveSetting(settings::kDiveTableHeader, SavedDiveTableHeader(*table_));
}

void DiveTablePane::Retranslate() {
  searchField_->setPlaceholderText(SearchPlaceholder());
  FitDiveTableTitles(*table_, *model_);
  ShowOnlyBar();
  if (countShown_) emit CountChanged(CountText());
}

std::vector<int> DiveTablePane::SelectedDives() const {
  QModelIndexList rows = table_->selectionModel()->selectedRows();
  std::ranges::sort(rows, {}, &QModelIndex::row);
  std::vector<int> dives;
  for (const QModelIndex& row : rows) dives.push_back(filter_->mapToSource(row).row());
  return dives;
}

bool DiveTablePane::Filtered() const {
  return !filter_->Search().isEmpty() || filter_->Restricted();
}

QString DiveTablePane::CountText() const {
  if (Filtered()) return ToQt(ShownDivesText(filter_->rowCount(), ListCount()));
  return ToQt(StatusText(state_.Book().DiveCount(), ReadOutcome{}, ""));
}

void DiveTablePane::SelectCurrent() {
  const QSignalBlocker block(table_->selectionModel());
  const QModelIndex shown = filter_->mapFromSource(model_->index(state_.CurrentDive(), 0));
  // A row Ctrl+clicked becomes current without the other rows chosen being let go.
  if (shown.isValid() && table_->currentIndex().row() == shown.row() &&
      table_->selectionModel()->hasSelection())
    return;
  if (shown.isValid()) {
    table_->selectionModel()->setCurrentIndex(
        shown, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  } else {
    table_->selectionModel()->clear();
  }
}

void DiveTablePane::ShowOnlyBar() {
  onlyLabel_->setText(QCoreApplication::translate("scrb::MainWindow", "Only %1").arg(onlyText_));
  onlyLabel_->setToolTip(QCoreApplication::translate(
      "scrb::MainWindow", "The table shows only these dives; the search looks among them."));
  onlyClear_->setText(QCoreApplication::translate("scrb::MainWindow", "Show all"));
  onlyClear_->setToolTip(
      QCoreApplication::translate("scrb::MainWindow", "Show every dive again (Esc)"));
  onlyBar_->setVisible(filter_->Restricted());
}

void DiveTablePane::AfterFilterChanged() {
  ShowOnlyBar();
  SelectCurrent();
  // The table would lay out its new rows only once control returns to the event loop.
  table_->doItemsLayout();
  KeepSelectionInView();
  // The count stands in the status line while rows are hidden, and goes when none are; the
  // status of the last load stays otherwise.
  const bool filtered = Filtered();
  if (filtered || countShown_) emit CountChanged(CountText());
  countShown_ = filtered;
  shownDivesChanged_.Ask();
}

void DiveTablePane::KeepSelectionInView() {
  if (table_->currentIndex().isValid()) table_->scrollTo(table_->currentIndex());
}

bool DiveTablePane::eventFilter(QObject* watched, QEvent* event) {
  // Escape in the search field or the table clears the search and shows every dive.
  if ((watched == searchField_ || watched == table_) && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && Filtered()) {
    ClearSearch();
    return true;
  }
  // A list made shorter by the window or the splitter must not lose the selected dive from view;
  // the list lays its rows out anew first.
  if (watched == table_->viewport() && event->type() == QEvent::Resize) keepSelectionInView_.Ask();
  return QWidget::eventFilter(watched, event);
}

int DiveTablePane::ListIndex() const {
  const QModelIndex current = table_->currentIndex();
  return current.isValid() ? filter_->mapToSource(current).row() : -1;
}

int DiveTablePane::ListCount() const {
  return model_->rowCount();
}

void DiveTablePane::SelectListIndex(int index) {
  if (index < 0 || index >= ListCount()) {
    table_->setCurrentIndex(QModelIndex());
    return;
  }
  QModelIndex shown = filter_->mapFromSource(model_->index(index, 0));
  if (!shown.isValid()) {
    ClearSearch();
    shown = filter_->mapFromSource(model_->index(index, 0));
  }
  table_->selectionModel()->setCurrentIndex(
      shown, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  table_->scrollTo(shown);
}

// With nothing selected, Next lands on the first row and Previous does nothing; at either end
// of the table a step does nothing, without a message.
void DiveTablePane::StepDive(int step) {
  if (ListCount() < 2) {
    dialogs_.ShowMessage(
        window(), QCoreApplication::translate(
                      "scrb::MainWindow", "There are not enough dives loaded to navigate ...."));
    return;
  }
  const QModelIndex current = table_->currentIndex();
  const int target = (current.isValid() ? current.row() : -1) + step;
  if (target < 0 || target >= filter_->rowCount()) return;
  const QModelIndex row = filter_->index(target, 0);
  table_->selectionModel()->setCurrentIndex(
      row, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  table_->scrollTo(row);
}

void DiveTablePane::AskGoToDive() {
  // From the dive on show, a neighbour is a few keystrokes away.
  const int current = state_.CurrentDive();
  const int proposed =
      current >= 0 && current < ListCount()
          ? static_cast<int>(state_.Book().Dives[static_cast<size_t>(current)].DiveNumber)
          : 1;
  if (const std::optional<int> number = dialogs_.AskDiveNumber(window(), proposed))
    GoToDiveNumber(*number);
}

bool DiveTablePane::GoToDiveNumber(int number) {
  const int dive = FirstDiveWithNumber(state_.Book().Dives, number);
  if (dive < 0) {
    dialogs_.ShowMessage(window(), ToQt(NoDiveWithNumberMessage(number)));
    return false;
  }
  SelectListIndex(dive);
  return true;
}

void DiveTablePane::FocusSearch() {
  searchField_->setFocus(Qt::ShortcutFocusReason);
  searchField_->selectAll();
}

std::vector<int> DiveTablePane::ShownDives() const {
  std::vector<int> dives;
  dives.reserve(static_cast<size_t>(filter_->rowCount()));
  for (int row = 0; row < filter_->rowCount(); ++row) {
    dives.push_back(filter_->mapToSource(filter_->index(row, 0)).row());
  }
  return dives;
}

QString DiveTablePane::SearchText() const {
  return filter_->Search();
}

void DiveTablePane::SetSearchText(const QString& text) {
  searchField_->setText(text);
}

// Rows leaving the table would move the selection to a neighbour and show that dive: the pages
// keep theirs, and the table selects it again when it is among the rows shown.
void DiveTablePane::FilterRows(const std::function<void()>& change) {
  {
    const QSignalBlocker block(table_->selectionModel());
    change();
  }
  AfterFilterChanged();
}

void DiveTablePane::ShowOnlyDives(const std::vector<int>& dives, const QString& label) {
  onlyText_ = label;
  FilterRows([&] { filter_->SetOnly(dives); });
}

void DiveTablePane::ShowAllDives() {
  if (filter_->Restricted()) FilterRows([&] { filter_->SetOnly(std::nullopt); });
}

void DiveTablePane::ClearSearch() {
  const QSignalBlocker block(searchField_);
  searchField_->clear();
  FilterRows([&] {
    filter_->SetSearch({});
    filter_->SetOnly(std::nullopt);
  });
}

}  // namespace scrb
