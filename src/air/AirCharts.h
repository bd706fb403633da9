#pragma once

#include <vector>

#include "air/AirModel.h"
#include "charts/ChartSurface.h"
#include "charts/Palette.h"
#include "charts/TimeStretch.h"
#include "logbook/Translation.h"
#include "report/Units.h"

namespace scrb {

// Fixed captions of the two air charts, shown above the tank chart and above the breath rate
// chart.
inline constexpr const char* kTankChartCaption =
    SCRB_TRANSLATE_NOOP("Charts", "Estimated air pressure (bar) versus time (min)");
inline constexpr const char* kBreathRateChartCaption =
    SCRB_TRANSLATE_NOOP("Charts", "Estimated breath rate (litres/minutes)");
inline constexpr const char* kTankChartCaptionPsi =
    SCRB_TRANSLATE_NOOP("Charts", "Estimated air pressure (psi) versus time (min)");
inline constexpr const char* kBreathRateChartCaptionCubicFeet =
    SCRB_TRANSLATE_NOOP("Charts", "Estimated breath rate (cubic feet/minutes)");
inline const char* TankChartCaption(UnitSystem units) {
  return units == UnitSystem::Metric ? kTankChartCaption : kTankChartCaptionPsi;
}
inline const char* BreathRateChartCaption(UnitSystem units) {
  return units == UnitSystem::Metric ? kBreathRateChartCaption : kBreathRateChartCaptionCubicFeet;
}
inline constexpr const char* kNoAirDataText =
    SCRB_TRANSLATE_NOOP("Charts", "No Air Data available");

// The tank pressure the tank chart draws at the end of sample k (0 .. the sample count), in bar
// above the end-of-dive pressure: interpolated within its minute, the first minute starting from
// the whole amount used.
double TankPressureAtSample(const DiveRecord& dive, const AirEstimate& air, int k);

// The estimated tank pressure at the end of every sample and of the entry past the last,
// interpolated within its minute, in hundredths of the units' pressure: what the tank chart draws.
std::vector<double> TankPoints(const DiveRecord& dive, const DecodedProfile& profile,
                               const AirEstimate& air, UnitSystem units);

// The estimated tank pressure above the end-of-dive pressure, every 20 seconds. Draws the "no
// data" line when there is no estimate.
// Both charts draw in the units' pressure and breath rate, ticking at round values of them.
void DrawTankChart(const DiveRecord& dive, const DecodedProfile& profile, const AirEstimate& air,
                   ChartSurface& surface, UnitSystem units, const Palette& palette,
                   const TimeStretch& stretch = TimeStretch::WholeDive());

// The estimated breath rate as a step per minute.
void DrawBreathRateChart(const DecodedProfile& profile, const AirEstimate& air,
                         ChartSurface& surface, UnitSystem units, const Palette& palette,
                         const TimeStretch& stretch = TimeStretch::WholeDive());

}  // namespace scrb
