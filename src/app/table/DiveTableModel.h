#pragma once

#include <QAbstractTableModel>
#include <QFont>
#include <QSortFilterProxyModel>
#include <optional>
#include <utility>
#include <vector>

#include "overview/DiveTable.h"

namespace scrb {

class LogbookState;

// The loaded logbook as a table: row i is Dives[i], the columns those the window offers. It
// follows the logbook's changes; the breath rate and over-saturation columns fill in as the
// logbook's summaries are worked out in the background.
class DiveTableModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit DiveTableModel(LogbookState& state, QObject* parent = nullptr);

  const DiveTable& Table() const { return table_; }
  TableColumn ColumnAt(int section) const { return columns_[static_cast<size_t>(section)]; }
  int SectionOf(TableColumn column) const;
  std::pair<int, int> AnalysisProgress() const { return {analysed_, table_.RowCount()}; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
 signals:
  void AnalysisProgressed(int done, int total);

 private:
  // Every row made anew from the logbook.
  void Reload();
  void TakeSummaries();

  LogbookState& state_;
  DiveTable table_;
  // One font for every entry, matched once: the view draws each row with the font it is given.
  QFont entryFont_;
  std::vector<TableColumn> columns_;
  std::vector<bool> known_;  // the rows whose summary is in the table
  int analysed_ = 0;
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
