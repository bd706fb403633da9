#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "charts/ChartFrame.h"
#include "charts/ChartSurface.h"
#include "charts/Palette.h"
#include "charts/TimeStretch.h"
#include "logbook/Translation.h"
#include "report/Units.h"
#include "saturation/DecoModel.h"
#include "saturation/Saturation.h"

namespace scrb {

// Fixed captions of the two charts, each shown above its chart.
inline constexpr const char* kTissuePressureChartCaption =
    SCRB_TRANSLATE_NOOP("Charts", "Nitrogen Partial Pressure in tissues");
inline constexpr const char* kOverSaturationChartCaption =
    SCRB_TRANSLATE_NOOP("Charts", "% Allowed Nitrogen Over-Saturation coefficient");

// Data range of a saturation chart as handed to the frame.
struct SaturationChartRange {
  ChartValue XLeft = 0;
  ChartValue XRight = 0;
  ChartValue YBottom = 0;
  ChartValue YTop = 0;
};

// The over-saturation at which a tissue reaches its critical coefficient (100 %), in hundredths,
// marked on the over-saturation chart by a thin line.
inline constexpr ChartValue kCriticalLevel = 10000;

// The over-saturation of a tissue at a step of the result (step 0 the start, step s ending where
// sample s - 1 is plotted) as a percentage of its critical coefficient, in hundredths: what the
// over-saturation chart draws. The result must fit the model and the profile.
double OverSaturationPoint(const DecodedProfile& profile, const SaturationResult& saturation,
                           const DecoModel& model, size_t tissue, size_t step);

// Ranges of the two charts; empty when the dive has no results that can be drawn.
std::optional<SaturationChartRange> TissuePressureRange(const DecodedProfile& profile,
                                                        const SaturationResult& saturation,
                                                        UnitSystem units);
std::optional<SaturationChartRange> OverSaturationRange(const DecodedProfile& profile,
                                                        const SaturationResult& saturation);

// Nitrogen pressure of every tissue over the dive, one line per tissue, in bar; grid lines
// counted from 0.80 bar, the tissues' starting pressure at sea level; in psi at round psi.
void DrawTissuePressureChart(const DecodedProfile& profile, const SaturationResult& saturation,
                             const DecoModel& model, ChartSurface& surface, UnitSystem units,
                             const Palette& palette,
                             const TimeStretch& stretch = TimeStretch::WholeDive());

// Over-saturation of every tissue as a percentage of its critical coefficient; 100 % is always in
// view and marked.
void DrawOverSaturationChart(const DecodedProfile& profile, const SaturationResult& saturation,
                             const DecoModel& model, ChartSurface& surface, const Palette& palette,
                             const TimeStretch& stretch = TimeStretch::WholeDive());

// The over-saturation of a tissue at a step of the saturation as a percentage of its critical
// coefficient, in hundredths: the very point the over-saturation chart draws. Step 0 is the
// starting state; step s ends where sample s - 1 is plotted.
double OverSaturationPoint(const DecodedProfile& profile, const SaturationResult& saturation,
                           const DecoModel& model, size_t tissue, size_t step);

// When the over-saturation chart has nothing to draw for the dive, shows on the surface what the
// chart shows in its place and returns true; charts of the same figures take the same states.
bool ShowMissingOverSaturation(const DecodedProfile& profile, const SaturationResult& saturation,
                               const DecoModel& model, ChartSurface& surface);

// Which model and surface pressure the charts show, e.g. "15 tissues, surface pressure 1.000 bar".
std::string SaturationModelText(const SaturationResult& saturation, const DecoModel& model,
                                UnitSystem units);

// The summary line under the charts; empty for a dive without results.
std::string MaxOverSaturationText(const DecodedProfile& profile, const SaturationResult& saturation,
                                  const DecoModel& model);

// What the charts show while the computation runs: the legend in place of the pressures and a
// note in place of the over-saturation.
void DrawSaturationProgress(const DecoModel& model, ChartSurface& pressureSurface,
                            ChartSurface& overSaturationSurface, const Palette& palette);

}  // namespace scrb
