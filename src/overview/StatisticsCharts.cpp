#include "overview/StatisticsCharts.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <map>

#include "logbook/DiveDates.h"
#include "logbook/Translation.h"
#include "overview/StatisticsChartFrame.h"
#include "report/NumberFormat.h"

namespace scrb {

namespace {

using namespace statistics;

constexpr double kDepthBin = 5;  // metres
constexpr double kDepthBinFeet = 10;
constexpr double kMinutesBin = 10;  // minutes
constexpr const char* kMonthNames[] = {SCRB_TRANSLATE_NOOP("Month abbreviation", "Jan"),
                                       SCRB_TRANSLATE_NOOP("Month abbreviation", "Feb"),
                                       SCRB_TRANSLATE_NOOP("Month abbreviation", "Mar"),
                                       SCRB_TRANSLATE_NOOP("Month abbreviation", "Apr"),
                                       SCRB_TRANSLATE_NOOP("Month abbreviation", "May"),
                                       SCRB_TRANSLATE_NOOP("Month abbreviation", "Jun"),
                                       SCRB_TRANSLATE_NOOP("Month abbreviation", "Jul"),
                                       SCRB_TRANSLATE_NOOP("Month abbreviation", "Aug"),
                                       SCRB_TRANSLATE_NOOP("Month abbreviation", "Sep"),
                                       SCRB_TRANSLATE_NOOP("Month abbreviation", "Oct"),
                                       SCRB_TRANSLATE_NOOP("Month abbreviation", "Nov"),
                                       SCRB_TRANSLATE_NOOP("Month abbreviation", "Dec")};

// ---- dives and hours per year ----

struct YearBars {
  int FirstYear = 0;
  std::vector<int> Dives;
  std::vector<int> Minutes;
};

YearBars YearsOf(const LogbookStatistics& stats) {
  YearBars bars;
  int last = 0;
  for (const DiveFigures& d : stats.Figures) {
    if (d.Date == 0) continue;
    bars.FirstYear =
        bars.FirstYear == 0 ? YearOf(d.Date) : std::min(bars.FirstYear, YearOf(d.Date));
    last = std::max(last, YearOf(d.Date));
  }
  if (bars.FirstYear == 0) return bars;
  bars.Dives.assign(static_cast<size_t>(last - bars.FirstYear + 1), 0);
  bars.Minutes.assign(bars.Dives.size(), 0);
  for (const DiveFigures& d : stats.Figures) {
    if (d.Date == 0) continue;
    const auto k = static_cast<size_t>(YearOf(d.Date) - bars.FirstYear);
    ++bars.Dives[k];
    bars.Minutes[k] += d.DiveMinutes.value_or(0);
  }
  return bars;
}

void DrawYears(const LogbookStatistics& stats, ChartSurface& s, const Palette& palette) {
  const YearBars bars = YearsOf(stats);
  if (bars.Dives.empty())
    return ShowEmptyChart(s, SCRB_TRANSLATE_NOOP("Charts", "No dives with a date"));
  double top = 0;
  for (size_t k = 0; k < bars.Dives.size(); ++k) {
    top = std::max({top, static_cast<double>(bars.Dives[k]), bars.Minutes[k] / 60.0});
  }
  const int first = bars.FirstYear;
  const CategoryAxis years{
      first,
      first + static_cast<int>(bars.Dives.size()) - 1,
      {[](int64_t year) { return std::to_string(year); },
       [first](int64_t year) { return static_cast<double>(year - first) + 0.5; }},
      true};
  const auto plot =
      DrawFrame(ChartTitle(ChartInfo(StatisticsChart::DivesPerYear), stats.Units, palette), 0,
                static_cast<double>(bars.Dives.size()), 0, top, years, s, palette, true);
  if (!plot) return;
  s.SetDrawWidth(2);
  for (size_t k = 0; k < bars.Dives.size(); ++k) {
    const double x = static_cast<double>(k);
    Bar(s, x + 0.12, x + 0.48, 0, bars.Dives[k], palette.Data);
    Bar(s, x + 0.52, x + 0.88, 0, bars.Minutes[k] / 60.0, palette.SecondSeries);
  }
  s.SetDrawWidth(1);
}

std::optional<std::string> YearsReadout(const LogbookStatistics& stats, double x) {
  const YearBars bars = YearsOf(stats);
  if (!(x >= 0 && x < static_cast<double>(bars.Dives.size()))) return {};
  const auto k = static_cast<size_t>(x);
  return FillIn(Tr("Statistics", "%1: %2, %3 hours"),
                {std::to_string(bars.FirstYear + static_cast<int>(k)), DivesText(bars.Dives[k]),
                 FormatPattern(bars.Minutes[k] / 60.0, "0.0")});
}

// ---- histograms ----

struct Histogram {
  double BinWidth;
  std::vector<int> Counts;
};

Histogram HistogramOf(const LogbookStatistics& stats, StatisticsChart chart) {
  const bool depth = chart == StatisticsChart::MaxDepthHistogram;
  const double depthBin = stats.Units == UnitSystem::Metric ? kDepthBin : kDepthBinFeet;
  Histogram histogram{depth ? depthBin : kMinutesBin, {}};
  for (const DiveFigures& d : stats.Figures) {
    std::optional<double> value;
    if (depth && d.MaxDepth) value = *d.MaxDepth;
    if (!depth && d.DiveMinutes) value = *d.DiveMinutes;
    if (!value) continue;
    const auto bin = static_cast<size_t>(std::max(0.0, std::floor(*value / histogram.BinWidth)));
    if (bin >= histogram.Counts.size()) histogram.Counts.resize(bin + 1, 0);
    ++histogram.Counts[bin];
  }
  return histogram;
}

void DrawHistogram(StatisticsChart chart, const LogbookStatistics& stats, ChartSurface& s,
                   const Palette& palette) {
  const Histogram histogram = HistogramOf(stats, chart);
  if (histogram.Counts.empty()) {
    return ShowEmptyChart(s, chart == StatisticsChart::MaxDepthHistogram
                                 ? SCRB_TRANSLATE_NOOP("Charts", "No maximum depths")
                                 : SCRB_TRANSLATE_NOOP("Charts", "No dive times"));
  }
  const double width = histogram.BinWidth;
  const auto edge = [width](int64_t b) { return static_cast<double>(b) * width; };
  const CategoryAxis edges{0,
                           static_cast<int64_t>(histogram.Counts.size()),
                           {[edge](int64_t b) { return GeneralNumber(edge(b)); }, edge}};
  const int most = *std::ranges::max_element(histogram.Counts);
  const auto plot = DrawFrame(ChartTitle(ChartInfo(chart), stats.Units, palette), 0,
                              static_cast<double>(histogram.Counts.size()) * width, 0, most, edges,
                              s, palette, true);
  if (!plot) return;
  s.SetDrawWidth(2);
  for (size_t b = 0; b < histogram.Counts.size(); ++b) {
    const double x = static_cast<double>(b) * width;
    Bar(s, x + width * 0.1, x + width * 0.9, 0, histogram.Counts[b], palette.Data);
  }
  s.SetDrawWidth(1);
}

std::optional<std::string> HistogramReadout(StatisticsChart chart, const LogbookStatistics& stats,
                                            double x) {
  const Histogram histogram = HistogramOf(stats, chart);
  const double end = static_cast<double>(histogram.Counts.size()) * histogram.BinWidth;
  if (!(x >= 0 && x < end)) return {};
  const auto b = static_cast<size_t>(x / histogram.BinWidth);
  const std::string unit = chart == StatisticsChart::MaxDepthHistogram
                               ? " " + std::string(UnitText(Quantity::Depth, stats.Units))
                               : " min";
  return FillIn(Tr("Statistics", "%1 to %2%3: %4"),
                {GeneralNumber(static_cast<double>(b) * histogram.BinWidth),
                 GeneralNumber(static_cast<double>(b + 1) * histogram.BinWidth), unit,
                 DivesText(histogram.Counts[b])});
}

// ---- water temperature by month ----

struct MonthTemperatures {
  std::optional<double> Coldest[12];
  double Sum[12] = {};
  int Count[12] = {};
};

MonthTemperatures MonthsOf(const LogbookStatistics& stats) {
  MonthTemperatures months;
  for (const DiveFigures& d : stats.Figures) {
    if (d.Date == 0 || !d.WaterTemperature) continue;
    const int m = MonthOf(d.Date) - 1;
    if (!months.Coldest[m] || *d.WaterTemperature < *months.Coldest[m])
      months.Coldest[m] = *d.WaterTemperature;
    months.Sum[m] += *d.WaterTemperature;
    ++months.Count[m];
  }
  return months;
}

void DrawWaterByMonth(const LogbookStatistics& stats, ChartSurface& s, const Palette& palette) {
  const MonthTemperatures months = MonthsOf(stats);
  double low = 0, high = 0;
  bool any = false;
  for (int m = 0; m < 12; ++m) {
    if (months.Count[m] == 0) continue;
    any = true;
    low = std::min(low, *months.Coldest[m]);
    high = std::max(high, months.Sum[m] / months.Count[m]);
  }
  if (!any) return ShowEmptyChart(s, SCRB_TRANSLATE_NOOP("Charts", "No water temperatures"));
  const CategoryAxis monthAxis{0,
                               11,
                               {[](int64_t m) { return Tr("Month abbreviation", kMonthNames[m]); },
                                [](int64_t m) { return static_cast<double>(m) + 0.5; }}};
  const auto plot = DrawFrame(
      ChartTitle(ChartInfo(StatisticsChart::WaterTemperatureByMonth), stats.Units, palette), 0, 12,
      low, high, monthAxis, s, palette);
  if (!plot) return;
  s.SetDrawWidth(2);
  for (int m = 0; m < 12; ++m) {
    if (months.Count[m] == 0) continue;
    Bar(s, m + 0.12, m + 0.48, 0, *months.Coldest[m], palette.Data);
    Bar(s, m + 0.52, m + 0.88, 0, months.Sum[m] / months.Count[m], palette.SecondSeries);
  }
  s.SetDrawWidth(1);
}

std::optional<std::string> WaterReadout(const LogbookStatistics& stats, double x) {
  if (!(x >= 0 && x < 12)) return {};
  const MonthTemperatures months = MonthsOf(stats);
  if (std::ranges::all_of(months.Count, [](int count) { return count == 0; })) return {};
  const int m = static_cast<int>(x);
  const std::string name = MonthName(m + 1);
  if (months.Count[m] == 0) return FillIn(Tr("Statistics", "%1: no water temperature"), {name});
  const std::string degrees = stats.Units == UnitSystem::Metric ? " \xC2\xB0"
                                                                  "C"
                                                                : " \xC2\xB0"
                                                                  "F";
  return FillIn(Tr("Statistics", "%1: coldest %2, mean %3 (%4)"),
                {name, FormatPattern(*months.Coldest[m], "0.0") + degrees,
                 FormatPattern(months.Sum[m] / months.Count[m], "0.0") + degrees,
                 DivesText(months.Count[m])});
}

// The middle of the day as a fraction of its year: 1998.79 for 17 October 1998.
double FractionalYear(int date) {
  using namespace std::chrono;
  const year y(YearOf(date));
  const sys_days day = year_month_day{y, month(static_cast<unsigned>(MonthOf(date))),
                                      std::chrono::day(static_cast<unsigned>(date % 100))};
  const sys_days first = year_month_day{y, January, std::chrono::day(1)};
  const double length = y.is_leap() ? 366 : 365;
  return YearOf(date) + ((day - first).count() + 0.5) / length;
}

// ---- dives over time ----

struct TimePoint {
  const DiveFigures* Dive;
  double X;
  double Y;
};

std::vector<TimePoint> PointsOf(StatisticsChart chart, const LogbookStatistics& stats) {
  std::vector<TimePoint> points;
  for (const DiveFigures& d : stats.Figures) {
    const std::optional<double> value =
        chart == StatisticsChart::BreathRateOverTime ? d.BreathRate : d.OverSaturation;
    if (d.Date != 0 && value) points.push_back({&d, FractionalYear(d.Date), *value});
  }
  return points;
}

// Each year's mean of the points, by year.
std::map<int, double> YearMeans(const std::vector<TimePoint>& points) {
  std::map<int, std::pair<double, int>> sums;
  for (const TimePoint& p : points) {
    auto& [sum, count] = sums[YearOf(p.Dive->Date)];
    sum += p.Y;
    ++count;
  }
  std::map<int, double> means;
  for (const auto& [year, sum] : sums) means[year] = sum.first / sum.second;
  return means;
}

std::pair<int, int> YearSpan(const std::vector<TimePoint>& points) {
  int first = YearOf(points.front().Dive->Date), last = first;
  for (const TimePoint& p : points) {
    first = std::min(first, YearOf(p.Dive->Date));
    last = std::max(last, YearOf(p.Dive->Date));
  }
  return {first, last + 1};
}

void DrawOverTime(StatisticsChart chart, const LogbookStatistics& stats, ChartSurface& s,
                  const Palette& palette) {
  const bool breath = chart == StatisticsChart::BreathRateOverTime;
  const std::vector<TimePoint> points = PointsOf(chart, stats);
  if (points.empty()) {
    return ShowEmptyChart(
        s, breath ? SCRB_TRANSLATE_NOOP("Charts", "No dives with a breath rate estimate")
                  : SCRB_TRANSLATE_NOOP("Charts", "No dives with saturation results"));
  }
  const auto [first, end] = YearSpan(points);
  // Years are labelled where they begin, as a time axis labels its lines.
  const CategoryAxis years{first,
                           end,
                           {[](int64_t year) { return std::to_string(year); },
                            [](int64_t year) { return static_cast<double>(year); }},
                           true,
                           true};
  double high = breath ? 0 : 100;
  for (const TimePoint& p : points) high = std::max(high, p.Y);
  const auto plot = DrawFrame(ChartTitle(ChartInfo(chart), stats.Units, palette), first, end, 0,
                              high, years, s, palette);
  if (!plot) return;
  if (!breath) s.Line(first, 100, end, 100, palette.Alarm);
  for (const TimePoint& p : points) Marker(s, *plot, p.X, p.Y, palette.Data);
  if (breath) {
    s.SetDrawWidth(2);
    for (const auto& [year, mean] : YearMeans(points)) {
      s.Line(year, mean, year + 1, mean, palette.SecondSeries);
    }
    s.SetDrawWidth(1);
  }
}

const TimePoint* NearestPoint(const std::vector<TimePoint>& points, double x) {
  if (points.empty()) return nullptr;
  const auto [first, end] = YearSpan(points);
  if (!(x >= first && x <= end)) return nullptr;
  const TimePoint* nearest = nullptr;
  for (const TimePoint& p : points) {
    if (nearest == nullptr || std::fabs(p.X - x) < std::fabs(nearest->X - x)) nearest = &p;
  }
  return nearest;
}

std::optional<std::string> OverTimeReadout(StatisticsChart chart, const LogbookStatistics& stats,
                                           double x) {
  const std::vector<TimePoint> points = PointsOf(chart, stats);
  const TimePoint* p = NearestPoint(points, x);
  if (p == nullptr) return {};
  const DiveFigures& d = *p->Dive;
  std::string text =
      FillIn(Tr("Statistics", "Dive %1, %2"), {std::to_string(d.Number), LogbookDate(d.Date)});
  if (!d.Site.empty()) text += ", " + d.Site;
  if (chart == StatisticsChart::BreathRateOverTime) {
    const double mean = YearMeans(points).at(YearOf(d.Date));
    // Cubic feet need two decimals to tell one dive from the next.
    const char* pattern = stats.Units == UnitSystem::Metric ? "0.0" : "0.00";
    const std::string unit = " " + std::string(UnitText(Quantity::BreathRate, stats.Units));
    return FillIn(Tr("Statistics", "%1: %2 (%3 mean %4)"),
                  {text, FormatPattern(p->Y, pattern) + unit, std::to_string(YearOf(d.Date)),
                   FormatPattern(mean, pattern) + unit});
  }
  return FillIn(Tr("Statistics", "%1: %2 %, tissue %3"),
                {text, FormatPattern(p->Y, "0.0"), std::to_string(d.Tissue)});
}

}  // namespace

const std::vector<StatisticsChartInfo>& StatisticsCharts() {
  static const std::vector<StatisticsChartInfo> charts = {
      {StatisticsChart::DivesPerYear, "stats-years",
       SCRB_TRANSLATE_NOOP("Statistics", "Dives (blue) and hours (%1) per year")},
      {StatisticsChart::MaxDepthHistogram, "stats-depths",
       SCRB_TRANSLATE_NOOP("Statistics", "Dives by maximum depth (m)"),
       SCRB_TRANSLATE_NOOP("Statistics", "Dives by maximum depth (ft)")},
      {StatisticsChart::DiveTimeHistogram, "stats-divetimes",
       SCRB_TRANSLATE_NOOP("Statistics", "Dives by dive time (min)")},
      {StatisticsChart::WaterTemperatureByMonth, "stats-water",
       SCRB_TRANSLATE_NOOP("Statistics",
                           "Water temperature by month (°C): coldest (blue) and mean (%1)"),
       SCRB_TRANSLATE_NOOP("Statistics",
                           "Water temperature by month (°F): coldest (blue) and mean (%1)")},
      {StatisticsChart::BreathRateOverTime, "stats-breath",
       SCRB_TRANSLATE_NOOP("Statistics",
                           "Base breath rate per dive (l/min) and each year's mean (%1)"),
       SCRB_TRANSLATE_NOOP("Statistics",
                           "Base breath rate per dive (cu ft/min) and each year's mean (%1)")},
      {StatisticsChart::OverSaturationOverTime, "stats-oversaturation",
       SCRB_TRANSLATE_NOOP("Statistics",
                           "Highest over-saturation per dive (%) and the 100 % limit (red)")},
  };
  return charts;
}

std::string ChartTitle(const StatisticsChartInfo& info, UnitSystem units, const Palette& palette) {
  const std::string& title = units == UnitSystem::Imperial && !info.ImperialTitle.empty()
                                 ? info.ImperialTitle
                                 : info.Title;
  return FillIn(Tr("Statistics", title.c_str()), {Tr("Statistics", palette.SecondSeriesName)});
}

const StatisticsChartInfo& ChartInfo(StatisticsChart chart) {
  for (const StatisticsChartInfo& info : StatisticsCharts()) {
    if (info.Chart == chart) return info;
  }
  return StatisticsCharts().front();
}

void DrawStatisticsChart(StatisticsChart chart, const LogbookStatistics& stats,
                         ChartSurface& surface, const Palette& palette) {
  switch (chart) {
    case StatisticsChart::DivesPerYear:
      return DrawYears(stats, surface, palette);
    case StatisticsChart::MaxDepthHistogram:
    case StatisticsChart::DiveTimeHistogram:
      return DrawHistogram(chart, stats, surface, palette);
    case StatisticsChart::WaterTemperatureByMonth:
      return DrawWaterByMonth(stats, surface, palette);
    case StatisticsChart::BreathRateOverTime:
    case StatisticsChart::OverSaturationOverTime:
      return DrawOverTime(chart, stats, surface, palette);
  }
}

std::optional<std::string> StatisticsReadout(StatisticsChart chart, const LogbookStatistics& stats,
                                             double userX) {
  switch (chart) {
    case StatisticsChart::DivesPerYear:
      return YearsReadout(stats, userX);
    case StatisticsChart::MaxDepthHistogram:
    case StatisticsChart::DiveTimeHistogram:
      return HistogramReadout(chart, stats, userX);
    case StatisticsChart::WaterTemperatureByMonth:
      return WaterReadout(stats, userX);
    case StatisticsChart::BreathRateOverTime:
    case StatisticsChart::OverSaturationOverTime:
      return OverTimeReadout(chart, stats, userX);
  }
  return {};
}

std::optional<int> StatisticsReadoutDive(StatisticsChart chart, const LogbookStatistics& stats,
                                         double userX) {
  if (chart != StatisticsChart::BreathRateOverTime &&
      chart != StatisticsChart::OverSaturationOverTime)
    return {};
  const std::vector<TimePoint> points = PointsOf(chart, stats);
  const TimePoint* p = NearestPoint(points, userX);
  if (p == nullptr) return {};
  return p->Dive->Index;
}

}  // namespace scrb
