#include "charts/ChartFrame.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <string>

#include "logbook/Translation.h"
#include "report/NumberFormat.h"

namespace scrb {

namespace {

constexpr std::array<int32_t, 11> kGridSeries{1, 2, 5, 10, 20, 50, 100, 200, 500, 1000, 2000};
constexpr int32_t kLargestGridStep = 5000;

// The least margins of the plot area in twips. The label font widens the left, top and bottom
// ones where it needs more room, so that no label is cut off at any font size.
constexpr double kLeftMargin = 300;
constexpr double kRightMargin = 100;
constexpr double kTopMargin = 100;
constexpr double kBottomMargin = 300;
// Between a label and the surface's edge, and between the value labels and the time labels.
constexpr double kLabelGapTwips = 30;
// The charts of a page that share a time axis each reserve at least this much, so their plot
// areas line up: it is as wide as a vertical speed ("-12.5") and wider than a depth, a
// pressure or a saturation label.
constexpr char kTypicalValueLabel[] = "-00.0";

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

// The next value of the series 1, 2, 5, 10, 20, 50, ...
int64_t NextNiceStep(int64_t step) {
  int64_t decade = 1;
  while (step >= decade * 10) decade *= 10;
  const int64_t mantissa = step / decade;
  return mantissa < 2 ? 2 * decade : mantissa < 5 ? 5 * decade : 10 * decade;
}

struct Corners {
  float Left;
  float Top;
  float Right;
  float Bottom;
};

// Text metrics need a coordinate system that maps to the surface; a degenerate one left by
// an earlier chart is replaced by plain twips.
void EnsureMeasurable(ChartSurface& surface, int64_t width, int64_t height) {
  const double x = std::fabs(surface.ScaleX(1));
  const double y = std::fabs(surface.ScaleY(1));
  if (x > 0 && y > 0 && std::isfinite(x) && std::isfinite(y)) return;
  surface.Scale(0, 0, static_cast<double>(width), static_cast<double>(height));
}

// Grid values of the value axis: the multiples of the step counted from the origin that lie
// within the data range, each once. A line outside the range would run through the time labels.
std::vector<int64_t> ValueGrid(ChartValue yBottom, ChartValue yTop, ChartValue yOrigin,
                               int64_t step) {
  const int64_t low = std::min(yBottom, yTop);
  const int64_t high = std::max(yBottom, yTop);
  const int64_t s = std::llabs(step);
  const int64_t distance = low - yOrigin;
  const int64_t first = yOrigin + (distance >= 0 ? (distance + s - 1) / s : -(-distance / s)) * s;
  std::vector<int64_t> values;
  for (int64_t j = first; j <= high; j += s) values.push_back(j);
  return values;
}

void DrawStretchTimeAxis(const ShownTimes& times, double yBottom, double yTop,
                         ChartSurface& surface, const Palette& palette, double leftEdge,
                         double rightEdge, double textHeightTwips);
void DrawRoundTimeGrid(double left, double right, double yBottom, double yTop,
                       ChartSurface& surface, const Palette& palette);

constexpr int64_t kHundredthsPerMinute = 100;

// The whole dive's axis in minutes, grid and label steps from the grid series.
struct MinuteAxis {
  int64_t Step;
  int64_t LabelStep;
};

MinuteAxis MinuteAxisOf(ChartValue xLeft, ChartValue xRight, const ChartSurface& surface) {
  const int64_t step = AxisStep(surface.ScaleX(kGridSpacingMillimetres));
  const AxisMarks marks{AxisLabel, [](int64_t i) { return static_cast<double>(i); }};
  return {step, LabelStep(xLeft, xRight, xLeft, step, marks, surface)};
}

// Labels in minutes less than a minute apart ("0.5, 1, 1.5") read as decimals of a minute, unlike
// the m'ss" of a stretch: there the whole dive ticks at the round times a stretch does.
bool TicksAtRoundTimes(const MinuteAxis& axis) {
  return std::llabs(axis.LabelStep) < kHundredthsPerMinute;
}

// Grid lines stay at every step; labels go on every line of the label step, just under the plot
// area (below the half of a value label that reaches under it), and one that would leave the
// surface or touch the label before it is left out.
void DrawTimeAxis(ChartValue xLeft, ChartValue xRight, ChartValue yBottom, ChartValue yTop,
                  ChartSurface& surface, const Palette& palette, const Corners& corners,
                  double textHeightTwips) {
  const MinuteAxis minutes = MinuteAxisOf(xLeft, xRight, surface);
  const double leftEdge = std::min(corners.Left, corners.Right);
  const double rightEdge = std::max(corners.Left, corners.Right);
  if (TicksAtRoundTimes(minutes)) {
    DrawStretchTimeAxis({static_cast<double>(xLeft), static_cast<double>(xRight), false}, yBottom,
                        yTop, surface, palette, leftEdge, rightEdge, textHeightTwips);
    return;
  }
  const AxisMarks marks{AxisLabel, [](int64_t i) { return static_cast<double>(i); }};
  const HorizontalAxis axis{xLeft, xRight,   minutes.Step, minutes.LabelStep,
                            xLeft, leftEdge, rightEdge};
  DrawHorizontalAxis(axis, marks, true, yBottom, yTop, surface, palette, textHeightTwips);
}

// The round times a stretch's axis ticks at, in seconds; past half an hour it goes on in hours.
constexpr std::array<int64_t, 8> kStretchSteps{20, 30, 60, 120, 300, 600, 900, 1800};

int64_t StretchStep(size_t n) {
  if (n < kStretchSteps.size()) return kStretchSteps[n];
  const int64_t hours = static_cast<int64_t>(n - kStretchSteps.size());
  constexpr std::array<int64_t, 3> kHours{1, 2, 5};
  int64_t decade = 1;
  for (int64_t d = 0; d < hours / 3; ++d) decade *= 10;
  return 3600 * kHours[static_cast<size_t>(hours % 3)] * decade;
}

constexpr double kSecondsPerUnit = 0.6;  // a hundredth of a minute

// The stretch's time axis: round times in whole seconds, the label step chosen with the widest
// of the labels it would print.
void DrawStretchTimeAxis(const ShownTimes& times, double yBottom, double yTop,
                         ChartSurface& surface, const Palette& palette, double leftEdge,
                         double rightEdge, double textHeightTwips) {
  const double unitsPerMillimetre = std::fabs(surface.ScaleX(1));
  if (!(unitsPerMillimetre > 0)) return;
  const double twipsPerSecond = kTwipsPerMillimetre / unitsPerMillimetre / kSecondsPerUnit;
  const auto from = static_cast<int64_t>(std::ceil(times.Left * kSecondsPerUnit - 1e-6));
  const auto to = static_cast<int64_t>(std::floor(times.Right * kSecondsPerUnit + 1e-6));
  // The widest label either form could print on this stretch: its last minutes, and the seconds.
  const std::string minutes = StretchTimeLabel(to - to % 60, 60);
  const std::string seconds = StretchTimeLabel(to - to % 60 + 40, 20);
  const double gap = TextWidthTwips(surface, "0");
  StretchTimeSteps steps =
      StretchTimeStepsFor(twipsPerSecond, TextWidthTwips(surface, seconds), gap);
  if (steps.Label >= 60) {
    steps = StretchTimeStepsFor(twipsPerSecond, TextWidthTwips(surface, minutes), gap);
    steps.Label = std::max<int64_t>(steps.Label, 60);
    while (steps.Label % steps.Grid != 0) steps.Label += steps.Grid;
  }
  const int64_t labelStep = steps.Label;
  const AxisMarks marks{[labelStep](int64_t s) { return StretchTimeLabel(s, labelStep); },
                        [](int64_t s) { return static_cast<double>(s) / kSecondsPerUnit; }};
  const HorizontalAxis axis{from, to, steps.Grid, steps.Label, 0, leftEdge, rightEdge};
  DrawHorizontalAxis(axis, marks, true, yBottom, yTop, surface, palette, textHeightTwips);
}

// The grid of the charts above a strip, without their labels: the same round times, whatever the
// labels, and none at the strip's ends, where they would only thicken its border.
void DrawRoundTimeGrid(double left, double right, double yBottom, double yTop,
                       ChartSurface& surface, const Palette& palette) {
  const double unitsPerMillimetre = std::fabs(surface.ScaleX(1));
  if (!(unitsPerMillimetre > 0)) return;
  const double twipsPerSecond = kTwipsPerMillimetre / unitsPerMillimetre / kSecondsPerUnit;
  const int64_t step = StretchTimeStepsFor(twipsPerSecond, 0, 0).Grid;
  const auto from = static_cast<int64_t>(std::ceil(left * kSecondsPerUnit - 1e-6));
  for (int64_t s = FirstOnStep(from, 0, step); static_cast<double>(s) / kSecondsPerUnit <= right;
       s += step) {
    const double x = static_cast<double>(s) / kSecondsPerUnit;
    if (x <= left || x >= right) continue;
    surface.Line(x, yBottom, x, yTop, palette.Grid);
  }
}

// The corners of the coordinate system that put xLeft..xRight between margins of `before` and
// `after` twips on a side of `size` twips.
std::pair<float, float> Widened(ChartValue from, ChartValue to, double before, double after,
                                int64_t size) {
  const double span = static_cast<double>(static_cast<int64_t>(to) - from);
  const double inner = static_cast<double>(size) - before - after;
  return {OutwardCorner(from - span * before / inner, from),
          OutwardCorner(to + span * after / inner, to)};
}

// The exact corners that put left..right between margins of `before` and `after` twips.
std::pair<double, double> ExactlyWidened(double from, double to, double before, double after,
                                         int64_t size) {
  const double span = to - from;
  const double inner = static_cast<double>(size) - before - after;
  return {from - span * before / inner, to + span * after / inner};
}

}  // namespace

StretchTimeSteps StretchTimeStepsFor(double twipsPerSecond, double widestLabelTwips,
                                     double gapTwips) {
  const double gridTwips = kGridSpacingMillimetres * kTwipsPerMillimetre;
  size_t n = 0;
  while (static_cast<double>(StretchStep(n)) * twipsPerSecond < gridTwips && n < 30) ++n;
  const int64_t grid = StretchStep(n);
  int64_t label = grid;
  for (size_t m = n; m < 30; ++m) {
    label = StretchStep(m);
    if (label % grid != 0) continue;
    if (static_cast<double>(label) * twipsPerSecond >= widestLabelTwips + gapTwips) break;
  }
  return {grid, label};
}

std::string StretchTimeLabel(int64_t seconds, int64_t labelStep) {
  if (labelStep >= 60 && seconds % 60 == 0) return GeneralNumber(static_cast<double>(seconds / 60));
  const int64_t minutes = seconds >= 0 ? seconds / 60 : -((-seconds + 59) / 60);
  const int64_t rest = seconds - minutes * 60;
  return FormatPattern(static_cast<double>(minutes), "00") + "'" +
         FormatPattern(static_cast<double>(rest), "00") + "\"";
}

int64_t AxisStep(double spacing) {
  int64_t step = std::llabs(GridStep(spacing));
  while (static_cast<double>(step) <= std::fabs(spacing) && step < kLargestRange)
    step = NextNiceStep(step);
  return spacing < 0 ? -step : step;
}

int64_t FirstOnStep(int64_t from, int64_t origin, int64_t step) {
  const int64_t s = std::llabs(step);
  const int64_t distance = from - origin;
  return origin + (distance >= 0 ? (distance + s - 1) / s : -(-distance / s)) * s;
}

int64_t LabelStep(int64_t from, int64_t to, int64_t origin, int64_t gridStep,
                  const AxisMarks& marks, const ChartSurface& surface) {
  const int64_t s = std::llabs(gridStep);
  const int64_t span = std::llabs(to - from);
  const double gap = std::fabs(surface.TextWidth("0"));
  int64_t candidate = s;
  while (candidate <= span) {
    if (candidate % s == 0) {
      const int64_t signedStep = gridStep > 0 ? candidate : -candidate;
      const int64_t first = origin == from ? from : FirstOnStep(from, origin, signedStep);
      double widest = 0;
      for (int64_t i = first; NotPassed(i, to, signedStep); i += signedStep) {
        widest = std::max(widest, std::fabs(surface.TextWidth(marks.Label(i))));
      }
      if (static_cast<double>(candidate) * std::fabs(marks.X(1) - marks.X(0)) >= widest + gap)
        return candidate;
    }
    candidate = NextNiceStep(candidate);
  }
  return candidate;
}

void DrawHorizontalAxis(const HorizontalAxis& axis, const AxisMarks& marks, bool gridLines,
                        double yBottom, double yTop, ChartSurface& surface, const Palette& palette,
                        double textHeightTwips) {
  const double gap = std::fabs(surface.TextWidth("0"));
  const double below = textHeightTwips > 0 ? 0.5 + kLabelGapTwips / textHeightTwips : 0.5;
  bool labelled = false;
  double lastX = 0;
  double lastHalfWidth = 0;
  const int64_t first = axis.LabelOrigin == axis.From
                            ? axis.From
                            : FirstOnStep(axis.From, axis.LabelOrigin, axis.Step);
  for (int64_t i = first; NotPassed(i, axis.To, axis.Step); i += axis.Step) {
    const double x = marks.X(i);
    if (gridLines) surface.Line(x, yBottom, x, yTop, palette.Grid);
    if ((i - axis.LabelOrigin) % axis.LabelStep != 0) continue;
    const std::string label = marks.Label(i);
    const double halfWidth = std::fabs(surface.TextWidth(label)) / 2;
    if (x - halfWidth < axis.LeftEdge || x + halfWidth > axis.RightEdge) continue;
    if (labelled && std::fabs(x - lastX) < lastHalfWidth + halfWidth + gap) continue;
    surface.SetCurrentX(x - halfWidth);
    surface.SetCurrentY(yBottom + surface.TextHeight(label) * below);
    surface.Print(label);
    labelled = true;
    lastX = x;
    lastHalfWidth = halfWidth;
  }
}

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

float OutwardCorner(double value, double inside) {
  if (value == 0 || std::isnan(value)) return 0;
  // Away from the range, not away from zero: a range above zero such as 0.79 to 0.86 bar would
  // otherwise lose its bottom margin to the rounding.
  return static_cast<float>(value > inside ? std::floor(value) + 1 : std::ceil(value) - 1);
}

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

void WidenToCover(ChartValue& low, ChartValue& high, const std::vector<double>& values) {
  for (double value : values) {
    if (!std::isfinite(value) || std::fabs(value) >= kLargestRange) continue;
    low = std::min(low, static_cast<ChartValue>(std::floor(value)));
    high = std::max(high, static_cast<ChartValue>(std::ceil(value)));
  }
}

void DrawChartFrame(ChartValue xLeft, ChartValue xRight, ChartValue yBottom, ChartValue yTop,
                    ChartSurface& surface, const Palette& palette, ChartValue yOrigin) {
  DrawChartFrame(ShownTimes{static_cast<double>(xLeft), static_cast<double>(xRight), false},
                 yBottom, yTop, surface, palette, yOrigin);
}

void DrawChartFrame(const ShownTimes& times, ChartValue yBottom, ChartValue yTop,
                    ChartSurface& surface, const Palette& palette, ChartValue yOrigin) {
  const int64_t width = WholeTwips(surface.Width());
  const int64_t height = WholeTwips(surface.Height());
  if (width == 0 || height == 0) return;
  // The whole dive keeps its axis in whole chart units; a stretch may end anywhere.
  const auto xLeft = static_cast<ChartValue>(std::llround(times.Left));
  const auto xRight = static_cast<ChartValue>(std::llround(times.Right));
  const bool usable = times.Zoomed ? times.Right > times.Left : RangeUsable(xLeft, xRight);
  if (!usable || !RangeUsable(yBottom, yTop)) return;
  EnsureMeasurable(surface, width, height);

  // Half a value label reaches above the top grid line and below the bottom one; the time
  // labels sit under the latter.
  const double textHeight = TextHeightTwips(surface);
  const double top = std::max(kTopMargin, textHeight / 2 + kLabelGapTwips);
  const double bottom = std::max(kBottomMargin, 1.5 * textHeight + 2 * kLabelGapTwips);
  if (static_cast<double>(height) <= top + bottom) return;
  const auto [bottomCorner, topCorner] = Widened(yBottom, yTop, bottom, top, height);

  // The value grid is known before the left margin, which must hold its widest label. Lines are
  // at least 5 mm and a label's height apart; the step's sign follows the y axis.
  const double unitsPerTwipY = (bottomCorner - topCorner) / static_cast<double>(height);
  const double spacing =
      std::max(kGridSpacingMillimetres * kTwipsPerMillimetre, textHeight + kLabelGapTwips);
  const int64_t stepY = AxisStep(-unitsPerTwipY * spacing);
  const std::vector<int64_t> values = ValueGrid(yBottom, yTop, yOrigin, stepY);
  std::vector<std::string> labels;
  for (int64_t value : values) labels.push_back(AxisLabel(value));

  const double left = LeftMarginTwips(surface, labels);
  if (static_cast<double>(width) <= left + kRightMargin) return;
  if (times.Zoomed) {
    const auto [leftCorner, rightCorner] =
        ExactlyWidened(times.Left, times.Right, left, kRightMargin, width);
    surface.Scale(leftCorner, topCorner, rightCorner, bottomCorner);
    surface.MarkPlotArea(times.Left, yTop, times.Right, yBottom);
    DrawStretchTimeAxis(times, yBottom, yTop, surface, palette, leftCorner, rightCorner,
                        textHeight);
    DrawValueAxis(times.Left, times.Right, values, labels, surface, palette, leftCorner);
    return;
  }
  const auto [leftCorner, rightCorner] = Widened(xLeft, xRight, left, kRightMargin, width);
  const Corners corners{leftCorner, topCorner, rightCorner, bottomCorner};
  surface.Scale(corners.Left, corners.Top, corners.Right, corners.Bottom);
  surface.MarkPlotArea(xLeft, yTop, xRight, yBottom);
  DrawTimeAxis(xLeft, xRight, yBottom, yTop, surface, palette, corners, textHeight);
  DrawValueAxis(xLeft, xRight, values, labels, surface, palette, corners.Left);
}

std::optional<PlotAreaTwips> DrawLabelledChartFrame(
    const ShownTimes& times, ChartValue yBottom, ChartValue yTop,
    const std::function<ValueLabels(double plotHeightTwips)>& labelsFor, double belowTwips,
    ChartSurface& surface, const Palette& palette) {
  const int64_t width = WholeTwips(surface.Width());
  const int64_t height = WholeTwips(surface.Height());
  if (width == 0 || height == 0) return std::nullopt;
  if (!(times.Right > times.Left) || !RangeUsable(yBottom, yTop)) return std::nullopt;
  const auto xLeft = static_cast<ChartValue>(std::llround(times.Left));
  const auto xRight = static_cast<ChartValue>(std::llround(times.Right));
  if (!times.Zoomed && !RangeUsable(xLeft, xRight)) return std::nullopt;
  EnsureMeasurable(surface, width, height);

  const double textHeight = TextHeightTwips(surface);
  const double top = std::max(kTopMargin, textHeight / 2 + kLabelGapTwips);
  const double bottom =
      std::max(kBottomMargin, 1.5 * textHeight + 2 * kLabelGapTwips) + std::max(0.0, belowTwips);
  if (static_cast<double>(height) <= top + bottom) return std::nullopt;
  const auto [bottomCorner, topCorner] = Widened(yBottom, yTop, bottom, top, height);
  const ValueLabels marks = labelsFor(static_cast<double>(height) - top - bottom);
  const double left = LeftMarginTwips(surface, marks.Labels);
  if (static_cast<double>(width) <= left + kRightMargin) return std::nullopt;
  // The same corners as DrawChartFrame's, which round them out on the whole dive.
  const auto [leftCorner, rightCorner] =
      times.Zoomed ? ExactlyWidened(times.Left, times.Right, left, kRightMargin, width) : [&] {
        const auto [l, r] = Widened(xLeft, xRight, left, kRightMargin, width);
        return std::pair<double, double>{l, r};
      }();
  surface.Scale(leftCorner, topCorner, rightCorner, bottomCorner);
  surface.MarkPlotArea(times.Left, yTop, times.Right, yBottom);
  if (times.Zoomed) {
    DrawStretchTimeAxis(times, yBottom, yTop, surface, palette, leftCorner, rightCorner,
                        textHeight);
  } else {
    const Corners corners{static_cast<float>(leftCorner), topCorner,
                          static_cast<float>(rightCorner), bottomCorner};
    DrawTimeAxis(xLeft, xRight, yBottom, yTop, surface, palette, corners, textHeight);
  }
  // Labels only: the caller's rows are told apart by what it draws in them.
  for (size_t n = 0; n < marks.Values.size(); ++n) {
    const std::string& label = marks.Labels[n];
    surface.SetCurrentX((leftCorner + times.Left - std::fabs(surface.TextWidth(label))) / 2);
    surface.SetCurrentY(static_cast<double>(marks.Values[n]) - surface.TextHeight(label) / 2);
    surface.Print(label);
  }

  const auto twipsX = [&](double x) {
    return (x - leftCorner) / (rightCorner - leftCorner) * static_cast<double>(width);
  };
  const auto twipsY = [&](double y) {
    return (y - topCorner) / (bottomCorner - topCorner) * static_cast<double>(height);
  };
  return PlotAreaTwips{twipsX(times.Left), twipsY(yTop), twipsX(times.Right), twipsY(yBottom)};
}

void DrawStripFrame(const ShownTimes& times, ChartValue yBottom, ChartValue yTop,
                    ChartSurface& surface, const Palette& palette,
                    const std::vector<std::string>& leftLabels) {
  if (!times.Zoomed) {
    DrawStripFrame(static_cast<ChartValue>(std::llround(times.Left)),
                   static_cast<ChartValue>(std::llround(times.Right)), yBottom, yTop, surface,
                   palette, leftLabels);
    return;
  }
  const int64_t width = WholeTwips(surface.Width());
  const int64_t height = WholeTwips(surface.Height());
  if (width == 0 || height == 0) return;
  if (!(times.Right > times.Left) || !RangeUsable(yBottom, yTop)) return;
  EnsureMeasurable(surface, width, height);
  const double left = LeftMarginTwips(surface, leftLabels);
  if (static_cast<double>(width) <= left + kRightMargin) return;
  const auto [leftCorner, rightCorner] =
      ExactlyWidened(times.Left, times.Right, left, kRightMargin, width);
  surface.Scale(leftCorner, OutwardCorner(yTop, yBottom), rightCorner,
                OutwardCorner(yBottom, yTop));
  surface.MarkPlotArea(times.Left, yTop, times.Right, yBottom);
  DrawRoundTimeGrid(times.Left, times.Right, yBottom, yTop, surface, palette);
}

void DrawStripFrame(ChartValue xLeft, ChartValue xRight, ChartValue yBottom, ChartValue yTop,
                    ChartSurface& surface, const Palette& palette,
                    const std::vector<std::string>& leftLabels) {
  const int64_t width = WholeTwips(surface.Width());
  const int64_t height = WholeTwips(surface.Height());
  if (width == 0 || height == 0) return;
  if (!RangeUsable(xLeft, xRight) || !RangeUsable(yBottom, yTop)) return;
  EnsureMeasurable(surface, width, height);

  const double left = LeftMarginTwips(surface, leftLabels);
  if (static_cast<double>(width) <= left + kRightMargin) return;
  const auto [leftCorner, rightCorner] = Widened(xLeft, xRight, left, kRightMargin, width);
  surface.Scale(leftCorner, OutwardCorner(yTop, yBottom), rightCorner,
                OutwardCorner(yBottom, yTop));
  surface.MarkPlotArea(xLeft, yTop, xRight, yBottom);

  if (TicksAtRoundTimes(MinuteAxisOf(xLeft, xRight, surface))) {
    DrawRoundTimeGrid(xLeft, xRight, yBottom, yTop, surface, palette);
    return;
  }
  // Lines at the strip's ends would only thicken its border.
  const int64_t step = AxisStep(surface.ScaleX(kGridSpacingMillimetres));
  const int64_t limit = static_cast<int64_t>(xRight) - step;
  for (int64_t i = static_cast<int64_t>(xLeft) + step; NotPassed(i, limit, step); i += step) {
    const auto x = static_cast<double>(i);
    surface.Line(x, yBottom, x, yTop, palette.Grid);
  }
}

void ShowEmptyChart(ChartSurface& surface, const std::string& english) {
  // Callers mark their messages in the "Charts" context.
  const std::string text = Tr("Charts", english.c_str());
  surface.Cls();
  const int64_t width = WholeTwips(surface.Width());
  const int64_t height = WholeTwips(surface.Height());
  if (width == 0 || height == 0) return;
  // The chart's own coordinates may lie anywhere; the message is placed in plain twips.
  surface.Scale(0, 0, static_cast<double>(width), static_cast<double>(height));
  const double textWidth = std::fabs(surface.TextWidth(text));
  const double textHeight = std::fabs(surface.TextHeight(text));
  surface.SetCurrentX(std::max(0.0, (static_cast<double>(width) - textWidth) / 2));
  surface.SetCurrentY(std::max(0.0, (static_cast<double>(height) - textHeight) / 2));
  surface.Print(text);
}

}  // namespace scrb
