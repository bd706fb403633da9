#pragma once

#include <functional>
#include <string>
#include <vector>

#include "analysis/AnalysisCache.h"
#include "charts/ChartSurface.h"
#include "charts/Palette.h"
#include "charts/TimeStretch.h"
#include "overview/Statistics.h"
#include "report/Units.h"

namespace scrb::cli {

// What a chart needs to draw one dive as the app would: the analysis of the loaded logbook under
// the chosen decompression model, the dive and, for the charts shown on two pages, the view.
struct RenderContext {
  AnalysisCache& Analysis;
  int Dive = 0;
  int View = 1;
  // For the charts of the whole logbook: the dives --search leaves, summed up.
  const LogbookStatistics* Statistics = nullptr;
  UnitSystem Units = UnitSystem::Metric;
  const Palette& Colours;
  // For the comparison's charts: the dives compared, in the order given.
  std::vector<int> Dives = {};
  // The stretch of the dive's time that --from and --to ask for.
  TimeStretch Stretch = TimeStretch::WholeDive();

  AnalysedDive Analysed() const { return Analysis.Analysed(Dive); }
};

struct ChartEntry {
  std::string Name;  // the value of --chart
  int DefaultHeightPixels = 600;
  std::function<void(RenderContext&, ChartSurface&)> Draw;
  bool WholeLogbook = false;  // drawn from the statistics, without --dive
  bool OverTime = true;       // drawn against the dive's time, so --from and --to apply
  bool Comparison = false;    // drawn from the dives of --dives or --numbers
};

// Each subsystem lists its own charts; the render command offers all of them.
std::vector<ChartEntry> DiveChartEntries();
std::vector<ChartEntry> AirChartEntries();
std::vector<ChartEntry> SaturationChartEntries();
std::vector<ChartEntry> StatisticsChartEntries();
std::vector<ChartEntry> ComparisonChartEntries();

}  // namespace scrb::cli
