#include "app/pages/DivePage.h"

#include <QShortcut>
#include <QStringList>
#include <algorithm>

#include "app/views/ChartView.h"
#include "charts/SampleTimeAxis.h"

namespace scrb {

DivePage::DivePage(LogbookState& state, QWidget* parent) : QWidget(parent), state_(state) {
  connect(&state_, &LogbookState::StretchChanged, this, &DivePage::AskForRedraw);
  connect(&state_, &LogbookState::RulerChanged, this, [this] {
    if (isVisible()) ShowRuler();
  });
}

void DivePage::Show(const DiveRecord* dive) {
  readoutX_.reset();
  chartsReady_ = false;
  UseChartPalette();
  ShowDive(dive);
  chartsReady_ = dive != nullptr;
  ShowRuler();
}

void DivePage::Redraw() {
  const std::optional<double> before = readoutX_;
  Show(state_.Current());
  if (ReadoutDive() == nullptr) return;
  // Under a mouse resting on a chart the chart has moved (a pan by wheel or drag): the readouts
  // show the time now under it. Otherwise they stay on their time, or on the nearest sample the
  // stretch still shows.
  std::optional<double> at = PointedTime();
  if (!at && before) {
    const auto shown = SamplesShown(state_.Stretch(), state_.CurrentSampleCount());
    if (shown) at = std::clamp(*before, SampleTime(shown->first), SampleTime(shown->second));
  }
  if (!at) return;
  readoutX_ = at;
  ShowReadoutAt(*at);
}

std::optional<double> DivePage::PointedTime() const {
  for (ChartView* chart : timeCharts_) {
    if (!chart->isVisible()) continue;
    if (const std::optional<double> at = chart->TimeUnderPointer()) return at;
  }
  return std::nullopt;
}

// Every step of a fast wheel or drag changes the stretch; the page is drawn once for all the
// steps that arrive before the event loop gets to it.
void DivePage::AskForRedraw() {
  if (isVisible()) redraw_.Ask();
}

void DivePage::SetSampleCount(std::initializer_list<ChartView*> charts, const DiveRecord* dive) {
  const auto profile = dive != nullptr ? state_.Analysis().Profile(*dive) : nullptr;
  const int count = profile ? profile->SampleCount : 0;
  const auto shown = SamplesShown(state_.Stretch(), count);
  for (ChartView* chart : charts) {
    chart->SetSampleCount(count);
    if (shown) chart->SetShownSamples(shown->first, shown->second);
  }
}

void DivePage::UseChartPalette() {
  for (ChartView* chart : findChildren<ChartView*>()) chart->UsePalette(state_.ChartPalette());
}

void DivePage::FollowTimeCharts(std::vector<ChartView*> charts) {
  timeCharts_ = std::move(charts);
  const auto count = [this] { return state_.CurrentSampleCount(); };
  for (ChartView* chart : timeCharts_) {
    chart->SetTimeGestures(true);
    connect(chart, &ChartView::MouseMoved, this, [this](double x, double) {
      if (ReadoutDive() == nullptr) return;
      readoutX_ = x;
      ShowReadoutAt(x);
    });
    connect(chart, &ChartView::ZoomAsked, this, [this, count](double around, double factor) {
      state_.SetStretch(Zoomed(state_.Stretch(), count(), around, factor));
    });
    connect(chart, &ChartView::PanAsked, this,
            [this, count](double by) { state_.SetStretch(Panned(state_.Stretch(), count(), by)); });
    connect(chart, &ChartView::WholeDiveAsked, this,
            [this] { state_.SetStretch(TimeStretch::WholeDive()); });
    connect(chart, &ChartView::RulerAsked, this, [this](double from, double to) {
      if (ReadoutDive() != nullptr) state_.SetRuler(std::pair{from, to});
    });
    connect(chart, &ChartView::RulerClearAsked, this, [this] { state_.SetRuler(std::nullopt); });
  }
}

void ClearRulerOnEscape(QWidget* pages, LogbookState& state) {
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), pages, nullptr, nullptr,
                               Qt::WidgetWithChildrenShortcut);
  escape->setEnabled(false);
  QObject::connect(escape, &QShortcut::activated, &state,
                   [&state] { state.SetRuler(std::nullopt); });
  QObject::connect(&state, &LogbookState::RulerChanged, escape,
                   [escape, &state] { escape->setEnabled(state.Ruler().has_value()); });
}

StretchInputs DivePage::RulerInputs(const AnalysedDive& dive) const {
  return {dive.Record, dive.Profile.get(), dive.Air.get(), nullptr, nullptr};
}

void DivePage::ShowRuler() {
  const auto& ends = state_.Ruler();
  std::optional<StretchMeasure> measure;
  if (ends && ReadoutDive() != nullptr) {
    measure = MeasureStretch(RulerInputs(ReadoutAnalysis()), ends->first, ends->second);
  }
  // One label for the page, on its top chart shown with data; the others mark the band alone.
  const auto top = std::find_if(timeCharts_.begin(), timeCharts_.end(), [](ChartView* chart) {
    return !chart->isHidden() && chart->PlotArea();
  });
  for (ChartView* chart : timeCharts_) {
    if (!measure) {
      chart->SetBand(std::nullopt);
      continue;
    }
    QStringList label;
    if (top != timeCharts_.end() && chart == *top) {
      for (const std::string& line : StretchMeasureTexts(*measure, state_.Units()))
        label << QString::fromStdString(line);
    }
    chart->SetBand(std::pair{SampleTime(measure->First), SampleTime(measure->Last)}, label);
  }
}

}  // namespace scrb
