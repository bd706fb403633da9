#pragma once

#include "app/pages/DivePage.h"

class QLabel;

namespace scrb {

class ChartView;

// The "Ph&ys Data" page: body temperature loss, air bubbles and relative air consumption as the
// dive computer recorded them minute by minute, each with its readout beside its title.
class PhysPage : public DivePage {
  Q_OBJECT
 public:
  explicit PhysPage(LogbookState& state, TimeWindow& time, QWidget* parent = nullptr);

  void ShowDive(const DiveRecord* dive) override;
  // The three readouts and cursors for the time x: the charts share their time axis.
  void ShowReadoutAt(double x) override;

  ChartView* ColdChart() const { return coldChart_; }
  ChartView* BubbleChart() const { return bubbleChart_; }
  ChartView* ConsumptionChart() const { return consumptionChart_; }
  QLabel* ColdReadout() const { return coldReadout_; }
  QLabel* BubbleReadout() const { return bubbleReadout_; }
  QLabel* ConsumptionReadout() const { return consumptionReadout_; }

 private:
  ChartView* coldChart_ = nullptr;
  ChartView* bubbleChart_ = nullptr;
  ChartView* consumptionChart_ = nullptr;
  QLabel* coldReadout_ = nullptr;
  QLabel* bubbleReadout_ = nullptr;
  QLabel* consumptionReadout_ = nullptr;
};

}  // namespace scrb
