#include "app/views/TextTableModel.h"

namespace scrb {

void TextTableModel::SetTexts(QStringList columnHeadings, QStringList rowHeadings,
                              std::vector<QStringList> cells, std::vector<QIcon> columnIcons) {
  beginResetModel();
  columnHeadings_ = std::move(columnHeadings);
  rowHeadings_ = std::move(rowHeadings);
  cells_ = std::move(cells);
  columnIcons_ = std::move(columnIcons);
  endResetModel();
}

int TextTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(cells_.size());
}

int TextTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(columnHeadings_.size());
}

QVariant TextTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const auto row = static_cast<size_t>(index.row());
  if (row >= cells_.size() || index.column() >= cells_[row].size()) return {};
  if (role == Qt::DisplayRole) return cells_[row][index.column()];
  if (role == Qt::TextAlignmentRole && index.column() >= firstFigureColumn_)
    return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
  return {};
}

QVariant TextTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (section < 0) return {};
  if (orientation == Qt::Horizontal) {
    if (role == Qt::DisplayRole && section < columnHeadings_.size())
      return columnHeadings_[section];
    if (role == Qt::DecorationRole && static_cast<size_t>(section) < columnIcons_.size())
      return columnIcons_[static_cast<size_t>(section)];
    return {};
  }
  if (rowHeadings_.isEmpty()) return QAbstractTableModel::headerData(section, orientation, role);
  if (role == Qt::DisplayRole && section < rowHeadings_.size()) return rowHeadings_[section];
  return {};
}

}  // namespace scrb
