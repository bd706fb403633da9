#include "app/AirPage.h"

#include <QLabel>
#include <QVBoxLayout>

#include "air/AirCharts.h"
#include "air/AirModel.h"
#include "air/AirReadout.h"
#include "app/ChartView.h"
#include "app/ElidedLabel.h"

namespace scrb {

namespace {

QLabel* Caption(const char* text, const QString& name, QWidget* parent) {
  auto* label = new ElidedLabel(QString::fromUtf8(text), parent);
  label->setObjectName(name);
  return label;
}

}  // namespace

AirPage::AirPage(AppContext& context, QWidget* parent) : DivePage(context, parent) {
  tankPicture_ = new ChartView(this);
  tankPicture_->setObjectName("TankPicture");
  airPicture_ = new ChartView(this);
  airPicture_->setObjectName("AirPicture");
  airReadout_ = new ElidedLabel(QString(), this);
  airReadout_->setObjectName("Label44");
  // The readout's length changes with every mouse move; it must never push the window wider.
  airReadout_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Caption(kTankChartCaption, "Label45", this));
  layout->addWidget(tankPicture_, 1);
  layout->addWidget(Caption(kBreathRateChartCaption, "Label46", this));
  layout->addWidget(airPicture_, 1);
  layout->addWidget(airReadout_);

  connect(tankPicture_, &ChartView::MouseMoved, this, &AirPage::TankPictureMouseMove);
  connect(airPicture_, &ChartView::MouseMoved, this, &AirPage::AirPictureMouseMove);
}

void AirPage::ShowDive(int index) {
  // The readout and its cursors belonged to the charts about to be replaced; a dive whose
  // estimate already exists leaves the label empty until the mouse moves.
  airReadout_->clear();
  tankPicture_->HideCursor();
  airPicture_->HideCursor();
  const DiveRecord* found = context_.Book.DiveAt(index);
  if (found == nullptr) {
    tankPicture_->Clear();
    airPicture_->Clear();
    return;
  }
  const DiveRecord& dive = *found;

  sinceLabelPainted_.invalidate();
  const auto profile = context_.Analysis.Profile(index);
  const auto air =
      context_.Analysis.Air(index, [this](const std::string& caption) { ShowAirCaption(caption); });
  if (sinceLabelPainted_.isValid()) airReadout_->repaint();  // the summary may have come too soon
  DrawBreathRateChart(*profile, *air, airPicture_->Surface());
  DrawTankChart(dive, *profile, *air, tankPicture_->Surface());
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

void AirPage::AirPictureMouseMove(double x, double) {
  const AnalysedDive dive = ReadoutAnalysis();
  if (dive.Record == nullptr) return;
  const std::optional<std::string> caption =
      AirReadoutCaption(dive.Dive(), *dive.Profile, *dive.Air, static_cast<float>(x));
  if (!caption) return;

  airReadout_->setText(QString::fromStdString(*caption));
  tankPicture_->SetCursorX(x);
  airPicture_->SetCursorX(x);
  context_.Readouts.AirCursorX = static_cast<float>(x);
}

}  // namespace scrb
