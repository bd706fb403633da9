#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/state/LogbookState.h"
#include "app/views/CoalescedCall.h"
#include "charts/TimeStretch.h"
#include "overview/ComparisonCharts.h"
#include "overview/DiveComparison.h"

class QAction;
class QLabel;
class QPagedPaintDevice;
class QPushButton;
class QTableWidget;
class QVBoxLayout;

namespace scrb {

class ChartView;
class UserDialogs;

// Two to six dives side by side: their depth profiles, highest over-saturations and tank
// pressures on one time axis from each dive's start, the table of their figures and a readout of
// each dive's value at the pointer. It follows every setting that changes a figure or a picture,
// and closes when the logbook no longer holds the dives it compares.
class ComparisonWindow : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kChartCount = 3;

  ComparisonWindow(LogbookState& state, UserDialogs& dialogs, QWidget* parent = nullptr);

  // The dives to compare (list indices), in the order they are to be shown.
  void Compare(std::vector<int> dives);
  // Enables the menu entry for `chosen` dives, its tool tip saying what it does or why not.
  static void OfferFor(QAction& entry, int chosen);
  // Shows the window and brings it forward; the first time over `pages`.
  void ShowOver(const QWidget* pages);

  // The stretch of the shared time axis all three charts show; the whole of the longest dive
  // unless the user zoomed.
  const TimeStretch& Stretch() const { return stretch_; }
  void SetStretch(const TimeStretch& stretch);

  // The comparison on one landscape page of the printer or PDF writer; false when it refuses.
  bool PaintPage(QPagedPaintDevice& device) const;
  void Print();
  void SaveAsPdf();

  const std::vector<int>& Dives() const { return dives_; }
  const DiveComparison& Comparison() const { return comparison_; }
  ChartView* Chart(ComparisonChart chart) const { return charts_[static_cast<size_t>(chart)]; }
  QTableWidget* FigureTable() const { return table_; }
  QLabel* Readout() const { return readout_; }
  QLabel* LeftOutNote() const { return note_; }
  // Where one heat map a dive goes, below the charts on the same time axis.
  QVBoxLayout* HeatMapArea() const { return heatMaps_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // The dives analysed anew under the settings in force, and everything shown from them.
  void Refresh();
  void SetTexts();
  void FillTable();
  void DrawCharts();
  void ShowReadoutAt(ComparisonChart chart, double x);
  // The gestures of a chart: zoom, pan and the ruler, as on the pages.
  void FollowGestures(ChartView* chart);
  // A burst of zoom or pan steps is drawn once, when the event loop gets to it.
  void AskForRedraw();
  void MakeHeatMaps();
  void ShowRuler();
  // Whether the logbook still holds the compared dives where they were.
  bool StillHoldsDives() const;

  LogbookState& state_;
  UserDialogs& dialogs_;
  std::vector<int> dives_;
  // What each compared dive was, to know it again after the logbook changed.
  std::vector<std::string> identities_;
  DiveComparison comparison_;
  TimeStretch stretch_;
  std::array<ChartView*, kChartCount> charts_{};
  std::array<QLabel*, kChartCount> captions_{};
  QVBoxLayout* heatMaps_ = nullptr;
  QLabel* readout_ = nullptr;
  QLabel* note_ = nullptr;
  std::vector<ChartView*> heatMapViews_;
  std::vector<QLabel*> heatMapCaptions_;
  std::vector<const ComparedDive*> heatMapDives_;
  std::optional<std::pair<double, double>> ruler_;
  CoalescedCall redraw_{this, [this] { DrawCharts(); }};
  QTableWidget* table_ = nullptr;
  QPushButton* printButton_ = nullptr;
  QPushButton* pdfButton_ = nullptr;
  QPushButton* closeButton_ = nullptr;
  bool placed_ = false;
};

}  // namespace scrb
