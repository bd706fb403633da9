#pragma once

#include "app/DivePage.h"

class QLabel;

namespace scrb {

class ChartView;

// The "&Dive" page: the depth profile and the six-row alarm strip of view 1, with the chart's
// title and the time and depth readout.
class DepthChartPage : public DivePage {
  Q_OBJECT
 public:
  explicit DepthChartPage(AppContext& context, QWidget* parent = nullptr);

  void ShowDive(int index) override;
  // Mouse over the depth profile or the alarm strip: they share the time axis.
  void DepthPictureMouseMove(double x, double y);

  ChartView* DepthPicture() const { return depthPicture_; }
  ChartView* AlarmPicture() const { return alarmPicture_; }
  QLabel* DepthTitle() const { return depthTitle_; }
  QLabel* DepthReadout() const { return depthReadout_; }

 private:
  ChartView* depthPicture_ = nullptr;
  ChartView* alarmPicture_ = nullptr;
  QLabel* depthTitle_ = nullptr;
  QLabel* depthReadout_ = nullptr;
};

// The "Vertical &Speed" page: the depth profile and five-row alarm strip of view 0 above the
// vertical speed chart, with the depth readout and the speed readout.
class SpeedPage : public DivePage {
  Q_OBJECT
 public:
  explicit SpeedPage(AppContext& context, QWidget* parent = nullptr);

  void ShowDive(int index) override;
  // Mouse over any of the three charts: they share the time axis.
  void DepthPictureMouseMove(double x, double y);

  ChartView* DepthPicture() const { return depthPicture_; }
  ChartView* AlarmPicture() const { return alarmPicture_; }
  ChartView* DDepthPicture() const { return dDepthPicture_; }
  QLabel* DepthTitle() const { return depthTitle_; }
  QLabel* DepthReadout() const { return depthReadout_; }
  QLabel* SpeedReadout() const { return speedReadout_; }

 private:
  ChartView* depthPicture_ = nullptr;
  ChartView* alarmPicture_ = nullptr;
  ChartView* dDepthPicture_ = nullptr;
  QLabel* depthTitle_ = nullptr;
  QLabel* depthReadout_ = nullptr;
  QLabel* speedReadout_ = nullptr;
};

}  // namespace scrb
