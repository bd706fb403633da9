#include <numeric>
#include <ostream>

#include "cli/Commands.h"
#include "overview/DiveSearch.h"
#include "overview/Statistics.h"
#include "overview/StatisticsTexts.h"

namespace scrb::cli {

StatisticsGrouping GroupingOption(const CliArgs& args) {
  const std::string name = args.Option("by").value_or("year");
  const std::optional<StatisticsGrouping> grouping = GroupingNamed(name);
  if (!grouping) {
    throw UsageError{"--by takes year, month, site, location, partner or trip, not \"" + name +
                     "\""};
  }
  return *grouping;
}

LogbookStatistics StatisticsOfSearch(const CliArgs& args, AnalysisCache& analysis,
                                     const Logbook& book, StatisticsGrouping grouping) {
  const std::vector<int> dives = MatchingDives(book.Dives, args.Option("search").value_or(""));
  // Nothing else changes the analysis here, and nothing stops the pass: it always returns.
  return InUnits(*StatisticsOf(analysis, book.Dives, dives, grouping, {}), UnitsOption(args));
}

int RunStats(const CliArgs& args, std::ostream& out, std::ostream& err) {
  const StatisticsGrouping grouping = GroupingOption(args);
  const std::string format = LowerCase(args.Option("format").value_or("text"));
  if (format != "text" && format != "json") {
    throw UsageError{"--format takes text or json, not \"" + format + "\""};
  }
  IntOption(args, "model", 0, 0, 2);  // a bad model is refused before any file is read
  UnitsOption(args);

  CommandLogbooks loaded = LoadLogbooks(args.Files, err);
  if (loaded.NothingLoaded()) return loaded.Status;
  AnalysisCache& analysis = loaded.Analysis();
  ApplyModelOptions(args, analysis);
  const LogbookStatistics stats = StatisticsOfSearch(args, analysis, loaded.Book(), grouping);
  out << (format == "json" ? StatisticsJson(stats) : StatisticsText(stats));
  return loaded.Status;
}

}  // namespace scrb::cli
