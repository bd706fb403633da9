#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "charts/ChartSurface.h"

namespace scrb {

// Chart coordinates are 32-bit integers in hundredths of the unit an axis shows.
using ChartValue = int32_t;

// The widest span of chart values a frame takes: beyond it the margin products would not fit in
// 32 bits. No chart comes near it.
inline constexpr int64_t kLargestRange = 7158278;

// Grid lines stand at least this far apart on every axis.
inline constexpr double kGridSpacingMillimetres = 5;

// Grid spacing from the series 1, 2, 5, 10, ... 5000 for lines at least `spacing` apart.
int32_t GridStep(double spacing);

// GridStep continued past its largest step along the same series, so that an axis spanning more
// than a few hundred units still gets lines and labels far enough apart; the sign is kept.
int64_t AxisStep(double spacing);

// The first value from `from` on that lies a whole number of steps from `origin`.
int64_t FirstOnStep(int64_t from, int64_t origin, int64_t step);

// Whether `value` has not yet gone beyond `limit` walking in the direction of `step`.
bool NotPassed(int64_t value, int64_t limit, int64_t step);

// Grid values of a value axis: the multiples of the step counted from the origin that lie within
// the range, each once.
std::vector<int64_t> ValueGrid(int64_t bottom, int64_t top, int64_t origin, int64_t step);

// What a horizontal axis shows at each of its values: the label and where it stands in the
// chart's coordinates (a time at its own value, a year's bar at its middle).
struct AxisMarks {
  std::function<std::string(int64_t)> Label;
  std::function<double(int64_t)> X;
};

// The distance between labels of the values from..to: a multiple of the grid step from the grid
// series, the smallest at which the widest of its labels keeps a digit's width from its
// neighbours. Labels stand a whole number of label steps from `origin`.
int64_t LabelStep(int64_t from, int64_t to, int64_t origin, int64_t gridStep,
                  const AxisMarks& marks, const ChartSurface& surface);

// The grid and label steps of a stretch's time axis, in seconds, for a plot area on which one
// second takes `twipsPerSecond`; labels of `widestLabelTwips` keep `gapTwips` apart.
struct StretchTimeSteps {
  int64_t Grid;
  int64_t Label;
};
StretchTimeSteps StretchTimeStepsFor(double twipsPerSecond, double widestLabelTwips,
                                     double gapTwips);
// A label of the stretch's time axis: minutes, or minutes and seconds (12'20") for steps below
// a minute.
std::string StretchTimeLabel(int64_t seconds, int64_t labelStep);

}  // namespace scrb
