#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "analysis/AnalysisCache.h"
#include "charts/SampleTimeAxis.h"
#include "logbook/SampleAccess.h"
#include "overview/ComparisonCharts.h"
#include "report/NumberFormat.h"
#include "saturation/SaturationCharts.h"
#include "support/LogbookBuilder.h"
#include "support/RecordingSurface.h"

namespace scrb {
namespace {

using test::RecordedOp;
using test::RecordingSurface;

// A dive of `minutes` at `depth`; air level 2 throughout, or no air estimate at all.
DiveRecord Dive(int number, int minutes, double depth, bool air = true) {
  test::ProfileBuilder profile;
  std::vector<double> depths(static_cast<size_t>(minutes) * 3, depth);
  depths.push_back(0);
  profile.Samples = test::ProfileBuilder::FromDepths(depths);
  profile.Status = std::vector<int>(depths.size() / 3, 0x20);
  DiveRecord dive = test::MakeDecodedDive(profile, 12, air ? 150 : 0);
  dive.DiveNumber = number;
  dive.DiveDate = "17/10/1998";
  dive.Site = "Pier " + std::to_string(number);
  return dive;
}

struct Fixture {
  std::vector<DiveRecord> Dives = {Dive(1, 20, 30), DiveRecord{}, Dive(3, 45, 12),
                                   Dive(4, 10, 8, false)};
  AnalysisCache Cache;
  DiveComparison Comparison;
  Fixture() {
    Dives[1].DiveNumber = 2;
    Cache.SetDives(&Dives);
    Cache.SetModel(2);
    Comparison = CompareDives(Cache, {0, 1, 2, 3});
  }
};

// The rightmost end of the lines drawn in a colour; 0 when none is.
double RightEnd(const RecordingSurface& surface, Rgb color) {
  double right = 0;
  for (const RecordedOp& op : surface.LinesOf(color)) {
    if (op.DrawWidth == 2) right = std::max({right, op.X1, op.X2});  // not the legend's swatch
  }
  return right;
}

// Each dive in its colour, from time 0 to its own end on the longest dive's axis; the dive
// without samples nowhere; the tank chart without the dive that has no air estimate.
TEST(ComparisonCharts, EachDiveInItsColourOnTheLongestDivesAxis) {
  Fixture f;
  const Palette& palette = Palette::Classic();
  const auto draw = [&](ComparisonChart chart) {
    auto surface = std::make_unique<RecordingSurface>();
    DrawComparisonChart(chart, f.Comparison, *surface, UnitSystem::Metric, palette);
    return surface;
  };
  for (const ComparisonChart chart :
       {ComparisonChart::Depth, ComparisonChart::OverSaturation, ComparisonChart::Tank}) {
    SCOPED_TRACE(static_cast<int>(chart));
    const auto surface = draw(chart);
    EXPECT_EQ(surface->Corners()[0] < 0, true);  // the frame's margin left of time 0
    EXPECT_GE(surface->Corners()[2], TimeAxisRight(f.Comparison.LongestSampleCount()));
    EXPECT_TRUE(surface->LinesOf(palette.ComparedDive(1)).empty());
    for (const int d : {0, 2}) {
      const int32_t count = f.Comparison.Dives[static_cast<size_t>(d)].SampleCount();
      const double end =
          chart == ComparisonChart::OverSaturation ? SampleStartTime(count + 1) : SampleTime(count);
      EXPECT_NEAR(RightEnd(*surface, palette.ComparedDive(d)), end, 1e-3) << "dive " << d;
    }
    EXPECT_EQ(surface->LinesOf(palette.ComparedDive(3)).empty(), chart == ComparisonChart::Tank);
  }

  // The depth line passes through every sample; the over-saturation line through every step's
  // highest tissue; the 100 % line is there.
  const auto depth = draw(ComparisonChart::Depth);
  const auto& first = f.Comparison.Dives[0];
  const auto depthLines = depth->LinesOf(palette.ComparedDive(0));
  for (int32_t k = 0; k < first.SampleCount(); ++k) {
    EXPECT_TRUE(std::ranges::any_of(
        depthLines,
        [&](const RecordedOp& op) {
          return op.X2 == SampleTime(k) && op.Y2 == SampleDepthAt(*first.Analysed.Profile, k) * 100;
        }))
        << "sample " << k;
  }
  const auto saturation = draw(ComparisonChart::OverSaturation);
  const auto satLines = saturation->LinesOf(palette.ComparedDive(2));
  ASSERT_EQ(satLines.size() + 1, f.Comparison.Dives[2].HighestOverSaturation.size());
  EXPECT_EQ(satLines.back().Y2, f.Comparison.Dives[2].HighestOverSaturation.back());
  EXPECT_TRUE(std::ranges::any_of(saturation->LinesOf(palette.CriticalLevel), [](const auto& op) {
    return op.Y1 == kCriticalLevel && op.Y2 == kCriticalLevel;
  }));

  // The legend names every dive drawn, and only those.
  const std::vector<std::string> texts = depth->Texts();
  for (const char* name : {"1, 17/10/1998, Pier 1", "3, 17/10/1998, Pier 3", "4, 17/10/1998"}) {
    EXPECT_TRUE(std::ranges::any_of(texts, [&](const std::string& t) {
      return t.starts_with(name);
    })) << name;
  }
  EXPECT_FALSE(
      std::ranges::any_of(texts, [](const std::string& t) { return t.starts_with("2, "); }));
  // A chart too low for the legend goes without rather than covering its lines.
  RecordingSurface low(6975, 1000);
  DrawComparisonChart(ComparisonChart::Depth, f.Comparison, low, UnitSystem::Metric, palette);
  EXPECT_FALSE(
      std::ranges::any_of(low.Texts(), [](const std::string& t) { return t.starts_with("1, "); }));
}

TEST(ComparisonCharts, AStretchCutsEveryDiveAtItsEnds) {
  Fixture f;
  RecordingSurface surface;
  const TimeStretch stretch = TimeStretch::Between(500, 1200);
  DrawComparisonChart(ComparisonChart::Depth, f.Comparison, surface, UnitSystem::Imperial,
                      Palette::Dark(), stretch);
  for (const int d : {0, 2, 3}) {
    const auto lines = surface.LinesOf(Palette::Dark().ComparedDive(d));
    ASSERT_FALSE(lines.empty());
    for (const RecordedOp& op : lines) {
      if (op.DrawWidth > 2) continue;  // the legend's swatch
      EXPECT_GE(std::min(op.X1, op.X2), 500 - 1e-9);
      EXPECT_LE(std::max(op.X1, op.X2), 1200 + 1e-9);
    }
  }
}

TEST(ComparisonCharts, NothingToDrawSaysSo) {
  std::vector<DiveRecord> dives(2);
  AnalysisCache cache;
  cache.SetDives(&dives);
  const DiveComparison empty = CompareDives(cache, {0, 1});
  for (const auto& [chart, text] :
       {std::pair{ComparisonChart::Depth, "No Dive Data available"},
        std::pair{ComparisonChart::OverSaturation, "No Saturation Data available"},
        std::pair{ComparisonChart::Tank, "No Air Data available"}}) {
    RecordingSurface surface;
    DrawComparisonChart(chart, empty, surface, UnitSystem::Metric, Palette::Classic());
    EXPECT_EQ(surface.Texts(), std::vector<std::string>{text});
  }
}

TEST(ComparisonCharts, ReadoutGivesEachDiveItsValueOrItsEnd) {
  Fixture f;
  const double x = SampleTime(40);  // 13'40" in: the first dive on the bottom, the last ended
  const auto depth = ComparisonReadout(f.Comparison, ComparisonChart::Depth, x, UnitSystem::Metric);
  ASSERT_EQ(depth.size(), 3u);
  EXPECT_EQ(depth[0].Dive, 0);
  EXPECT_EQ(depth[0].Text, "Dive 1: 30.0 m");
  EXPECT_EQ(depth[1].Text, "Dive 3: 11.9 m");
  EXPECT_EQ(depth[2].Text, "Dive 4: ended");
  const auto imperial =
      ComparisonReadout(f.Comparison, ComparisonChart::Depth, x, UnitSystem::Imperial);
  EXPECT_EQ(imperial[0].Text, "Dive 1: 98 ft");

  const auto saturation =
      ComparisonReadout(f.Comparison, ComparisonChart::OverSaturation, x, UnitSystem::Metric);
  ASSERT_EQ(saturation.size(), 3u);
  EXPECT_EQ(saturation[0].Text,
            "Dive 1: " +
                FormatPattern(f.Comparison.Dives[0].HighestOverSaturation[41] / 100, "0.0") + " %");
  const auto tank = ComparisonReadout(f.Comparison, ComparisonChart::Tank, x, UnitSystem::Metric);
  ASSERT_EQ(tank.size(), 2u);  // dive 4 has no estimate
  EXPECT_TRUE(tank[0].Text.ends_with(" bar")) << tank[0].Text;
  EXPECT_EQ(ComparisonTimeText(x), "13'40\"");
}

TEST(ComparisonCharts, OnePageHoldsTheChartsTheTableAndTheNote) {
  Fixture f;
  RecordingSurface page(16838, 11906);  // A4 landscape
  DrawComparisonPage(f.Comparison, page, UnitSystem::Metric);
  const std::vector<std::string> texts = page.Texts();
  for (const char* text : {"Dives compared: 1, 2, 3, 4", "Maximum depth", "Pier 3",
                           "Left out of the charts, for want of a profile: 2"}) {
    EXPECT_TRUE(std::ranges::any_of(texts, [&](const std::string& t) {
      return t.starts_with(text);
    })) << text;
  }
  for (const RecordedOp& op : page.Prints()) {
    EXPECT_GE(op.X1, 0);
    EXPECT_LE(op.Y1 + 200, 11906) << op.Text;
  }
}

}  // namespace
}  // namespace scrb
