// Exporting logbooks of 1,000 to 10,000 dives to UDDF, against one plain pass over the bytes the
// export writes, in the same run.

#include <benchmark/benchmark.h>

#include <map>
#include <sstream>
#include <streambuf>

#include "BenchLogbook.h"
#include "export/UddfWriter.h"
#include "logbook/LogbookReader.h"

namespace {

// Counts and forgets what is written, so the figures are the writer's, not the memory's or the
// disk's.
class CountingBuffer : public std::streambuf {
 public:
  int64_t Count = 0;

 protected:
  int_type overflow(int_type c) override {
    ++Count;
    return traits_type::not_eof(c);
  }
  std::streamsize xsputn(const char*, std::streamsize n) override {
    Count += n;
    return n;
  }
};

// Logbooks as just opened: no dive decoded yet, as the command line exports them.
const scrb::Logbook& Dives(int count) {
  static std::map<int, scrb::Logbook> books;
  scrb::Logbook& book = books[count];
  if (book.Dives.empty()) {
    std::vector<scrb::DiveRecord> dives;
    scrb::ParseLogbook(scrb::bench::ManyDives(count), dives);
    book.Dives = std::move(dives);
  }
  return book;
}

// The baseline: one plain pass over the 10,000-dive export.
void BM_PlainPassOverExport(benchmark::State& state) {
  static const std::string text = [] {
    std::ostringstream out;
    scrb::AnalysisCache analysis;
    analysis.SetDives(Dives(10000).Dives.Share());
    scrb::WriteUddf(Dives(10000), analysis, out);
    return out.str();
  }();
  scrb::bench::PlainPass(state, text);
}
BENCHMARK(BM_PlainPassOverExport)->Unit(benchmark::kMillisecond);

void BM_WriteUddf(benchmark::State& state) {
  const scrb::Logbook& book = Dives(static_cast<int>(state.range(0)));
  int64_t bytes = 0;
  for (auto _ : state) {
    CountingBuffer buffer;
    std::ostream out(&buffer);
    scrb::AnalysisCache analysis;
    analysis.SetDives(book.Dives.Share());
    if (!scrb::WriteUddf(book, analysis, out)) state.SkipWithError("the export failed");
    bytes = buffer.Count;
  }
  state.SetBytesProcessed(state.iterations() * bytes);
  state.SetComplexityN(state.range(0));
  state.counters["file_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_WriteUddf)
    ->Arg(1000)
    ->Arg(3000)
    ->Arg(10000)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
