#include "app/table/DiveTableModel.h"

#include <QFont>
#include <algorithm>

#include "app/state/LogbookState.h"
#include "app/views/FixedPitchFont.h"

namespace scrb {

DiveTableModel::DiveTableModel(LogbookState& state, QObject* parent)
    : QAbstractTableModel(parent), state_(state), entryFont_(EntryFont()) {
  for (const TableColumnInfo& info : TableColumns()) {
    if (info.InWindow) columns_.push_back(info.Column);
  }
  connect(&state_, &LogbookState::LogbookChanged, this, &DiveTableModel::Reload);
  connect(&state_, &LogbookState::AnalysisProgressed, this, &DiveTableModel::TakeSummaries);
  connect(&state_, &LogbookState::SettingsChanged, this, [this](SettingChanges what) {
    const ShownParts stale = Invalidated(what);
    // The cells hold their measurements in the table's units, so they are made anew.
    if (stale & ShownPart::Units) {
      Reload();
      return;
    }
    if (stale & ShownPart::Texts) {
      table_.RelabelTrips(state_.Book().Dives);
      if (rowCount() > 0) emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
      emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    }
    if (stale & ShownPart::Figures) {
      // The computed columns fill in again as the summaries are worked out anew.
      table_.ForgetSummaries();
      known_.assign(known_.size(), false);
      analysed_ = 0;
      TakeSummaries();
    }
  });
}

int DiveTableModel::SectionOf(TableColumn column) const {
  for (size_t i = 0; i < columns_.size(); ++i) {
    if (columns_[i] == column) return static_cast<int>(i);
  }
  return -1;
}

// The rows are removed and inserted, not reset, so that the view's columns keep their order,
// widths and visibility.
void DiveTableModel::Reload() {
  if (rowCount() > 0) {
    beginRemoveRows({}, 0, rowCount() - 1);
    table_ = DiveTable();
    endRemoveRows();
  }
  DiveTable table;
  table.Build(state_.Book().Dives, state_.Book().DisplayOptionFlag, state_.Units());
  known_.assign(static_cast<size_t>(table.RowCount()), false);
  analysed_ = 0;
  if (table.RowCount() > 0) {
    beginInsertRows({}, 0, table.RowCount() - 1);
    table_ = std::move(table);
    endInsertRows();
  }
  TakeSummaries();
}

// What the analysis knows by now goes into the computed columns, in one change for the view
// (and one re-sort when sorted by them).
void DiveTableModel::TakeSummaries() {
  const AnalysisCache& analysis = state_.Analysis();
  int first = rowCount();
  int last = -1;
  for (int dive = 0; dive < table_.RowCount(); ++dive) {
    if (known_[static_cast<size_t>(dive)]) continue;
    const std::optional<AnalysisSummary> summary = analysis.KnownSummary(dive);
    if (!summary) continue;
    table_.SetSummary(dive, *summary);
    known_[static_cast<size_t>(dive)] = true;
    ++analysed_;
    first = std::min(first, dive);
    last = std::max(last, dive);
  }
  if (last >= 0) {
    emit dataChanged(index(first, SectionOf(TableColumn::BreathRate)),
                     index(last, SectionOf(TableColumn::MaxOverSat)));
  }
  emit AnalysisProgressed(analysed_, table_.RowCount());
}

int DiveTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : table_.RowCount();
}

int DiveTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant DiveTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= table_.RowCount()) return {};
  const TableColumn column = ColumnAt(index.column());
  switch (role) {
    case Qt::DisplayRole:
      return QString::fromStdString(table_.Cell(index.row(), column).Text);
    case Qt::TextAlignmentRole:
      return QVariant::fromValue(Qt::AlignVCenter |
                                 (ColumnInfo(column).AlignRight ? Qt::AlignRight : Qt::AlignLeft));
    case Qt::FontRole:
      return column == TableColumn::Entry ? QVariant(entryFont_) : QVariant();
    default:
      return {};
  }
}

QVariant DiveTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
      section >= columnCount()) {
    return QAbstractTableModel::headerData(section, orientation, role);
  }
  return tr(ColumnInfo(ColumnAt(section)).Title.data());
}

DiveFilterModel::DiveFilterModel(DiveTableModel& source, QObject* parent)
    : QSortFilterProxyModel(parent), source_(source) {
  setSourceModel(&source);
  // Summaries arriving while the table is sorted by a computed column move their rows.
  setDynamicSortFilter(true);
}

void DiveFilterModel::SetSearch(const QString& text) {
  if (text == searchText_) return;
  searchText_ = text;
  search_ = DiveSearch(text.toStdString());
  invalidateRowsFilter();
}

void DiveFilterModel::SetOnly(std::optional<std::vector<int>> dives) {
  restricted_ = dives.has_value();
  only_.assign(static_cast<size_t>(source_.rowCount()), false);
  if (dives) {
    for (int dive : *dives) {
      if (dive >= 0 && dive < source_.rowCount()) only_[static_cast<size_t>(dive)] = true;
    }
  }
  invalidateRowsFilter();
}

bool DiveFilterModel::filterAcceptsRow(int sourceRow, const QModelIndex&) const {
  if (restricted_ &&
      (static_cast<size_t>(sourceRow) >= only_.size() || !only_[static_cast<size_t>(sourceRow)])) {
    return false;
  }
  return search_.Empty() || source_.Table().Matches(sourceRow, search_);
}

// The proxy sorts descending by asking for the opposite order of its arguments, so the rows are
// swapped for it: unknown values then stay last and ties in logbook order either way.
bool DiveFilterModel::lessThan(const QModelIndex& left, const QModelIndex& right) const {
  const TableColumn column = source_.ColumnAt(left.column());
  const bool descending = sortOrder() == Qt::DescendingOrder;
  const DiveTable& table = source_.Table();
  return descending ? table.RowBefore(right.row(), left.row(), column, true)
                    : table.RowBefore(left.row(), right.row(), column, false);
}

}  // namespace scrb
