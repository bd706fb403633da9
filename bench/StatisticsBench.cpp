// The statistics of a 10,000-dive logbook from nothing known: every dive's profile, air estimate
// and saturation worked out on one core and summed up, against reading the same logbook in the
// same run.

#include <benchmark/benchmark.h>

#include <numeric>
#include <vector>

#include "BenchLogbook.h"
#include "analysis/AnalysisCache.h"
#include "logbook/LogbookReader.h"
#include "overview/Statistics.h"

namespace {

const std::string& Bytes() {
  static const std::string bytes = scrb::bench::ManyDives(10000);
  return bytes;
}

const std::vector<scrb::DiveRecord>& Dives() {
  static const std::vector<scrb::DiveRecord> dives = [] {
    std::vector<scrb::DiveRecord> read;
    scrb::ParseLogbook(Bytes(), read);
    return read;
  }();
  return dives;
}

void BM_ReadTenThousandDives(benchmark::State& state) {
  for (auto _ : state) {
    std::vector<scrb::DiveRecord> dives;
    scrb::ParseLogbook(Bytes(), dives);
    benchmark::DoNotOptimize(dives.data());
  }
}
BENCHMARK(BM_ReadTenThousandDives)->Unit(benchmark::kMillisecond);

// What the statistics window waits for on a logbook just opened.
void BM_StatisticsOfTenThousandDives(benchmark::State& state) {
  const std::vector<scrb::DiveRecord>& dives = Dives();
  std::vector<int> all(dives.size());
  std::iota(all.begin(), all.end(), 0);
  for (auto _ : state) {
    scrb::AnalysisCache cache;
    cache.SetDives(&dives);
    const auto stats = scrb::StatisticsOf(cache, dives, all, scrb::StatisticsGrouping::Year, {});
    benchmark::DoNotOptimize(stats->MeanBreathRate);
  }
  state.counters["dives"] = static_cast<double>(dives.size());
}
BENCHMARK(BM_StatisticsOfTenThousandDives)->Unit(benchmark::kMillisecond);

// A new search over dives already summarised: only the summing up.
void BM_StatisticsSummedUpAgain(benchmark::State& state) {
  const std::vector<scrb::DiveRecord>& dives = Dives();
  std::vector<int> all(dives.size());
  std::iota(all.begin(), all.end(), 0);
  scrb::AnalysisCache cache;
  cache.SetDives(&dives);
  scrb::StatisticsOf(cache, dives, all, scrb::StatisticsGrouping::Year, {});
  for (auto _ : state) {
    const auto stats = scrb::StatisticsOf(cache, dives, all, scrb::StatisticsGrouping::Partner, {});
    benchmark::DoNotOptimize(stats->MeanBreathRate);
  }
}
BENCHMARK(BM_StatisticsSummedUpAgain)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
