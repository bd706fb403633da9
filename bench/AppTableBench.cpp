// What a keystroke in the search field and a click on a column header cost in a 10,000-dive
// logbook: the core's search and sort, and the same through the window's sort-and-filter model.
// Baseline: one plain pass over every dive's search text.

#include <benchmark/benchmark.h>

#include <QString>
#include <QTemporaryDir>
#include <algorithm>

#include "BenchLogbook.h"
#include "analysis/AnalysisCache.h"
#include "app/state/LogbookState.h"
#include "app/state/SettingsStore.h"
#include "app/table/DiveTableModel.h"
#include "logbook/LogbookReader.h"

namespace scrb {
namespace {

constexpr int kDives = 10000;

const std::vector<DiveRecord>& Dives() {
  static const std::vector<DiveRecord> dives = [] {
    const std::string bytes = bench::ManyDives(kDives);
    std::vector<DiveRecord> read;
    ParseLogbook(bytes, read);
    return read;
  }();
  return dives;
}

const DiveTable& Table() {
  static const DiveTable table = [] {
    DiveTable built;
    built.Build(Dives(), 1, UnitSystem::Metric);
    return built;
  }();
  return table;
}

void BM_Baseline_PassOverSearchTexts(benchmark::State& state) {
  for (auto _ : state) {
    size_t lines = 0;
    for (int dive = 0; dive < Table().RowCount(); ++dive) {
      const std::string_view text = Table().SearchText(dive);
      lines += static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
    }
    benchmark::DoNotOptimize(lines);
  }
}
BENCHMARK(BM_Baseline_PassOverSearchTexts)->Unit(benchmark::kMillisecond);

void BM_BuildTable(benchmark::State& state) {
  for (auto _ : state) {
    DiveTable table;
    table.Build(Dives(), 1, UnitSystem::Metric);
    benchmark::DoNotOptimize(table.RowCount());
  }
}
BENCHMARK(BM_BuildTable)->Unit(benchmark::kMillisecond);

// Two words typed, the rows sorted by depth: what the core does for one keystroke.
void BM_CoreSearchAndSort(benchmark::State& state) {
  const DiveSearch search("la 19");
  for (auto _ : state) {
    benchmark::DoNotOptimize(Table().ViewOrder(search, TableColumn::MaxDepth, true));
  }
}
BENCHMARK(BM_CoreSearchAndSort)->Unit(benchmark::kMillisecond);

// The window's table over the 10,000 dives (its analysis goes on in the background).
struct WindowTable {
  QTemporaryDir folder;
  QtSettingsStore settings{folder.filePath("scrb.ini")};
  LogbookState state{settings, "en"};
  DiveTableModel model{state};
  DiveFilterModel proxy{model};

  WindowTable() { state.Replace(Dives()); }
};

// The window's model: each keystroke of "lake 19" filters the sorted rows anew.
void BM_ProxyKeystrokes(benchmark::State& state) {
  WindowTable table;
  DiveFilterModel& proxy = table.proxy;
  const DiveTableModel& model = table.model;
  proxy.sort(model.SectionOf(TableColumn::MaxDepth), Qt::DescendingOrder);
  const QString typed = "lake 19";
  for (auto _ : state) {
    for (int length = 1; length <= typed.size(); ++length) proxy.SetSearch(typed.left(length));
    proxy.SetSearch({});
    benchmark::DoNotOptimize(proxy.rowCount());
  }
  state.counters["keystrokes"] = static_cast<double>(typed.size() + 1);
}
BENCHMARK(BM_ProxyKeystrokes)->Unit(benchmark::kMillisecond);

void BM_ProxySortByColumn(benchmark::State& state) {
  WindowTable table;
  DiveFilterModel& proxy = table.proxy;
  const DiveTableModel& model = table.model;
  bool descending = false;
  for (auto _ : state) {
    proxy.sort(model.SectionOf(TableColumn::Date),
               descending ? Qt::DescendingOrder : Qt::AscendingOrder);
    descending = !descending;
  }
}
BENCHMARK(BM_ProxySortByColumn)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace scrb

BENCHMARK_MAIN();
