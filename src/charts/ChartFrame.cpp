#include "charts/ChartFrame.h"

#include <array>
#include <cmath>
#include <cstdlib>
#include <string>

#include "report/NumberFormat.h"

namespace scrb {

namespace {

constexpr std::array<int32_t, 11> kGridSeries{1, 2, 5, 10, 20, 50, 100, 200, 500, 1000, 2000};
constexpr int32_t kLargestGridStep = 5000;

// Margins of the plot area in twips.
constexpr int64_t kLeftMargin = 300;
constexpr int64_t kRightMargin = 100;
constexpr int64_t kTopMargin = 100;
constexpr int64_t kBottomMargin = 300;
constexpr int64_t kHorizontalMargins = kLeftMargin + kRightMargin;
constexpr int64_t kVerticalMargins = kTopMargin + kBottomMargin;

// Beyond this the margin products would not fit in 32 bits; no chart comes near it.
constexpr int64_t kLargestRange = 7158278;
constexpr double kGridSpacingMillimetres = 5;

bool RangeUsable(ChartValue from, ChartValue to) {
  const int64_t span = static_cast<int64_t>(to) - from;
  return span != 0 && std::llabs(span) < kLargestRange;
}

// A surface size in whole twips, or 0 when the size is no number at all.
int64_t WholeTwips(double size) {
  if (!std::isfinite(size) || size <= 0) return 0;
  if (size > 1e12) return 0;
  return std::llround(size);
}

std::string AxisLabel(int64_t value) {
  return GeneralNumber(static_cast<double>(value) / 100.0);
}

bool NotPassed(int64_t value, int64_t limit, int64_t step) {
  return step > 0 ? value <= limit : value >= limit;
}

struct Corners {
  float Left;
  float Top;
  float Right;
  float Bottom;
};

// Widens a data range by the margins, in data units, so the plot area sits inside the surface.
double MarginBefore(ChartValue from, ChartValue to, int64_t margin, int64_t surfaceSize,
                    int64_t margins) {
  const int64_t span = static_cast<int64_t>(to) - from;
  return static_cast<double>(span * margin) / static_cast<double>(surfaceSize - margins);
}

void ApplyScale(ChartSurface& surface, const Corners& c) {
  surface.Scale(c.Left, c.Top, c.Right, c.Bottom);
}

void DrawVerticalGrid(ChartValue xLeft, ChartValue xRight, ChartValue yBottom, ChartValue yTop,
                      ChartSurface& surface, float bottomEdge) {
  const int64_t step = GridStep(surface.ScaleX(kGridSpacingMillimetres));
  // Grid lines are at least 5 mm apart but labels such as "10.5" can be wider than that; a label
  // that would run into the one before is left out rather than printed over it.
  const double gap = std::fabs(surface.TextWidth(" ")) / 2;
  bool labelled = false;
  double lastLabelX = 0;
  double lastHalfWidth = 0;
  for (int64_t i = xLeft; NotPassed(i, xRight, step); i += step) {
    const auto x = static_cast<double>(i);
    surface.Line(x, yBottom, x, yTop, kGridColor);
    const std::string label = AxisLabel(i);
    const double width = surface.TextWidth(label);
    const double halfWidth = std::fabs(width) / 2;
    if (labelled && std::fabs(x - lastLabelX) < lastHalfWidth + halfWidth + gap) continue;
    surface.SetCurrentY((bottomEdge + yBottom - surface.TextHeight(label)) / 2);
    surface.SetCurrentX(x - width / 2);
    surface.Print(label);
    labelled = true;
    lastLabelX = x;
    lastHalfWidth = halfWidth;
  }
}

void DrawHorizontalPass(ChartValue xLeft, ChartValue xRight, ChartValue yOrigin, int64_t limit,
                        int64_t step, ChartSurface& surface, float leftEdge) {
  for (int64_t j = yOrigin; NotPassed(j, limit, step); j += step) {
    const auto y = static_cast<double>(j);
    surface.Line(xLeft, y, xRight, y, kGridColor);
    const std::string label = AxisLabel(j);
    surface.SetCurrentX((leftEdge + xLeft - std::fabs(surface.TextWidth(label))) / 2);
    surface.SetCurrentY(y - surface.TextHeight(label) / 2);
    surface.Print(label);
  }
}

}  // namespace

int32_t GridStep(double spacing) {
  const double magnitude = std::fabs(spacing);
  int32_t step = kLargestGridStep;
  for (int32_t candidate : kGridSeries) {
    if (candidate > magnitude) {
      step = candidate;
      break;
    }
  }
  return spacing < 0 ? -step : step;
}

float OutwardCorner(double value) {
  if (value == 0 || std::isnan(value)) return 0;
  const double sign = value < 0 ? -1 : 1;
  return static_cast<float>(sign * std::floor(std::fabs(value) + 1));
}

void DrawChartFrame(ChartValue xLeft, ChartValue xRight, ChartValue yBottom, ChartValue yTop,
                    ChartSurface& surface, ChartValue yOrigin) {
  const int64_t width = WholeTwips(surface.Width());
  const int64_t height = WholeTwips(surface.Height());
  if (width <= kHorizontalMargins || height <= kVerticalMargins) return;
  if (!RangeUsable(xLeft, xRight) || !RangeUsable(yBottom, yTop)) return;

  const Corners corners{
      OutwardCorner(xLeft - MarginBefore(xLeft, xRight, kLeftMargin, width, kHorizontalMargins)),
      OutwardCorner(yTop + MarginBefore(yBottom, yTop, kTopMargin, height, kVerticalMargins)),
      OutwardCorner(xRight + MarginBefore(xLeft, xRight, kRightMargin, width, kHorizontalMargins)),
      OutwardCorner(yBottom - MarginBefore(yBottom, yTop, kBottomMargin, height, kVerticalMargins)),
  };
  ApplyScale(surface, corners);

  DrawVerticalGrid(xLeft, xRight, yBottom, yTop, surface, corners.Bottom);

  // The step's sign follows the y axis, so the first pass walks toward yBottom and the second
  // toward yTop whichever way the axis grows; the origin line is drawn by both.
  const int64_t stepY = GridStep(-surface.ScaleY(kGridSpacingMillimetres));
  DrawHorizontalPass(xLeft, xRight, yOrigin, yBottom, -stepY, surface, corners.Left);
  DrawHorizontalPass(xLeft, xRight, yOrigin, yTop, stepY, surface, corners.Left);
}

void DrawStripFrame(ChartValue xLeft, ChartValue xRight, ChartValue yBottom, ChartValue yTop,
                    ChartSurface& surface, ChartValue /*reserved*/) {
  const int64_t width = WholeTwips(surface.Width());
  const int64_t height = WholeTwips(surface.Height());
  if (width <= kHorizontalMargins || height == 0) return;
  if (!RangeUsable(xLeft, xRight) || !RangeUsable(yBottom, yTop)) return;

  const Corners corners{
      OutwardCorner(xLeft - MarginBefore(xLeft, xRight, kLeftMargin, width, kHorizontalMargins)),
      OutwardCorner(yTop),
      OutwardCorner(xRight + MarginBefore(xLeft, xRight, kRightMargin, width, kHorizontalMargins)),
      OutwardCorner(yBottom),
  };
  ApplyScale(surface, corners);

  // Lines at the strip's ends would only thicken its border.
  const int64_t step = GridStep(surface.ScaleX(kGridSpacingMillimetres));
  const int64_t limit = static_cast<int64_t>(xRight) - step;
  for (int64_t i = static_cast<int64_t>(xLeft) + step; NotPassed(i, limit, step); i += step) {
    const auto x = static_cast<double>(i);
    surface.Line(x, yBottom, x, yTop, kGridColor);
  }
}

}  // namespace scrb
