#include "charts/AlarmStrip.h"
#include "charts/DepthChart.h"
#include "charts/VerticalSpeedChart.h"
#include "cli/ChartRegistry.h"

namespace scrb::cli {

namespace {

// The least height of the app's six-row strip at 96 dpi: each row as high as its label.
constexpr int kAlarmStripHeightPixels = 106;

}  // namespace

std::vector<ChartEntry> DiveChartEntries() {
  return {
      {"depth", 600,
       [](RenderContext& c, ChartSurface& s) {
         const AnalysedDive dive = c.Analysed();
         DrawDepthChart(dive.Dive(), *dive.Profile, s, c.Units, c.Colours, c.Stretch);
       }},
      {"alarms", kAlarmStripHeightPixels,
       [](RenderContext& c, ChartSurface& s) {
         DrawAlarmStrip(*c.Analysed().Profile, s, c.View, c.Colours, c.Stretch);
       }},
      {"speed", 600,
       [](RenderContext& c, ChartSurface& s) {
         DrawVerticalSpeedChart(*c.Analysed().Profile, s, c.Units, c.Colours, c.Stretch);
       }},
  };
}

}  // namespace scrb::cli
