#pragma once

#include <QAbstractTableModel>
#include <QIcon>
#include <QString>
#include <QStringList>
#include <limits>
#include <vector>

namespace scrb {

// A table of finished texts for a view to show: rows of cells under column headings, each row
// with a heading of its own (or its number), and a column heading's icon where one ties it to a
// chart. The texts
// are made elsewhere (in the units and language in force); the view only shows, sizes and copies
// them.
class TextTableModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  using QAbstractTableModel::QAbstractTableModel;

  // Everything anew: the view keeps its place only where the shape stays the same.
  void SetTexts(QStringList columnHeadings, QStringList rowHeadings, std::vector<QStringList> cells,
                std::vector<QIcon> columnIcons = {});
  // The columns from `first` on hold figures, aligned right so that their digits line up.
  void AlignFiguresFrom(int first) { firstFigureColumn_ = first; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  QStringList columnHeadings_;
  QStringList rowHeadings_;
  std::vector<QStringList> cells_;
  std::vector<QIcon> columnIcons_;
  int firstFigureColumn_ = std::numeric_limits<int>::max();
};

}  // namespace scrb
