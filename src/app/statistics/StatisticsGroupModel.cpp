#include "app/statistics/StatisticsGroupModel.h"

#include "overview/Statistics.h"
#include "overview/StatisticsTexts.h"

namespace scrb {
namespace {

QStringList ToQt(const std::vector<std::string>& texts) {
  QStringList list;
  for (const std::string& text : texts) list << QString::fromStdString(text);
  return list;
}

}  // namespace

void StatisticsGroupModel::Show(const LogbookStatistics* statistics) {
  beginResetModel();
  titles_.clear();
  rows_.clear();
  if (statistics != nullptr) {
    titles_ = ToQt(GroupColumnTitles(statistics->GroupedBy, statistics->Units));
    for (const StatisticsGroup& group : statistics->Groups)
      rows_.push_back(ToQt(GroupCells(group, statistics->Units)));
  }
  endResetModel();
}

int StatisticsGroupModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int StatisticsGroupModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(titles_.size());
}

QVariant StatisticsGroupModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || static_cast<size_t>(index.row()) >= rows_.size()) return {};
  const QStringList& cells = rows_[static_cast<size_t>(index.row())];
  if (index.column() >= cells.size()) return {};
  if (role == Qt::DisplayRole) return cells[index.column()];
  if (role == Qt::TextAlignmentRole && index.column() > 0)
    return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
  return {};
}

QVariant StatisticsGroupModel::headerData(int section, Qt::Orientation orientation,
                                          int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
    return QAbstractTableModel::headerData(section, orientation, role);
  return section >= 0 && section < titles_.size() ? titles_[section] : QVariant();
}

}  // namespace scrb
