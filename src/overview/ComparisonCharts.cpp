#include "overview/ComparisonCharts.h"

#include <algorithm>
#include <cmath>

#include "air/AirCharts.h"
#include "charts/ChartFrame.h"
#include "charts/DepthChart.h"
#include "charts/RegionSurface.h"
#include "charts/SampleTimeAxis.h"
#include "logbook/MissingValues.h"
#include "logbook/SampleAccess.h"
#include "report/NumberFormat.h"
#include "saturation/SaturationCharts.h"

namespace scrb {

namespace {

constexpr const char* kNoSaturationData =
    SCRB_TRANSLATE_NOOP("Charts", "No Saturation Data available");
constexpr int kLineWidth = 2;
constexpr double kLegendMarginMm = 2;
constexpr double kSwatchMm = 6;

// A line of the chart: a dive's place in the comparison and its points in chart units, the first
// at time 0.
struct DiveLine {
  int Dive;
  std::vector<std::pair<double, double>> Points;
};

double PerMetre(UnitSystem units) {
  return ToUnits(Quantity::Depth, 1, units) * 100;
}

bool HasAirEstimate(const ComparedDive& d) {
  return d.HasSamples() && d.Analysed.Air && d.Analysed.Air->BaseBreathRate != 0;
}

std::vector<DiveLine> DepthLines(const DiveComparison& comparison, UnitSystem units) {
  std::vector<DiveLine> lines;
  for (size_t n = 0; n < comparison.Dives.size(); ++n) {
    const ComparedDive& d = comparison.Dives[n];
    if (!d.HasSamples()) continue;
    DiveLine line{static_cast<int>(n), {{0, 0}}};
    // The entry past the last sample brings the profile back to the surface.
    for (int32_t k = 0; k <= d.SampleCount(); ++k) {
      line.Points.emplace_back(SampleTime(k),
                               SampleDepthAt(*d.Analysed.Profile, k) * PerMetre(units));
    }
    lines.push_back(std::move(line));
  }
  return lines;
}

std::vector<DiveLine> OverSaturationLines(const DiveComparison& comparison) {
  std::vector<DiveLine> lines;
  for (size_t n = 0; n < comparison.Dives.size(); ++n) {
    const ComparedDive& d = comparison.Dives[n];
    if (!d.HasSamples() || d.HighestOverSaturation.empty()) continue;
    DiveLine line{static_cast<int>(n), {}};
    for (size_t s = 0; s < d.HighestOverSaturation.size(); ++s) {
      line.Points.emplace_back(SampleStartTime(static_cast<int64_t>(s)),
                               d.HighestOverSaturation[s]);
    }
    lines.push_back(std::move(line));
  }
  return lines;
}

std::vector<DiveLine> TankLines(const DiveComparison& comparison, UnitSystem units) {
  std::vector<DiveLine> lines;
  for (size_t n = 0; n < comparison.Dives.size(); ++n) {
    const ComparedDive& d = comparison.Dives[n];
    if (!HasAirEstimate(d)) continue;
    const DiveRecord& record = d.Analysed.Dive();
    DiveLine line{static_cast<int>(n),
                  {{0, ToUnits(Quantity::Pressure, record.AirConsumption, units) * 100}}};
    const std::vector<double> points =
        TankPoints(record, *d.Analysed.Profile, *d.Analysed.Air, units);
    for (size_t k = 0; k < points.size(); ++k) {
      line.Points.emplace_back(SampleTime(static_cast<int64_t>(k)), points[k]);
    }
    lines.push_back(std::move(line));
  }
  return lines;
}

std::vector<double> ValuesOf(const std::vector<DiveLine>& lines) {
  std::vector<double> values;
  for (const DiveLine& line : lines) {
    for (const auto& point : line.Points) values.push_back(point.second);
  }
  return values;
}

void DrawLines(const std::vector<DiveLine>& lines, ChartSurface& surface, const Palette& palette) {
  surface.SetDrawWidth(kLineWidth);
  for (const DiveLine& line : lines) {
    surface.SetCurrentX(line.Points.front().first);
    surface.SetCurrentY(line.Points.front().second);
    for (size_t p = 1; p < line.Points.size(); ++p) {
      surface.LineTo(line.Points[p].first, line.Points[p].second, palette.ComparedDive(line.Dive));
    }
  }
  surface.SetDrawWidth(1);
}

// In the lower right corner of the plot area (bottom to plotTop), over the ascents, where profiles
// rarely are.
void DrawLegend(const DiveComparison& comparison, const std::vector<DiveLine>& lines, double right,
                double bottom, double plotTop, ChartSurface& surface, const Palette& palette) {
  double widest = 0;
  for (const DiveLine& line : lines) {
    widest = std::max(widest,
                      std::fabs(surface.TextWidth(ComparedDiveName(comparison.Dives[line.Dive]))));
  }
  const double lineHeight = surface.TextHeight("Ag");
  const double xMargin = surface.ScaleX(kLegendMarginMm);
  const double textLeft = right - xMargin - std::copysign(widest, xMargin);
  const double swatchRight = textLeft - xMargin / 2;
  const double swatchLeft = swatchRight - surface.ScaleX(kSwatchMm);
  double top =
      bottom - surface.ScaleY(kLegendMarginMm) - lineHeight * static_cast<double>(lines.size());
  // A chart too low for the legend goes without: it would cover the lines it names, and the
  // window's table names the colours too.
  if ((top - plotTop - surface.ScaleY(kLegendMarginMm)) * (bottom - plotTop) < 0) return;
  surface.SetDrawWidth(kLineWidth + 1);
  for (const DiveLine& line : lines) {
    const Rgb color = palette.ComparedDive(line.Dive);
    surface.Line(swatchLeft, top + lineHeight / 2, swatchRight, top + lineHeight / 2, color);
    surface.SetCurrentX(textLeft);
    surface.SetCurrentY(top);
    surface.Print(ComparedDiveName(comparison.Dives[line.Dive]));
    top += lineHeight;
  }
  surface.SetDrawWidth(1);
}

// The sample of a dive nearest to x, or nothing when x lies past the dive's end.
std::optional<int32_t> SampleAt(const ComparedDive& d, double x) {
  const double k = std::max(0.0, NearestSample(x));
  if (!std::isfinite(k) || k >= d.SampleCount()) return std::nullopt;
  return static_cast<int32_t>(k);
}

std::string ReadoutValue(const ComparedDive& d, ComparisonChart chart, double x, UnitSystem units) {
  const std::optional<int32_t> k = SampleAt(d, x);
  if (!k) return Tr("Compare", "ended");
  switch (chart) {
    case ComparisonChart::Depth:
      return FormatIn(Quantity::Depth, SampleDepthAt(*d.Analysed.Profile, *k), units, "0.0") + " " +
             std::string(UnitText(Quantity::Depth, units));
    case ComparisonChart::OverSaturation: {
      const auto step = static_cast<size_t>(
          std::clamp(std::nearbyint(3 * x / 100), 0.0, d.HighestOverSaturation.size() - 1.0));
      return FormatPattern(d.HighestOverSaturation[step] / 100, "0.0") + " %";
    }
    case ComparisonChart::Tank: {
      const std::vector<double> bar =
          TankPoints(d.Analysed.Dive(), *d.Analysed.Profile, *d.Analysed.Air, UnitSystem::Metric);
      return FormatIn(Quantity::Pressure, bar[static_cast<size_t>(*k)] / 100, units, "0") + " " +
             std::string(UnitText(Quantity::Pressure, units));
    }
  }
  return {};
}

bool Drawn(const ComparedDive& d, ComparisonChart chart) {
  switch (chart) {
    case ComparisonChart::Depth:
      return d.HasSamples();
    case ComparisonChart::OverSaturation:
      return d.HasSamples() && !d.HighestOverSaturation.empty();
    case ComparisonChart::Tank:
      return HasAirEstimate(d);
  }
  return false;
}

// A text cut to a width, so that a long site name never runs into the next column.
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

void PrintAt(ChartSurface& surface, double x, double y, const std::string& text) {
  surface.SetCurrentX(x);
  surface.SetCurrentY(y);
  surface.Print(text);
}

}  // namespace

const char* ComparisonCaption(ComparisonChart chart, UnitSystem units) {
  switch (chart) {
    case ComparisonChart::Depth:
      return units == UnitSystem::Metric ? kComparisonDepthCaption : kComparisonDepthCaptionFeet;
    case ComparisonChart::OverSaturation:
      return kComparisonOverSaturationCaption;
    case ComparisonChart::Tank:
      return TankChartCaption(units);
  }
  return "";
}

void DrawComparisonDepthChart(const DiveComparison& comparison, ChartSurface& surface,
                              UnitSystem units, const Palette& palette,
                              const TimeStretch& stretch) {
  const std::vector<DiveLine> lines = DepthLines(comparison, units);
  if (lines.empty()) return ShowEmptyChart(surface, kNoDiveData);
  // The deepest of the logged maximum depths and of the samples, so no profile dips under the
  // plot area.
  ChartValue bottom = 1;
  ChartValue top = 0;
  WidenToCover(top, bottom, ValuesOf(lines));
  for (const DiveLine& line : lines) {
    const std::optional<double> logged = comparison.Dives[line.Dive].MaxDepth;
    if (logged && *logged < 10000) WidenToCover(top, bottom, {*logged * PerMetre(units)});
  }
  const ShownTimes times = TimesShown(stretch, comparison.LongestSampleCount());
  surface.Cls();
  DrawChartFrame(times, bottom, 0, surface, palette, 0);
  ClippedToStretch data(surface, times);
  DrawLines(lines, data, palette);
  DrawLegend(comparison, lines, times.Right, bottom, 0, surface, palette);
}

void DrawComparisonOverSaturationChart(const DiveComparison& comparison, ChartSurface& surface,
                                       const Palette& palette, const TimeStretch& stretch) {
  const std::vector<DiveLine> lines = OverSaturationLines(comparison);
  if (lines.empty()) return ShowEmptyChart(surface, kNoSaturationData);
  ChartValue bottom = kCriticalLevel;
  ChartValue top = kCriticalLevel + 1;
  WidenToCover(bottom, top, ValuesOf(lines));
  const ShownTimes times = TimesShown(stretch, comparison.LongestSampleCount());
  surface.Cls();
  DrawChartFrame(times, bottom, top, surface, palette, 0);
  surface.Line(times.Left, kCriticalLevel, times.Right, kCriticalLevel, palette.CriticalLevel);
  ClippedToStretch data(surface, times);
  DrawLines(lines, data, palette);
}

void DrawComparisonTankChart(const DiveComparison& comparison, ChartSurface& surface,
                             UnitSystem units, const Palette& palette, const TimeStretch& stretch) {
  const std::vector<DiveLine> lines = TankLines(comparison, units);
  if (lines.empty()) return ShowEmptyChart(surface, kNoAirDataText);
  ChartValue bottom = 0;
  ChartValue top = 1;
  WidenToCover(bottom, top, ValuesOf(lines));
  const ShownTimes times = TimesShown(stretch, comparison.LongestSampleCount());
  surface.Cls();
  DrawChartFrame(times, bottom, top, surface, palette, 0);
  ClippedToStretch data(surface, times);
  DrawLines(lines, data, palette);
}

void DrawComparisonChart(ComparisonChart chart, const DiveComparison& comparison,
                         ChartSurface& surface, UnitSystem units, const Palette& palette,
                         const TimeStretch& stretch) {
  switch (chart) {
    case ComparisonChart::Depth:
      return DrawComparisonDepthChart(comparison, surface, units, palette, stretch);
    case ComparisonChart::OverSaturation:
      return DrawComparisonOverSaturationChart(comparison, surface, palette, stretch);
    case ComparisonChart::Tank:
      return DrawComparisonTankChart(comparison, surface, units, palette, stretch);
  }
}

void DrawComparisonPage(const DiveComparison& comparison, ChartSurface& page, UnitSystem units) {
  const Palette& paper = Palette::Classic();
  const double width = page.Width();
  const double height = page.Height();
  page.Scale(0, 0, width, height);
  page.Cls();
  const double margin = 10 * kTwipsPerMillimetre;
  const double line = TextHeightTwips(page) * 1.25;
  const double inner = width - 2 * margin;
  std::string numbers;
  for (const ComparedDive& d : comparison.Dives) {
    numbers += (numbers.empty() ? "" : ", ") + std::to_string(d.Number);
  }
  PrintAt(page, margin, margin, FillIn(Tr("Compare", "Dives compared: %1"), {numbers}));

  // The charts take the upper half of the page, the table and the note the rest.
  const std::vector<std::vector<std::string>> table = ComparisonTable(comparison, units);
  const std::string note = LeftOutNote(comparison);
  const double tableHeight = line * static_cast<double>(table.size() + (note.empty() ? 0 : 2));
  const double chartsTop = margin + 1.5 * line;
  const double chartHeight =
      std::max(line * 4, height - margin - tableHeight - line - chartsTop - line);
  const double gap = 4 * kTwipsPerMillimetre;
  const double chartWidth = (inner - 2 * gap) / 3;
  const ComparisonChart charts[] = {ComparisonChart::Depth, ComparisonChart::OverSaturation,
                                    ComparisonChart::Tank};
  for (int c = 0; c < 3; ++c) {
    const double left = margin + c * (chartWidth + gap);
    page.Scale(0, 0, width, height);
    PrintAt(page, left, chartsTop,
            CutToWidth(page, Tr("Charts", ComparisonCaption(charts[c], units)), chartWidth));
    RegionSurface region(page, {left, chartsTop + line, chartWidth, chartHeight});
    DrawComparisonChart(charts[c], comparison, region, units, paper);
  }

  page.Scale(0, 0, width, height);
  double widestLabel = 0;
  for (const auto& row : table) widestLabel = std::max(widestLabel, TextWidthTwips(page, row[0]));
  const double labelWidth = std::min(widestLabel + gap, inner / 4);
  const double column =
      (inner - labelWidth) / static_cast<double>(std::max<size_t>(1, comparison.Dives.size()));
  double y = chartsTop + line + chartHeight + line;
  for (size_t r = 0; r < table.size(); ++r) {
    PrintAt(page, margin, y, CutToWidth(page, table[r][0], labelWidth - gap / 2));
    for (size_t c = 1; c < table[r].size(); ++c) {
      const double left = margin + labelWidth + static_cast<double>(c - 1) * column;
      if (r == 0) {
        // The dive's colour beside its number ties the column to its lines.
        page.SetDrawWidth(3);
        const double middle = y + TextHeightTwips(page) / 2;
        page.Line(left, middle, left + 5 * kTwipsPerMillimetre, middle,
                  paper.ComparedDive(static_cast<int>(c - 1)));
        page.SetDrawWidth(1);
        PrintAt(page, left + 6 * kTwipsPerMillimetre, y,
                CutToWidth(page, table[r][c], column - 7 * kTwipsPerMillimetre));
      } else {
        PrintAt(page, left, y, CutToWidth(page, table[r][c], column - gap / 2));
      }
    }
    y += line;
  }
  if (!note.empty()) PrintAt(page, margin, y + line / 2, CutToWidth(page, note, inner));
}

std::string ComparisonTimeText(double x) {
  return StretchTimeLabel(std::llround(std::max(0.0, x) * 0.6), 1);
}

std::vector<ComparisonReadoutLine> ComparisonReadout(const DiveComparison& comparison,
                                                     ComparisonChart chart, double x,
                                                     UnitSystem units) {
  std::vector<ComparisonReadoutLine> lines;
  for (size_t n = 0; n < comparison.Dives.size(); ++n) {
    const ComparedDive& d = comparison.Dives[n];
    if (!Drawn(d, chart)) continue;
    lines.push_back({static_cast<int>(n),
                     FillIn(Tr("Compare", "Dive %1: %2"),
                            {std::to_string(d.Number), ReadoutValue(d, chart, x, units)})});
  }
  return lines;
}

}  // namespace scrb
