#include "overview/ComparisonCharts.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "air/AirCharts.h"
#include "charts/ChartFrame.h"
#include "charts/DepthChart.h"
#include "charts/RegionSurface.h"
#include "charts/SampleTimeAxis.h"
#include "logbook/MissingValues.h"
#include "logbook/SampleAccess.h"
#include "overview/ComparisonLegend.h"
#include "report/NumberFormat.h"
#include "saturation/SaturationCharts.h"

namespace scrb {

namespace {

constexpr const char* kNoSaturationData =
    SCRB_TRANSLATE_NOOP("Charts", "No Saturation Data available");
constexpr int kLineWidth = 2;

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

// Every dive the chart draws, named as the table names it, and where its line runs.
std::vector<LegendEntry> LegendOf(const DiveComparison& comparison,
                                  const std::vector<DiveLine>& lines, const Palette& palette) {
  std::vector<LegendEntry> entries;
  for (const DiveLine& line : lines) {
    entries.push_back({ComparedDiveName(comparison.Dives[static_cast<size_t>(line.Dive)]),
                       palette.ComparedDive(line.Dive)});
  }
  return entries;
}

ChartLines PointsOf(const std::vector<DiveLine>& lines) {
  ChartLines points;
  for (const DiveLine& line : lines) points.push_back(line.Points);
  return points;
}

// The frame over the stretch, the lines and the legend; `mark` draws what goes under the lines.
void DrawLinesChart(const DiveComparison& comparison, const std::vector<DiveLine>& lines,
                    const ShownTimes& times, ChartValue yBottom, ChartValue yTop,
                    ChartSurface& surface, const Palette& palette,
                    const std::function<void(ChartSurface&)>& mark = {}) {
  DrawChartWithLegend(surface, LegendOf(comparison, lines, palette), PointsOf(lines), palette,
                      [&](ChartSurface& chart) {
                        chart.Cls();
                        DrawChartFrame(times, yBottom, yTop, chart, palette, 0);
                        if (mark) mark(chart);
                        ClippedToStretch data(chart, times);
                        DrawLines(lines, data, palette);
                        return PlotBox{static_cast<double>(times.Left),
                                       static_cast<double>(times.Right), static_cast<double>(yTop),
                                       static_cast<double>(yBottom)};
                      });
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
      const auto step = static_cast<size_t>(std::clamp(std::nearbyint(kSamplesPerMinute * x / 100),
                                                       0.0, d.HighestOverSaturation.size() - 1.0));
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

// The words of a text in lines no wider than `width` twips; a word wider than that alone is cut.
std::vector<std::string> WrappedToWidth(const ChartSurface& surface, const std::string& text,
                                        double width) {
  std::vector<std::string> lines;
  std::string line;
  size_t from = 0;
  while (from < text.size()) {
    const size_t blank = std::min(text.find(' ', from), text.size());
    const std::string word = text.substr(from, blank - from);
    from = blank + 1;
    const std::string longer = line.empty() ? word : line + " " + word;
    if (line.empty() || TextWidthTwips(surface, longer) <= width) {
      line = longer;
      continue;
    }
    lines.push_back(CutToWidth(surface, line, width));
    line = word;
  }
  if (!line.empty() || lines.empty()) lines.push_back(CutToWidth(surface, line, width));
  return lines;
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

bool DrawsAnyDive(ComparisonChart chart, const DiveComparison& comparison) {
  return std::ranges::any_of(comparison.Dives,
                             [chart](const ComparedDive& d) { return Drawn(d, chart); });
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
  DrawLinesChart(comparison, lines, times, bottom, 0, surface, palette);
}

void DrawComparisonOverSaturationChart(const DiveComparison& comparison, ChartSurface& surface,
                                       const Palette& palette, const TimeStretch& stretch) {
  const std::vector<DiveLine> lines = OverSaturationLines(comparison);
  if (lines.empty()) return ShowEmptyChart(surface, kNoSaturationData);
  ChartValue bottom = kCriticalLevel;
  ChartValue top = kCriticalLevel + 1;
  WidenToCover(bottom, top, ValuesOf(lines));
  const ShownTimes times = TimesShown(stretch, comparison.LongestSampleCount());
  DrawLinesChart(comparison, lines, times, bottom, top, surface, palette, [&](ChartSurface& chart) {
    chart.Line(times.Left, kCriticalLevel, times.Right, kCriticalLevel, palette.CriticalLevel);
  });
}

void DrawComparisonTankChart(const DiveComparison& comparison, ChartSurface& surface,
                             UnitSystem units, const Palette& palette, const TimeStretch& stretch) {
  const std::vector<DiveLine> lines = TankLines(comparison, units);
  if (lines.empty()) return ShowEmptyChart(surface, kNoAirDataText);
  ChartValue bottom = 0;
  ChartValue top = 1;
  WidenToCover(bottom, top, ValuesOf(lines));
  const ShownTimes times = TimesShown(stretch, comparison.LongestSampleCount());
  DrawLinesChart(comparison, lines, times, bottom, top, surface, palette);
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
  const double gap = 4 * kTwipsPerMillimetre;
  const double chartWidth = (inner - 2 * gap) / 3;
  const ComparisonChart charts[] = {ComparisonChart::Depth, ComparisonChart::OverSaturation,
                                    ComparisonChart::Tank};
  // A caption too long for its chart's width goes on in a second line rather than being cut.
  std::vector<std::vector<std::string>> captions;
  size_t captionLines = 1;
  for (const ComparisonChart chart : charts) {
    captions.push_back(
        WrappedToWidth(page, Tr("Charts", ComparisonCaption(chart, units)), chartWidth));
    captionLines = std::max(captionLines, captions.back().size());
  }
  const double tableHeight = line * static_cast<double>(table.size() + (note.empty() ? 0 : 2));
  const double chartsTop = margin + 1.5 * line;
  const double captionHeight = line * static_cast<double>(captionLines);
  const double chartHeight =
      std::max(line * 4, height - margin - tableHeight - line - chartsTop - captionHeight);
  for (size_t c = 0; c < 3; ++c) {
    const double left = margin + static_cast<double>(c) * (chartWidth + gap);
    page.Scale(0, 0, width, height);
    for (size_t l = 0; l < captions[c].size(); ++l) {
      PrintAt(page, left, chartsTop + line * static_cast<double>(l), captions[c][l]);
    }
    RegionSurface region(page, {left, chartsTop + captionHeight, chartWidth, chartHeight});
    DrawComparisonChart(charts[c], comparison, region, units, paper);
  }

  page.Scale(0, 0, width, height);
  double widestLabel = 0;
  for (const auto& row : table) widestLabel = std::max(widestLabel, TextWidthTwips(page, row[0]));
  const double labelWidth = std::min(widestLabel + gap, inner / 4);
  // Every dive's column as wide as the widest figure needs, from the left: two dives stand beside
  // their labels rather than spread over the page.
  const double swatch = 6 * kTwipsPerMillimetre;
  double widestFigure = 0;
  for (size_t r = 0; r < table.size(); ++r) {
    for (size_t c = 1; c < table[r].size(); ++c) {
      widestFigure =
          std::max(widestFigure, TextWidthTwips(page, table[r][c]) + (r == 0 ? swatch : 0));
    }
  }
  const double evenShare =
      (inner - labelWidth) / static_cast<double>(std::max<size_t>(1, comparison.Dives.size()));
  const double column = std::min(evenShare, std::max(widestFigure, 30 * kTwipsPerMillimetre) + gap);
  double y = chartsTop + captionHeight + chartHeight + line;
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
        PrintAt(page, left + swatch, y, CutToWidth(page, table[r][c], column - swatch - gap / 2));
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
