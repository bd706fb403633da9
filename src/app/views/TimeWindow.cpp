#include "app/views/TimeWindow.h"

#include <algorithm>
#include <cmath>

#include "app/views/ChartView.h"

namespace scrb {

TimeWindow::TimeWindow(std::function<int64_t()> sampleCount, QObject* parent)
    : QObject(parent), sampleCount_(std::move(sampleCount)) {}

void TimeWindow::SetStretch(const TimeStretch& stretch) {
  const TimeStretch kept = KeptWithinDive(stretch, sampleCount_());
  if (kept == stretch_) return;
  stretch_ = kept;
  emit StretchChanged();
}

void TimeWindow::SetRuler(Ends ends) {
  if (ends && (!std::isfinite(ends->first) || !std::isfinite(ends->second))) ends.reset();
  if (ends == ruler_) return;
  ruler_ = ends;
  emit RulerChanged();
}

void TimeWindow::Forget() {
  stretch_ = TimeStretch::WholeDive();
  ruler_.reset();
}

void TimeWindow::KeepWithinAxis() {
  stretch_ = KeptWithinDive(stretch_, sampleCount_());
}

void TimeWindow::Attach(ChartView* chart, std::function<bool()> rulerAllowed) {
  charts_.erase(std::remove(charts_.begin(), charts_.end(), nullptr), charts_.end());
  charts_.emplace_back(chart);
  chart->SetTimeGestures(true);
  connect(chart, &ChartView::ZoomAsked, this, [this](double around, double factor) {
    SetStretch(Zoomed(stretch_, sampleCount_(), around, factor));
  });
  connect(chart, &ChartView::PanAsked, this,
          [this](double by) { SetStretch(Panned(stretch_, sampleCount_(), by)); });
  connect(chart, &ChartView::WholeDiveAsked, this,
          [this] { SetStretch(TimeStretch::WholeDive()); });
  connect(chart, &ChartView::RulerAsked, this,
          [this, allowed = std::move(rulerAllowed)](double from, double to) {
            if (!allowed || allowed()) SetRuler(std::pair{from, to});
          });
  connect(chart, &ChartView::RulerClearAsked, this, [this] { SetRuler(std::nullopt); });
}

void TimeWindow::ShowBand(const std::vector<ChartView*>& charts, Ends ends,
                          const QStringList& label) {
  const auto top = std::find_if(charts.begin(), charts.end(), [](ChartView* chart) {
    return !chart->isHidden() && chart->PlotArea();
  });
  for (ChartView* chart : charts) {
    if (!ends) {
      chart->SetBand(std::nullopt);
      continue;
    }
    chart->SetBand(ends, top != charts.end() && chart == *top ? label : QStringList());
  }
}

void TimeWindow::ShowBand(Ends ends, const QStringList& label) const {
  std::vector<ChartView*> charts;
  for (const QPointer<ChartView>& chart : charts_) {
    if (chart) charts.push_back(chart);
  }
  ShowBand(charts, ends, label);
}

}  // namespace scrb
