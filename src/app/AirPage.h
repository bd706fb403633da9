#pragma once

#include <QElapsedTimer>
#include <string>

#include "app/DivePage.h"

class QLabel;

namespace scrb {

class ChartView;

// The "&Air" page: the estimated tank pressure and breath rate of the dive, and the air label
// with the estimate's summary and the mouse-over readout.
class AirPage : public DivePage {
  Q_OBJECT
 public:
  explicit AirPage(AppContext& context, QWidget* parent = nullptr);

  void ShowDive(int index) override;

  // One readout for both charts: they share their time axis.
  void AirPictureMouseMove(double x, double y);
  void TankPictureMouseMove(double x, double y) { AirPictureMouseMove(x, y); }

  ChartView* TankPicture() const { return tankPicture_; }
  ChartView* AirPicture() const { return airPicture_; }
  QLabel* AirReadout() const { return airReadout_; }

 private:
  void ShowAirCaption(const std::string& caption);

  ChartView* tankPicture_ = nullptr;
  ChartView* airPicture_ = nullptr;
  QLabel* airReadout_ = nullptr;
  QElapsedTimer sinceLabelPainted_;
};

}  // namespace scrb
