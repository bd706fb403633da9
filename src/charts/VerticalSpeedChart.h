#pragma once

#include <vector>

#include "charts/ChartSurface.h"
#include "charts/Palette.h"
#include "charts/TimeStretch.h"
#include "logbook/ProfileDecoder.h"
#include "logbook/Translation.h"
#include "report/Units.h"

namespace scrb {

inline constexpr const char* kSpeedChartTitle =
    SCRB_TRANSLATE_NOOP("Charts", "Depth derivative (meters per minutes)");
inline constexpr const char* kSpeedChartTitleFeet =
    SCRB_TRANSLATE_NOOP("Charts", "Depth derivative (feet per minutes)");
inline const char* SpeedChartTitle(UnitSystem units) {
  return units == UnitSystem::Metric ? kSpeedChartTitle : kSpeedChartTitleFeet;
}

// VerticalSpeedAt of each sample k in metres per minute; index 0 and N are 0. Holds N + 1 entries.
std::vector<double> VerticalSpeeds(const DecodedProfile& profile);

// Vertical speed as a step line over the depth chart's time axis, with the zero and 12 m/min
// lines; steps after a flagged sample are red. In imperial the axis is in feet per minute and the
// limit line stays at 12 m/min.
void DrawVerticalSpeedChart(const DecodedProfile& profile, ChartSurface& surface, UnitSystem units,
                            const Palette& palette,
                            const TimeStretch& stretch = TimeStretch::WholeDive());

}  // namespace scrb
