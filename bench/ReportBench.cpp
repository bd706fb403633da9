// The printable dive report: 100 dives and the first 1,000 dives of the 10,000-dive logbook
// written as a PDF file, against the same pages laid out and drawn on a surface that paints
// nothing (the core's share: decoding, air, saturation, layout, chart routines). The heap in use
// is sampled after every page: it must not grow with the number of dives.

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <numeric>

#include "BenchLogbook.h"
#include "export/DiveReport.h"
#include "logbook/LogbookReader.h"
#include "render/ReportPainter.h"

namespace {

scrb::AnalysisCache& TenThousandDives() {
  static const scrb::Logbook book = [] {
    scrb::Logbook b;
    scrb::ReadLogbook(b,
                      scrb::test::WriteTempFile("ten-thousand.log", scrb::bench::ManyDives(10000)));
    return b;
  }();
  static scrb::AnalysisCache analysis;
  analysis.SetDives(book.Dives.Share());
  analysis.SetModel(0);
  return analysis;
}

scrb::DiveReportJob FirstDives(int count) {
  std::vector<int> dives(static_cast<size_t>(count));
  std::iota(dives.begin(), dives.end(), 0);
  return {&TenThousandDives(), dives, "ten-thousand.log", nullptr, {}};
}

double HeapMegabytes() {
  return static_cast<double>(mallinfo2().uordblks) / 1e6;
}

void BM_ReportPdf(benchmark::State& state) {
  const scrb::DiveReportJob job = FirstDives(static_cast<int>(state.range(0)));
  QTemporaryDir dir;
  double growth = 0;
  for (auto _ : state) {
    QFile file(dir.filePath("report.pdf"));
    file.open(QIODevice::WriteOnly);
    const double before = HeapMegabytes();
    double peak = before;
    const bool written =
        scrb::WriteDiveReportPdf(file, job, QPageSize(QPageSize::A4), [&](int, int) {
          peak = std::max(peak, HeapMegabytes());
          return true;
        });
    if (!written) state.SkipWithError("the report was not written");
    growth = peak - before;
    state.counters["pdf_MB"] = static_cast<double>(file.size()) / 1e6;
  }
  state.counters["ms_per_page"] = benchmark::Counter(
      static_cast<double>(state.range(0)),
      benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
  state.counters["heap_growth_MB"] = growth;
}
BENCHMARK(BM_ReportPdf)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond)->Iterations(1);

// Draws nothing and measures text as a fixed-pitch font would, so only the core's work counts.
struct NullSurface : scrb::ChartSurface {
  double x1 = 0, y1 = 0, x2 = 1, y2 = 1, cx = 0, cy = 0;
  void Cls() override { cx = cy = 0; }
  double Width() const override { return 10205; }
  double Height() const override { return 15137; }
  void Scale(double a, double b, double c, double d) override { x1 = a, y1 = b, x2 = c, y2 = d; }
  double ScaleX(double mm) const override { return mm * 56.7 * (x2 - x1) / Width(); }
  double ScaleY(double mm) const override { return mm * 56.7 * (y2 - y1) / Height(); }
  void Line(double, double, double xb, double yb, scrb::Rgb) override { cx = xb, cy = yb; }
  void LineTo(double xb, double yb, scrb::Rgb) override { cx = xb, cy = yb; }
  double CurrentX() const override { return cx; }
  double CurrentY() const override { return cy; }
  void SetCurrentX(double x) override { cx = x; }
  void SetCurrentY(double y) override { cy = y; }
  void Print(const std::string&) override {}
  double TextWidth(const std::string& t) const override {
    return 90.0 * t.size() * (x2 - x1) / Width();
  }
  double TextHeight(const std::string&) const override { return 190 * (y2 - y1) / Height(); }
  void SetDrawWidth(int) override {}
};

void BM_ReportPagesDrawnOnNothing(benchmark::State& state) {
  const scrb::DiveReportJob job = FirstDives(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    for (size_t i = 0; i < job.Dives.size(); ++i) {
      NullSurface page;
      scrb::DrawDiveReportPage(job.Analysis->Analysed(job.Dives[i]), job.Analysis->Model(),
                               {job.LogbookName, 1, 1}, page);
    }
  }
  state.counters["ms_per_page"] = benchmark::Counter(
      static_cast<double>(state.range(0)),
      benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ReportPagesDrawnOnNothing)->Arg(100)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
