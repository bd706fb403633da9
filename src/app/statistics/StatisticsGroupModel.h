#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <vector>

namespace scrb {

struct LogbookStatistics;

// The statistics' groups as a table, a row a group in the order summed up: the group's name,
// then its figures, aligned right so that their digits line up.
class StatisticsGroupModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  using QAbstractTableModel::QAbstractTableModel;

  // The groups of `statistics`, in the units it was made for; no columns and no rows without.
  void Show(const LogbookStatistics* statistics);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;

 private:
  QStringList titles_;
  std::vector<QStringList> rows_;
};

}  // namespace scrb
