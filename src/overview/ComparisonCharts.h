#pragma once

#include <string>
#include <vector>

#include "charts/ChartSurface.h"
#include "charts/Palette.h"
#include "charts/TimeStretch.h"
#include "logbook/Translation.h"
#include "overview/DiveComparison.h"
#include "report/Units.h"

namespace scrb {

// The comparison's charts share one time axis from each dive's start, as long as the longest
// dive, and take the stretch of it shown. Each dive draws in its own colour of the palette, by its
// place in the comparison; dives without samples are left out.
enum class ComparisonChart { Depth, OverSaturation, Tank };

inline constexpr const char* kComparisonDepthCaption =
    SCRB_TRANSLATE_NOOP("Charts", "Depth (meters) versus time (minutes)");
inline constexpr const char* kComparisonDepthCaptionFeet =
    SCRB_TRANSLATE_NOOP("Charts", "Depth (feet) versus time (minutes)");
inline constexpr const char* kComparisonOverSaturationCaption =
    SCRB_TRANSLATE_NOOP("Charts", "Highest % allowed nitrogen over-saturation among the tissues");
// The caption above a chart, in English, in the "Charts" context; the tank chart's is the air
// page's.
const char* ComparisonCaption(ComparisonChart chart, UnitSystem units);

// Whether the chart draws any of the dives; one that draws none says so in a line of text.
bool DrawsAnyDive(ComparisonChart chart, const DiveComparison& comparison);

// Every chart names each dive it draws in a legend, inside it where a corner has room and beside
// or under it where not.
// The depth profiles.
void DrawComparisonDepthChart(const DiveComparison& comparison, ChartSurface& surface,
                              UnitSystem units, const Palette& palette,
                              const TimeStretch& stretch = TimeStretch::WholeDive());
// Each dive's highest over-saturation among its tissues, with the 100 % line always in view.
void DrawComparisonOverSaturationChart(const DiveComparison& comparison, ChartSurface& surface,
                                       const Palette& palette,
                                       const TimeStretch& stretch = TimeStretch::WholeDive());
// The estimated tank pressure of each dive with an air estimate.
void DrawComparisonTankChart(const DiveComparison& comparison, ChartSurface& surface,
                             UnitSystem units, const Palette& palette,
                             const TimeStretch& stretch = TimeStretch::WholeDive());
void DrawComparisonChart(ComparisonChart chart, const DiveComparison& comparison,
                         ChartSurface& surface, UnitSystem units, const Palette& palette,
                         const TimeStretch& stretch = TimeStretch::WholeDive());

// The comparison on one landscape page, in the classic colours: a title, the three charts side
// by side under their captions, the table of figures and the note on dives left out. The surface
// is the whole page; margins are left inside it.
void DrawComparisonPage(const DiveComparison& comparison, ChartSurface& page, UnitSystem units);

// "12'20\"": the time of the shared axis at x, for the readout.
std::string ComparisonTimeText(double x);

// What the readout shows at time x of the shared axis (hundredths of a minute): one line a dive
// the chart draws, its value there, or that the dive has ended.
struct ComparisonReadoutLine {
  int Dive = 0;  // place in the comparison, for its colour
  std::string Text;
};
std::vector<ComparisonReadoutLine> ComparisonReadout(const DiveComparison& comparison,
                                                     ComparisonChart chart, double x,
                                                     UnitSystem units);

}  // namespace scrb
