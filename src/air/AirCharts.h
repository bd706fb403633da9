#pragma once

#include "charts/ChartSurface.h"
#include "logbook/DiveRecord.h"

namespace scrb {

// Fixed captions of the two air charts, shown above the tank chart and above the breath rate
// chart.
inline constexpr const char* kTankChartCaption = "Estimated air pressure (bar) versus time (min)";
inline constexpr const char* kBreathRateChartCaption = "Estimated breath rate (litres/minutes)";
inline constexpr const char* kNoAirDataText = "No Air Data available";

// The estimated tank pressure above the end-of-dive pressure, every 20 seconds. Expects
// ComputeAirModel to have run for the dive.
void DrawTankChart(const DiveRecord& dive, ChartSurface& surface);

// The estimated breath rate as a step per minute. Expects ComputeAirModel to have run.
void DrawBreathRateChart(const DiveRecord& dive, ChartSurface& surface);

}  // namespace scrb
