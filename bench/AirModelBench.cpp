// The air estimate of a 90-minute dive, run when the diver opens the "&Air" page, against one plain
// pass over the same minutes in the same run (the smallest depth and air level of each minute,
// the least any estimate must read): the ratio is roughly the number of passes the estimate took.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>

#include "BenchLogbook.h"
#include "air/AirModel.h"
#include "logbook/LogbookReader.h"
#include "logbook/ProfileDecoder.h"

namespace {

struct Dive {
  scrb::DiveRecord Record;
  scrb::DecodedProfile Profile;
};

Dive NinetyMinuteDive() {
  std::vector<scrb::DiveRecord> dives;
  scrb::ParseLogbook(scrb::bench::NinetyMinuteLogbook(), dives);
  const scrb::DiveRecord dive = dives.at(0);
  return {dive, scrb::DecodeProfile(dive)};
}

// The same dive breathing at the three lowest air levels only, as most dives do: the base rate
// lands where the table is gentle and the passes settle within a few.
Dive EasyNinetyMinuteDive() {
  Dive dive = NinetyMinuteDive();
  for (int i = 2; i < dive.Profile.SampleCount; i += 3) {
    int16_t& status = dive.Profile.SampleStatus[static_cast<size_t>(i)];
    const int level = scrb::AirLevel(status);
    status = static_cast<int16_t>((status & ~0x70) | (level == 0 ? 0 : 1 + (level - 1) % 3) << 4);
  }
  return dive;
}

void BM_OnePassOverTheMinutes(benchmark::State& state) {
  const Dive dive = NinetyMinuteDive();
  const scrb::DecodedProfile& p = dive.Profile;
  for (auto _ : state) {
    double sum = 0;
    for (int i = 2; i <= p.SampleCount; i += 3) {
      const size_t at = static_cast<size_t>(i);
      const double depth =
          std::min({p.SampleDepth[at - 2], p.SampleDepth[at - 1], p.SampleDepth[at]});
      sum += (depth / 10 + dive.Record.SurfacePressure) * scrb::AirLevel(p.SampleStatus[at]);
    }
    benchmark::DoNotOptimize(sum);
  }
  state.counters["minutes"] = p.SampleCount / 3;
}
BENCHMARK(BM_OnePassOverTheMinutes)->Unit(benchmark::kMicrosecond);

void RunEstimate(benchmark::State& state, const Dive& dive) {
  int reports = 0;
  scrb::AirEstimate air;
  for (auto _ : state) {
    reports = 0;
    air = scrb::ComputeAirModel(dive.Record, dive.Profile, dive.Record.SurfacePressure,
                                [&reports](const std::string&) { ++reports; });
    benchmark::DoNotOptimize(air.SampleTankPressure.data());
  }
  if (air.BaseBreathRate == 0) state.SkipWithError("the dive got no estimate");
  state.counters["passes"] = reports - 1;  // the last report is the summary
}

// Levels up to 7 with little air used for them: the base rate lies just above the resting rate,
// where the passes swing to and fro until the bound, and the rate that fits is found directly.
void BM_ComputeAirModel90MinutesSwinging(benchmark::State& state) {
  RunEstimate(state, NinetyMinuteDive());
}
BENCHMARK(BM_ComputeAirModel90MinutesSwinging)->Unit(benchmark::kMicrosecond);

void BM_ComputeAirModel90MinutesSettling(benchmark::State& state) {
  RunEstimate(state, EasyNinetyMinuteDive());
}
BENCHMARK(BM_ComputeAirModel90MinutesSettling)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
