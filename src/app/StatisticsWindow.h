#pragma once

#include <QFutureWatcher>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <atomic>
#include <memory>
#include <optional>
#include <vector>

#include "app/AppContext.h"
#include "overview/Statistics.h"
#include "overview/StatisticsCharts.h"

class QComboBox;
class QGridLayout;
class QLabel;
class QProgressBar;
class QTabWidget;
class QTableWidget;

namespace scrb {

class ChartView;

// The statistics of the dives the dive table shows: the summary, a table grouped by year, month,
// site, location, partner or trip, and the statistics charts with their readouts. What needs
// every dive's analysis is worked out off the interface thread; a new scope, a new logbook or
// another model drops the work under way, so the window never waits for it.
class StatisticsWindow : public QWidget {
  Q_OBJECT
 public:
  explicit StatisticsWindow(AppContext& context, QWidget* parent = nullptr);
  ~StatisticsWindow() override;

  // The dives shown (list indices) and the search that left them; the title follows.
  void SetScope(std::vector<int> dives, const QString& search);
  // The logbook was opened or merged: nothing of the old one may be used. A new scope follows.
  void LogbookChanged();
  // The figures, the table and the chart are shown again in the context's units.
  void UnitsChanged();
  // Every text anew in the language now installed.
  void Retranslate();

  // The statistics on show; null while they are worked out.
  const LogbookStatistics* Statistics() const { return shown_ ? &*shown_ : nullptr; }
  bool Working() const { return job_ != nullptr; }
  // Ends when the work under way is done; for tests.
  void WaitForWork();

  QTableWidget* GroupTable() const { return groups_; }
  QComboBox* Grouping() const { return grouping_; }
  QLabel* Readout() const { return readout_; }
  ChartView* Chart() const { return chart_; }
  QComboBox* ChartChoice() const { return chartChoice_; }
  QWidget* SummaryArea() const { return summaryArea_; }
  QProgressBar* Progress() const { return progress_; }

 signals:
  // A dive of the summary was clicked.
  void DiveChosen(int index);
  // A group was double-clicked: the table is to show just these dives.
  void ShowOnlyDives(const std::vector<int>& dives, const QString& label);

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Job;
  void SetTexts();
  void Start();
  void Finished();
  void CheckGeneration();
  void ShowProgress();
  void ShowStatistics();
  void FillSummary();
  void FillGroups();
  void DrawChart();
  void ShowReadoutAt(double x);
  StatisticsChart CurrentChart() const;

  AppContext& context_;
  std::vector<int> dives_;
  QString search_;
  QLabel* groupLabel_ = nullptr;
  QLabel* chartLabel_ = nullptr;
  std::shared_ptr<const std::vector<DiveRecord>> records_;  // the logbook as the work reads it
  uint64_t generation_ = 0;
  std::shared_ptr<Job> job_;
  QFutureWatcher<void> watcher_;
  // Work that may still run, the latest last: dropped work stops at its next dive.
  std::vector<std::pair<std::shared_ptr<Job>, QFuture<void>>> running_;
  QTimer poll_;
  std::optional<LogbookStatistics> shown_;

  QTabWidget* tabs_ = nullptr;
  QWidget* summaryArea_ = nullptr;
  QGridLayout* summaryGrid_ = nullptr;
  QComboBox* grouping_ = nullptr;
  QTableWidget* groups_ = nullptr;
  QComboBox* chartChoice_ = nullptr;
  ChartView* chart_ = nullptr;
  QLabel* readout_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QLabel* state_ = nullptr;
};

}  // namespace scrb
