#include "app/pages/PhysPage.h"

#include <QLabel>
#include <QVBoxLayout>
#include <optional>

#include "air/PhysCharts.h"
#include "air/PhysReadout.h"
#include "app/views/ChartDrawing.h"
#include "app/views/ChartView.h"
#include "app/views/ElidedLabel.h"
#include "logbook/Translation.h"

namespace scrb {

namespace {

// A chart under its title, with its readout on the title's line.
ChartView* AddChart(QVBoxLayout* layout, const char* caption, const QString& name,
                    const char* widestReadout, QLabel** readout, QWidget* parent) {
  auto* title = new ElidedLabel(QString::fromStdString(Tr("Charts", caption)), parent);
  title->setObjectName(name + "Title");
  ElidedLabel* value =
      NewReadoutLabel((name + "Readout").toLatin1().constData(), widestReadout, parent);
  auto* chart = new ChartView(parent);
  chart->setObjectName(name);
  layout->addLayout(TitleAndReadoutRow(title, value));
  layout->addWidget(chart, 1);
  *readout = value;
  return chart;
}

}  // namespace

PhysPage::PhysPage(LogbookState& state, TimeWindow& time, QWidget* parent)
    : DivePage(state, time, parent) {
  auto* layout = new QVBoxLayout(this);
  coldChart_ = AddChart(layout, kColdChartCaption, "ColdChart",
                        FillIn(Tr("Readouts", "Time=%1 Cold=%2"), {"000'00\"", "000.0"}).c_str(),
                        &coldReadout_, this);
  bubbleChart_ = AddChart(layout, kBubbleChartCaption, "BubbleChart",
                          FillIn(Tr("Readouts", "Time=%1 Bubbles=%2"), {"000'00\"", "0"}).c_str(),
                          &bubbleReadout_, this);
  consumptionChart_ = AddChart(layout, kConsumptionChartCaption, "ConsumptionChart",
                               FillIn(Tr("Readouts", "Time=%1 Air=%2"), {"000'00\"", "0"}).c_str(),
                               &consumptionReadout_, this);
  FollowTimeCharts({coldChart_, bubbleChart_, consumptionChart_});
}

void PhysPage::ShowDive(const DiveRecord* dive) {
  for (QLabel* readout : {coldReadout_, bubbleReadout_, consumptionReadout_}) readout->clear();
  for (ChartView* chart : {coldChart_, bubbleChart_, consumptionChart_}) chart->HideCursor();
  SetSampleCount({coldChart_, bubbleChart_, consumptionChart_}, dive);
  if (dive == nullptr) {
    for (ChartView* chart : {coldChart_, bubbleChart_, consumptionChart_}) chart->Clear();
    return;
  }
  const auto profile = state_.Analysis().Profile(*dive);
  const Palette& palette = state_.ChartPalette();
  const TimeStretch& stretch = time_.Stretch();
  DrawChartsTogether({
      {coldChart_,
       [&](ChartSurface& surface) { DrawColdChart(*profile, surface, palette, stretch); }},
      {bubbleChart_,
       [&](ChartSurface& surface) { DrawBubbleChart(*profile, surface, palette, stretch); }},
      {consumptionChart_,
       [&](ChartSurface& surface) { DrawConsumptionChart(*profile, surface, palette, stretch); }},
  });
}

void PhysPage::ShowReadoutAt(double x) {
  const DiveRecord* dive = ReadoutDive();
  if (dive == nullptr) return;
  const std::optional<PhysReadout> readout =
      ReadPhysData(*state_.Analysis().Profile(*dive), static_cast<float>(x));
  if (!readout) return;
  coldReadout_->setText(QString::fromStdString(readout->ColdText));
  bubbleReadout_->setText(QString::fromStdString(readout->BubbleText));
  consumptionReadout_->setText(QString::fromStdString(readout->ConsumptionText));
  for (ChartView* chart : {coldChart_, bubbleChart_, consumptionChart_}) chart->SetCursorX(x);
}

}  // namespace scrb
