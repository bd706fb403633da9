#pragma once

#include <vector>

#include "app/pages/DivePage.h"

class QLabel;

namespace scrb {

class ChartView;

// The depth profile with its alarm strip under one title and time-and-depth readout, and, on the
// speed page, the vertical speed chart with its own title and readout below them. The charts
// share one time axis: the mouse or the arrow keys over any of them move the readouts and the
// cursors of all.
class ProfilePage : public DivePage {
  Q_OBJECT
 public:
  void ShowDive(const DiveRecord* dive) override;
  // The readouts and cursors for the time x, in hundredths of a minute.
  void ShowReadoutAt(double x) override;

  ChartView* DepthChart() const { return depthChart_; }
  ChartView* AlarmStrip() const { return alarmStrip_; }
  // Only on the speed page.
  ChartView* SpeedChart() const { return speedChart_; }
  QLabel* DepthTitle() const { return depthTitle_; }
  QLabel* DepthReadout() const { return depthReadout_; }
  QLabel* SpeedReadout() const { return speedReadout_; }

 protected:
  // `view` is the alarm strip's layout: 1 on the dive page, 0 above the speed chart.
  ProfilePage(LogbookState& state, TimeWindow& time, QWidget* parent, int view, bool withSpeed);

 private:
  std::vector<ChartView*> Charts() const;

  int view_ = 0;
  ChartView* depthChart_ = nullptr;
  ChartView* alarmStrip_ = nullptr;
  ChartView* speedChart_ = nullptr;
  QLabel* depthTitle_ = nullptr;
  QLabel* depthReadout_ = nullptr;
  QLabel* speedReadout_ = nullptr;
  QLabel* speedTitle_ = nullptr;
};

// The "&Dive" page: the depth profile and the six-row alarm strip.
class DepthChartPage : public ProfilePage {
  Q_OBJECT
 public:
  explicit DepthChartPage(LogbookState& state, TimeWindow& time, QWidget* parent = nullptr)
      : ProfilePage(state, time, parent, 1, false) {}
};

// The "Vertical &Speed" page: the depth profile and five-row alarm strip above the vertical speed
// chart.
class SpeedPage : public ProfilePage {
  Q_OBJECT
 public:
  explicit SpeedPage(LogbookState& state, TimeWindow& time, QWidget* parent = nullptr)
      : ProfilePage(state, time, parent, 0, true) {}
};

}  // namespace scrb
