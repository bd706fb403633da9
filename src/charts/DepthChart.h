#pragma once

#include <cstdint>
#include <string>

#include "charts/ChartSurface.h"
#include "charts/Palette.h"
#include "charts/TimeStretch.h"
#include "logbook/DiveRecord.h"
#include "logbook/ProfileDecoder.h"
#include "logbook/Translation.h"
#include "report/Units.h"

namespace scrb {

inline constexpr const char* kNoDiveData = SCRB_TRANSLATE_NOOP("Charts", "No Dive Data available");

// The samples a profile chart (depth, speed, alarm strip) draws. A dive without any gets the
// "no data" line in their place, and 0.
int32_t SamplesToDraw(const DecodedProfile& profile, ChartSurface& surface);

// Caption of the label above a depth chart, e.g. "Dive Number: 12  Depth (meters) versus Time
// (minutes)".
std::string DepthChartTitle(const DiveRecord& dive, UnitSystem units);

// Depth against time, depth growing downward, with the 20 m and 40 m reference lines; profile
// segments are red where the sample at their start carries an alarm flag. In imperial the axis
// is in feet, ticking at round feet; the reference lines stay at 20 m and 40 m.
void DrawDepthChart(const DiveRecord& dive, const DecodedProfile& profile, ChartSurface& surface,
                    UnitSystem units, const Palette& palette,
                    const TimeStretch& stretch = TimeStretch::WholeDive());

}  // namespace scrb
