#include "charts/AlarmStrip.h"
#include "charts/DepthChart.h"
#include "charts/VerticalSpeedChart.h"
#include "cli/ChartRegistry.h"
#include "logbook/ProfileDecoder.h"

namespace scrb::cli {

namespace {

// The least height of the app's six-row strip at 96 dpi: each row as high as its label.
constexpr int kAlarmStripHeightPixels = 106;

const DiveRecord& DecodedDive(RenderContext& context) {
  DiveRecord& dive = context.Book.Dives[static_cast<size_t>(context.Dive)];
  DecodeProfile(dive);
  return dive;
}

}  // namespace

std::vector<ChartEntry> DiveChartEntries() {
  return {
      {"depth", 600, [](RenderContext& c, ChartSurface& s) { DrawDepthChart(DecodedDive(c), s); }},
      {"alarms", kAlarmStripHeightPixels,
       [](RenderContext& c, ChartSurface& s) { DrawAlarmStrip(DecodedDive(c), s, c.View); }},
      {"speed", 600,
       [](RenderContext& c, ChartSurface& s) { DrawVerticalSpeedChart(DecodedDive(c), s); }},
  };
}

}  // namespace scrb::cli
