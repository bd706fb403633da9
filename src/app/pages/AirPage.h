#pragma once

#include <QElapsedTimer>
#include <string>

#include "app/pages/DivePage.h"

class QLabel;

namespace scrb {

class ChartView;

// The "&Air" page: the estimated tank pressure and breath rate of the dive, and the air label
// with the estimate's summary and the mouse-over readout.
class AirPage : public DivePage {
  Q_OBJECT
 public:
  explicit AirPage(LogbookState& state, TimeWindow& time, QWidget* parent = nullptr);

  void ShowDive(const DiveRecord* dive) override;
  // One readout for both charts, at the time x: they share their time axis.
  void ShowReadoutAt(double x) override;

  ChartView* TankChart() const { return tankChart_; }
  ChartView* BreathRateChart() const { return breathRateChart_; }
  QLabel* AirReadout() const { return airReadout_; }

 private:
  void ShowAirCaption(const std::string& caption);

  ChartView* tankChart_ = nullptr;
  ChartView* breathRateChart_ = nullptr;
  QLabel* airReadout_ = nullptr;
  QLabel* tankTitle_ = nullptr;
  QLabel* breathRateTitle_ = nullptr;
  QElapsedTimer sinceLabelPainted_;
};

}  // namespace scrb
