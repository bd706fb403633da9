#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "charts/ChartSurface.h"
#include "charts/Palette.h"

namespace scrb {

// One dive as the legend names it, beside a stroke of its colour.
struct LegendEntry {
  std::string Name;
  Rgb Color;
};

// Where a chart's legend goes: in a corner of the plot area while it takes no more than a modest
// part of it, else in a strip under the chart, or beside it where that leaves the chart more room.
enum class LegendPlace { Inside, Under, Beside };

struct LegendLayout {
  LegendPlace Place = LegendPlace::Inside;
  double StripTwips = 0;  // the strip's height under the chart or its width beside it
  int Columns = 1;
  int Rows = 1;
};

LegendLayout LayOutLegend(const ChartSurface& surface, const std::vector<LegendEntry>& entries);

// The plot area of a chart in its own coordinates: the times at its left and right edges and the
// values at its top and bottom.
struct PlotBox {
  double Left = 0;
  double Right = 0;
  double Top = 0;
  double Bottom = 0;
};

// The points of the lines a chart draws, in its coordinates, for the legend to keep off them.
using ChartLines = std::vector<std::vector<std::pair<double, double>>>;

// Draws a chart with `drawChart` (which clears its surface, draws, and gives its plot area) and
// names `entries` in its legend where LayOutLegend puts it: inside, in the corner of the plot
// area that the lines cross least, on the background; or in a strip of its own, the chart taking
// the rest of the surface. The legend is never left out: names that cannot have their whole width
// are cut.
void DrawChartWithLegend(ChartSurface& surface, const std::vector<LegendEntry>& entries,
                         const ChartLines& lines, const Palette& palette,
                         const std::function<PlotBox(ChartSurface&)>& drawChart);

// A text cut to a width in twips, never in the middle of a UTF-8 character.
std::string CutToWidth(const ChartSurface& surface, std::string text, double width);

}  // namespace scrb
