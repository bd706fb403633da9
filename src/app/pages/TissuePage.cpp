#include "app/pages/TissuePage.h"

#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

#include "app/dialogs/ModelWindow.h"
#include "app/state/SettingsStore.h"
#include "app/state/WindowSettings.h"
#include "app/views/ChartDrawing.h"
#include "app/views/ChartView.h"
#include "app/views/ElidedLabel.h"
#include "logbook/Translation.h"
#include "saturation/Saturation.h"
#include "saturation/SaturationCharts.h"
#include "saturation/SaturationReadout.h"
#include "saturation/TissueHeatMap.h"
#include "saturation/TissueLegend.h"

namespace scrb {

namespace {

ChartView* NewChart(const char* name, QWidget* parent) {
  auto* chart = new ChartView(parent);
  chart->setObjectName(name);
  return chart;
}

// Clearing a label that is already empty still has Qt lay the page out again, and the tab widget
// around the page then repaints all of itself.
void ClearReadout(QLabel* label) {
  if (!label->text().isEmpty()) label->clear();
}

// One line of the charts' label text with a little air above and below.
int KeyHeightPixels(const QWidget* widget) {
  const QFontMetricsF metrics(PainterSurface::LabelFont(widget->logicalDpiY()));
  return static_cast<int>(std::ceil(metrics.height())) + 6;
}

}  // namespace

TissuePage::TissuePage(LogbookState& state, TimeWindow& time, QWidget* parent)
    : DivePage(state, time, parent) {
  auto* pressureTitle =
      new ElidedLabel(QString::fromStdString(Tr("Charts", kTissuePressureChartCaption)), this);
  pressureTitle->setObjectName("PressureChartTitle");
  auto* pressureReadout =
      NewReadoutLabel("PressureReadout",
                      FillIn(Tr("Readouts", "Time=%1, Depth=%2, Max=%3, Min=%4"),
                             {"000'00\"", "000.0 ft", "00.00 psi", "00.00 psi"})
                          .c_str(),
                      this);
  pressureReadout_ = pressureReadout;
  pressureChart_ = NewChart("PressureChart", this);

  auto* overTitle =
      new ElidedLabel(QString::fromStdString(Tr("Charts", kOverSaturationChartCaption)), this);
  overTitle->setObjectName("OverSaturationChartTitle");
  auto* overSaturationReadout = NewReadoutLabel(
      "OverSaturationReadout",
      FillIn(Tr("Readouts", "Max=%1% tissue=%2, Min=%3% tissue=%4"), {"000", "00", "000", "00"})
          .c_str(),
      this);
  overSaturationReadout_ = overSaturationReadout;
  overSaturationChart_ = NewChart("OverSaturationChart", this);

  // The key is a picture to look at, not a chart to step through.
  tissueKey_ = NewChart("TissueKey", this);
  tissueKey_->setFocusPolicy(Qt::NoFocus);
  tissueKey_->setFixedHeight(KeyHeightPixels(tissueKey_));

  maxOverSaturationLabel_ = NewReadoutLabel("MaxOverSaturationLabel", "", this);
  carryOverLabel_ = NewReadoutLabel("CarryOverLabel", "", this);
  carryOverLabel_->hide();
  // Elided, with the whole text as a tool tip, where a language's words do not fit a small window.
  auto* modelLabel = new ElidedLabel(QString(), this);
  modelLabel->SetWidestText(QString());
  modelLabel_ = modelLabel;
  modelLabel_->setObjectName("ModelLabel");
  modelLabel_->setTextFormat(Qt::PlainText);
  changeModelButton_ = new QPushButton(tr("&Change Model ..."), this);
  changeModelButton_->setObjectName("ChangeModelButton");

  // The summary stands right under the chart it sums up, so the model row has room for the
  // model and surface pressure the charts show.
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(changeModelButton_);
  bottom->addWidget(modelLabel_, 1);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(TitleAndReadoutRow(pressureTitle, pressureReadout));
  layout->addWidget(pressureChart_, 1);
  layout->addLayout(TitleAndReadoutRow(overTitle, overSaturationReadout));
  layout->addWidget(overSaturationChart_, 1);
  layout->addWidget(tissueKey_);
  layout->addWidget(maxOverSaturationLabel_);
  layout->addWidget(carryOverLabel_);
  layout->addLayout(bottom);

  connect(changeModelButton_, &QPushButton::clicked, this, &TissuePage::OpenModelWindow);
  AddHeatMap(pressureTitle);
  FollowTimeCharts({pressureChart_, heatMapChart_, overSaturationChart_});
}

// The heat map takes the pressure chart's place, so that the page keeps two charts of a
// readable height in a small window; the button beside "Change Model" switches between them.
void TissuePage::AddHeatMap(ElidedLabel* pressureTitle) {
  pressureTitle_ = pressureTitle;
  heatMapChart_ = NewChart("HeatMapChart", this);
  heatMapChart_->hide();
  auto* layout = static_cast<QVBoxLayout*>(this->layout());
  layout->insertWidget(layout->indexOf(pressureChart_) + 1, heatMapChart_, 1);
  // Before the page's own handler, which shows the readout for the row chosen here.
  connect(heatMapChart_, &ChartView::MouseMoved, this, [this](double, double y) {
    if (const std::optional<int> tissue = HeatMapTissueAt(state_.Analysis().Model(), y))
      heatMapTissue_ = *tissue;
  });

  heatMapButton_ = new QPushButton(tr("Heat &Map"), this);
  heatMapButton_->setObjectName("HeatMapButton");
  heatMapButton_->setCheckable(true);
  heatMapButton_->setToolTip(
      tr("Shows the tissues' over-saturation as a heat map in place of their pressures"));
  auto* bottom = static_cast<QHBoxLayout*>(layout->itemAt(layout->count() - 1)->layout());
  bottom->addWidget(heatMapButton_);
  heatMapButton_->setChecked(state_.Settings().GetSetting(settings::kTissueHeatMap, "") == "1");
  ShowHeatMap(heatMapButton_->isChecked());
  connect(heatMapButton_, &QPushButton::toggled, this, [this](bool on) {
    state_.Settings().SaveSetting(settings::kTissueHeatMap, on ? "1" : "0");
    ShowHeatMap(on);
    if (isVisible()) Show(state_.Current());
  });
}

void TissuePage::ShowHeatMap(bool shown) {
  pressureChart_->setVisible(!shown);
  heatMapChart_->setVisible(shown);
  // The readout beside the title speaks of the chart under it: the pressures' is gone with them.
  ClearReadout(pressureReadout_);
  pressureTitle_->setText(QString::fromStdString(
      Tr("Charts", shown ? kTissueHeatMapCaption : kTissuePressureChartCaption)));
}

bool TissuePage::HeatMapShown() const {
  return heatMapButton_ != nullptr && heatMapButton_->isChecked();
}

ChartView* TissuePage::UpperChart() const {
  return HeatMapShown() ? heatMapChart_ : pressureChart_;
}

void TissuePage::ShowDive(const DiveRecord* found) {
  // The readouts belonged to the charts about to be replaced.
  ClearReadout(pressureReadout_);
  ClearReadout(overSaturationReadout_);
  pressureChart_->HideCursor();
  heatMapChart_->HideCursor();
  overSaturationChart_->HideCursor();
  SetSampleCount({pressureChart_, heatMapChart_, overSaturationChart_}, found);
  DrawKey();
  if (found == nullptr) {
    maxOverSaturationLabel_->clear();
    carryOverLabel_->clear();
    modelLabel_->clear();  // the surface pressure it names belongs to a dive
    pressureChart_->Clear();
    heatMapChart_->Clear();
    overSaturationChart_->Clear();
    return;
  }
  const DecoModel model = state_.Analysis().Model();
  const auto profile = state_.Analysis().Profile(*found);
  const auto saturation = state_.Analysis().Saturation(*found, [this] { ShowProgress(); });
  const UnitSystem units = state_.Units();
  const Palette& palette = state_.ChartPalette();
  const TimeStretch& stretch = time_.Stretch();
  const ChartDrawing upper =
      HeatMapShown() ? ChartDrawing{heatMapChart_,
                                    [&](ChartSurface& surface) {
                                      DrawTissueHeatMap(*profile, *saturation, model, surface,
                                                        palette, stretch);
                                    }}
                     : ChartDrawing{pressureChart_, [&](ChartSurface& surface) {
                                      DrawTissuePressureChart(*profile, *saturation, model, surface,
                                                              units, palette, stretch);
                                    }};
  DrawChartsTogether({
      upper,
      {overSaturationChart_,
       [&](ChartSurface& surface) {
         DrawOverSaturationChart(*profile, *saturation, model, surface, palette, stretch);
       }},
  });
  modelLabel_->setText(QString::fromStdString(SaturationModelText(*saturation, model, units)));
  // A dive without results must not go on showing the previous dive's summary.
  maxOverSaturationLabel_->setText(
      QString::fromStdString(MaxOverSaturationText(*profile, *saturation, model)));
  ShowCarryOver(*found);
}

void TissuePage::ShowCarryOver(const DiveRecord& dive) {
  AnalysisCache& analysis = state_.Analysis();
  // Off, the page keeps the look it always had.
  carryOverLabel_->setVisible(analysis.Repetitive());
  // A dive without a recorded interval says nothing: the computer judged the diver clear of
  // nitrogen, and it starts at equilibrium as every dive does with the option off.
  const RepetitiveStart start = analysis.StartOf(analysis.IndexOf(dive));
  const DiveRecord* from = start.From >= 0 ? &state_.Book().Dives[start.From] : nullptr;
  carryOverLabel_->setText(
      QString::fromStdString(CarryOverText(start, from != nullptr ? from->DiveNumber : 0)));
}

void TissuePage::DrawKey() {
  const DecoModel model = state_.Analysis().Model();
  const Palette& palette = state_.ChartPalette();
  KeyLook look{model.TissueCount,
               &palette,
               Tr("Tissues", "Tissues:"),
               tissueKey_->size(),
               tissueKey_->devicePixelRatioF(),
               tissueKey_->logicalDpiY()};
  if (keyDrawn_ == look) return;
  keyDrawn_ = std::move(look);
  ChartSurface& surface = tissueKey_->Surface();
  surface.Cls();
  // In twips from the upper-left corner, the units the key is laid out in.
  surface.Scale(0, 0, surface.Width(), surface.Height());
  const double inset = surface.Height() / 6;
  DrawTissueKey(model, surface, {0, inset, surface.Width(), surface.Height() - 2 * inset}, palette);
}

void TissuePage::ShowProgress() {
  DrawSaturationProgress(state_.Analysis().Model(), UpperChart()->Surface(),
                         overSaturationChart_->Surface(), state_.ChartPalette());
  repaint();
}

void TissuePage::ShowReadoutAt(double x) {
  const AnalysedDive dive = ReadoutAnalysis();
  if (dive.Record == nullptr) return;
  const std::optional<SaturationReadout> readout =
      ReadSaturation(*dive.Profile, *dive.Saturation, state_.Analysis().Model(),
                     static_cast<float>(x), state_.Units());
  if (!readout) return;

  std::string upper = readout->PressureText;
  if (HeatMapShown()) {
    const DecoModel& model = state_.Analysis().Model();
    const std::vector<int> rows = HeatMapRows(model);
    // Until the mouse picks a row of this model, the top one: the fastest tissue.
    int tissue = heatMapTissue_.value_or(-1);
    if ((tissue < 0 || tissue >= model.TissueCount) && !rows.empty()) tissue = rows.front();
    upper = HeatMapReadoutText(*dive.Profile, *dive.Saturation, model, x, tissue).value_or("");
  }
  pressureReadout_->setText(QString::fromStdString(upper));
  overSaturationReadout_->setText(QString::fromStdString(readout->OverSaturationText));
  UpperChart()->SetCursorX(x);
  overSaturationChart_->SetCursorX(x);
}

// Here the ruler also gives the highest over-saturation within its band.
StretchInputs TissuePage::RulerInputs(const AnalysedDive& dive) const {
  StretchInputs inputs = DivePage::RulerInputs(dive);
  inputs.Saturation = dive.Saturation.get();
  model_ = state_.Analysis().Model();
  inputs.Model = &model_;
  return inputs;
}

ModelWindow* TissuePage::Models() {
  if (modelWindow_ == nullptr) {
    modelWindow_ = new ModelWindow(state_, window());
  }
  return modelWindow_;
}

void TissuePage::OpenModelWindow() {
  Models()->Open();
}

}  // namespace scrb
