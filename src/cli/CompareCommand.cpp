#include <algorithm>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <ostream>

#include "cli/ChartRegistry.h"
#include "cli/Commands.h"
#include "overview/ComparisonCharts.h"
#include "overview/DiveComparison.h"
#include "overview/DiveSearch.h"

namespace scrb::cli {

namespace {

// "3,0,12" as whole numbers; throws UsageError naming the option for anything else.
std::vector<int> NumberList(const std::string& name, const std::string& text) {
  std::vector<int> numbers;
  size_t from = 0;
  while (from <= text.size()) {
    const size_t comma = std::min(text.find(',', from), text.size());
    int value = 0;
    const char* first = text.data() + from;
    const char* last = text.data() + comma;
    const auto [end, error] = std::from_chars(first, last, value);
    if (first == last || error != std::errc() || end != last) {
      throw UsageError{"--" + name + " takes whole numbers separated by commas, not \"" + text +
                       "\""};
    }
    numbers.push_back(value);
    from = comma + 1;
  }
  return numbers;
}

// The list as given, of a length a comparison takes; checked before any file is read.
std::vector<int> ListedDives(const CliArgs& args) {
  const std::optional<std::string> indices = args.Option("dives");
  const std::optional<std::string> numbers = args.Option("numbers");
  if (indices && numbers) throw UsageError{"give either --dives or --numbers, not both"};
  if (!indices && !numbers) throw UsageError{"--dives I,J,... or --numbers N,M,... is required"};
  std::vector<int> dives = NumberList(indices ? "dives" : "numbers", indices ? *indices : *numbers);
  const auto count = static_cast<int>(dives.size());
  if (count < kFewestComparedDives || count > kMostComparedDives) {
    throw UsageError{*ComparisonProblem(dives, INT32_MAX)};
  }
  return dives;
}

}  // namespace

// Every refusal names the dive as the user did, by list index or by number, in the wording of
// the command line's other refusals.
std::vector<int> ComparedDivesOption(const CliArgs& args, const Logbook& book) {
  std::vector<int> dives = ListedDives(args);
  if (args.Option("numbers")) {
    for (size_t n = 0; n < dives.size(); ++n) {
      const int number = dives[n];
      if (std::find(dives.begin(), dives.begin() + static_cast<std::ptrdiff_t>(n), number) !=
          dives.begin() + static_cast<std::ptrdiff_t>(n)) {
        throw UsageError{"the dive number " + std::to_string(number) + " is named twice"};
      }
    }
    for (int& dive : dives) {
      const int number = dive;
      dive = FirstDiveWithNumber(book.Dives, number);
      if (dive < 0) {
        throw UsageError{"no dive in the logbook has the number " + std::to_string(number)};
      }
    }
  }
  if (const auto problem = ComparisonProblem(dives, book.DiveCount())) throw UsageError{*problem};
  return dives;
}

int RunCompare(const CliArgs& args, std::ostream& out, std::ostream& err) {
  const std::string format = LowerCase(args.Option("format").value_or("text"));
  if (format != "text" && format != "json") {
    throw UsageError{"--format takes text or json, not \"" + format + "\""};
  }
  IntOption(args, "model", 0, 0, 2);  // refused before any file is read
  const UnitSystem units = UnitsOption(args);
  ListedDives(args);

  CommandLogbooks loaded = LoadLogbooks(args.Files, err);
  if (loaded.NothingLoaded()) return loaded.Status;
  const std::vector<int> dives = ComparedDivesOption(args, loaded.Book());
  ApplyModelOptions(args, loaded.Analysis());
  const DiveComparison comparison = CompareDives(loaded.Analysis(), dives);
  out << (format == "json" ? ComparisonJson(comparison, units) : ComparisonText(comparison, units));
  return loaded.Status;
}

std::vector<ChartEntry> ComparisonChartEntries() {
  std::vector<ChartEntry> entries;
  for (const auto& [name, chart] :
       {std::pair{"compare-depth", ComparisonChart::Depth},
        std::pair{"compare-oversaturation", ComparisonChart::OverSaturation},
        std::pair{"compare-tank", ComparisonChart::Tank}}) {
    ChartEntry entry{name, 600, [chart](RenderContext& c, ChartSurface& s) {
                       DrawComparisonChart(chart, CompareDives(c.Analysis, c.Dives), s, c.Units,
                                           c.Colours);
                     }};
    entry.Comparison = true;
    entries.push_back(std::move(entry));
  }
  return entries;
}

}  // namespace scrb::cli
