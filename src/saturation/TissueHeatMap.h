#pragma once

#include <optional>
#include <string>
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

// The tissue (from 0) whose row lies at y, the map's own vertical coordinate (its top row from
// TissueCount * 100 down, its bottom row down to 0); the nearest row above or below the map.
// None for a model without tissues or a y that is no number.
std::optional<int> HeatMapTissueAt(const DecoModel& model, double y);

// What lies under the pointer at time x (hundredths of a minute) in the row of a tissue: the
// cell's time, the tissue numbered from 1 and its over-saturation in % of allowed. None outside
// the dive's cells or where the map has nothing to show.
std::optional<std::string> HeatMapReadoutText(const DecodedProfile& profile,
                                              const SaturationResult& saturation,
                                              const DecoModel& model, double x, int tissue);

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
