#pragma once

#include <optional>
#include <string>
#include <vector>

#include "charts/ChartSurface.h"
#include "charts/Palette.h"
#include "overview/Statistics.h"

namespace scrb {

enum class StatisticsChart {
  DivesPerYear,
  MaxDepthHistogram,
  DiveTimeHistogram,
  WaterTemperatureByMonth,
  BreathRateOverTime,
  OverSaturationOverTime,
};

struct StatisticsChartInfo {
  StatisticsChart Chart;
  std::string Name;                // as render --chart takes it
  std::string Title;               // printed at the chart's top
  std::string ImperialTitle = {};  // where imperial units change it
};
// The title in the units given and the diver's language, naming the colours the palette draws.
std::string ChartTitle(const StatisticsChartInfo& info, UnitSystem units, const Palette& palette);
// Every statistics chart, in the order the window and the summary page show them.
const std::vector<StatisticsChartInfo>& StatisticsCharts();
const StatisticsChartInfo& ChartInfo(StatisticsChart chart);

// Draws one chart of the dives counted on a blank surface; a chart without data says so.
void DrawStatisticsChart(StatisticsChart chart, const LogbookStatistics& stats,
                         ChartSurface& surface, const Palette& palette);

// The mouse-over text for a position in the chart's coordinates: the bar or the dive under the
// mouse; nothing where there is none.
std::optional<std::string> StatisticsReadout(StatisticsChart chart, const LogbookStatistics& stats,
                                             double userX);

// The dive nearest to the mouse on a chart of dives over time, by list index.
std::optional<int> StatisticsReadoutDive(StatisticsChart chart, const LogbookStatistics& stats,
                                         double userX);

}  // namespace scrb
