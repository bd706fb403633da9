#include "app/pages/AirPage.h"

#include <QLabel>
#include <QVBoxLayout>

#include "air/AirCharts.h"
#include "air/AirModel.h"
#include "air/AirReadout.h"
#include "app/views/ChartDrawing.h"
#include "app/views/ChartView.h"
#include "app/views/ElidedLabel.h"
#include "logbook/Translation.h"

namespace scrb {

namespace {

QLabel* Caption(const char* text, const QString& name, QWidget* parent) {
  auto* label = new ElidedLabel(QString::fromStdString(Tr("Charts", text)), parent);
  label->setObjectName(name);
  return label;
}

}  // namespace

AirPage::AirPage(LogbookState& state, TimeWindow& time, QWidget* parent)
    : DivePage(state, time, parent) {
  tankChart_ = new ChartView(this);
  tankChart_->setObjectName("TankChart");
  breathRateChart_ = new ChartView(this);
  breathRateChart_->setObjectName("BreathRateChart");
  airReadout_ = new ElidedLabel(QString(), this);
  airReadout_->setObjectName("AirReadout");
  // The readout's length changes with every mouse move; it must never push the window wider.
  airReadout_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

  auto* layout = new QVBoxLayout(this);
  tankTitle_ = Caption(kTankChartCaption, "TankChartTitle", this);
  breathRateTitle_ = Caption(kBreathRateChartCaption, "BreathRateChartTitle", this);
  layout->addWidget(tankTitle_);
  layout->addWidget(tankChart_, 1);
  layout->addWidget(breathRateTitle_);
  layout->addWidget(breathRateChart_, 1);
  layout->addWidget(airReadout_);

  FollowTimeCharts({tankChart_, breathRateChart_});
}

void AirPage::ShowDive(const DiveRecord* found) {
  // The readout and its cursors belonged to the charts about to be replaced; a dive whose
  // estimate already exists leaves the label empty until the mouse moves.
  airReadout_->clear();
  tankChart_->HideCursor();
  breathRateChart_->HideCursor();
  SetSampleCount({tankChart_, breathRateChart_}, found);
  if (found == nullptr) {
    tankChart_->Clear();
    breathRateChart_->Clear();
    return;
  }
  const DiveRecord& dive = *found;

  sinceLabelPainted_.invalidate();
  const auto profile = state_.Analysis().Profile(dive);
  const auto air =
      state_.Analysis().Air(dive, [this](const std::string& caption) { ShowAirCaption(caption); });
  if (sinceLabelPainted_.isValid()) airReadout_->repaint();  // the summary may have come too soon
  // The model reports its summary in metric; the diver reads it in their own units.
  const UnitSystem units = state_.Units();
  if (!airReadout_->text().isEmpty() && air->BaseBreathRate > 0) {
    airReadout_->setText(
        QString::fromStdString(AirSummaryCaption(air->BaseBreathRate, air->MaxBreathRate, units)));
  }
  tankTitle_->setText(QString::fromStdString(Tr("Charts", TankChartCaption(units))));
  breathRateTitle_->setText(QString::fromStdString(Tr("Charts", BreathRateChartCaption(units))));
  const Palette& palette = state_.ChartPalette();
  DrawChartsTogether({
      {breathRateChart_,
       [&](ChartSurface& surface) {
         DrawBreathRateChart(*profile, *air, surface, units, palette, time_.Stretch());
       }},
      {tankChart_,
       [&](ChartSurface& surface) {
         DrawTankChart(dive, *profile, *air, surface, units, palette, time_.Stretch());
       }},
  });
}

void AirPage::ShowAirCaption(const std::string& caption) {
  airReadout_->setText(QString::fromStdString(caption));
  // The passes block the event loop, so the count is painted at once; but a slowly settling dive
  // runs a thousand passes, and painting each would cost far more than computing it.
  constexpr qint64 kRepaintMilliseconds = 20;
  if (sinceLabelPainted_.isValid() && !sinceLabelPainted_.hasExpired(kRepaintMilliseconds)) return;
  airReadout_->repaint();
  sinceLabelPainted_.start();
}

void AirPage::ShowReadoutAt(double x) {
  const AnalysedDive dive = ReadoutAnalysis();
  if (dive.Record == nullptr) return;
  const std::optional<std::string> caption = AirReadoutCaption(
      dive.Dive(), *dive.Profile, *dive.Air, static_cast<float>(x), state_.Units());
  if (!caption) return;

  airReadout_->setText(QString::fromStdString(*caption));
  tankChart_->SetCursorX(x);
  breathRateChart_->SetCursorX(x);
}

}  // namespace scrb
