#include "app/PhysPage.h"

#include <QLabel>
#include <QVBoxLayout>

#include "air/PhysCharts.h"
#include "app/ChartView.h"
#include "app/ElidedLabel.h"

namespace scrb {

namespace {

ChartView* AddChart(QVBoxLayout* layout, const char* caption, const QString& captionName,
                    const QString& chartName, QWidget* parent) {
  auto* label = new ElidedLabel(QString::fromUtf8(caption), parent);
  label->setObjectName(captionName);
  auto* chart = new ChartView(parent);
  chart->setObjectName(chartName);
  layout->addWidget(label);
  layout->addWidget(chart, 1);
  return chart;
}

}  // namespace

PhysPage::PhysPage(AppContext& context, QWidget* parent) : DivePage(context, parent) {
  auto* layout = new QVBoxLayout(this);
  coldPicture_ = AddChart(layout, kColdChartCaption, "Label47", "ColdPicture", this);
  decoPicture_ = AddChart(layout, kBubbleChartCaption, "Label48", "DecoPicture", this);
  airConsoPicture_ = AddChart(layout, kConsumptionChartCaption, "Label49", "AirConsoPicture", this);
}

void PhysPage::ShowDive(int index) {
  const DiveRecord* found = context_.Book.DiveAt(index);
  if (found == nullptr) {
    for (ChartView* chart : {coldPicture_, decoPicture_, airConsoPicture_}) chart->Clear();
    return;
  }
  const auto profile = context_.Analysis.Profile(index);
  DrawColdChart(*profile, coldPicture_->Surface());
  DrawBubbleChart(*profile, decoPicture_->Surface());
  DrawConsumptionChart(*profile, airConsoPicture_->Surface());
}

}  // namespace scrb
