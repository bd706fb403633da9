#include <QItemSelectionModel>
#include <QSignalBlocker>
#include <QTableView>

#include "app/DiveTableModel.h"
#include "app/MainWindow.h"
#include "app/SettingsStore.h"
#include "app/StatisticsWindow.h"
#include "logbook/StartupSettings.h"

namespace scrb {

void MainWindow::SetUnits(UnitSystem units) {
  context_.Units = units;
  settings_.SaveSetting(settings::kUnits, std::string(UnitSystemName(units)));
  {
    // The rows come back in the new units; the selection and the pages stay on the same dive.
    const QSignalBlocker block(diveList_->selectionModel());
    tableModel_->Reload(context_.Book.Dives, context_.Book.DisplayOptionFlag, units);
  }
  AfterFilterChanged();
  ShowDive(context_.Book.CurrentDive);
  if (statisticsWindow_ != nullptr) statisticsWindow_->UnitsChanged();
}

}  // namespace scrb
