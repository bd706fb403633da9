#pragma once

#include <string>
#include <vector>

#include "overview/Statistics.h"

namespace scrb {

// The shortest JSON number that reads back as the same double; null for what is no number.
std::string JsonNumber(double value);
// The text as a JSON string, control characters escaped.
std::string JsonString(const std::string& text);

// "76 dives", or "12 of 76 dives (search: Terlinden)" while a search leaves out some.
std::string StatisticsTitle(int shown, int total, const std::string& search);

// One line of the summary; a line about one dive names it, so that it can be selected.
struct SummaryRow {
  std::string Label;
  std::string Value;
  int Dive = -1;  // list index, -1 when the line is about no one dive
};
std::vector<SummaryRow> SummaryRows(const LogbookStatistics& stats);

// The grouped table: its headings, and one row of cells a group.
// Figures are in the units of the statistics they come from (see InUnits).
std::vector<std::string> GroupColumnTitles(StatisticsGrouping grouping, UnitSystem units);
std::vector<std::string> GroupCells(const StatisticsGroup& group, UnitSystem units);

// Total minutes as hours and minutes, "58:07".
std::string HoursAndMinutes(int minutes);

// The summary and the grouped table as plain text, one figure a line, then the table with tabs.
std::string StatisticsText(const LogbookStatistics& stats);
// One JSON object: numbers at full precision, null where no dive has the value.
std::string StatisticsJson(const LogbookStatistics& stats);

}  // namespace scrb
