#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "charts/AxisSteps.h"
#include "charts/ChartSurface.h"

namespace scrb {

// Between a label and the surface's edge, and between the value labels and the time labels.
inline constexpr double kLabelGapTwips = 30;
// The right margin of the plot area; the label font widens the others where it needs more room,
// so that no label is cut off at any font size.
inline constexpr double kRightMarginTwips = 100;

// Extent of a text in twips on the surface's font, whatever coordinate system is in force.
double TextWidthTwips(const ChartSurface& surface, const std::string& text);
double TextHeightTwips(const ChartSurface& surface);

// Width in twips of the left margin that holds these labels. Every chart takes at least the room
// of a typical value label, so charts drawn one above the other keep their time axes aligned.
double LeftMarginTwips(const ChartSurface& surface, const std::vector<std::string>& labels);

// The margins above and below the plot area of a chart with a time axis, in twips: half a value
// label reaches above the top grid line and below the bottom one, and the time labels sit under
// the latter. `belowTwips` is kept free under the time labels.
struct VerticalMargins {
  double Top;
  double Bottom;
};
VerticalMargins TimeChartMargins(double textHeightTwips, double belowTwips = 0);

// A surface size in whole twips, or 0 when the size is no number at all.
int64_t WholeTwips(double size);

// Whether a frame can span from..to: not empty, and not beyond the largest range.
bool RangeUsable(ChartValue from, ChartValue to);

// Text metrics need a coordinate system that maps to the surface; a degenerate one left by
// an earlier chart is replaced by plain twips.
void EnsureMeasurable(ChartSurface& surface, int64_t width, int64_t height);

// Moves a scale corner away from the plot area to the next whole number beyond it (upper corner
// 2.3 -> 3, 3 -> 4; lower corner -2.5 -> -3, 78.8 -> 78; 0 stays), so that data drawn exactly
// on the range's edge never touches the border. `inside` is any value of the data range.
float OutwardCorner(double value, double inside);

// The corners of the coordinate system that put from..to between margins of `before` and
// `after` twips on a side of `size` twips, moved outward to whole numbers.
std::pair<float, float> Widened(ChartValue from, ChartValue to, double before, double after,
                                int64_t size);
// The exact corners that put from..to between margins of `before` and `after` twips.
std::pair<double, double> ExactlyWidened(double from, double to, double before, double after,
                                         int64_t size);

}  // namespace scrb
