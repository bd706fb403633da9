#include "air/AirCharts.h"
#include "air/PhysCharts.h"
#include "cli/ChartRegistry.h"

namespace scrb::cli {

// The air charts show the estimate as the "&Air" page would after computing it.
std::vector<ChartEntry> AirChartEntries() {
  return {
      {"tank", 600,
       [](RenderContext& c, ChartSurface& s) {
         const AnalysedDive dive = c.Analysed();
         DrawTankChart(dive.Dive(), *dive.Profile, *dive.Air, s, c.Units, c.Colours, c.Stretch);
       }},
      {"breath", 400,
       [](RenderContext& c, ChartSurface& s) {
         const AnalysedDive dive = c.Analysed();
         DrawBreathRateChart(*dive.Profile, *dive.Air, s, c.Units, c.Colours, c.Stretch);
       }},
      {"cold", 400,
       [](RenderContext& c, ChartSurface& s) {
         DrawColdChart(*c.Analysed().Profile, s, c.Colours, c.Stretch);
       }},
      {"bubbles", 400,
       [](RenderContext& c, ChartSurface& s) {
         DrawBubbleChart(*c.Analysed().Profile, s, c.Colours, c.Stretch);
       }},
      {"consumption", 400,
       [](RenderContext& c, ChartSurface& s) {
         DrawConsumptionChart(*c.Analysed().Profile, s, c.Colours, c.Stretch);
       }},
  };
}

}  // namespace scrb::cli
