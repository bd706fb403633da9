#include "app/DepthPages.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QVBoxLayout>
#include <optional>
#include <string>

#include "app/ChartView.h"
#include "app/ElidedLabel.h"
#include "charts/AlarmStrip.h"
#include "charts/DepthChart.h"
#include "charts/DepthReadout.h"
#include "charts/VerticalSpeedChart.h"
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

ElidedLabel* NewDepthReadout(const char* name, QWidget* parent) {
  return NewReadoutLabel(name, "Time=000'00\" Depth=000.0 m", parent);
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

DepthChartPage::DepthChartPage(AppContext& context, QWidget* parent) : DivePage(context, parent) {
  depthPicture_ = NewChart("DepthPicture1", this);
  alarmPicture_ = NewChart("AlarmPicture1", this);
  auto* depthTitle = NewLabel("Label40_1", QString(), this);
  auto* depthReadout = NewDepthReadout("Label42_1", this);
  depthTitle_ = depthTitle;
  depthReadout_ = depthReadout;

  auto* layout = new QVBoxLayout(this);
  layout->setSpacing(0);
  layout->addLayout(TitleAndReadoutRow(depthTitle, depthReadout));
  layout->addSpacing(kLabelGapPixels);
  AddProfile(layout, depthPicture_, alarmPicture_, 1, kChartsStretch);

  connect(depthPicture_, &ChartView::MouseMoved, this, &DepthChartPage::DepthPictureMouseMove);
  connect(alarmPicture_, &ChartView::MouseMoved, this, &DepthChartPage::DepthPictureMouseMove);
}

void DepthChartPage::ShowDive(int index) {
  depthReadout_->clear();
  depthPicture_->HideCursor();
  alarmPicture_->HideCursor();
  const DiveRecord* found = context_.Book.DiveAt(index);
  if (found == nullptr) {
    depthTitle_->clear();
    depthPicture_->Clear();
    alarmPicture_->Clear();
    return;
  }
  const DiveRecord& dive = *found;
  const auto profile = context_.Analysis.Profile(index);
  depthTitle_->setText(Text(DepthChartTitle(dive)));
  DrawDepthChart(dive, *profile, depthPicture_->Surface());
  DrawAlarmStrip(*profile, alarmPicture_->Surface(), 1);
}

void DepthChartPage::DepthPictureMouseMove(double x, double) {
  if (ReadoutDive() == nullptr) return;
  const auto profile = context_.Analysis.Profile(context_.Book.CurrentDive);
  const std::optional<int32_t> sample = DepthReadoutSample(*profile, static_cast<float>(x));
  if (!sample) return;
  depthReadout_->setText(Text(DepthReadoutText(*profile, *sample)));
  depthPicture_->SetCursorX(x);
  alarmPicture_->SetCursorX(x);
  context_.Readouts.DepthCursorX[1] = static_cast<float>(x);
}

SpeedPage::SpeedPage(AppContext& context, QWidget* parent) : DivePage(context, parent) {
  depthPicture_ = NewChart("DepthPicture0", this);
  alarmPicture_ = NewChart("AlarmPicture0", this);
  dDepthPicture_ = NewChart("DDepthPicture", this);
  auto* depthTitle = NewLabel("Label40_0", QString(), this);
  auto* depthReadout = NewDepthReadout("Label42_0", this);
  auto* speedReadout = NewReadoutLabel("Label43", " Vertical Speed=-000.0 m/min", this);
  ElidedLabel* speedTitle = NewLabel("Label41", Text(kSpeedChartTitle), this);
  depthTitle_ = depthTitle;
  depthReadout_ = depthReadout;
  speedReadout_ = speedReadout;

  auto* layout = new QVBoxLayout(this);
  layout->setSpacing(0);
  layout->addLayout(TitleAndReadoutRow(depthTitle, depthReadout));
  layout->addSpacing(kLabelGapPixels);
  AddProfile(layout, depthPicture_, alarmPicture_, 0, kChartsStretch / 2);
  layout->addSpacing(kLabelGapPixels);
  layout->addLayout(TitleAndReadoutRow(speedTitle, speedReadout));
  layout->addSpacing(kLabelGapPixels);
  layout->addWidget(dDepthPicture_, kChartsStretch / 2);

  connect(depthPicture_, &ChartView::MouseMoved, this, &SpeedPage::DepthPictureMouseMove);
  connect(alarmPicture_, &ChartView::MouseMoved, this, &SpeedPage::DepthPictureMouseMove);
  connect(dDepthPicture_, &ChartView::MouseMoved, this, &SpeedPage::DepthPictureMouseMove);
}

void SpeedPage::ShowDive(int index) {
  depthReadout_->clear();
  speedReadout_->clear();
  depthPicture_->HideCursor();
  alarmPicture_->HideCursor();
  dDepthPicture_->HideCursor();
  const DiveRecord* found = context_.Book.DiveAt(index);
  if (found == nullptr) {
    depthTitle_->clear();
    for (ChartView* chart : {depthPicture_, alarmPicture_, dDepthPicture_}) chart->Clear();
    return;
  }
  const DiveRecord& dive = *found;
  const auto profile = context_.Analysis.Profile(index);
  depthTitle_->setText(Text(DepthChartTitle(dive)));
  DrawDepthChart(dive, *profile, depthPicture_->Surface());
  DrawVerticalSpeedChart(*profile, dDepthPicture_->Surface());
  DrawAlarmStrip(*profile, alarmPicture_->Surface(), 0);
}

void SpeedPage::DepthPictureMouseMove(double x, double) {
  if (ReadoutDive() == nullptr) return;
  const auto profile = context_.Analysis.Profile(context_.Book.CurrentDive);
  const std::optional<int32_t> sample = DepthReadoutSample(*profile, static_cast<float>(x));
  if (!sample) return;
  depthReadout_->setText(Text(DepthReadoutText(*profile, *sample)));
  depthPicture_->SetCursorX(x);
  alarmPicture_->SetCursorX(x);
  context_.Readouts.DepthCursorX[0] = static_cast<float>(x);

  // The first sample has no speed of its own: the speed readout keeps what it showed.
  const std::optional<std::string> speed = SpeedReadoutText(*profile, *sample);
  if (!speed) return;
  speedReadout_->setText(Text(*speed));
  dDepthPicture_->SetCursorX(x);
  context_.Readouts.SpeedCursorX = static_cast<float>(x);
}

}  // namespace scrb
