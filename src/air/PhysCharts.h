#pragma once

#include "charts/ChartSurface.h"
#include "charts/Palette.h"
#include "charts/TimeStretch.h"
#include "logbook/ProfileDecoder.h"
#include "logbook/Translation.h"

namespace scrb {

// Fixed captions of the three charts of the "&Phys Data" page, one above each chart.
inline constexpr const char* kColdChartCaption =
    SCRB_TRANSLATE_NOOP("Charts", "Body temperature loss");
inline constexpr const char* kBubbleChartCaption = SCRB_TRANSLATE_NOOP("Charts", "Air bubbles");
inline constexpr const char* kConsumptionChartCaption =
    SCRB_TRANSLATE_NOOP("Charts", "Relative Air Consumption");

inline constexpr const char* kNoTempDataText =
    SCRB_TRANSLATE_NOOP("Charts", "No Temp Data available");
inline constexpr const char* kNoDecoDataText =
    SCRB_TRANSLATE_NOOP("Charts", "No Deco Data available");
inline constexpr const char* kNoConsumptionDataText =
    SCRB_TRANSLATE_NOOP("Charts", "No Air Data Consumption available");

// Running total of the minutes the dive computer flagged as cold, in minutes.
void DrawColdChart(const DecodedProfile& profile, ChartSurface& surface, const Palette& palette,
                   const TimeStretch& stretch = TimeStretch::WholeDive());

// The bubble level 0..7 of each minute.
void DrawBubbleChart(const DecodedProfile& profile, ChartSurface& surface, const Palette& palette,
                     const TimeStretch& stretch = TimeStretch::WholeDive());

// The air level 0..7 of each minute, the level that drives the estimated breath rate.
void DrawConsumptionChart(const DecodedProfile& profile, ChartSurface& surface,
                          const Palette& palette,
                          const TimeStretch& stretch = TimeStretch::WholeDive());

}  // namespace scrb
