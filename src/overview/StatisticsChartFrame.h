#pragma once

// What the statistics charts share: their frame around the dive charts' axes, their bars and
// markers. Only the statistics charts include this.

#include <optional>
#include <string>

#include "charts/ChartFrame.h"
#include "charts/ChartSurface.h"
#include "charts/Palette.h"

namespace scrb::statistics {

// The plot area in the chart's own coordinates, once the frame is drawn.
struct Plot {
  double Left, Right, Low, High;
};

// The horizontal axis: the values From..To, what each shows and where (AxisMarks), labelled
// as the dive charts' time axis is. Years take a step of 1, 2, 5, 10, 20, 50, ... years by the
// span and stand on its multiples; categories (bins, months) are counted from From.
struct CategoryAxis {
  int64_t From;
  int64_t To;
  AxisMarks Marks;
  bool Years = false;
  bool GridLines = false;  // at every step, as on a time axis
};

// Title above, as the diver reads it, value labels left, the axis's labels under the plot area,
// grid lines in the grid colour around and across it; nothing when the surface is too small for a
// plot. `counts`: no line between two whole numbers.
std::optional<Plot> DrawFrame(const std::string& title, double xLeft, double xRight, double yLow,
                              double yHigh, const CategoryAxis& axis, ChartSurface& s,
                              const Palette& palette, bool counts = false);

void Bar(ChartSurface& s, double from, double to, double base, double value, Rgb color);
// A small cross, kept inside the plot area.
void Marker(ChartSurface& s, const Plot& p, double x, double y, Rgb color);

inline int YearOf(int date) {
  return date / 10000;
}
inline int MonthOf(int date) {
  return date / 100 % 100;
}
// "1 dive", "12 dives".
std::string DivesText(int count);

}  // namespace scrb::statistics
