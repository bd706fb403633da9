#pragma once

#include <QSize>
#include <optional>
#include <string>

#include "app/pages/DivePage.h"

class QLabel;
class QPushButton;

namespace scrb {

class ChartView;
class ElidedLabel;
class ModelWindow;

// The "&Tissue Sat" page: the nitrogen pressure and over-saturation of every tissue of the
// loaded model over the dive, their readouts, the key of the tissues' colours, and the way to
// the model window.
class TissuePage : public DivePage {
  Q_OBJECT
 public:
  explicit TissuePage(LogbookState& state, TimeWindow& time, QWidget* parent = nullptr);

  void ShowDive(const DiveRecord* dive) override;

  // One readout for both charts, at the time x: they share their time axis.
  void ShowReadoutAt(double x) override;
  // "Change Model ...": opens the model window modally.
  void OpenModelWindow();

  ChartView* PressureChart() const { return pressureChart_; }
  ChartView* OverSaturationChart() const { return overSaturationChart_; }
  ChartView* TissueKey() const { return tissueKey_; }
  // The heat map of the tissues, shown in place of the pressure chart while HeatMapButton is down.
  ChartView* HeatMapChart() const { return heatMapChart_; }
  QPushButton* HeatMapButton() const { return heatMapButton_; }
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

 protected:
  StretchInputs RulerInputs(const AnalysedDive& dive) const override;

 private:
  mutable DecoModel model_;  // the model the ruler measured with
  void ShowProgress();
  void DrawKey();
  void ShowCarryOver(const DiveRecord& dive);
  void AddHeatMap(ElidedLabel* pressureTitle);
  void ShowHeatMap(bool shown);
  bool HeatMapShown() const;
  // The chart in the upper place: the pressures or the heat map.
  ChartView* UpperChart() const;

  ChartView* pressureChart_ = nullptr;
  ChartView* overSaturationChart_ = nullptr;
  ChartView* tissueKey_ = nullptr;
  ChartView* heatMapChart_ = nullptr;
  QPushButton* heatMapButton_ = nullptr;
  ElidedLabel* pressureTitle_ = nullptr;
  QLabel* pressureReadout_ = nullptr;
  QLabel* overSaturationReadout_ = nullptr;
  QLabel* maxOverSaturationLabel_ = nullptr;
  QLabel* modelLabel_ = nullptr;
  QLabel* carryOverLabel_ = nullptr;
  QPushButton* changeModelButton_ = nullptr;
  ModelWindow* modelWindow_ = nullptr;
  // The heat map's row the mouse last pointed at, which its readout reads.
  std::optional<int> heatMapTissue_;

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
