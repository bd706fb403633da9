#pragma once

#include "air/AirModel.h"
#include "charts/ChartSurface.h"
#include "logbook/Translation.h"

namespace scrb {

// Fixed captions of the two air charts, shown above the tank chart and above the breath rate
// chart.
inline constexpr const char* kTankChartCaption =
    SCRB_TRANSLATE_NOOP("Charts", "Estimated air pressure (bar) versus time (min)");
inline constexpr const char* kBreathRateChartCaption =
    SCRB_TRANSLATE_NOOP("Charts", "Estimated breath rate (litres/minutes)");
inline constexpr const char* kNoAirDataText =
    SCRB_TRANSLATE_NOOP("Charts", "No Air Data available");

// The estimated tank pressure above the end-of-dive pressure, every 20 seconds. Draws the "no
// data" line when there is no estimate.
void DrawTankChart(const DiveRecord& dive, const DecodedProfile& profile, const AirEstimate& air,
                   ChartSurface& surface);

// The estimated breath rate as a step per minute.
void DrawBreathRateChart(const DecodedProfile& profile, const AirEstimate& air,
                         ChartSurface& surface);

}  // namespace scrb
