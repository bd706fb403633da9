#include "cli/ChartRegistry.h"
#include "saturation/SaturationCharts.h"
#include "saturation/TissueHeatMap.h"
#include "saturation/TissueLegend.h"

namespace scrb::cli {

// The saturation charts show the dive as the "&Tissue Sat" page would after computing it with
// the chosen model.
std::vector<ChartEntry> SaturationChartEntries() {
  return {
      {"pressure", 500,
       [](RenderContext& c, ChartSurface& s) {
         const AnalysedDive dive = c.Analysed();
         DrawTissuePressureChart(*dive.Profile, *dive.Saturation, c.Analysis.Model(), s, c.Units,
                                 c.Colours, c.Stretch);
       }},
      {"oversaturation", 450,
       [](RenderContext& c, ChartSurface& s) {
         const AnalysedDive dive = c.Analysed();
         DrawOverSaturationChart(*dive.Profile, *dive.Saturation, c.Analysis.Model(), s, c.Colours,
                                 c.Stretch);
       }},
      {"heatmap", 400,
       [](RenderContext& c, ChartSurface& s) {
         const AnalysedDive dive = c.Analysed();
         DrawTissueHeatMap(*dive.Profile, *dive.Saturation, c.Analysis.Model(), s, c.Colours,
                           c.Stretch);
       }},
      {"legend", 360,
       [](RenderContext& c, ChartSurface& s) {
         DrawTissueLegend(c.Analysis.Model(), s, c.Colours);
       },
       false, false},
  };
}

}  // namespace scrb::cli
