#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

#include "app/comparison/ComparisonWindow.h"
#include "app/views/ChartDrawing.h"
#include "app/views/ChartView.h"
#include "app/views/QtText.h"
#include "app/views/TimeWindow.h"
#include "logbook/Translation.h"
#include "saturation/TissueHeatMap.h"

// The comparison's pictures: its three charts and a heat map for each dive, on one time axis.

namespace scrb {

// One heat map a dive with its tissues worked out, under the charts on their time axis.
void ComparisonWindow::MakeHeatMaps() {
  heatMapDives_.clear();
  for (const ComparedDive& dive : comparison_.Dives) {
    if (dive.Analysed.Profile && dive.Analysed.Profile->SampleCount > 0)
      heatMapDives_.push_back(&dive);
  }
  // The maps there are serve again: a new comparison only renames them.
  while (heatMapViews_.size() > heatMapDives_.size()) {
    delete heatMapViews_.back();
    delete heatMapCaptions_.back();
    heatMapViews_.pop_back();
    heatMapCaptions_.pop_back();
  }
  while (heatMapViews_.size() < heatMapDives_.size()) {
    auto* caption = new QLabel(heatMaps_->parentWidget());
    heatMaps_->addWidget(caption);
    heatMapCaptions_.push_back(caption);
    auto* view = new ChartView(heatMaps_->parentWidget());
    view->setObjectName(QString("ComparisonHeatMap%1").arg(heatMapViews_.size()));
    view->setMinimumHeight(112);
    heatMaps_->addWidget(view, 1);
    // A map reads as the over-saturation chart it shows the tissues of.
    FollowChart(view, ComparisonChart::OverSaturation);
    heatMapViews_.push_back(view);
  }
  for (size_t n = 0; n < heatMapDives_.size(); ++n) {
    const ComparedDive& dive = *heatMapDives_[n];
    // Each map is named as the legend names its dive.
    heatMapCaptions_[n]->setText(
        ToQt(FillIn(Tr("Compare", "Dive %1: %2"), {std::to_string(dive.Number), dive.Site})));
    heatMapViews_[n]->SetSampleCount(comparison_.LongestSampleCount());
  }
}

void ComparisonWindow::DrawCharts() {
  const Palette& palette = state_.ChartPalette();
  const UnitSystem units = state_.Units();
  // Every chart and map is a picture of its own: they are drawn side by side on the chart
  // threads, as a page's charts are.
  std::vector<ChartDrawing> drawings;
  for (const ComparisonChart chart : kComparisonCharts) {
    ChartView* view = charts_[static_cast<size_t>(chart)];
    view->HideCursor();
    view->UsePalette(palette);
    drawings.push_back({view, [this, chart, units, &palette](ChartSurface& surface) {
                          DrawComparisonChart(chart, comparison_, surface, units, palette,
                                              time_->Stretch());
                        }});
  }
  const ShownTimes times = TimesShown(time_->Stretch(), comparison_.LongestSampleCount());
  const DecoModel model = state_.Analysis().Model();
  std::vector<AnalysedDive> dives;
  for (const ComparedDive* compared : heatMapDives_) {
    // The cache has the saturation under the model in force, worked out now if need be.
    dives.push_back(state_.Analysis().Analysed(compared->Index));
  }
  for (size_t n = 0; n < heatMapViews_.size(); ++n) {
    ChartView* view = heatMapViews_[n];
    view->UsePalette(palette);
    const AnalysedDive& dive = dives[n];
    if (!dive.Profile || !dive.Saturation) {
      view->Clear();
      continue;
    }
    drawings.push_back({view, [&times, &dive, &model, &palette](ChartSurface& surface) {
                          DrawTissueHeatMapOver(times, *dive.Profile, *dive.Saturation, model,
                                                surface, palette);
                        }});
  }
  DrawChartsTogether(drawings);
  const auto shown = SamplesShown(time_->Stretch(), comparison_.LongestSampleCount());
  std::vector<ChartView*> views(charts_.begin(), charts_.end());
  views.insert(views.end(), heatMapViews_.begin(), heatMapViews_.end());
  for (ChartView* view : views) {
    if (shown) view->SetShownSamples(shown->first, shown->second);
  }
  // Under a mouse resting on a chart that moved (a pan by wheel or drag), the readout shows the
  // time now under it; the heat maps read as the over-saturation chart.
  for (ChartView* view : views) {
    const auto at = view->TimeUnderPointer();
    if (!at) continue;
    const auto chart = std::find(charts_.begin(), charts_.end(), view);
    ShowReadoutAt(chart != charts_.end() ? static_cast<ComparisonChart>(chart - charts_.begin())
                                         : ComparisonChart::OverSaturation,
                  *at);
    break;
  }
  ShowRuler();
}

}  // namespace scrb
