// What a diver waits for in the window: each page of a 90-minute dive shown at 1920x1080, six
// such dives compared at 1920x1080, the
// 10,000-dive logbook opened until its last dive is drawn, an appearance switch with it open, the
// start-up with the example logbook,
// and the memory the open 10,000-dive logbook costs. Runs offscreen.

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QImage>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QThread>
#include <chrono>
#include <cstring>
#include <fstream>
#include <memory>

#include "BenchLogbook.h"
#include "app/comparison/ComparisonWindow.h"
#include "app/dialogs/UserDialogs.h"
#include "app/pages/DivePage.h"
#include "app/state/LogbookState.h"
#include "app/state/SettingsStore.h"
#include "app/state/WindowSettings.h"
#include "app/table/DiveTableModel.h"
#include "app/table/DiveTablePane.h"
#include "app/window/MainWindow.h"
#include "render/PainterSurface.h"
#include "saturation/TissueHeatMap.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

std::string SampleLogbook() {
  return std::string(BATHYSCRIBE_SOURCE_DIR) + "/examples/sample.log";
}

const std::string& TenThousandDivesFile() {
  static const std::string path =
      scrb::test::WriteTempFile("ten-thousand.log", scrb::bench::ManyDives(10000));
  return path;
}

const std::string& NinetyMinuteFile() {
  static const std::string path =
      scrb::test::WriteTempFile("ninety.log", scrb::bench::NinetyMinuteLogbook());
  return path;
}

// Lets the window paint what the last call drew, as the event loop would before the next event.
void Settle() {
  QApplication::sendPostedEvents();
  QApplication::processEvents();
}

// The desktop's dialogs, but no message box waits for a click during a measurement.
scrb::DiveTablePane& Table(const scrb::MainWindow& form) {
  return *form.findChild<scrb::DiveTablePane*>("DiveTablePane");
}

scrb::DivePage* Page(const scrb::MainWindow& form, int index) {
  return static_cast<scrb::DivePage*>(form.findChild<QTabWidget*>("DiveTab")->widget(index));
}

struct SilentDialogs : scrb::SystemDialogs {
  void ShowMessage(QWidget*, const QString&) override {}
};

// A main window with settings of its own: no disclaimer, a window of the given size and the
// given logbook to reopen.
struct Window {
  QTemporaryDir folder;
  scrb::QtSettingsStore settings{folder.filePath("scrb.ini")};
  std::unique_ptr<scrb::LogbookState> state;
  SilentDialogs dialogs;
  std::unique_ptr<scrb::MainWindow> form;

  Window(const std::string& logbook, int width, int height, int tab = 1) {
    namespace key = scrb::settings;
    settings.SaveSetting(key::kNoWarning, "1");
    settings.SaveSetting(key::kLogbookFile, logbook);
    settings.SaveSetting(key::kWindowState, "0");
    settings.SaveSetting(key::kWidth, std::to_string(width * 15));
    settings.SaveSetting(key::kHeight, std::to_string(height * 15));
    settings.SaveSetting(key::kTabNumber, std::to_string(tab));
    // The 15-tissue model: the most the "&Tissue Sat" page ever draws.
    settings.SaveSetting(key::kDecoModelNumber, "2");
  }

  void Start() {
    state = std::make_unique<scrb::LogbookState>(settings, "en");
    form = std::make_unique<scrb::MainWindow>(*state, dialogs);
    form->StartUp();
    form->LoadWindow();
    Settle();
  }
};

void BM_ShowDivePage(benchmark::State& state) {
  const int page = static_cast<int>(state.range(0));
  const bool firstShow = state.range(1) != 0;
  Window window(NinetyMinuteFile(), 1920, 1080, page);
  window.Start();
  // A saved size is kept within the screen, and the offscreen screen is smaller than full HD.
  window.form->resize(1920, 1080);
  Settle();
  if (window.form->width() < 1800) state.SkipWithError("the window did not get its full size");
  double drawMs = 0;
  double paintMs = 0;
  for (auto _ : state) {
    if (firstShow) {
      // The first show of the dive also decodes and computes what the page needs.
      window.state->Analysis().SetDives(window.state->Book().Dives.Share());
    }
    const Clock::time_point start = Clock::now();
    Page(*window.form, page)->Show(&window.state->Book().Dives[0]);
    const Clock::time_point drawn = Clock::now();
    Settle();
    drawMs += std::chrono::duration<double, std::milli>(drawn - start).count();
    paintMs += std::chrono::duration<double, std::milli>(Clock::now() - drawn).count();
  }
  // How the time splits between drawing the charts and painting the window.
  state.counters["draw_ms"] = benchmark::Counter(drawMs / static_cast<double>(state.iterations()));
  state.counters["paint_ms"] =
      benchmark::Counter(paintMs / static_cast<double>(state.iterations()));
  state.counters["width"] = window.form->width();
  state.counters["height"] = window.form->height();
}
BENCHMARK(BM_ShowDivePage)
    ->ArgNames({"page", "first"})
    ->ArgsProduct({{0, 1, 2, 3, 4, 5, 6}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

// Six 90-minute dives compared in a 1920x1080 window: the analysis, the table and the three charts
// drawn and painted, again (first:0) and with every dive decoded and computed anew (first:1).
void BM_CompareSixDives(benchmark::State& state) {
  const bool firstShow = state.range(0) != 0;
  static const std::string path =
      scrb::test::WriteTempFile("six.log", scrb::bench::SixNinetyMinuteLogbook());
  Window window(path, 1280, 800, 1);
  window.Start();
  scrb::ComparisonWindow compare(*window.state, window.dialogs);
  compare.resize(1920, 1080);
  compare.show();
  Settle();
  if (compare.width() < 1800) state.SkipWithError("the window did not get its full size");
  const std::vector<int> dives = {0, 1, 2, 3, 4, 5};
  for (auto _ : state) {
    if (firstShow) window.state->Analysis().SetDives(window.state->Book().Dives.Share());
    compare.Compare(dives);
    Settle();
  }
  state.counters["width"] = compare.width();
  state.counters["height"] = compare.height();
}
BENCHMARK(BM_CompareSixDives)->ArgName("first")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The heat map alone, as the comparison window and the Tissue Sat page draw it: 15 tissues of a
// 90-minute dive over a whole full-HD picture, with its frame and key.
void BM_DrawTissueHeatMap(benchmark::State& state) {
  Window window(NinetyMinuteFile(), 1280, 800, 1);
  window.Start();
  const scrb::AnalysedDive dive = window.state->Analysis().Analysed(0);
  const scrb::DecoModel model = window.state->Analysis().Model();
  if (model.TissueCount != 15 || dive.Profile->SampleCount < 270) {
    state.SkipWithError("not a 90-minute dive under 15 tissues");
  }
  QImage image(1920, 1080, QImage::Format_ARGB32_Premultiplied);
  scrb::PainterSurface surface(image);
  for (auto _ : state) {
    scrb::DrawTissueHeatMap(*dive.Profile, *dive.Saturation, model, surface,
                            scrb::Palette::Classic());
    surface.Finish();
  }
}
BENCHMARK(BM_DrawTissueHeatMap)->Unit(benchmark::kMillisecond);

// A step of the wheel or of a drag on a time chart page of the 90-minute dive at 1920x1080: the
// stretch changes and the page is drawn again and painted. `burst:1` sends ten steps before the
// event loop runs, as a fast wheel does: they must cost one redraw, not ten.
void BM_ZoomStep(benchmark::State& state) {
  const int page = static_cast<int>(state.range(0));
  const bool pan = state.range(1) != 0;
  const bool burst = state.range(2) != 0;
  Window window(NinetyMinuteFile(), 1920, 1080, page);
  window.Start();
  window.form->resize(1920, 1080);
  Settle();
  if (window.form->width() < 1800) state.SkipWithError("the window did not get its full size");
  const int32_t samples = window.state->CurrentSampleCount();
  scrb::TimeStretch stretch = scrb::TimeStretch::Between(1000, 4000);
  window.form->Time().SetStretch(stretch);
  Settle();
  int step = 0;
  for (auto _ : state) {
    for (int n = 0; n < (burst ? 10 : 1); ++n, ++step) {
      const bool back = step % 2 != 0;
      stretch = pan ? scrb::Panned(stretch, samples, back ? -150 : 150)
                    : scrb::Zoomed(stretch, samples, 2500, back ? 1.25 : 0.8);
      window.form->Time().SetStretch(stretch);
    }
    Settle();
  }
  state.counters["width"] = window.form->width();
}
BENCHMARK(BM_ZoomStep)
    ->ArgNames({"page", "pan", "burst"})
    ->ArgsProduct({{1, 2, 3, 4, 5}, {0, 1}, {0}})
    ->Args({1, 0, 1})
    ->Unit(benchmark::kMillisecond);

void BM_OpenTenThousandDives(benchmark::State& state) {
  Window window("", 1280, 800, 1);
  window.Start();
  const QString path = QString::fromStdString(TenThousandDivesFile());
  for (auto _ : state) {
    window.form->OpenLogbook(path);
    Settle();
    if (Table(*window.form).ListCount() != 10000 || Table(*window.form).ListIndex() != 9999) {
      state.SkipWithError("the logbook did not open whole");
    }
  }
}
BENCHMARK(BM_OpenTenThousandDives)->Unit(benchmark::kMillisecond);

// A switch between the light and the dark appearance with the 10,000-dive logbook open and every
// dive's summary known, on the "&Dive" page: the window and the charts take the new colours, and
// the table's computed columns must not be taken again (`table_retakes` counts how often they
// were). Baseline: the same page shown again (`BM_ShowDivePage`, `page:1/first:0`).
void BM_AppearanceSwitch(benchmark::State& state) {
  Window window("", 1920, 1080, 1);
  window.Start();
  window.form->OpenLogbook(QString::fromStdString(TenThousandDivesFile()));
  Settle();
  const auto deadline = Clock::now() + std::chrono::minutes(2);
  for (auto [done, total] = window.state->SummaryProgress(); total == 0 || done < total;
       std::tie(done, total) = window.state->SummaryProgress()) {
    if (Clock::now() > deadline) {
      state.SkipWithError("the summaries did not finish");
      return;
    }
    QThread::msleep(10);
    Settle();
  }
  Settle();
  int retakes = 0;
  auto* model = Table(*window.form).findChild<scrb::DiveTableModel*>();
  QObject::connect(model, &scrb::DiveTableModel::AnalysisProgressed, [&retakes] { ++retakes; });
  bool dark = false;
  for (auto _ : state) {
    dark = !dark;
    window.state->SetAppearance(dark ? scrb::Appearance::Dark : scrb::Appearance::Light);
    Settle();
  }
  state.counters["table_retakes"] = retakes;
  window.state->SetAppearance(scrb::Appearance::Light);
}
BENCHMARK(BM_AppearanceSwitch)->Unit(benchmark::kMillisecond);

size_t HeapInUse() {
  const struct mallinfo2 info = mallinfo2();
  return info.uordblks + info.hblkhd;
}

// Heap the open logbook holds beyond the empty window, against the file's size.
void BM_MemoryTenThousandDives(benchmark::State& state) {
  const auto fileSize = static_cast<double>(
      std::ifstream(TenThousandDivesFile(), std::ios::ate | std::ios::binary).tellg());
  double ratio = 0;
  for (auto _ : state) {
    Window window("", 1280, 800, 1);
    window.Start();
    malloc_trim(0);
    const size_t before = HeapInUse();
    window.form->OpenLogbook(QString::fromStdString(TenThousandDivesFile()));
    Settle();
    const size_t after = HeapInUse();
    ratio = static_cast<double>(after - before) / fileSize;
    state.counters["file_bytes"] = fileSize;
    state.counters["heap_bytes"] = static_cast<double>(after - before);
  }
  state.counters["heap_per_file_byte"] = ratio;
}
BENCHMARK(BM_MemoryTenThousandDives)->Iterations(3)->Unit(benchmark::kMillisecond);

// Resident memory of the process once every dive of the 10,000-dive logbook has been analysed
// (decoded, air and saturation under the 15-tissue model, summarised) and every hundredth shown on
// the "&Tissue Sat" page: the analysis keeps a few dives' arrays and a summary of each dive.
double ResidentMegabytes() {
  std::ifstream statm("/proc/self/statm");
  double pages = 0, resident = 0;
  statm >> pages >> resident;
  return resident * static_cast<double>(sysconf(_SC_PAGESIZE)) / 1e6;
}

void BM_VisitEveryDiveOfTenThousand(benchmark::State& state) {
  for (auto _ : state) {
    Window window("", 1920, 1080, 5);
    window.Start();
    window.form->OpenLogbook(QString::fromStdString(TenThousandDivesFile()));
    Settle();
    for (int i = 0; i < Table(*window.form).ListCount(); ++i) {
      window.state->Analysis().Summary(i);
      if (i % 100 == 0) {
        Table(*window.form).SelectListIndex(i);
        Settle();
      }
    }
    malloc_trim(0);
    state.counters["resident_mb"] = ResidentMegabytes();
  }
}
BENCHMARK(BM_VisitEveryDiveOfTenThousand)->Iterations(1)->Unit(benchmark::kMillisecond);

// Start-up inside this process: the window built, the settings read, the example logbook read and
// its last dive drawn and painted. The application object and the fonts are already up.
void BM_StartUpWarm(benchmark::State& state) {
  for (auto _ : state) {
    Window window(SampleLogbook(), 1280, 800, 1);
    window.Start();
    if (Table(*window.form).ListCount() != 25)
      state.SkipWithError("the example logbook did not open");
    state.PauseTiming();
    window.form.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_StartUpWarm)->Unit(benchmark::kMillisecond);

const char* selfPath = nullptr;

// Start-up as the diver sees it: a new process that loads the libraries, creates the application,
// starts the window on the example logbook and paints the first dive, then leaves.
void BM_StartUpProcess(benchmark::State& state) {
  for (auto _ : state) {
    char child[] = "--startup-child";
    char* argv[] = {const_cast<char*>(selfPath), child, nullptr};
    const auto start = Clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, selfPath, nullptr, nullptr, argv, environ) != 0) {
      state.SkipWithError("cannot start the child");
      break;
    }
    int status = 0;
    waitpid(pid, &status, 0);
    state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) state.SkipWithError("the child failed");
  }
}
BENCHMARK(BM_StartUpProcess)->UseManualTime()->Unit(benchmark::kMillisecond);

int StartUpChild(int argc, char** argv) {
  QApplication app(argc, argv);
  Window window(SampleLogbook(), 1280, 800, 1);
  window.Start();
  // Leave without tearing down: the measurement ends when the first dive is on screen.
  std::fflush(nullptr);
  _exit(Table(*window.form).ListCount() == 25 ? 0 : 1);
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (argc > 1 && std::strcmp(argv[1], "--startup-child") == 0) return StartUpChild(argc, argv);
  selfPath = argv[0];
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
