#pragma once

#include <vector>

#include "charts/ChartSurface.h"
#include "charts/Palette.h"
#include "charts/TimeStretch.h"
#include "logbook/ProfileDecoder.h"
#include "logbook/Translation.h"
#include "saturation/DecoModel.h"
#include "saturation/Saturation.h"

namespace scrb {

// The caption shown above the heat map.
inline constexpr const char* kTissueHeatMapCaption =
    SCRB_TRANSLATE_NOOP("Charts", "Over-saturation of each tissue, % of allowed");

// Where the colour scale of the heat map ends: every cell from here on takes its last colour.
inline constexpr double kHeatMapTopPercent = 200;

// The colour of a cell at an over-saturation in % of allowed: up to 100 % a perceptually uniform
// scale that colour-blind eyes read alike (dark blue-violet through green to yellow, lightness
// rising all the way), beyond it a ramp of reds and pinks that no part of that scale comes near.
Rgb HeatMapColour(double percent);

// The tissues from top to bottom: the fastest (shortest half time) first.
std::vector<int> HeatMapRows(const DecoModel& model);

// The heat map's cells, one row per tissue in the model's order and one cell per step from step
// 1 on: the over-saturation in hundredths of a percent that the over-saturation chart draws at
// that step. Cell k spans the 20 s of sample k. Empty when the chart would have nothing to draw.
std::vector<std::vector<double>> TissueHeatMapCells(const DecodedProfile& profile,
                                                    const SaturationResult& saturation,
                                                    const DecoModel& model);

// One dive's tissues as rows and its time across on the axis of the other time charts, each cell
// coloured by its over-saturation, with a key of the colours under the time axis.
void DrawTissueHeatMap(const DecodedProfile& profile, const SaturationResult& saturation,
                       const DecoModel& model, ChartSurface& surface, const Palette& palette,
                       const TimeStretch& stretch = TimeStretch::WholeDive());
// The same over given times, which may reach past the dive's end: dives side by side share the
// longest one's axis.
void DrawTissueHeatMapOver(const ShownTimes& times, const DecodedProfile& profile,
                           const SaturationResult& saturation, const DecoModel& model,
                           ChartSurface& surface, const Palette& palette);

}  // namespace scrb
