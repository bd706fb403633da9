#pragma once

#include <QSize>
#include <optional>
#include <string>

#include "app/pages/DivePage.h"

class QLabel;
class QPushButton;

namespace scrb {

class ChartView;
class ModelWindow;

// The "&Tissue Sat" page: the nitrogen pressure and over-saturation of every tissue of the
// loaded model over the dive, their readouts, the key of the tissues' colours, and the way to
// the model window.
class TissuePage : public DivePage {
  Q_OBJECT
 public:
  explicit TissuePage(LogbookState& state, QWidget* parent = nullptr);

  void ShowDive(const DiveRecord* dive) override;

  // One readout for both charts, at the time x: they share their time axis.
  void ShowReadoutAt(double x);
  // "Change Model ...": opens the model window modally.
  void OpenModelWindow();

  ChartView* PressureChart() const { return pressureChart_; }
  ChartView* OverSaturationChart() const { return overSaturationChart_; }
  ChartView* TissueKey() const { return tissueKey_; }
  QLabel* PressureReadout() const { return pressureReadout_; }
  QLabel* OverSaturationReadout() const { return overSaturationReadout_; }
  QLabel* MaxOverSaturationLabel() const { return maxOverSaturationLabel_; }
  // Which model and surface pressure the charts show.
  QLabel* ModelLabel() const { return modelLabel_; }
  // Where the tissues started, while nitrogen is carried over between dives; empty otherwise.
  QLabel* CarryOverLabel() const { return carryOverLabel_; }
  QPushButton* ChangeModelButton() const { return changeModelButton_; }
  // The model window, created on first use and kept for later openings.
  ModelWindow* Models();

 private:
  void ShowProgress();
  void DrawKey();
  void ShowCarryOver(const DiveRecord& dive);

  ChartView* pressureChart_ = nullptr;
  ChartView* overSaturationChart_ = nullptr;
  ChartView* tissueKey_ = nullptr;
  QLabel* pressureReadout_ = nullptr;
  QLabel* overSaturationReadout_ = nullptr;
  QLabel* maxOverSaturationLabel_ = nullptr;
  QLabel* modelLabel_ = nullptr;
  QLabel* carryOverLabel_ = nullptr;
  QPushButton* changeModelButton_ = nullptr;
  ModelWindow* modelWindow_ = nullptr;

  // What the key shows depends on these alone, so it is drawn again only when one changes.
  struct KeyLook {
    int Tissues = 0;
    const Palette* Colors = nullptr;
    std::string Caption;
    QSize Size;
    qreal PixelRatio = 1;
    int Dpi = 0;
    bool operator==(const KeyLook&) const = default;
  };
  std::optional<KeyLook> keyDrawn_;
};

}  // namespace scrb
