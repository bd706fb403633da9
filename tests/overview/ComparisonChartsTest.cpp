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
#include "support/ChartLegibility.h"
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
  std::vector<RecordedOp> satLines = saturation->LinesOf(palette.ComparedDive(2));
  std::erase_if(satLines, [](const RecordedOp& op) { return op.DrawWidth != 2; });  // the key's
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
}

// Dives that stay far below the limit still show the 100 % line, within the plot.
TEST(ComparisonCharts, TheLimitLineStaysWhenEveryDiveIsFarBelowIt) {
  std::vector<DiveRecord> dives = {Dive(1, 10, 4), Dive(2, 20, 3)};
  AnalysisCache cache;
  cache.SetDives(&dives);
  cache.SetModel(0);
  const DiveComparison comparison = CompareDives(cache, {0, 1});
  for (const ComparedDive& d : comparison.Dives)
    ASSERT_LT(*std::ranges::max_element(d.HighestOverSaturation), kCriticalLevel * 0.6);
  RecordingSurface s;
  DrawComparisonChart(ComparisonChart::OverSaturation, comparison, s, UnitSystem::Metric,
                      Palette::Classic());
  const test::Rect plot = test::GridBounds(s);
  const auto limit = s.LinesOf(Palette::Classic().CriticalLevel);
  ASSERT_EQ(limit.size(), 1u);
  EXPECT_EQ(std::make_pair(limit[0].Y1, limit[0].Y2), std::make_pair(10000.0, 10000.0));
  EXPECT_TRUE(plot.Top <= 10000 && 10000 <= plot.Bottom) << plot.Top << " to " << plot.Bottom;
}

// Every operation's corners in twips from the surface's upper-left corner, through the coordinate
// system in force when it was drawn.
std::vector<test::Rect> InTwips(const RecordingSurface& s, const std::vector<RecordedOp>& ops) {
  std::vector<test::Rect> rects;
  double x1 = 0, y1 = 0, x2 = s.Width(), y2 = s.Height();
  for (const RecordedOp& op : ops) {
    if (op.Type == RecordedOp::Kind::Scale) x1 = op.X1, y1 = op.Y1, x2 = op.X2, y2 = op.Y2;
    const auto tx = [&](double x) { return (x - x1) / (x2 - x1) * s.Width(); };
    const auto ty = [&](double y) { return (y - y1) / (y2 - y1) * s.Height(); };
    const double width = op.Type == RecordedOp::Kind::Print ? 100.0 * op.Text.size() : 0;
    const double height = op.Type == RecordedOp::Kind::Print ? 200 : 0;
    const double left = std::min(tx(op.X1), op.Type == RecordedOp::Kind::Print ? 1e300 : tx(op.X2));
    const double top = std::min(ty(op.Y1), op.Type == RecordedOp::Kind::Print ? 1e300 : ty(op.Y2));
    const double right =
        op.Type == RecordedOp::Kind::Print ? left + width : std::max(tx(op.X1), tx(op.X2));
    const double bottom =
        op.Type == RecordedOp::Kind::Print ? top + height : std::max(ty(op.Y1), ty(op.Y2));
    rects.push_back({left, top, right, bottom});
  }
  return rects;
}

// Two dives and six, each chart large, low and wide, narrow, and long and low: the legend names
// every dive drawn by its colour, number, date and site (cut where the width ends), inside the
// plot on the background or in a strip clear of it, and always on the surface.
TEST(ComparisonCharts, EveryChartNamesEveryDiveAtEverySize) {
  std::vector<DiveRecord> dives;
  for (int n = 1; n <= 6; ++n) dives.push_back(Dive(n, 10 + 5 * n, 10 + 3 * n));
  AnalysisCache cache;
  cache.SetDives(&dives);
  cache.SetModel(0);
  const Palette& palette = Palette::Classic();
  int inside = 0;
  int outside = 0;
  for (const std::vector<int>& chosen :
       {std::vector<int>{4, 1}, std::vector<int>{0, 1, 2, 3, 4, 5}}) {
    const DiveComparison comparison = CompareDives(cache, chosen);
    for (const auto& [width, height] : {std::pair{12000.0, 6000.0}, std::pair{6975.0, 1000.0},
                                        std::pair{2500.0, 4875.0}, std::pair{16000.0, 2000.0}}) {
      for (const ComparisonChart chart :
           {ComparisonChart::Depth, ComparisonChart::OverSaturation, ComparisonChart::Tank}) {
        SCOPED_TRACE(testing::Message() << chosen.size() << " dives, " << width << "x" << height
                                        << ", chart " << static_cast<int>(chart));
        RecordingSurface s(width, height);
        DrawComparisonChart(chart, comparison, s, UnitSystem::Metric, palette);
        const std::vector<RecordedOp>& ops = s.Ops();
        const std::vector<test::Rect> rects = InTwips(s, ops);
        test::Rect plot{1e300, 1e300, -1e300, -1e300};
        std::vector<test::Rect> backgrounds;
        for (size_t k = 0; k < ops.size(); ++k) {
          if (ops[k].Type == RecordedOp::Kind::Line && ops[k].Color == palette.Grid &&
              ops[k].DrawWidth == 1 && (ops[k].X1 == ops[k].X2 || ops[k].Y1 == ops[k].Y2))
            plot = {std::min(plot.Left, rects[k].Left), std::min(plot.Top, rects[k].Top),
                    std::max(plot.Right, rects[k].Right), std::max(plot.Bottom, rects[k].Bottom)};
          if (ops[k].Type == RecordedOp::Kind::Fill && ops[k].Color == palette.Background)
            backgrounds.push_back(rects[k]);
        }
        for (size_t d = 0; d < comparison.Dives.size(); ++d) {
          const std::string name = ComparedDiveName(comparison.Dives[d]);
          const auto named = std::ranges::find_if(ops, [&](const RecordedOp& op) {
            return op.Type == RecordedOp::Kind::Print && op.Text.size() >= 3 &&
                   name.starts_with(op.Text);
          });
          ASSERT_NE(named, ops.end()) << name;
          EXPECT_TRUE(std::ranges::any_of(s.LinesOf(palette.ComparedDive(static_cast<int>(d))),
                                          [](const RecordedOp& op) { return op.DrawWidth == 3; }));
          const test::Rect& text = rects[static_cast<size_t>(named - ops.begin())];
          EXPECT_TRUE(text.Within({0, 0, width, height}, 1)) << name;
          if (text.Overlaps(plot)) {
            ++inside;
            EXPECT_TRUE(std::ranges::any_of(backgrounds, [&](const test::Rect& b) {
              return text.Within(b, 1);
            })) << name;
          } else {
            ++outside;
          }
        }
      }
    }
  }
  // Both ways are seen.
  EXPECT_GT(inside, 0);
  EXPECT_GT(outside, 0);
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
  // A caption longer than its chart is wide goes on in a second line, whole.
  std::string joined;
  for (const std::string& t : texts) joined += t + " ";
  for (const ComparisonChart chart :
       {ComparisonChart::Depth, ComparisonChart::OverSaturation, ComparisonChart::Tank}) {
    const std::string caption = ComparisonCaption(chart, UnitSystem::Metric);
    EXPECT_NE(joined.find(caption + " "), std::string::npos) << caption;
  }

  // Two dives' columns stand beside their labels, not spread over the page.
  RecordingSurface two(16838, 11906);
  DrawComparisonPage(CompareDives(f.Cache, {0, 2}), two, UnitSystem::Metric);
  const auto prints = two.Prints();
  const auto label = std::ranges::find(prints, std::string("Dive number"), &RecordedOp::Text);
  ASSERT_NE(label, prints.end());
  std::vector<double> columns;
  for (const RecordedOp& op : prints) {
    if (op.Y1 == label->Y1 && op.X1 > label->X1) columns.push_back(op.X1);
  }
  ASSERT_EQ(columns.size(), 2u);
  EXPECT_LT(columns[1], 16838 / 2.0);
  EXPECT_GT(columns[1] - columns[0], 100 * 4);
}

}  // namespace
}  // namespace scrb
