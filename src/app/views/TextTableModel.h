#pragma once

#include <QAbstractTableModel>
#include <QIcon>
#include <QString>
#include <QStringList>
#include <vector>

namespace scrb {

// A table of finished texts for a view to show: rows of cells under column headings, each row
// with a heading of its own, and a column heading's icon where one ties it to a chart. The texts
// are made elsewhere (in the units and language in force); the view only shows, sizes and copies
// them.
class TextTableModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  using QAbstractTableModel::QAbstractTableModel;

  // Everything anew: the view keeps its place only where the shape stays the same.
  void SetTexts(QStringList columnHeadings, QStringList rowHeadings, std::vector<QStringList> cells,
                std::vector<QIcon> columnIcons = {});

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  QStringList columnHeadings_;
  QStringList rowHeadings_;
  std::vector<QStringList> cells_;
  std::vector<QIcon> columnIcons_;
};

}  // namespace scrb
