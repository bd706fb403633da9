#include "charts/ChartMargins.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace scrb {

namespace {

// The least margins of the plot area in twips. The label font widens them where it needs more
// room, so that no label is cut off at any font size.
constexpr double kLeftMargin = 300;
constexpr double kTopMargin = 100;
constexpr double kBottomMargin = 300;
// The charts of a page that share a time axis each reserve at least this much, so their plot
// areas line up: it is as wide as a vertical speed ("-12.5") and wider than a depth, a
// pressure or a saturation label.
constexpr char kTypicalValueLabel[] = "-00.0";

}  // namespace

double TextWidthTwips(const ChartSurface& surface, const std::string& text) {
  const double unitsPerMillimetre = std::fabs(surface.ScaleX(1));
  if (!(unitsPerMillimetre > 0) || !std::isfinite(unitsPerMillimetre)) return 0;
  return std::fabs(surface.TextWidth(text)) / unitsPerMillimetre * kTwipsPerMillimetre;
}

double TextHeightTwips(const ChartSurface& surface) {
  const double unitsPerMillimetre = std::fabs(surface.ScaleY(1));
  if (!(unitsPerMillimetre > 0) || !std::isfinite(unitsPerMillimetre)) return 0;
  return std::fabs(surface.TextHeight("0")) / unitsPerMillimetre * kTwipsPerMillimetre;
}

double LeftMarginTwips(const ChartSurface& surface, const std::vector<std::string>& labels) {
  double widest = TextWidthTwips(surface, kTypicalValueLabel);
  for (const std::string& label : labels) widest = std::max(widest, TextWidthTwips(surface, label));
  return std::max(kLeftMargin, widest + 2 * kLabelGapTwips);
}

VerticalMargins TimeChartMargins(double textHeightTwips, double belowTwips) {
  return {std::max(kTopMargin, textHeightTwips / 2 + kLabelGapTwips),
          std::max(kBottomMargin, 1.5 * textHeightTwips + 2 * kLabelGapTwips) +
              std::max(0.0, belowTwips)};
}

int64_t WholeTwips(double size) {
  if (!std::isfinite(size) || size <= 0) return 0;
  if (size > 1e12) return 0;
  return std::llround(size);
}

bool RangeUsable(ChartValue from, ChartValue to) {
  const int64_t span = static_cast<int64_t>(to) - from;
  return span != 0 && std::llabs(span) < kLargestRange;
}

void EnsureMeasurable(ChartSurface& surface, int64_t width, int64_t height) {
  const double x = std::fabs(surface.ScaleX(1));
  const double y = std::fabs(surface.ScaleY(1));
  if (x > 0 && y > 0 && std::isfinite(x) && std::isfinite(y)) return;
  surface.Scale(0, 0, static_cast<double>(width), static_cast<double>(height));
}

float OutwardCorner(double value, double inside) {
  if (value == 0 || std::isnan(value)) return 0;
  // Away from the range, not away from zero: a range above zero such as 0.79 to 0.86 bar would
  // otherwise lose its bottom margin to the rounding.
  return static_cast<float>(value > inside ? std::floor(value) + 1 : std::ceil(value) - 1);
}

std::pair<float, float> Widened(ChartValue from, ChartValue to, double before, double after,
                                int64_t size) {
  const double span = static_cast<double>(static_cast<int64_t>(to) - from);
  const double inner = static_cast<double>(size) - before - after;
  return {OutwardCorner(from - span * before / inner, from),
          OutwardCorner(to + span * after / inner, to)};
}

std::pair<double, double> ExactlyWidened(double from, double to, double before, double after,
                                         int64_t size) {
  const double span = to - from;
  const double inner = static_cast<double>(size) - before - after;
  return {from - span * before / inner, to + span * after / inner};
}

}  // namespace scrb
