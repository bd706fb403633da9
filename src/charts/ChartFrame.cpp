#include "charts/ChartFrame.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

#include "logbook/Translation.h"
#include "report/NumberFormat.h"

namespace scrb {

namespace {

std::string AxisLabel(int64_t value) {
  return GeneralNumber(static_cast<double>(value) / 100.0);
}

struct Corners {
  float Left;
  float Top;
  float Right;
  float Bottom;
};

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

constexpr double kSecondsPerUnit = 0.6;  // a hundredth of a minute

// The twips a second of the time axis takes; none before the surface has a coordinate system.
std::optional<double> TwipsPerSecond(const ChartSurface& surface) {
  const double unitsPerMillimetre = std::fabs(surface.ScaleX(1));
  if (!(unitsPerMillimetre > 0)) return std::nullopt;
  return kTwipsPerMillimetre / unitsPerMillimetre / kSecondsPerUnit;
}

// The stretch's time axis: round times in whole seconds, the label step chosen with the widest
// of the labels it would print.
void DrawStretchTimeAxis(const ShownTimes& times, double yBottom, double yTop,
                         ChartSurface& surface, const Palette& palette, double leftEdge,
                         double rightEdge, double textHeightTwips) {
  const std::optional<double> twipsPerSecond = TwipsPerSecond(surface);
  if (!twipsPerSecond) return;
  const auto from = static_cast<int64_t>(std::ceil(times.Left * kSecondsPerUnit - 1e-6));
  const auto to = static_cast<int64_t>(std::floor(times.Right * kSecondsPerUnit + 1e-6));
  // The widest label either form could print on this stretch: its last minutes, and the seconds.
  const std::string minutes = StretchTimeLabel(to - to % 60, 60);
  const std::string seconds = StretchTimeLabel(to - to % 60 + 40, 20);
  const double gap = TextWidthTwips(surface, "0");
  StretchTimeSteps steps =
      StretchTimeStepsFor(*twipsPerSecond, TextWidthTwips(surface, seconds), gap);
  if (steps.Label >= 60) {
    steps = StretchTimeStepsFor(*twipsPerSecond, TextWidthTwips(surface, minutes), gap);
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
  const std::optional<double> twipsPerSecond = TwipsPerSecond(surface);
  if (!twipsPerSecond) return;
  const int64_t step = StretchTimeStepsFor(*twipsPerSecond, 0, 0).Grid;
  const auto from = static_cast<int64_t>(std::ceil(left * kSecondsPerUnit - 1e-6));
  for (int64_t s = FirstOnStep(from, 0, step); static_cast<double>(s) / kSecondsPerUnit <= right;
       s += step) {
    const double x = static_cast<double>(s) / kSecondsPerUnit;
    if (x <= left || x >= right) continue;
    surface.Line(x, yBottom, x, yTop, palette.Grid);
  }
}

}  // namespace

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

  const double textHeight = TextHeightTwips(surface);
  const auto [top, bottom] = TimeChartMargins(textHeight);
  if (static_cast<double>(height) <= top + bottom) return;
  const auto [bottomCorner, topCorner] = Widened(yBottom, yTop, bottom, top, height);

  // The value grid is known before the left margin, which must hold its widest label. Lines are
  // at least 5 mm and a label's height apart; the step's sign follows the y axis.
  const double unitsPerTwipY = (bottomCorner - topCorner) / static_cast<double>(height);
  const double spacing =
      std::max(kGridSpacingMillimetres * kTwipsPerMillimetre, textHeight + kLabelGapTwips);
  const int64_t stepY = AxisStep(-unitsPerTwipY * spacing);
  // A grid line outside the data range would run through the time labels.
  const std::vector<int64_t> values = ValueGrid(yBottom, yTop, yOrigin, stepY);
  std::vector<std::string> labels;
  for (int64_t value : values) labels.push_back(AxisLabel(value));

  const double left = LeftMarginTwips(surface, labels);
  if (static_cast<double>(width) <= left + kRightMarginTwips) return;
  if (times.Zoomed) {
    const auto [leftCorner, rightCorner] =
        ExactlyWidened(times.Left, times.Right, left, kRightMarginTwips, width);
    surface.Scale(leftCorner, topCorner, rightCorner, bottomCorner);
    surface.MarkPlotArea(times.Left, yTop, times.Right, yBottom);
    DrawStretchTimeAxis(times, yBottom, yTop, surface, palette, leftCorner, rightCorner,
                        textHeight);
    DrawValueAxis(times.Left, times.Right, values, labels, surface, palette, leftCorner);
    return;
  }
  const auto [leftCorner, rightCorner] = Widened(xLeft, xRight, left, kRightMarginTwips, width);
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
  const auto [top, bottom] = TimeChartMargins(textHeight, belowTwips);
  if (static_cast<double>(height) <= top + bottom) return std::nullopt;
  const auto [bottomCorner, topCorner] = Widened(yBottom, yTop, bottom, top, height);
  const ValueLabels marks = labelsFor(static_cast<double>(height) - top - bottom);
  const double left = LeftMarginTwips(surface, marks.Labels);
  if (static_cast<double>(width) <= left + kRightMarginTwips) return std::nullopt;
  // The same corners as DrawChartFrame's, which round them out on the whole dive.
  const auto [leftCorner, rightCorner] =
      times.Zoomed ? ExactlyWidened(times.Left, times.Right, left, kRightMarginTwips, width) : [&] {
        const auto [l, r] = Widened(xLeft, xRight, left, kRightMarginTwips, width);
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
  if (static_cast<double>(width) <= left + kRightMarginTwips) return;
  const auto [leftCorner, rightCorner] =
      ExactlyWidened(times.Left, times.Right, left, kRightMarginTwips, width);
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
  if (static_cast<double>(width) <= left + kRightMarginTwips) return;
  const auto [leftCorner, rightCorner] = Widened(xLeft, xRight, left, kRightMarginTwips, width);
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
