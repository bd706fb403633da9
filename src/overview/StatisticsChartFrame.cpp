#include "overview/StatisticsChartFrame.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "logbook/Translation.h"
#include "report/NumberFormat.h"

namespace scrb::statistics {

namespace {

constexpr double kMarkerMillimetres = 0.6;

// The step of the dive charts' series for values at least `least` apart (not strictly more, as
// a grid spacing is).
double ValueStep(double least) {
  return static_cast<double>(AxisStep(least * 100 * (1 - 1e-9))) / 100;
}

// The title cut at a word with "..." until it fits the width; empty when not even a word does.
std::string FittedTitle(const ChartSurface& s, std::string title, double widthTwips) {
  while (TextWidthTwips(s, title) > widthTwips) {
    const size_t blank = title.find_last_of(' ', title.size() > 3 ? title.size() - 4 : 0);
    if (blank == std::string::npos || blank == 0) return {};
    title = title.substr(0, blank) + "...";
  }
  return title;
}

// The title in lines that fit the width, broken at blanks: a chart half a sheet wide cannot show
// a long language's title on one line. Only beyond kTitleLines lines, or for a word wider than the
// chart, is the last line cut.
constexpr size_t kTitleLines = 3;
std::vector<std::string> TitleLines(const ChartSurface& s, const std::string& title,
                                    double widthTwips, size_t most) {
  std::vector<std::string> lines;
  std::string current;
  size_t start = 0;
  while (start <= title.size()) {
    size_t blank = title.find(' ', start);
    if (blank == std::string::npos) blank = title.size();
    const std::string word = title.substr(start, blank - start);
    const std::string longer = current.empty() ? word : current + " " + word;
    if (current.empty() || TextWidthTwips(s, longer) <= widthTwips) {
      current = longer;
    } else {
      lines.push_back(current);
      current = word;
    }
    start = blank + 1;
  }
  if (!current.empty()) lines.push_back(current);
  if (lines.size() > most) {
    std::string rest;
    for (size_t n = most - 1; n < lines.size(); ++n) rest += (rest.empty() ? "" : " ") + lines[n];
    lines.resize(most - 1);
    lines.push_back(rest);
  }
  for (std::string& line : lines) line = FittedTitle(s, line, widthTwips);
  return lines;
}

}  // namespace

std::optional<Plot> DrawFrame(const std::string& title, double xLeft, double xRight, double yLow,
                              double yHigh, const CategoryAxis& axis, ChartSurface& s,
                              const Palette& palette, bool counts) {
  const double w = s.Width();
  const double h = s.Height();
  s.Cls();
  if (!(w > 0 && h > 0) || !std::isfinite(w) || !std::isfinite(h) || !(xRight > xLeft)) return {};
  s.Scale(0, 0, w, h);
  const double textHeight = TextHeightTwips(s);
  // A small chart keeps its plot: the title takes at most a quarter of the height.
  const auto mostLines =
      static_cast<size_t>(std::clamp(h / 4 / textHeight, 1.0, double(kTitleLines)));
  const std::vector<std::string> titleLines =
      TitleLines(s, title, w - 2 * kLabelGapTwips, mostLines);
  const double top =
      textHeight * (static_cast<double>(std::max<size_t>(1, titleLines.size())) + 0.5) +
      3 * kLabelGapTwips;
  const double bottom = textHeight * 1.5 + 2 * kLabelGapTwips;
  const double innerHeight = h - top - bottom;
  if (innerHeight <= textHeight) return {};

  if (!(yHigh > yLow)) yHigh = yLow + 1;
  const double spacing =
      std::max(kGridSpacingMillimetres * kTwipsPerMillimetre, textHeight + kLabelGapTwips);
  double step = ValueStep(std::max(spacing * (yHigh - yLow) / innerHeight, counts ? 1.0 : 0.0));
  double low = 0, high = 0;
  while (true) {
    low = std::floor(yLow / step) * step;
    high = std::ceil(yHigh / step) * step;
    if (high <= low) high = low + step;
    if (step * innerHeight / (high - low) >= spacing * (1 - 1e-9)) break;
    const double wider = ValueStep(step * 1.5);
    if (!(wider > step)) return {};  // beyond the largest step: values no chart can show
    step = wider;
  }
  std::vector<double> values;
  std::vector<std::string> labels;
  for (double v = low; v <= high + step / 2; v += step) {
    values.push_back(std::round(v / step) * step);
    labels.push_back(GeneralNumber(values.back()));
  }

  const double left = LeftMarginTwips(s, labels);
  const double right = std::max(kRightMarginTwips, TextWidthTwips(s, "0000") / 2 + kLabelGapTwips);
  const double innerWidth = w - left - right;
  if (innerWidth <= 0) return {};
  const double perTwipX = (xRight - xLeft) / innerWidth;
  const double perTwipY = (high - low) / innerHeight;
  const double x1 = xLeft - left * perTwipX;
  const double x2 = xRight + right * perTwipX;
  const double y1 = high + top * perTwipY;
  s.Scale(x1, y1, x2, low - bottom * perTwipY);
  s.MarkPlotArea(xLeft, high, xRight, low);

  for (size_t n = 0; n < titleLines.size(); ++n) {
    if (titleLines[n].empty()) continue;
    s.SetCurrentX(x1 + kLabelGapTwips * perTwipX);
    s.SetCurrentY(y1 - (kLabelGapTwips + textHeight * static_cast<double>(n)) * perTwipY);
    s.Print(titleLines[n]);
  }

  DrawValueAxis(xLeft, xRight, values, labels, s, palette, x1);
  s.Line(xLeft, low, xLeft, high, palette.Grid);
  s.Line(xRight, low, xRight, high, palette.Grid);
  // A year's lines are at least 5 mm apart, as a time axis's; bins and months are labelled
  // every one that fits.
  const double perValue = std::fabs(axis.Marks.X(1) - axis.Marks.X(0));
  const int64_t gridStep =
      axis.Years ? AxisStep(std::fabs(s.ScaleX(kGridSpacingMillimetres)) / perValue) : 1;
  const int64_t origin = axis.Years ? 0 : axis.From;
  const int64_t labelStep = LabelStep(axis.From, axis.To, origin, gridStep, axis.Marks, s);
  const HorizontalAxis frame{axis.From, axis.To, gridStep, labelStep, origin, x1, x2};
  DrawHorizontalAxis(frame, axis.Marks, axis.GridLines, low, high, s, palette, textHeight);
  return Plot{xLeft, xRight, low, high};
}

void Bar(ChartSurface& s, double from, double to, double base, double value, Rgb color) {
  if (value == base) return;
  s.Line(from, base, from, value, color);
  s.LineTo(to, value, color);
  s.LineTo(to, base, color);
}

void Marker(ChartSurface& s, const Plot& p, double x, double y, Rgb color) {
  const double dx = std::fabs(s.ScaleX(kMarkerMillimetres));
  const double dy = std::fabs(s.ScaleY(kMarkerMillimetres));
  const auto cx = [&](double v) { return std::clamp(v, p.Left, p.Right); };
  const auto cy = [&](double v) { return std::clamp(v, p.Low, p.High); };
  s.Line(cx(x - dx), cy(y), cx(x + dx), cy(y), color);
  s.Line(cx(x), cy(y - dy), cx(x), cy(y + dy), color);
}

std::string DivesText(int count) {
  return FillIn(count == 1 ? Tr("Statistics", "%1 dive") : Tr("Statistics", "%1 dives"),
                {std::to_string(count)});
}

}  // namespace scrb::statistics
