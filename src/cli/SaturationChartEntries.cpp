#include "cli/ChartRegistry.h"
#include "logbook/ProfileDecoder.h"
#include "saturation/Saturation.h"
#include "saturation/SaturationCharts.h"
#include "saturation/TissueLegend.h"

namespace scrb::cli {

namespace {

// The saturation charts show the dive as the "&Tissue Sat" page would after computing it with
// the chosen model.
DiveRecord& SaturatedDive(RenderContext& context) {
  DiveRecord& dive = context.Book.Dives[static_cast<size_t>(context.Dive)];
  DecodeProfile(dive);
  ComputeSaturation(dive, context.Model);
  return dive;
}

}  // namespace

std::vector<ChartEntry> SaturationChartEntries() {
  return {
      {"pressure", 500,
       [](RenderContext& c, ChartSurface& s) {
         DrawTissuePressureChart(SaturatedDive(c), c.Model, s);
       }},
      {"oversaturation", 450,
       [](RenderContext& c, ChartSurface& s) {
         DrawOverSaturationChart(SaturatedDive(c), c.Model, s);
       }},
      {"legend", 360, [](RenderContext& c, ChartSurface& s) { DrawTissueLegend(c.Model, s); }},
  };
}

}  // namespace scrb::cli
