#include "app/pages/DepthPages.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QVBoxLayout>
#include <optional>
#include <string>
#include <vector>

#include "app/views/ChartDrawing.h"
#include "app/views/ChartView.h"
#include "app/views/ElidedLabel.h"
#include "charts/AlarmStrip.h"
#include "charts/DepthChart.h"
#include "charts/DepthReadout.h"
#include "charts/VerticalSpeedChart.h"
#include "logbook/Translation.h"
#include "render/PainterSurface.h"

namespace scrb {

namespace {

// The alarm strip grows with the page, a seventh of the height of the charts above and below
// it, and is never so low that a row is lower than its label with a little air.
constexpr int kAlarmStripStretch = 1;
constexpr int kChartsStretch = 6;
constexpr double kRowGapPixels = 2;

int AlarmStripMinimumPixels(int view, const QWidget* widget) {
  const QFontMetricsF metrics(PainterSurface::LabelFont(widget->logicalDpiY()));
  return static_cast<int>(AlarmStripMinimumHeight(view, metrics.height() + kRowGapPixels));
}

ChartView* NewChart(const char* name, QWidget* parent) {
  auto* view = new ChartView(parent);
  view->setObjectName(QString::fromLatin1(name));
  return view;
}

ElidedLabel* NewLabel(const char* name, const QString& text, QWidget* parent) {
  auto* label = new ElidedLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  return label;
}

// The depth profile with its alarm strip right underneath, sharing the time axis without a gap.
// The page layout has no spacing of its own, so the profile charts of a page stretch alike.
void AddProfile(QVBoxLayout* layout, ChartView* depth, ChartView* alarms, int view,
                int depthStretch) {
  alarms->setMinimumHeight(AlarmStripMinimumPixels(view, alarms));
  layout->addWidget(depth, depthStretch);
  layout->addWidget(alarms, kAlarmStripStretch);
}

constexpr int kLabelGapPixels = 3;

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}

}  // namespace

ProfilePage::ProfilePage(LogbookState& state, TimeWindow& time, QWidget* parent, int view,
                         bool withSpeed)
    : DivePage(state, time, parent), view_(view) {
  depthChart_ = NewChart("DepthChart", this);
  alarmStrip_ = NewChart("AlarmStrip", this);
  auto* depthTitle = NewLabel("DepthChartTitle", QString(), this);
  auto* depthReadout = NewReadoutLabel(
      "DepthReadout", FillIn(Tr("Readouts", "Time=%1 Depth=%2"), {"000'00\"", "000.0 ft"}).c_str(),
      this);
  depthTitle_ = depthTitle;
  depthReadout_ = depthReadout;

  auto* layout = new QVBoxLayout(this);
  layout->setSpacing(0);
  layout->addLayout(TitleAndReadoutRow(depthTitle, depthReadout));
  layout->addSpacing(kLabelGapPixels);
  AddProfile(layout, depthChart_, alarmStrip_, view,
             withSpeed ? kChartsStretch / 2 : kChartsStretch);
  if (withSpeed) {
    speedChart_ = NewChart("SpeedChart", this);
    auto* speedReadout = NewReadoutLabel(
        "SpeedReadout", FillIn(Tr("Readouts", " Vertical Speed=%1"), {"-000.0 ft/min"}).c_str(),
        this);
    speedReadout_ = speedReadout;
    layout->addSpacing(kLabelGapPixels);
    auto* speedTitle = NewLabel("SpeedChartTitle", Text(Tr("Charts", kSpeedChartTitle)), this);
    speedTitle_ = speedTitle;
    layout->addLayout(TitleAndReadoutRow(speedTitle, speedReadout));
    layout->addSpacing(kLabelGapPixels);
    layout->addWidget(speedChart_, kChartsStretch / 2);
  }
  FollowTimeCharts(Charts());
}

std::vector<ChartView*> ProfilePage::Charts() const {
  std::vector<ChartView*> charts = {depthChart_, alarmStrip_};
  if (speedChart_ != nullptr) charts.push_back(speedChart_);
  return charts;
}

void ProfilePage::ShowDive(const DiveRecord* dive) {
  depthReadout_->clear();
  if (speedReadout_ != nullptr) speedReadout_->clear();
  for (ChartView* chart : Charts()) chart->HideCursor();
  SetSampleCount({depthChart_, alarmStrip_, speedChart_ != nullptr ? speedChart_ : alarmStrip_},
                 dive);
  if (dive == nullptr) {
    depthTitle_->clear();
    for (ChartView* chart : Charts()) chart->Clear();
    return;
  }
  const auto profile = state_.Analysis().Profile(*dive);
  const UnitSystem units = state_.Units();
  const Palette& palette = state_.ChartPalette();
  const TimeStretch& stretch = time_.Stretch();
  depthTitle_->setText(Text(DepthChartTitle(*dive, units)));
  std::vector<ChartDrawing> drawings = {
      {depthChart_,
       [&](ChartSurface& surface) {
         DrawDepthChart(*dive, *profile, surface, units, palette, stretch);
       }},
      {alarmStrip_,
       [&](ChartSurface& surface) { DrawAlarmStrip(*profile, surface, view_, palette, stretch); }},
  };
  if (speedChart_ != nullptr) {
    speedTitle_->setText(Text(Tr("Charts", SpeedChartTitle(units))));
    drawings.push_back({speedChart_, [&](ChartSurface& surface) {
                          DrawVerticalSpeedChart(*profile, surface, units, palette, stretch);
                        }});
  }
  DrawChartsTogether(drawings);
}

void ProfilePage::ShowReadoutAt(double x) {
  const DiveRecord* dive = ReadoutDive();
  if (dive == nullptr) return;
  const auto profile = state_.Analysis().Profile(*dive);
  const std::optional<int32_t> sample = DepthReadoutSample(*profile, static_cast<float>(x));
  if (!sample) return;
  depthReadout_->setText(Text(DepthReadoutText(*profile, *sample, state_.Units())));
  depthChart_->SetCursorX(x);
  alarmStrip_->SetCursorX(x);
  if (speedChart_ == nullptr) return;

  // The first sample has no speed of its own: the speed readout keeps what it showed.
  const std::optional<std::string> speed = SpeedReadoutText(*profile, *sample, state_.Units());
  if (!speed) return;
  speedReadout_->setText(Text(*speed));
  speedChart_->SetCursorX(x);
}

}  // namespace scrb
