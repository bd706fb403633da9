#include "cli/ChartRegistry.h"
#include "overview/StatisticsCharts.h"

namespace scrb::cli {

std::vector<ChartEntry> StatisticsChartEntries() {
  std::vector<ChartEntry> entries;
  for (const StatisticsChartInfo& info : StatisticsCharts()) {
    const StatisticsChart chart = info.Chart;
    entries.push_back({info.Name, 600,
                       [chart](RenderContext& c, ChartSurface& s) {
                         DrawStatisticsChart(chart, *c.Statistics, s, c.Colours);
                       },
                       true});
  }
  return entries;
}

}  // namespace scrb::cli
