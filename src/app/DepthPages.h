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
  QLabel* Label40() const { return label40_; }
  QLabel* Label42() const { return label42_; }

 private:
  ChartView* depthPicture_ = nullptr;
  ChartView* alarmPicture_ = nullptr;
  QLabel* label40_ = nullptr;
  QLabel* label42_ = nullptr;
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
  QLabel* Label40() const { return label40_; }
  QLabel* Label42() const { return label42_; }
  QLabel* Label43() const { return label43_; }

 private:
  ChartView* depthPicture_ = nullptr;
  ChartView* alarmPicture_ = nullptr;
  ChartView* dDepthPicture_ = nullptr;
  QLabel* label40_ = nullptr;
  QLabel* label42_ = nullptr;
  QLabel* label43_ = nullptr;
};

}  // namespace scrb
