#pragma once

#include "app/DivePage.h"

class QLabel;
class QPushButton;

namespace scrb {

class ChartView;
class ScrbLeg;

// The "&Tissue Sat" page: the nitrogen pressure and over-saturation of every tissue of the
// loaded model over the dive, their readouts, and the way to the model window.
class TissuePage : public DivePage {
  Q_OBJECT
 public:
  explicit TissuePage(AppContext& context, QWidget* parent = nullptr);

  void ShowDive(int index) override;

  // One readout for both charts: they share their time axis.
  void SatuPictureMouseMove(double x, double y);
  // "Change Model ...": opens the model window modally.
  void Command2Click();

  ChartView* SatuPicture() const { return satuPicture_; }
  ChartView* SatuRelPicture() const { return satuRelPicture_; }
  QLabel* Label52() const { return label52_; }
  QLabel* Label53() const { return label53_; }
  QLabel* Label54() const { return label54_; }
  QPushButton* Command2() const { return command2_; }
  // The model window, created on first use and kept for later openings.
  ScrbLeg* ModelWindow();

 private:
  void ShowProgress();

  ChartView* satuPicture_ = nullptr;
  ChartView* satuRelPicture_ = nullptr;
  QLabel* label52_ = nullptr;
  QLabel* label53_ = nullptr;
  QLabel* label54_ = nullptr;
  QPushButton* command2_ = nullptr;
  ScrbLeg* modelWindow_ = nullptr;
};

}  // namespace scrb
