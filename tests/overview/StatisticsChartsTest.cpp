#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <string>
#include <vector>

#include "overview/DiveFiguresFixture.h"
#include "overview/StatisticsCharts.h"
#include "support/ChartLegibility.h"

namespace scrb {
namespace {

using test::RecordingSurface;

constexpr double kTwipsPerPixel = 15;  // at 96 dpi

DiveFigures Dive(int index, int date, double depth, int minutes, double water, double breath,
                 double oversat) {
  DiveFigures d =
      test::Figures(index, date, depth, minutes, water, breath, oversat, 1 + index % 16);
  d.Number = index + 1;
  d.Site = "Pier";
  return d;
}

// One dive; and years of dives from shallow to deep, ice to tropics, one over the limit.
std::vector<LogbookStatistics> Logbooks() {
  std::vector<DiveFigures> many;
  for (int i = 0; i < 400; ++i) {
    const int date = (1990 + i / 16) * 10000 + (1 + i % 12) * 100 + 1 + i % 28;
    many.push_back(Dive(i, date, 3 + i % 61, 10 + i % 95, -1.5 + i % 30, 12 + i % 20, 40 + i % 67));
  }
  const LogbookStatistics years = SumUp(many, StatisticsGrouping::Year);
  return {SumUp({Dive(0, 19981017, 18.98, 45, 15.48, 17.5, 81)}, StatisticsGrouping::Year), years,
          InUnits(years, UnitSystem::Imperial)};
}

// Every chart at the sizes the window and the page give it, at three font sizes: no two labels
// overlap, none leaves the surface, every bar, dive and line lies in the plot area.
TEST(StatisticsCharts, LegibleAtEverySize) {
  const std::pair<int, int> sizes[] = {{300, 200}, {640, 450}, {1600, 1000}, {2560, 1440}};
  for (const LogbookStatistics& stats : Logbooks()) {
    for (const StatisticsChartInfo& chart : StatisticsCharts()) {
      for (const auto& [wide, high] : sizes) {
        for (double fontScale : {1.0, 1.5, 2.0}) {
          const double charWidth = 100 * fontScale;
          const double textHeight = 200 * fontScale;
          RecordingSurface s(wide * kTwipsPerPixel, high * kTwipsPerPixel, charWidth, textHeight);
          DrawStatisticsChart(chart.Chart, stats, s, Palette::Classic());
          SCOPED_TRACE(testing::Message() << chart.Name << ", " << stats.Dives << " dives, " << wide
                                          << "x" << high << ", font x" << fontScale);
          EXPECT_GE(s.Prints().size(), 3u);
          EXPECT_FALSE(test::NonGridLines(s).empty());
          for (const std::string& fault : test::LegibilityFaults(s, charWidth, textHeight)) {
            ADD_FAILURE() << fault;
          }
        }
      }
    }
  }
}

// The second series (hours, mean water temperature, a year's mean breath rate) is drawn in each
// palette's own colour, and a title that names a colour names the one drawn: orange on the
// light and dark grounds, brown in high contrast, where an orange dark enough for white is one.
TEST(StatisticsCharts, SecondSeriesAndTitlesFollowThePalette) {
  const LogbookStatistics stats = Logbooks()[1];
  const std::pair<const Palette*, const char*> cases[] = {{&Palette::Classic(), "orange"},
                                                          {&Palette::Dark(), "orange"},
                                                          {&Palette::HighContrast(), "brown"}};
  for (const auto& [palette, colour] : cases) {
    for (const StatisticsChart chart :
         {StatisticsChart::DivesPerYear, StatisticsChart::WaterTemperatureByMonth,
          StatisticsChart::BreathRateOverTime}) {
      SCOPED_TRACE(ChartInfo(chart).Name + " " + colour);
      RecordingSurface s(24000, 9000);
      DrawStatisticsChart(chart, stats, s, *palette);
      std::string texts;
      for (const std::string& text : s.Texts()) texts += text + " ";
      EXPECT_NE(texts.find("(" + std::string(colour) + ")"), std::string::npos) << texts;
      const auto fills = s.Fills();
      const auto drawn =
          s.LinesOf(palette->SecondSeries).size() +
          static_cast<size_t>(std::count_if(fills.begin(), fills.end(), [&](auto& op) {
            return op.Color == palette->SecondSeries;
          }));
      EXPECT_GT(drawn, 0u);
    }
  }
}

TEST(StatisticsCharts, EmptyStateCentredOnce) {
  const LogbookStatistics none = SumUp({}, StatisticsGrouping::Year);
  for (const StatisticsChartInfo& chart : StatisticsCharts()) {
    RecordingSurface s(9000, 3000);
    s.Scale(-92, -56, 2031, 2668);
    DrawStatisticsChart(chart.Chart, none, s, Palette::Classic());
    ASSERT_EQ(s.Prints().size(), 1u) << chart.Name;
    EXPECT_DOUBLE_EQ(s.Prints()[0].X1 + s.TextWidth(s.Prints()[0].Text) / 2, 4500) << chart.Name;
    EXPECT_FALSE(StatisticsReadout(chart.Chart, none, 0.5)) << chart.Name;
  }
}

// The readout names what lies under the mouse, in the chart's own coordinates.
TEST(StatisticsCharts, ReadoutsNameTheBarOrTheDive) {
  const LogbookStatistics s =
      SumUp({Dive(0, 19980301, 12.5, 45, 15, 17.25, 81),
             Dive(1, 19980310, 14, 75, 11, 19.75, 102.5), Dive(2, 20000705, 31, 30, 22, 0, 60)},
            StatisticsGrouping::Year);
  const auto readout = [&](StatisticsChart chart, double x) {
    return StatisticsReadout(chart, s, x).value_or("(none)");
  };
  using C = StatisticsChart;
  EXPECT_EQ(readout(C::DivesPerYear, 0.5), "1998: 2 dives, 2.0 hours");
  EXPECT_EQ(readout(C::DivesPerYear, 1.2), "1999: 0 dives, 0.0 hours");
  EXPECT_EQ(readout(C::DivesPerYear, 3), "(none)");
  EXPECT_EQ(readout(C::MaxDepthHistogram, 12), "10 to 15 m: 2 dives");
  EXPECT_EQ(readout(C::MaxDepthHistogram, 31), "30 to 35 m: 1 dive");
  EXPECT_EQ(readout(C::MaxDepthHistogram, -1), "(none)");
  EXPECT_EQ(readout(C::DiveTimeHistogram, 59), "50 to 60 min: 0 dives");
  EXPECT_EQ(readout(C::WaterTemperatureByMonth, 2.5),
            "March: coldest 11.0 \xC2\xB0"
            "C, mean 13.0 \xC2\xB0"
            "C (2 dives)");
  EXPECT_EQ(readout(C::WaterTemperatureByMonth, 0.5), "January: no water temperature");
  EXPECT_EQ(readout(C::BreathRateOverTime, 1998.19),
            "Dive 2, 10/03/1998, Pier: 19.8 l/min (1998 mean 18.5 l/min)");
  EXPECT_EQ(readout(C::OverSaturationOverTime, 2000.9),
            "Dive 3, 05/07/2000, Pier: 60.0 %, tissue 3");
  EXPECT_EQ(readout(C::OverSaturationOverTime, 2002), "(none)");
  EXPECT_EQ(StatisticsReadoutDive(C::OverSaturationOverTime, s, 1998.17), 0);
  EXPECT_FALSE(StatisticsReadoutDive(C::DivesPerYear, s, 0.5));

  // In imperial: depths in 10 ft bins, temperatures in °F, breath rates in cubic feet.
  const LogbookStatistics imperial = InUnits(s, UnitSystem::Imperial);
  const std::pair<std::pair<C, double>, const char*> imperialReadouts[] = {
      {{C::MaxDepthHistogram, 45}, "40 to 50 ft: 2 dives"},
      {{C::MaxDepthHistogram, 101}, "100 to 110 ft: 1 dive"},
      {{C::WaterTemperatureByMonth, 2.5},
       "March: coldest 51.8 \xC2\xB0"
       "F, mean 55.4 \xC2\xB0"
       "F (2 dives)"},
      {{C::BreathRateOverTime, 1998.19},
       "Dive 2, 10/03/1998, Pier: 0.70 cu ft/min (1998 mean 0.65 cu ft/min)"},
  };
  for (const auto& [at, text] : imperialReadouts) {
    EXPECT_EQ(StatisticsReadout(at.first, imperial, at.second).value_or("(none)"), text);
  }
}

// The over-saturation chart always shows the limit; the breath rate chart each year's mean.
TEST(StatisticsCharts, LimitLineAndYearMeans) {
  const LogbookStatistics s =
      SumUp({Dive(0, 19980301, 12, 45, 15, 17, 40), Dive(1, 19980310, 14, 75, 11, 19, 50)},
            StatisticsGrouping::Year);
  RecordingSurface over(9000, 6000);
  DrawStatisticsChart(StatisticsChart::OverSaturationOverTime, s, over, Palette::Classic());
  ASSERT_EQ(over.LinesOf(Palette::Classic().Alarm).size(), 1u);
  EXPECT_EQ(over.LinesOf(Palette::Classic().Alarm)[0].Y1, 100);
  RecordingSurface breath(9000, 6000);
  DrawStatisticsChart(StatisticsChart::BreathRateOverTime, s, breath, Palette::Classic());
  const auto means = test::NonGridLines(breath, 2);
  ASSERT_EQ(means.size(), 1u);
  EXPECT_EQ(means[0].Y1, 18);
  EXPECT_EQ(means[0].X1, 1998);
  EXPECT_EQ(means[0].X2, 1999);
}

// The years axis steps by the span as a time axis does, its labels and lines on the multiples of
// their steps however odd the first year: one dive dated 1603 beside dives of 1998-2010 gets a
// line every 10, 20 or 50 years, not 408 lines; thirty years from 1993 on a small chart a label
// on 1995 and 2000. A two-year logbook keeps a line and a label every year. The bars keep one per
// year.
TEST(StatisticsCharts, YearsAxisStepsBySpan) {
  const auto yearLines = [](const RecordingSurface& s) {
    std::vector<double> xs;
    for (const auto& line : s.LinesOf(Palette::Classic().Grid))
      if (line.X1 == line.X2) xs.push_back(line.X1);
    return xs;
  };
  const auto years = [](int from, int to, std::vector<DiveFigures> dives) {
    for (int year = from; year <= to; ++year)
      dives.push_back(Dive(static_cast<int>(dives.size()), year * 10000 + 601, 10, 30, 15, 20, 50));
    return SumUp(dives, StatisticsGrouping::Year);
  };
  const struct {
    LogbookStatistics Stats;
    int First, Last, Width;
    std::vector<int> Steps;  // the label steps the span may take
  } logbooks[] = {
      {years(1998, 2010, {Dive(0, 16030101, 10, 30, 15, 20, 50)}), 1603, 2010, 640, {20, 50, 100}},
      {years(1993, 2022, {}), 1993, 2022, 330, {5}},
  };
  for (const auto& logbook : logbooks) {
    for (const auto chart : {StatisticsChart::BreathRateOverTime, StatisticsChart::DivesPerYear}) {
      SCOPED_TRACE(testing::Message() << logbook.First << ", " << ChartInfo(chart).Name);
      RecordingSurface s(logbook.Width * kTwipsPerPixel, 450 * kTwipsPerPixel);
      DrawStatisticsChart(chart, logbook.Stats, s, Palette::Classic());
      const std::vector<double> lines = yearLines(s);
      EXPECT_LT(lines.size(), 30u);
      std::vector<int> labels;
      for (const auto& print : s.Prints()) {
        if (print.Text.size() == 4 && std::isdigit(static_cast<unsigned char>(print.Text[0])))
          labels.push_back(std::stoi(print.Text));
      }
      ASSERT_GE(labels.size(), 3u);
      const int step = labels[1] - labels[0];
      EXPECT_TRUE(std::ranges::count(logbook.Steps, step) == 1) << step;
      for (size_t n = 0; n < labels.size(); ++n) {
        EXPECT_EQ(labels[n] % step, 0) << labels[n];
        if (n > 0) {
          EXPECT_EQ(labels[n] - labels[n - 1], step);
        }
      }
      if (chart == StatisticsChart::DivesPerYear) continue;
      // Lines on round years of a series step that the label step is a multiple of; the plot's
      // ends have their border.
      std::vector<double> inner;
      for (double x : lines)
        if (x > logbook.First && x < logbook.Last + 1) inner.push_back(x);
      ASSERT_GE(inner.size(), 2u);
      const double lineStep = inner[1] - inner[0];
      EXPECT_EQ(std::fmod(step, lineStep), 0) << lineStep;
      for (double x : inner) EXPECT_EQ(std::fmod(x, lineStep), 0) << x;
    }
  }
  const LogbookStatistics narrow =
      SumUp({Dive(0, 19980301, 12, 45, 15, 17, 40), Dive(1, 19990310, 14, 75, 11, 19, 50)},
            StatisticsGrouping::Year);
  RecordingSurface s(640 * kTwipsPerPixel, 450 * kTwipsPerPixel);
  DrawStatisticsChart(StatisticsChart::OverSaturationOverTime, narrow, s, Palette::Classic());
  std::vector<double> lines = yearLines(s);
  std::ranges::sort(lines);
  EXPECT_EQ(lines, (std::vector<double>{1998, 1998, 1999, 2000, 2000}));
  std::vector<std::string> labels;
  for (const auto& print : s.Prints())
    if (print.Text.size() == 4) labels.push_back(print.Text);
  EXPECT_EQ(labels, (std::vector<std::string>{"1998", "1999", "2000"}));
}

}  // namespace
}  // namespace scrb
