#pragma once

#include <cmath>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "charts/AxisSteps.h"
#include "charts/ChartMargins.h"
#include "charts/ChartSurface.h"
#include "charts/Palette.h"
#include "charts/TimeStretch.h"

namespace scrb {

struct HorizontalAxis {
  int64_t From;
  int64_t To;
  int64_t Step;  // between grid lines, which stand a whole number of steps from LabelOrigin
  int64_t LabelStep;
  int64_t LabelOrigin;
  double LeftEdge;  // of the surface, in the chart's coordinates: no label goes beyond
  double RightEdge;
};

// Grid lines (when asked for) at every step of the axis; labels on every label step, just under
// yBottom (below the half of a value label that reaches under it), and one that would leave the
// surface or touch the label before it is left out.
void DrawHorizontalAxis(const HorizontalAxis& axis, const AxisMarks& marks, bool gridLines,
                        double yBottom, double yTop, ChartSurface& surface, const Palette& palette,
                        double textHeightTwips);

// Value labels centred in the left margin between its edge and xLeft, each with its grid line
// across the plot area.
template <typename X, typename Value, typename Edge>
void DrawValueAxis(X xLeft, X xRight, const std::vector<Value>& values,
                   const std::vector<std::string>& labels, ChartSurface& surface,
                   const Palette& palette, Edge leftEdge) {
  for (size_t n = 0; n < values.size(); ++n) {
    const auto y = static_cast<double>(values[n]);
    surface.Line(xLeft, y, xRight, y, palette.Grid);
    surface.SetCurrentX((leftEdge + xLeft - std::fabs(surface.TextWidth(labels[n]))) / 2);
    surface.SetCurrentY(y - surface.TextHeight(labels[n]) / 2);
    surface.Print(labels[n]);
  }
}

// Widens the value range low..high (chart units) to the whole units around every value a chart
// draws, so that no data point lies outside the plot area. Values beyond what a chart can
// show are left to the frame's own limits.
void WidenToCover(ChartValue& low, ChartValue& high, const std::vector<double>& values);

// Frame with margins and labelled grid on both axes; yOrigin lies on a grid line.
void DrawChartFrame(ChartValue xLeft, ChartValue xRight, ChartValue yBottom, ChartValue yTop,
                    ChartSurface& surface, const Palette& palette, ChartValue yOrigin);

// The same frame over the times a dive's chart shows. The whole dive keeps the frame above; a
// stretch puts exactly its ends at the plot area's edges and ticks its time axis at round times
// (20 s, 30 s, 1, 2, 5, 10, 15, 30 minutes, then whole hours), labelled in minutes, or in
// minutes and seconds where the labels stand less than a minute apart.
void DrawChartFrame(const ShownTimes& times, ChartValue yBottom, ChartValue yTop,
                    ChartSurface& surface, const Palette& palette, ChartValue yOrigin);

// Where a frame put its plot area, in twips from the surface's upper-left corner.
struct PlotAreaTwips {
  double Left = 0;
  double Top = 0;
  double Right = 0;
  double Bottom = 0;
};

// Labels of a value axis at values of the caller's choosing.
struct ValueLabels {
  std::vector<int64_t> Values;
  std::vector<std::string> Labels;
};

// The frame of a time chart whose value axis carries the caller's labels (e.g. the rows of a heat
// map) in place of a numbered grid, without lines along them, and keeps `belowTwips` free under
// the time labels. `labelsFor` chooses them for the plot area's height in twips, as labels that
// do not fit are left out. The time axis is the one DrawChartFrame gives the same surface, so the
// charts of a page still line up. Nothing when the surface is too small.
std::optional<PlotAreaTwips> DrawLabelledChartFrame(
    const ShownTimes& times, ChartValue yBottom, ChartValue yTop,
    const std::function<ValueLabels(double plotHeightTwips)>& labelsFor, double belowTwips,
    ChartSurface& surface, const Palette& palette);

// Frame for a strip chart: side margins and unlabelled vertical grid lines only. The left margin
// makes room for `leftLabels`, which the strip prints itself.
void DrawStripFrame(ChartValue xLeft, ChartValue xRight, ChartValue yBottom, ChartValue yTop,
                    ChartSurface& surface, const Palette& palette,
                    const std::vector<std::string>& leftLabels = {});

// The same strip frame over the times a dive's chart shows, its grid lines on the time axis's.
void DrawStripFrame(const ShownTimes& times, ChartValue yBottom, ChartValue yTop,
                    ChartSurface& surface, const Palette& palette,
                    const std::vector<std::string>& leftLabels = {});

// A chart without data: the surface is cleared and the text printed once, centred on it.
void ShowEmptyChart(ChartSurface& surface, const std::string& text);

}  // namespace scrb
