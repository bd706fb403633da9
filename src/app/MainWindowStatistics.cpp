#include <numeric>

#include "app/MainWindow.h"
#include "app/StatisticsWindow.h"

namespace scrb {

void MainWindow::ShowStatistics() {
  if (statisticsWindow_ == nullptr) {
    statisticsWindow_ = new StatisticsWindow(context_, this);
    connect(statisticsWindow_, &StatisticsWindow::DiveChosen, this,
            [this](int index) { SelectListIndex(index); });
    UpdateStatisticsScope();
  }
  statisticsWindow_->show();
  statisticsWindow_->raise();
  statisticsWindow_->activateWindow();
}

void MainWindow::UpdateStatisticsScope() {
  if (statisticsWindow_ == nullptr) return;
  std::vector<int> dives(static_cast<size_t>(context_.Book.DiveCount()));
  std::iota(dives.begin(), dives.end(), 0);
  statisticsWindow_->LogbookChanged();
  statisticsWindow_->SetScope(std::move(dives), {});
}

}  // namespace scrb
