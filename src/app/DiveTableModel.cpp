#include "app/DiveTableModel.h"

#include <QFont>
#include <QPointer>
#include <QtConcurrent/QtConcurrentRun>
#include <chrono>

#include "analysis/AnalysisCache.h"

namespace scrb {

namespace {

// Results reach the window in batches: one repaint (and one re-sort) for each, not one a dive.
constexpr auto kBatchInterval = std::chrono::milliseconds(150);

}  // namespace

DiveTableModel::DiveTableModel(AnalysisCache& analysis, QObject* parent)
    : QAbstractTableModel(parent), analysis_(analysis) {
  for (const TableColumnInfo& info : TableColumns()) {
    if (info.InWindow) columns_.push_back(info.Column);
  }
}

DiveTableModel::~DiveTableModel() {
  CancelAnalysis();
}

int DiveTableModel::SectionOf(TableColumn column) const {
  for (size_t i = 0; i < columns_.size(); ++i) {
    if (columns_[i] == column) return static_cast<int>(i);
  }
  return -1;
}

void DiveTableModel::Reload(const std::vector<DiveRecord>& dives, int displayOption,
                            UnitSystem units) {
  CancelAnalysis();
  if (rowCount() > 0) {
    beginRemoveRows({}, 0, rowCount() - 1);
    table_ = DiveTable();
    endRemoveRows();
  }
  DiveTable table;
  table.Build(dives, displayOption, units);
  if (table.RowCount() > 0) {
    beginInsertRows({}, 0, table.RowCount() - 1);
    table_ = std::move(table);
    endInsertRows();
  }
  StartAnalysis();
}

void DiveTableModel::FollowAnalysis() {
  if (analysis_.Generation() != generation_) StartAnalysis();
}

void DiveTableModel::CancelAnalysis() {
  if (stop_) *stop_ = true;
  work_.waitForFinished();
  stop_.reset();
}

// What the cache knows already is taken at once; the rest is worked out by one pass over the
// records the cache shares, and reaches the table in batches from the cache as the pass goes.
void DiveTableModel::StartAnalysis() {
  CancelAnalysis();
  generation_ = analysis_.Generation();
  table_.ForgetSummaries();
  std::vector<int> missing;
  for (int dive = 0; dive < table_.RowCount(); ++dive) {
    if (const auto summary = analysis_.KnownSummary(dive)) {
      table_.SetSummary(dive, *summary);
    } else {
      missing.push_back(dive);
    }
  }
  analysed_ = table_.RowCount() - static_cast<int>(missing.size());
  if (table_.RowCount() > 0) {
    emit dataChanged(index(0, SectionOf(TableColumn::BreathRate)),
                     index(rowCount() - 1, SectionOf(TableColumn::MaxOverSat)));
  }
  emit AnalysisProgressed(analysed_, table_.RowCount());
  if (missing.empty()) return;

  stop_ = std::make_shared<std::atomic<bool>>(false);
  AnalysisCache* cache = &analysis_;
  work_ = QtConcurrent::run([this, cache, generation = generation_, missing, stop = stop_] {
    size_t sent = 0;
    auto sentAt = std::chrono::steady_clock::now();
    const auto send = [&](size_t done) {
      Batch batch;
      for (; sent < done; ++sent) {
        if (auto summary = cache->KnownSummary(missing[sent])) {
          batch.emplace_back(missing[sent], std::move(*summary));
        }
      }
      sentAt = std::chrono::steady_clock::now();
      if (batch.empty()) return;
      QMetaObject::invokeMethod(
          this, [this, generation, batch] { TakeSummaries(generation, batch); },
          Qt::QueuedConnection);
    };
    const auto summaries = SummariseDives(*cache, missing, [&](size_t done, size_t) {
      if (*stop) return false;
      if (std::chrono::steady_clock::now() - sentAt > kBatchInterval) send(done);
      return true;
    });
    if (summaries && !*stop) send(missing.size());
  });
}

void DiveTableModel::TakeSummaries(uint64_t generation, const Batch& batch) {
  if (generation != generation_ || batch.empty()) return;
  int first = batch.front().first;
  int last = first;
  for (const auto& [dive, summary] : batch) {
    if (dive >= table_.RowCount()) continue;
    table_.SetSummary(dive, summary);
    first = std::min(first, dive);
    last = std::max(last, dive);
  }
  analysed_ += static_cast<int>(batch.size());
  if (last < rowCount()) {
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
      if (column != TableColumn::Entry) return {};
      {
        // The entries pad dive numbers with blanks, which only line up in a fixed-pitch font.
        QFont font("DejaVu Sans Mono");
        font.setStyleHint(QFont::TypeWriter);
        return font;
      }
    default:
      return {};
  }
}

void DiveTableModel::Retranslate(const std::vector<DiveRecord>& dives) {
  table_.RelabelTrips(dives);
  if (rowCount() > 0) emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
  emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
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
