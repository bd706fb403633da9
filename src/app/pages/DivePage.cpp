#include "app/pages/DivePage.h"

#include <QShortcut>
#include <QStringList>
#include <algorithm>

#include "app/views/ChartView.h"
#include "charts/SampleTimeAxis.h"

namespace scrb {

DivePage::DivePage(LogbookState& state, TimeWindow& time, QWidget* parent)
    : QWidget(parent), state_(state), time_(time) {
  connect(&state_, &LogbookState::CurrentDiveChanged, this, &DivePage::FollowChange);
  connect(&state_, &LogbookState::LogbookChanged, this, &DivePage::FollowChange);
  // Every part of a setting shows on the pages: figures, units, texts and colours.
  connect(&state_, &LogbookState::SettingsChanged, this, &DivePage::FollowChange);
  connect(&time_, &TimeWindow::StretchChanged, this, &DivePage::AskForRedraw);
  connect(&time_, &TimeWindow::RulerChanged, this, [this] {
    if (isVisible())
      ShowRuler();
    else
      stale_ = true;
  });
}

void DivePage::FollowChange() {
  if (isVisible())
    ShowCurrent();
  else
    stale_ = true;
}

void DivePage::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // Every chart follows every change of its size: the window's, the splitter's, a line of text
  // that appears on its page. The page's charts are all made by its first showing.
  if (!followsResizes_) {
    followsResizes_ = true;
    for (ChartView* chart : findChildren<ChartView*>())
      connect(chart, &ChartView::Resized, this, &DivePage::AskForRedraw);
  }
  if (stale_) ShowCurrent();
}

// Without a dive the page shows its empty state: it must never go on showing a dive that is no
// longer in the list.
void DivePage::ShowCurrent() {
  try {
    Show(state_.Current());
  } catch (const std::exception& e) {
    // Whatever went wrong with this one dive, the program and the loaded logbook carry on.
    emit ShowFailed(QString::fromStdString(e.what()));
  }
}

void DivePage::Show(const DiveRecord* dive) {
  stale_ = false;
  readoutX_.reset();
  chartsReady_ = false;
  UseChartPalette();
  ShowDive(dive);
  chartsReady_ = dive != nullptr;
  ShowRuler();
}

void DivePage::Redraw() {
  const std::optional<double> before = readoutX_;
  ShowCurrent();
  if (ReadoutDive() == nullptr) return;
  // Under a mouse resting on a chart the chart has moved (a pan by wheel or drag): the readouts
  // show the time now under it. Otherwise they stay on their time, or on the nearest sample the
  // stretch still shows.
  std::optional<double> at = PointedTime();
  if (!at && before) {
    const auto shown = SamplesShown(time_.Stretch(), state_.CurrentSampleCount());
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

// Every step of a fast wheel or drag changes the stretch, and a drag of the window's edge resizes
// the charts many times; the page is drawn once for all the steps that arrive before the event
// loop gets to it.
void DivePage::AskForRedraw() {
  if (isVisible())
    redraw_.Ask();
  else
    stale_ = true;
}

void DivePage::SetSampleCount(std::initializer_list<ChartView*> charts, const DiveRecord* dive) {
  const auto profile = dive != nullptr ? state_.Analysis().Profile(*dive) : nullptr;
  const int count = profile ? profile->SampleCount : 0;
  const auto shown = SamplesShown(time_.Stretch(), count);
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
  for (ChartView* chart : timeCharts_) {
    time_.Attach(chart, [this] { return ReadoutDive() != nullptr; });
    connect(chart, &ChartView::MouseMoved, this, [this](double x, double) {
      if (ReadoutDive() == nullptr) return;
      readoutX_ = x;
      ShowReadoutAt(x);
    });
  }
}

TimeWindow* MakePagesTimeWindow(LogbookState& state, QObject* parent) {
  auto* time = new TimeWindow([&state] { return state.CurrentSampleCount(); }, parent);
  // Made before any page, so that the stretch is forgotten before a page draws the new dive.
  QObject::connect(&state, &LogbookState::CurrentDiveChanged, time, &TimeWindow::Forget);
  QObject::connect(&state, &LogbookState::LogbookChanged, time, &TimeWindow::Forget);
  return time;
}

void ClearRulerOnEscape(QWidget* pages, TimeWindow& time) {
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), pages, nullptr, nullptr,
                               Qt::WidgetWithChildrenShortcut);
  escape->setEnabled(false);
  QObject::connect(escape, &QShortcut::activated, &time, [&time] { time.SetRuler(std::nullopt); });
  QObject::connect(&time, &TimeWindow::RulerChanged, escape,
                   [escape, &time] { escape->setEnabled(time.Ruler().has_value()); });
}

StretchInputs DivePage::RulerInputs(const AnalysedDive& dive) const {
  return {dive.Record, dive.Profile.get(), dive.Air.get(), nullptr, nullptr};
}

void DivePage::ShowRuler() {
  const auto& ends = time_.Ruler();
  std::optional<StretchMeasure> measure;
  if (ends && ReadoutDive() != nullptr) {
    measure = MeasureStretch(RulerInputs(ReadoutAnalysis()), ends->first, ends->second);
  }
  if (!measure) {
    TimeWindow::ShowBand(timeCharts_, std::nullopt);
    return;
  }
  QStringList label;
  for (const std::string& line : StretchMeasureTexts(*measure, state_.Units()))
    label << QString::fromStdString(line);
  TimeWindow::ShowBand(timeCharts_,
                       std::pair{SampleTime(measure->First), SampleTime(measure->Last)}, label);
}

}  // namespace scrb
