#include <algorithm>
#include <ostream>

#include "cli/Commands.h"
#include "overview/TableOutput.h"

namespace scrb::cli {
namespace {

struct SortChoice {
  std::optional<TableColumn> Column;
  bool Descending = false;
};

SortChoice SortOption(const CliArgs& args) {
  const std::optional<std::string> text = args.Option("sort");
  if (!text) return {};
  std::string key = *text;
  bool descending = false;
  if (key.ends_with(":desc")) {
    key.resize(key.size() - 5);
    descending = true;
  }
  const auto column = ColumnByKey(key);
  if (!column)
    throw UsageError{"--sort takes a column key, optionally with :desc, not \"" + *text + "\""};
  return {column, descending};
}

std::vector<TableColumn> ColumnsOption(const CliArgs& args) {
  const std::optional<std::string> text = args.Option("columns");
  if (!text) return DefaultOutputColumns();
  std::string badKey;
  const auto columns = ParseColumnKeys(*text, badKey);
  if (!columns) throw UsageError{"--columns: \"" + badKey + "\" is not a column key"};
  return *columns;
}

TableFormat FormatOption(const CliArgs& args) {
  const std::string name = LowerCase(args.Option("format").value_or("tsv"));
  const auto format = TableFormatByName(name);
  if (!format) throw UsageError{"--format takes tsv, csv or json, not \"" + name + "\""};
  return *format;
}

bool NeedsAnalysis(const std::vector<TableColumn>& columns, const SortChoice& sort) {
  const auto computed = [](TableColumn column) { return ColumnInfo(column).Computed; };
  return std::ranges::any_of(columns, computed) || (sort.Column && computed(*sort.Column));
}

}  // namespace

int RunTable(const CliArgs& args, std::ostream& out, std::ostream& err) {
  const std::vector<TableColumn> columns = ColumnsOption(args);
  const SortChoice sort = SortOption(args);
  const TableFormat format = FormatOption(args);
  const UnitSystem units = UnitsOption(args);
  IntOption(args, "model", 0, 0, 2);  // a bad model is refused before any file is read
  CommandLogbooks loaded = LoadLogbooks(args.Files, err);
  if (loaded.NothingLoaded()) return loaded.Status;
  const Logbook& book = loaded.Book();
  DiveTable table;
  table.Build(book.Dives, book.DisplayOptionFlag, units);
  const DiveSearch search(args.Option("search").value_or(""));
  if (NeedsAnalysis(columns, sort)) {
    AnalysisCache& analysis = loaded.Analysis();
    ApplyModelOptions(args, analysis);
    // Dives the search leaves out are not worth their analysis.
    std::vector<int> matching;
    for (int dive = 0; dive < book.DiveCount(); ++dive) {
      if (table.Matches(dive, search)) matching.push_back(dive);
    }
    // Nothing else changes the analysis here, and nothing stops the pass: it always returns.
    const auto summaries = SummariseDives(analysis, matching, {});
    for (size_t n = 0; summaries && n < matching.size(); ++n) {
      table.SetSummary(matching[n], (*summaries)[n]);
    }
  }
  out << WriteTable(table, table.ViewOrder(search, sort.Column, sort.Descending), columns, format);
  return loaded.Status;
}

}  // namespace scrb::cli
