// Drawing the "Vertical &Speed" page is what a diver waits for on every dive selection and every
// window resize: the depth profile, the vertical speed chart and the alarm strip, drawn into
// full-HD chart images and shown. It should take a few milliseconds. The baseline is clearing the
// same three images and showing them, the least any redraw of the page must do; the ratio says
// what the charts themselves cost on top.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>

#include "BenchLogbook.h"
#include "app/pages/DepthPages.h"
#include "app/state/LogbookState.h"
#include "app/state/SettingsStore.h"
#include "app/views/ChartView.h"
#include "logbook/LogbookReader.h"

namespace {

// The generated 90-minute dive: down to 30 m, a slow ascent, a safety stop and alarms now and
// then.
scrb::DiveRecord NinetyMinuteDive() {
  std::vector<scrb::DiveRecord> dives;
  scrb::ParseLogbook(scrb::bench::NinetyMinuteLogbook(), dives);
  return dives.at(0);
}

struct FullHdPage {
  QTemporaryDir Folder;
  scrb::QtSettingsStore Settings{Folder.filePath("scrb.ini")};
  scrb::LogbookState State{Settings, "en"};
  scrb::TimeWindow& Time = *scrb::MakePagesTimeWindow(State, &State);
  scrb::SpeedPage Page{State, Time};

  FullHdPage() {
    State.Replace({NinetyMinuteDive()});
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
    fixture.Page.Show(&fixture.State.Book().Dives[0]);
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
