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
class QScrollArea;
class QSplitter;
class QTabWidget;
class QTableView;
class QVBoxLayout;

namespace scrb {

class ChartView;
class TextTableModel;
class TimeWindow;
class UserDialogs;

// Two to six dives side by side: their depth profiles, highest over-saturations and tank
// pressures on one time axis from each dive's start, the table of their figures and a readout of
// each dive's value at the pointer. It follows every setting that changes a figure or a picture,
// and closes when the logbook no longer holds the dives it compares.
inline constexpr ComparisonChart kComparisonCharts[] = {
    ComparisonChart::Depth, ComparisonChart::OverSaturation, ComparisonChart::Tank};

class ComparisonWindow : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kChartCount = 3;

  ComparisonWindow(LogbookState& state, UserDialogs& dialogs, QWidget* parent = nullptr);

  // The dives to compare (list indices), in the order they are to be shown.
  void Compare(std::vector<int> dives);
  // Enables the menu entry for `chosen` dives, its tool tip saying what it does or why not.
  static void OfferFor(QAction& entry, int chosen);
  // Shows the window and brings it forward; the first time maximised, on the screen of `pages`.
  void ShowOver(const QWidget* pages);

  // The stretch of the shared time axis that the charts and heat maps show, the whole of the
  // longest dive unless the user zoomed, and the ruler on it.
  TimeWindow& Time() const { return *time_; }

  // The comparison on one landscape page of the printer or PDF writer; false when it refuses.
  bool PaintPage(QPagedPaintDevice& device) const;
  void Print();
  void SaveAsPdf();

  const std::vector<int>& Dives() const { return dives_; }
  const DiveComparison& Comparison() const { return comparison_; }
  ChartView* Chart(ComparisonChart chart) const { return charts_[static_cast<size_t>(chart)]; }
  QTableView* FigureTable() const { return table_; }
  QLabel* Readout() const { return readout_; }
  QLabel* LeftOutNote() const { return note_; }
  // Where one heat map a dive goes, on the charts' time axis.
  QVBoxLayout* HeatMapArea() const { return heatMaps_; }
  // The figures and the heat maps, a tab each, in a pane under the charts that opens when asked.
  QTabWidget* Details() const { return details_; }
  void ShowDetails(bool shown);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void BuildChartArea();
  void BuildDetails();
  void BuildButtons(QVBoxLayout& layout);
  // The dives analysed anew under the settings in force, and everything shown from them.
  void Refresh();
  void SetTexts();
  void FillTable();
  void DrawCharts();
  void ShowReadoutAt(ComparisonChart chart, double x);
  // A chart or heat map: its readout, and its gestures through the time window.
  void FollowChart(ChartView* view, ComparisonChart readAs);
  void MakeHeatMaps();
  void HideCursors();
  void ShowRuler();
  // Whether the logbook still holds the compared dives where they were.
  bool StillHoldsDives() const;

  LogbookState& state_;
  UserDialogs& dialogs_;
  std::vector<int> dives_;
  // What each compared dive was, to know it again after the logbook changed.
  std::vector<std::string> identities_;
  DiveComparison comparison_;
  TimeWindow* time_ = nullptr;
  std::array<ChartView*, kChartCount> charts_{};
  std::array<QLabel*, kChartCount> captions_{};
  QVBoxLayout* heatMaps_ = nullptr;
  QScrollArea* heatScroll_ = nullptr;
  QSplitter* splitter_ = nullptr;
  QWidget* chartArea_ = nullptr;
  QTabWidget* details_ = nullptr;
  QLabel* readout_ = nullptr;
  QLabel* note_ = nullptr;
  std::vector<ChartView*> heatMapViews_;
  std::vector<QLabel*> heatMapCaptions_;
  std::vector<const ComparedDive*> heatMapDives_;
  // A burst of zoom or pan steps, or of resizes of the charts and maps, is drawn once, when the
  // event loop gets to it.
  CoalescedCall redraw_{this, [this] { DrawCharts(); }};
  TextTableModel* figures_ = nullptr;
  QTableView* table_ = nullptr;
  QPushButton* detailsButton_ = nullptr;
  QPushButton* printButton_ = nullptr;
  QPushButton* pdfButton_ = nullptr;
  QPushButton* closeButton_ = nullptr;
  bool placed_ = false;
};

}  // namespace scrb
