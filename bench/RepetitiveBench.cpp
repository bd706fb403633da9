// Carrying nitrogen over between dives is worked out for the whole logbook at once, the first time
// a dive is shown with the option on or when the table's worker takes its snapshot. For 10,000
// dives, four a day with short intervals, it should take well under a second. The baseline is one
// saturation of every dive from equilibrium, which the chain must at most repeat once.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <numeric>

#include "BenchLogbook.h"
#include "analysis/AnalysisCache.h"
#include "analysis/RepetitiveDives.h"
#include "logbook/LogbookReader.h"
#include "logbook/MissingValues.h"

namespace {

// Four dives a day, each starting after a surface interval of 5 to 90 minutes.
std::vector<scrb::DiveRecord> DivesOfTheDay(int count) {
  std::vector<scrb::test::EntryBuilder> entries;
  int minute = 8 * 60;
  for (int i = 0; i < count; ++i) {
    const auto seed = static_cast<uint32_t>(i * 7919 + 13);
    const int length = 20 + static_cast<int>(seed / 33 % 51);
    scrb::test::EntryBuilder entry = scrb::bench::DiveEntry(i + 1, 8 + seed % 33, length, seed);
    const int interval = 5 + static_cast<int>(seed % 86);
    entry.DayCount = 140000 + static_cast<uint32_t>(i / 4);
    if (i % 4 == 0) minute = 8 * 60;
    entry.DiveTimeMinutes = minute;
    entry.SurfaceIntervalMinutes = i % 4 == 0 ? scrb::kUnknownMinutes : interval;
    minute += length + interval;
    entries.push_back(entry);
  }
  std::vector<scrb::DiveRecord> dives;
  scrb::ParseLogbook(scrb::test::BuildLogbook(entries), dives);
  return dives;
}

const std::vector<scrb::DiveRecord>& TenThousandDives() {
  static const std::vector<scrb::DiveRecord> dives = DivesOfTheDay(10000);
  return dives;
}

scrb::DecoModel Model(int number) {
  scrb::DecoModel model;
  scrb::LoadDecoModel(model, number);
  return model;
}

void BM_EverySaturationOnce(benchmark::State& state) {
  const auto& dives = TenThousandDives();
  const scrb::DecoModel model = Model(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    double sum = 0;
    for (const scrb::DiveRecord& dive : dives) {
      sum += scrb::ComputeSaturation(scrb::DecodeProfile(dive), 1.0, model).MaxOverSaturation;
    }
    benchmark::DoNotOptimize(sum);
  }
}
BENCHMARK(BM_EverySaturationOnce)->Arg(0)->Arg(2)->Unit(benchmark::kMillisecond);

// Every dive summarised with the option on: each chained dive starts from the summary of the
// one before, so no saturation is computed twice.
void BM_ChainTenThousandDives(benchmark::State& state) {
  const auto& dives = TenThousandDives();
  std::vector<int> all(dives.size());
  std::iota(all.begin(), all.end(), 0);
  int64_t carried = 0;
  for (auto _ : state) {
    scrb::AnalysisCache cache;
    cache.SetDives(&dives);
    cache.SetModel(static_cast<int>(state.range(0)));
    cache.SetRepetitive(true);
    const auto summaries = scrb::SummariseDives(cache, all, {});
    carried =
        std::ranges::count(*summaries, scrb::CarryOver::Carried, &scrb::AnalysisSummary::Carry);
    benchmark::DoNotOptimize(carried);
  }
  state.counters["carried"] = static_cast<double>(carried);
}
BENCHMARK(BM_ChainTenThousandDives)->Arg(0)->Arg(2)->Unit(benchmark::kMillisecond);

// What the first dive shown with the option on waits for.
void BM_FirstChainedDiveOfTheCache(benchmark::State& state) {
  const auto& dives = TenThousandDives();
  for (auto _ : state) {
    scrb::AnalysisCache cache;
    cache.SetDives(&dives);
    cache.SetModel(2);
    cache.SetRepetitive(true);
    benchmark::DoNotOptimize(cache.Saturation(9999)->MaxOverSaturation);
  }
}
BENCHMARK(BM_FirstChainedDiveOfTheCache)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
