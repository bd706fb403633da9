#include "app/TissuePage.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/ChartView.h"
#include "app/ElidedLabel.h"
#include "app/ModelWindow.h"
#include "saturation/Saturation.h"
#include "saturation/SaturationCharts.h"
#include "saturation/SaturationReadout.h"

namespace scrb {

TissuePage::TissuePage(AppContext& context, QWidget* parent) : DivePage(context, parent) {
  auto* label50 = new ElidedLabel(kTissuePressureChartCaption, this);
  label50->setObjectName("Label50");
  auto* pressureReadout = NewReadoutLabel(
      "Label52", "Time=000'00\", Depth=000.0 m, Max=00.00 bar, Min=00.00 bar", this);
  pressureReadout_ = pressureReadout;
  satuPicture_ = new ChartView(this);
  satuPicture_->setObjectName("SatuPicture");

  auto* label51 = new ElidedLabel(kOverSaturationChartCaption, this);
  label51->setObjectName("Label51");
  auto* overSaturationReadout =
      NewReadoutLabel("Label53", "Max=000% tissue=00, Min=000% tissue=00", this);
  overSaturationReadout_ = overSaturationReadout;
  satuRelPicture_ = new ChartView(this);
  satuRelPicture_->setObjectName("SatuRelPicture");

  maxOverSaturationLabel_ = NewReadoutLabel("Label54", "", this);
  modelLabel_ = new QLabel(this);
  modelLabel_->setObjectName("ModelLabel");
  modelLabel_->setTextFormat(Qt::PlainText);
  changeModelButton_ = new QPushButton("Change Model ...", this);
  changeModelButton_->setObjectName("Command2");

  QHBoxLayout* pressureTitle = TitleAndReadoutRow(label50, pressureReadout);
  QHBoxLayout* overTitle = TitleAndReadoutRow(label51, overSaturationReadout);
  // The summary stands right under the chart it sums up, so the model row has room for the
  // model and surface pressure the charts show.
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(changeModelButton_);
  bottom->addWidget(modelLabel_, 1);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(pressureTitle);
  layout->addWidget(satuPicture_, 1);
  layout->addLayout(overTitle);
  layout->addWidget(satuRelPicture_, 1);
  layout->addWidget(maxOverSaturationLabel_);
  layout->addLayout(bottom);

  connect(satuPicture_, &ChartView::MouseMoved, this, &TissuePage::SatuPictureMouseMove);
  connect(satuRelPicture_, &ChartView::MouseMoved, this, &TissuePage::SatuPictureMouseMove);
  connect(changeModelButton_, &QPushButton::clicked, this, &TissuePage::ChangeModelClick);
}

void TissuePage::ShowDive(int index) {
  // The readouts belonged to the charts about to be replaced.
  pressureReadout_->clear();
  overSaturationReadout_->clear();
  satuPicture_->HideCursor();
  satuRelPicture_->HideCursor();
  const DiveRecord* found = context_.Book.DiveAt(index);
  if (found == nullptr) {
    maxOverSaturationLabel_->clear();
    modelLabel_->clear();  // the surface pressure it names belongs to a dive
    satuPicture_->Clear();
    satuRelPicture_->Clear();
    return;
  }
  const DecoModel model = context_.Analysis.Model();
  const auto profile = context_.Analysis.Profile(index);
  const auto saturation = context_.Analysis.Saturation(index, [this] { ShowProgress(); });
  DrawTissuePressureChart(*profile, *saturation, model, satuPicture_->Surface());
  DrawOverSaturationChart(*profile, *saturation, model, satuRelPicture_->Surface());
  modelLabel_->setText(QString::fromStdString(SaturationModelText(*saturation, model)));
  // A dive without results must not go on showing the previous dive's summary.
  maxOverSaturationLabel_->setText(
      QString::fromStdString(MaxOverSaturationText(*profile, *saturation, model)));
}

void TissuePage::ShowProgress() {
  DrawSaturationProgress(context_.Analysis.Model(), satuPicture_->Surface(),
                         satuRelPicture_->Surface());
  repaint();
}

void TissuePage::SatuPictureMouseMove(double x, double) {
  const AnalysedDive dive = ReadoutAnalysis();
  if (dive.Record == nullptr) return;
  const std::optional<SaturationReadout> readout = ReadSaturation(
      *dive.Profile, *dive.Saturation, context_.Analysis.Model(), static_cast<float>(x));
  if (!readout) return;

  pressureReadout_->setText(QString::fromStdString(readout->PressureText));
  overSaturationReadout_->setText(QString::fromStdString(readout->OverSaturationText));
  satuPicture_->SetCursorX(x);
  satuRelPicture_->SetCursorX(x);
  context_.Readouts.SatuCursorX = static_cast<float>(x);
}

ModelWindow* TissuePage::Models() {
  if (modelWindow_ == nullptr) {
    modelWindow_ = new ModelWindow(context_, window());
    connect(modelWindow_, &ModelWindow::Closed, this, &TissuePage::RedrawRequested);
  }
  return modelWindow_;
}

void TissuePage::ChangeModelClick() {
  Models()->Open();
}

}  // namespace scrb
