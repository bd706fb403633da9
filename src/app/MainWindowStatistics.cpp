#include "app/MainWindow.h"
#include "app/StatisticsWindow.h"

namespace scrb {

void MainWindow::ShowStatistics() {
  if (statisticsWindow_ == nullptr) {
    statisticsWindow_ = new StatisticsWindow(context_, this);
    connect(statisticsWindow_, &StatisticsWindow::DiveChosen, this,
            [this](int index) { SelectListIndex(index); });
    connect(statisticsWindow_, &StatisticsWindow::ShowOnlyDives, this,
            [this](const std::vector<int>& dives, const QString&) { ShowOnlyDives(dives); });
    connect(this, &MainWindow::ShownDivesChanged, this, &MainWindow::UpdateStatisticsScope);
    UpdateStatisticsScope();
  }
  statisticsWindow_->show();
  statisticsWindow_->raise();
  statisticsWindow_->activateWindow();
}

void MainWindow::UpdateStatisticsScope() {
  if (statisticsWindow_ == nullptr) return;
  statisticsWindow_->SetScope(ShownDives(), SearchText());
}

}  // namespace scrb
