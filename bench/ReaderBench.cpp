// Reading a logbook of 10,000 dives, against one plain pass over the same bytes in the same run,
// and decoding the profile of a 90-minute dive.

#include <benchmark/benchmark.h>

#include "BenchLogbook.h"
#include "logbook/LogbookReader.h"
#include "logbook/ProfileDecoder.h"

namespace {

const std::string& TenThousandDives() {
  static const std::string bytes = scrb::bench::ManyDives(10000);
  return bytes;
}

void BM_PlainPass(benchmark::State& state) {
  scrb::bench::PlainPass(state, TenThousandDives());
}
BENCHMARK(BM_PlainPass)->Unit(benchmark::kMillisecond);

void BM_ParseLogbook(benchmark::State& state) {
  const std::string& bytes = TenThousandDives();
  for (auto _ : state) {
    std::vector<scrb::DiveRecord> dives;
    const scrb::ReadOutcome outcome = scrb::ParseLogbook(bytes, dives);
    if (outcome.DivesRead != 10000) state.SkipWithError("the logbook did not read whole");
    benchmark::DoNotOptimize(dives.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
  state.counters["dives"] = 10000;
  state.counters["file_bytes"] = static_cast<double>(bytes.size());
}
BENCHMARK(BM_ParseLogbook)->Unit(benchmark::kMillisecond);

void BM_ReadLogbookFile(benchmark::State& state) {
  const std::string& bytes = TenThousandDives();
  const std::string path = scrb::test::WriteTempFile("ten-thousand.log", bytes);
  for (auto _ : state) {
    scrb::Logbook book;
    scrb::ReadLogbook(book, path);
    benchmark::DoNotOptimize(book.Dives.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_ReadLogbookFile)->Unit(benchmark::kMillisecond);

void BM_DecodeProfile90Minutes(benchmark::State& state) {
  std::vector<scrb::DiveRecord> dives;
  scrb::ParseLogbook(scrb::bench::NinetyMinuteLogbook(), dives);
  const scrb::DiveRecord& dive = dives.at(0);
  scrb::DecodedProfile profile;
  for (auto _ : state) {
    profile = scrb::DecodeProfile(dive);
    benchmark::DoNotOptimize(profile.SampleDepth.data());
  }
  state.counters["samples"] = profile.SampleCount;
}
BENCHMARK(BM_DecodeProfile90Minutes)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
