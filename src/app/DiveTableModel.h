#pragma once

#include <QAbstractTableModel>
#include <QFuture>
#include <QSortFilterProxyModel>
#include <atomic>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "overview/DiveTable.h"

namespace scrb {

class AnalysisCache;

// The loaded logbook as a table: row i is Dives[i], the columns those the window offers. The
// breath rate and over-saturation columns fill in from the analysis cache's summaries, worked
// out in the background and cancelled whenever the dives or the model change.
class DiveTableModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit DiveTableModel(AnalysisCache& analysis, QObject* parent = nullptr);
  ~DiveTableModel() override;

  // Every row made anew from the dives (the rows are removed and inserted, so that the view's
  // columns keep their order, widths and visibility); then the computed columns are filled again.
  void Reload(const std::vector<DiveRecord>& dives, int displayOption,
              UnitSystem units = UnitSystem::Metric);
  // Starts over with the computed columns when the analysis has changed since they were filled.
  void FollowAnalysis();
  // Stops the background work and waits for the dive in hand.
  void CancelAnalysis();

  const DiveTable& Table() const { return table_; }
  TableColumn ColumnAt(int section) const { return columns_[static_cast<size_t>(section)]; }
  int SectionOf(TableColumn column) const;
  std::pair<int, int> AnalysisProgress() const { return {analysed_, table_.RowCount()}; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  // The column titles and the trips' names in the language now installed.
  void Retranslate(const std::vector<DiveRecord>& dives);

 signals:
  void AnalysisProgressed(int done, int total);

 private:
  using Batch = std::vector<std::pair<int, AnalysisSummary>>;
  void StartAnalysis();
  void TakeSummaries(uint64_t generation, const Batch& batch);

  AnalysisCache& analysis_;
  DiveTable table_;
  std::vector<TableColumn> columns_;
  uint64_t generation_ = 0;
  int analysed_ = 0;
  std::shared_ptr<std::atomic<bool>> stop_;
  QFuture<void> work_;
};

// The rows as shown: those that match the search (and, when set, are among the chosen dives),
// sorted by a column with unknown values last in either direction and ties in logbook order.
class DiveFilterModel : public QSortFilterProxyModel {
  Q_OBJECT
 public:
  explicit DiveFilterModel(DiveTableModel& source, QObject* parent = nullptr);

  void SetSearch(const QString& text);
  QString Search() const { return searchText_; }
  // Only these list indices (and only while the search lets them through); nothing: every dive.
  void SetOnly(std::optional<std::vector<int>> dives);
  bool Restricted() const { return restricted_; }

 protected:
  bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
  bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

 private:
  DiveTableModel& source_;
  QString searchText_;
  DiveSearch search_;
  bool restricted_ = false;
  std::vector<bool> only_;
};

}  // namespace scrb
