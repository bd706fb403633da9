#include "app/table/DiveTableHeader.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QMenu>
#include <QTableView>
#include <algorithm>

#include "app/table/DiveTableModel.h"
#include "app/views/FixedPitchFont.h"

namespace scrb {
namespace {

// A column's first width: room for its title and for a typical value.
int DefaultWidth(const QFontMetrics& metrics, TableColumn column) {
  const QString title =
      QCoreApplication::translate("scrb::DiveTableModel", ColumnInfo(column).Title.data());
  QString sample = "00000";
  switch (column) {
    case TableColumn::Entry:
      sample = "00000 - Abcdefghijklm";
      break;
    case TableColumn::Date:
      sample = "00/00/0000";
      break;
    case TableColumn::Location:
    case TableColumn::Site:
    case TableColumn::Partners:
    case TableColumn::Trip:
      sample = "Abcdefghijklmnop";
      break;
    case TableColumn::Comment:
      sample = "Abcdefghijklmnopqrstuvwxyz";
      break;
    case TableColumn::BreathRate:
      sample = "0.00 cu ft/min";  // wide enough for either unit system
      break;
    case TableColumn::WaterTemp:
    case TableColumn::AirTemp:
      sample = "00.00 °C";
      break;
    default:
      break;
  }
  return std::max(metrics.horizontalAdvance(title), metrics.horizontalAdvance(sample)) + 16;
}

void ShowColumnMenu(QTableView& table, const DiveTableModel& model, const QPoint& at) {
  QHeaderView* header = table.horizontalHeader();
  QMenu menu(&table);
  const int shown = header->count() - header->hiddenSectionCount();
  for (int section = 0; section < model.columnCount(); ++section) {
    QAction* action =
        menu.addAction(model.headerData(section, Qt::Horizontal, Qt::DisplayRole).toString());
    action->setCheckable(true);
    action->setChecked(!header->isSectionHidden(section));
    // The last column shown stays: a table without columns could not offer this menu again.
    action->setEnabled(header->isSectionHidden(section) || shown > 1);
    QObject::connect(action, &QAction::toggled, header,
                     [header, section](bool on) { header->setSectionHidden(section, !on); });
  }
  menu.exec(header->mapToGlobal(at));
}

}  // namespace

void SetUpDiveTableHeader(QTableView& table, const DiveTableModel& model) {
  QHeaderView* header = table.horizontalHeader();
  header->setSectionsMovable(true);
  header->setHighlightSections(false);
  header->setStretchLastSection(false);
  header->setSortIndicatorClearable(true);  // a third click goes back to logbook order
  header->setSortIndicator(-1, Qt::AscendingOrder);
  header->setContextMenuPolicy(Qt::CustomContextMenu);
  QObject::connect(header, &QHeaderView::customContextMenuRequested, &table,
                   [&table, &model](const QPoint& at) { ShowColumnMenu(table, model, at); });
  for (int section = 0; section < model.columnCount(); ++section) {
    header->resizeSection(section, 0);
    header->setSectionHidden(section, !ColumnInfo(model.ColumnAt(section)).ShownByDefault);
  }
  FitDiveTableTitles(table, model);
  table.setSortingEnabled(true);
  table.setMinimumWidth(QFontMetrics(EntryFont()).horizontalAdvance("00000 - Abcdefghijklm") + 8);
}

void FitDiveTableTitles(QTableView& table, const DiveTableModel& model) {
  QHeaderView* header = table.horizontalHeader();
  for (int section = 0; section < model.columnCount(); ++section) {
    const TableColumn column = model.ColumnAt(section);
    const QFontMetrics metrics(column == TableColumn::Entry ? EntryFont() : table.font());
    header->resizeSection(section,
                          std::max({header->sectionSize(section), DefaultWidth(metrics, column),
                                    header->sectionSizeHint(section)}));
  }
}

std::string SavedDiveTableHeader(const QTableView& table) {
  return table.horizontalHeader()->saveState().toBase64().toStdString();
}

bool RestoreDiveTableHeader(QTableView& table, const std::string& saved) {
  const QByteArray state = QByteArray::fromBase64(QByteArray::fromStdString(saved));
  QHeaderView* header = table.horizontalHeader();
  if (state.isEmpty() || !header->restoreState(state)) return false;
  if (header->hiddenSectionCount() >= header->count()) header->setSectionHidden(0, false);
  return true;
}

}  // namespace scrb
