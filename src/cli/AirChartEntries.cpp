#include "air/AirCharts.h"
#include "air/AirModel.h"
#include "air/PhysCharts.h"
#include "cli/ChartRegistry.h"
#include "logbook/ProfileDecoder.h"

namespace scrb::cli {

namespace {

DiveRecord& DecodedDive(RenderContext& context) {
  DiveRecord& dive = context.Book.Dives[static_cast<size_t>(context.Dive)];
  DecodeProfile(dive);
  return dive;
}

// The air charts show the estimate as the "&Air" page would after computing it.
DiveRecord& EstimatedDive(RenderContext& context) {
  DiveRecord& dive = DecodedDive(context);
  ComputeAirModel(dive);
  return dive;
}

}  // namespace

std::vector<ChartEntry> AirChartEntries() {
  return {
      {"tank", 600, [](RenderContext& c, ChartSurface& s) { DrawTankChart(EstimatedDive(c), s); }},
      {"breath", 400, [](RenderContext& c, ChartSurface& s) { DrawBreathRateChart(EstimatedDive(c), s); }},
      {"cold", 400, [](RenderContext& c, ChartSurface& s) { DrawColdChart(DecodedDive(c), s); }},
      {"bubbles", 400, [](RenderContext& c, ChartSurface& s) { DrawBubbleChart(DecodedDive(c), s); }},
      {"consumption", 400, [](RenderContext& c, ChartSurface& s) { DrawConsumptionChart(DecodedDive(c), s); }},
  };
}

}  // namespace scrb::cli
