#include "overview/ComparisonLegend.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "charts/ChartFrame.h"
#include "charts/RegionSurface.h"

namespace scrb {

namespace {

constexpr double kMarginTwips = 2 * kTwipsPerMillimetre;
constexpr double kSwatchTwips = 6 * kTwipsPerMillimetre;
constexpr int kSwatchWidth = 3;  // wider than the dives' lines, so it reads as a key
// Inside, the legend may take this share of the plot area's width and of its height.
constexpr double kInsideWidthShare = 0.6;
constexpr double kInsideHeightShare = 0.5;
// A legend under the chart leaves it at least this share of the height, or it goes beside.
constexpr double kLeastUnderShare = 0.4;

struct Measures {
  double Line;    // height of an entry
  double Widest;  // of the names
  double Column;  // an entry with its stroke and the gap to the next column
};

Measures Measure(const ChartSurface& surface, const std::vector<LegendEntry>& entries) {
  double widest = 0;
  for (const LegendEntry& entry : entries) {
    widest = std::max(widest, TextWidthTwips(surface, entry.Name));
  }
  return {TextHeightTwips(surface), widest, kSwatchTwips + kMarginTwips * 2.5 + widest};
}

// The plot area a frame leaves on a surface of this size, near enough to choose a place by: the
// time labels under it, half a label over it, the value labels to its left.
std::pair<double, double> PlotEstimate(const ChartSurface& surface, double line) {
  const double width = surface.Width() - std::max(300.0, TextWidthTwips(surface, "100.0")) - 250;
  const double height = surface.Height() - std::max(100.0, line / 2) - std::max(300.0, 1.6 * line);
  return {width, height};
}

// Twips as lengths along the axes of the coordinate system in force.
double AlongX(const ChartSurface& surface, double twips) {
  return surface.ScaleX(twips / kTwipsPerMillimetre);
}
double AlongY(const ChartSurface& surface, double twips) {
  return surface.ScaleY(twips / kTwipsPerMillimetre);
}

void DrawEntry(ChartSurface& surface, const LegendEntry& entry, double left, double top,
               double line, double textWidth) {
  const double middle = top + AlongY(surface, line / 2);
  surface.SetDrawWidth(kSwatchWidth);
  surface.Line(left, middle, left + AlongX(surface, kSwatchTwips), middle, entry.Color);
  surface.SetDrawWidth(1);
  surface.SetCurrentX(left + AlongX(surface, kSwatchTwips + kMarginTwips / 2));
  surface.SetCurrentY(top);
  surface.Print(CutToWidth(surface, entry.Name, textWidth));
}

// How many points of the lines fall in the rectangle between two corners.
int PointsWithin(const ChartLines& lines, double x1, double y1, double x2, double y2) {
  const auto [left, right] = std::minmax(x1, x2);
  const auto [low, high] = std::minmax(y1, y2);
  int count = 0;
  for (const auto& line : lines) {
    for (const auto& [x, y] : line) {
      if (x >= left && x <= right && y >= low && y <= high) ++count;
    }
  }
  return count;
}

void DrawInside(ChartSurface& surface, const std::vector<LegendEntry>& entries,
                const ChartLines& lines, const Palette& palette, const PlotBox& plot) {
  const Measures m = Measure(surface, entries);
  const double width = AlongX(surface, m.Column);
  const double height =
      AlongY(surface, m.Line * static_cast<double>(entries.size()) + kMarginTwips);
  const double inset = AlongX(surface, kMarginTwips);
  const double insetY = AlongY(surface, kMarginTwips);
  // Lower right first: the profiles come up towards their end, and the over-saturation falls
  // after the dive; then the other corners.
  const std::array<std::pair<double, double>, 4> corners = {
      std::pair{plot.Right - inset - width, plot.Bottom - insetY - height},
      std::pair{plot.Right - inset - width, plot.Top + insetY},
      std::pair{plot.Left + inset, plot.Top + insetY},
      std::pair{plot.Left + inset, plot.Bottom - insetY - height}};
  auto best = corners[0];
  int fewest = -1;
  for (const auto& [x, y] : corners) {
    const int crossing = PointsWithin(lines, x, y, x + width, y + height);
    if (fewest < 0 || crossing < fewest) {
      fewest = crossing;
      best = {x, y};
    }
  }
  const auto [left, top] = best;
  // On the background, so that no line runs through a name.
  surface.FillRect(left, top, left + width, top + height, palette.Background);
  surface.Line(left, top, left + width, top, palette.Grid);
  surface.LineTo(left + width, top + height, palette.Grid);
  surface.LineTo(left, top + height, palette.Grid);
  surface.LineTo(left, top, palette.Grid);
  double y = top + AlongY(surface, kMarginTwips / 2);
  for (const LegendEntry& entry : entries) {
    DrawEntry(surface, entry, left + inset, y, m.Line, m.Widest);
    y += AlongY(surface, m.Line);
  }
}

// The entries in rows under the chart or in columns beside it, on a surface scaled in twips.
void DrawStrip(ChartSurface& surface, const std::vector<LegendEntry>& entries,
               const LegendLayout& layout, double left, double top, double width) {
  const Measures m = Measure(surface, entries);
  const double column = std::min(m.Column, width / layout.Columns);
  const double textWidth = column - kSwatchTwips - kMarginTwips * 2.5;
  for (size_t n = 0; n < entries.size(); ++n) {
    const auto k = static_cast<int>(n);
    const bool under = layout.Place == LegendPlace::Under;
    const int col = under ? k % layout.Columns : k / layout.Rows;
    const int row = under ? k / layout.Columns : k % layout.Rows;
    DrawEntry(surface, entries[n], left + kMarginTwips + col * column,
              top + kMarginTwips / 2 + row * m.Line, m.Line, std::max(0.0, textWidth));
  }
}

}  // namespace

std::string CutToWidth(const ChartSurface& surface, std::string text, double width) {
  while (!text.empty() && TextWidthTwips(surface, text) > width) {
    text.pop_back();
    // Never leave half of a UTF-8 character behind.
    while (!text.empty() && (static_cast<unsigned char>(text.back()) & 0xC0) == 0x80) {
      text.pop_back();
    }
  }
  return text;
}

LegendLayout LayOutLegend(const ChartSurface& surface, const std::vector<LegendEntry>& entries) {
  const Measures m = Measure(surface, entries);
  const auto count = static_cast<int>(entries.size());
  if (count == 0) return {};
  const auto [plotWidth, plotHeight] = PlotEstimate(surface, m.Line);
  if (m.Column <= kInsideWidthShare * plotWidth &&
      m.Line * count + kMarginTwips <= kInsideHeightShare * plotHeight) {
    return {};
  }
  const double width = surface.Width();
  const double height = surface.Height();
  const int columns =
      std::clamp(static_cast<int>((width - kMarginTwips) / std::max(1.0, m.Column)), 1, count);
  const int rows = (count + columns - 1) / columns;
  const LegendLayout under{LegendPlace::Under, rows * m.Line + kMarginTwips, columns, rows};
  const int perColumn =
      std::clamp(static_cast<int>((height - kMarginTwips) / std::max(1.0, m.Line)), 1, count);
  const int besideColumns = (count + perColumn - 1) / perColumn;
  const LegendLayout beside{LegendPlace::Beside, besideColumns * m.Column + kMarginTwips,
                            besideColumns, perColumn};
  // Under, where the time axes of charts one above the other stay aligned; beside only a chart
  // too low for that, where it leaves more room.
  const double underKeeps = 1 - under.StripTwips / std::max(1.0, height);
  const double besideKeeps = 1 - beside.StripTwips / std::max(1.0, width);
  if (underKeeps >= kLeastUnderShare) return under;
  return besideKeeps > underKeeps && besideKeeps >= 0.5 ? beside : under;
}

void DrawChartWithLegend(ChartSurface& surface, const std::vector<LegendEntry>& entries,
                         const ChartLines& lines, const Palette& palette,
                         const std::function<PlotBox(ChartSurface&)>& drawChart) {
  if (entries.empty()) {
    drawChart(surface);
    return;
  }
  const LegendLayout layout = LayOutLegend(surface, entries);
  if (layout.Place == LegendPlace::Inside) {
    DrawInside(surface, entries, lines, palette, drawChart(surface));
    return;
  }
  const double width = surface.Width();
  const double height = surface.Height();
  surface.Scale(0, 0, width, height);
  surface.Cls();
  const bool under = layout.Place == LegendPlace::Under;
  const double chartWidth = under ? width : std::max(0.0, width - layout.StripTwips);
  const double chartHeight = under ? std::max(0.0, height - layout.StripTwips) : height;
  RegionSurface chart(surface, {0, 0, chartWidth, chartHeight});
  drawChart(chart);
  surface.Scale(0, 0, width, height);
  if (under) {
    DrawStrip(surface, entries, layout, 0, chartHeight, width - kMarginTwips);
  } else {
    DrawStrip(surface, entries, layout, chartWidth, 0, layout.StripTwips - kMarginTwips);
  }
  // The surface is left in the chart's coordinates, as a chart drawn alone leaves it.
  chart.ScaleParentAlike();
}

}  // namespace scrb
