// Drawing the "Vertical &Speed" page is what a diver waits for on every dive selection and every
// window resize: the depth profile, the vertical speed chart and the alarm strip, drawn into
// full-HD chart images and shown. It should take a few milliseconds. The baseline is clearing the
// same three images and showing them, the least any redraw of the page must do; the ratio says
// what the charts themselves cost on top.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <algorithm>
#include <cmath>

#include "app/AppContext.h"
#include "app/ChartView.h"
#include "app/DepthPages.h"

namespace {

// A 90-minute dive: down to 30 m, a slow ascent with a few wiggles, a safety stop at 5 m, and an
// ascent alarm now and then.
scrb::DiveRecord NinetyMinuteDive() {
  constexpr int kSamples = 270;
  scrb::DiveRecord dive;
  dive.DiveNumber = 90;
  dive.ProfileDecoded = true;
  dive.SampleCount = kSamples;
  dive.SampleDepth.assign(kSamples + 1, 0.0);
  dive.SampleFlags.assign(kSamples + 1, 0);
  for (int i = 0; i < kSamples; ++i) {
    const double minutes = (i + 1) / 3.0;
    double depth = minutes < 5 ? 6 * minutes : 30 - 22 * (minutes - 5) / 80 + std::sin(i) * 0.8;
    if (minutes > 82) depth = 5;
    dive.SampleDepth[static_cast<size_t>(i)] = std::max(0.0, depth);
    if (i % 40 == 7) dive.SampleFlags[static_cast<size_t>(i)] = 4;
  }
  dive.MaxDepth = 30.8;
  return dive;
}

struct FullHdPage {
  scrb::AppContext Context;
  scrb::SpeedPage Page{Context};

  FullHdPage() {
    Context.Book.Dives = {NinetyMinuteDive()};
    Context.Book.CurrentDive = 0;
    Page.resize(1920, 1080);
    Page.show();
    QApplication::processEvents();
  }
};

void BM_ClearAndShowThePage(benchmark::State& state) {
  FullHdPage fixture;
  for (auto _ : state) {
    fixture.Page.DepthChart()->Surface().Cls();
    fixture.Page.SpeedChart()->Surface().Cls();
    fixture.Page.AlarmStrip()->Surface().Cls();
    fixture.Page.repaint();
  }
}
BENCHMARK(BM_ClearAndShowThePage)->Unit(benchmark::kMillisecond);

void BM_ShowSpeedPage(benchmark::State& state) {
  FullHdPage fixture;
  for (auto _ : state) {
    fixture.Page.ShowDive(&fixture.Context.Book.Dives[0]);
    fixture.Page.repaint();
  }
}
BENCHMARK(BM_ShowSpeedPage)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
