#pragma once

#include <QString>
#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

#include "app/state/LogbookState.h"
#include "overview/Statistics.h"
#include "overview/StatisticsCharts.h"

class QComboBox;
class QGridLayout;
class QLabel;
class QProgressBar;
class QScrollArea;
class QPushButton;
class QTabWidget;
class QTableView;

namespace scrb {

class ChartView;
class TextTableModel;

// The statistics of the dives the dive table shows: the summary, a table grouped by year, month,
// site, location, partner or trip, and the statistics charts with their readouts. What needs
// every dive's analysis is worked out off the interface thread; a new scope, a new logbook or
// another model drops the work under way, so the window never waits for it.
class StatisticsWindow : public QWidget {
  Q_OBJECT
 public:
  explicit StatisticsWindow(LogbookState& state, QWidget* parent = nullptr);
  ~StatisticsWindow() override;

  // The dives shown (list indices) and the search that left them; the title follows.
  void SetScope(std::vector<int> dives, const QString& search);
  // Shows the window and brings it forward; the first time over `pages` (the dive's pages), so
  // that the dive table beside them stays in sight.
  void ShowOver(const QWidget* pages);

  // The statistics on show; null while they are worked out.
  const LogbookStatistics* Statistics() const { return shown_ ? &*shown_ : nullptr; }
  bool Working() const { return job_ != nullptr; }

  QTableView* GroupTable() const { return groups_; }
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
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void SetTexts();
  void Start();
  void Show(const LogbookStatistics& metric);
  void ShowProgress();
  void ShowStatistics();
  void FillSummary();
  void FillGroups();
  // Widens the window to the whole group table, as far as the screen allows.
  void FitGroupTable();
  void DrawChart();
  void ShowReadoutAt(double x);
  StatisticsChart CurrentChart() const;

  LogbookState& state_;
  std::vector<int> dives_;
  QString search_;
  QLabel* groupLabel_ = nullptr;
  QLabel* chartLabel_ = nullptr;
  std::shared_ptr<BackgroundJob> job_;
  // As summed up, and as shown in the units in force.
  std::optional<LogbookStatistics> metric_;
  std::optional<LogbookStatistics> shown_;

  QTabWidget* tabs_ = nullptr;
  QWidget* summaryArea_ = nullptr;
  QScrollArea* summaryScroll_ = nullptr;
  QGridLayout* summaryGrid_ = nullptr;
  QComboBox* grouping_ = nullptr;
  TextTableModel* groupModel_ = nullptr;
  QTableView* groups_ = nullptr;
  QComboBox* chartChoice_ = nullptr;
  ChartView* chart_ = nullptr;
  QLabel* readout_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QLabel* stateLabel_ = nullptr;
  QPushButton* closeButton_ = nullptr;
  bool placed_ = false;
};

}  // namespace scrb
