// The tissue computation runs when a diver opens the "&Tissue Sat" page, for every tissue of the
// model over every 20-second step. Its caption calls the 15-tissue model slow to calculate; it
// should cost microseconds, far less than a frame. The baseline is one plain pass over the same
// steps per tissue (the ambient pressure of each step, summed), the least any simulation must do;
// the ratio says how many such passes the computation costs.

#include <benchmark/benchmark.h>

#include <algorithm>

#include "saturation/DecoModel.h"
#include "saturation/Saturation.h"

namespace {

// A 90-minute dive: down to 30 m, a slow ascent and a safety stop at 5 m.
scrb::DecodedProfile NinetyMinuteDive() {
  constexpr int kSamples = 270;
  scrb::DecodedProfile dive;
  dive.SampleCount = kSamples;
  dive.SampleDepth.assign(kSamples + 2, 0.0);
  for (int i = 0; i < kSamples; ++i) {
    const double minutes = (i + 1) / 3.0;
    double depth = minutes < 5 ? 6 * minutes : 30 - 22 * (minutes - 5) / 80;
    if (minutes > 82) depth = 5;
    dive.SampleDepth[static_cast<size_t>(i)] = std::max(0.0, depth);
  }
  return dive;
}

scrb::DecoModel Model(int number) {
  scrb::DecoModel model;
  scrb::LoadDecoModel(model, number);
  return model;
}

void BM_OnePassPerTissue(benchmark::State& state) {
  const scrb::DecodedProfile dive = NinetyMinuteDive();
  const scrb::DecoModel model = Model(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    double sum = 0;
    for (int t = 0; t < model.TissueCount; ++t) {
      for (int s = 0; s <= dive.SampleCount; ++s) {
        sum += dive.SampleDepth[static_cast<size_t>(s)] / 10 + 1.0;
      }
    }
    benchmark::DoNotOptimize(sum);
  }
}
BENCHMARK(BM_OnePassPerTissue)->Arg(0)->Arg(2)->Unit(benchmark::kMicrosecond);

void BM_ComputeSaturation(benchmark::State& state) {
  const scrb::DecodedProfile dive = NinetyMinuteDive();
  const scrb::DecoModel model = Model(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    const scrb::SaturationResult result = scrb::ComputeSaturation(dive, 1.0, model);
    benchmark::DoNotOptimize(result.MaxOverSaturation);
  }
  state.counters["tissues"] = model.TissueCount;
}
BENCHMARK(BM_ComputeSaturation)->Arg(0)->Arg(2)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
