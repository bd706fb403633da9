#pragma once

#include "charts/ChartSurface.h"
#include "logbook/ProfileDecoder.h"

namespace scrb {

// Fixed captions of the three charts of the "&Phys Data" page, one above each chart.
inline constexpr const char* kColdChartCaption = "Body temperature loss";
inline constexpr const char* kBubbleChartCaption = "Air bubbles";
inline constexpr const char* kConsumptionChartCaption = "Relative Air Consumption";

// The parts of a minute's status byte that the charts draw.
inline constexpr int kBubbleMask = 7;
inline constexpr int kColdBit = 8;
inline constexpr int kAirLevelMask = 112;

inline constexpr const char* kNoTempDataText = "No Temp Data available";
inline constexpr const char* kNoDecoDataText = "No Deco Data available";
inline constexpr const char* kNoConsumptionDataText = "No Air Data Consumption available";

// Running total of the minutes the dive computer flagged as cold, in minutes.
void DrawColdChart(const DecodedProfile& profile, ChartSurface& surface);

// The bubble level 0..7 of each minute.
void DrawBubbleChart(const DecodedProfile& profile, ChartSurface& surface);

// The air level 0..7 of each minute, the level that drives the estimated breath rate.
void DrawConsumptionChart(const DecodedProfile& profile, ChartSurface& surface);

}  // namespace scrb
