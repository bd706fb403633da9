#include <gtest/gtest.h>

#include <functional>

#include "ChartTestDives.h"
#include "charts/AlarmStrip.h"
#include "charts/ChartFrame.h"
#include "charts/DepthChart.h"
#include "charts/VerticalSpeedChart.h"

namespace scrb {
namespace {

using test::DiveWithSamples;
using test::RecordedOp;
using test::RecordingSurface;
using test::ThickLines;

TEST(DepthChartTitle, NamesTheDive) {
  EXPECT_EQ(DepthChartTitle(DiveWithSamples({})),
            "Dive Number: 12  Depth (meters) versus Time (minutes)");
}

TEST(DiveCharts, EmptyDiveOnlyPrintsTheMessageWhereClsLeftThePen) {
  const struct {
    const char* Name;
    std::function<void(const DiveRecord&, ChartSurface&)> Draw;
  } charts[] = {
      {"depth", [](const DiveRecord& d, ChartSurface& s) { DrawDepthChart(d, s); }},
      {"speed", [](const DiveRecord& d, ChartSurface& s) { DrawVerticalSpeedChart(d, s); }},
      {"alarms 0", [](const DiveRecord& d, ChartSurface& s) { DrawAlarmStrip(d, s, 0); }},
      {"alarms 1", [](const DiveRecord& d, ChartSurface& s) { DrawAlarmStrip(d, s, 1); }},
  };
  for (const auto& chart : charts) {
    SCOPED_TRACE(chart.Name);
    RecordingSurface s;
    s.Scale(-92, -56, 2031, 2668);  // a previous chart's coordinates
    s.Forget();
    chart.Draw(DiveWithSamples({}), s);
    ASSERT_EQ(s.Ops().size(), 2u);
    EXPECT_EQ(s.Ops()[0].Type, RecordedOp::Kind::Cls);
    EXPECT_EQ(s.Ops()[1].Text, "No Dive Data available");
    EXPECT_EQ(s.Ops()[1].X1, 0);
    EXPECT_EQ(s.Ops()[1].Y1, 0);
  }
}

TEST(DrawDepthChart, OneSampleGoesDownAndBackToTheSurface) {
  RecordingSurface s;
  DrawDepthChart(DiveWithSamples({4.0}, {2}), s);

  // Frame range 0..133 by 401..0: the vertical grid lines run from yBottom to the surface.
  EXPECT_EQ(s.Lines().front().Y1, 401);
  EXPECT_EQ(s.Lines().front().Y2, 0);
  const std::vector<RecordedOp> green = s.LinesOf(kTwentyMetreColor);
  ASSERT_EQ(green.size(), 1u);
  EXPECT_EQ(green[0].X2, 133);
  EXPECT_EQ(green[0].Y1, 2000);

  const std::vector<RecordedOp> segments = ThickLines(s);
  ASSERT_EQ(segments.size(), 2u);
  EXPECT_EQ(segments[0].X1, 0);
  EXPECT_EQ(segments[0].Y1, 0);
  EXPECT_NEAR(segments[0].X2, 100.0 / 3, 1e-9);
  EXPECT_EQ(segments[0].Y2, 400);
  EXPECT_NEAR(segments[1].X2, 200.0 / 3, 1e-9);
  EXPECT_EQ(segments[1].Y2, 0);
  // Both segments take the flags of sample 0.
  EXPECT_EQ(segments[0].Color, kAlarmColor);
  EXPECT_EQ(segments[1].Color, kAlarmColor);
  EXPECT_EQ(s.DrawWidth(), 1);
}

// The profile is drawn over the reference lines, not under them.
TEST(DrawDepthChart, ReferenceLinesComeBeforeTheProfile) {
  RecordingSurface s;
  DrawDepthChart(DiveWithSamples({10, 12, 8}), s);
  const std::vector<RecordedOp> lines = s.Lines();
  size_t firstThick = 0;
  while (lines[firstThick].DrawWidth != 3) ++firstThick;
  ASSERT_GE(firstThick, 2u);
  EXPECT_EQ(lines[firstThick - 2].Color, kTwentyMetreColor);
  EXPECT_EQ(lines[firstThick - 1].Color, kFortyMetreColor);
  EXPECT_EQ(lines[firstThick - 1].Y1, 4000);
}

TEST(DrawDepthChart, SegmentTakesTheFlagsOfTheSampleAtItsStart) {
  // sample flags:  none, rbt, deco, tx, air, sos+deco, none
  RecordingSurface s;
  DrawDepthChart(DiveWithSamples({5, 6, 7, 8, 9, 10, 11}, {0, 2, 1, 32, 16, 9, 0}), s);
  const std::vector<Rgb> expected = {
      kNormalColor,  // to sample 0, from the surface: flags of sample 0
      kNormalColor,  // 0 -> 1
      kAlarmColor,   // 1 -> 2: rbt
      kNormalColor,  // 2 -> 3: deco alone does not colour
      kNormalColor,  // 3 -> 4: tx alone does not colour
      kAlarmColor,   // 4 -> 5: air
      kAlarmColor,   // 5 -> 6: sos with deco
      kNormalColor,  // 6 -> surface
  };
  const std::vector<RecordedOp> segments = ThickLines(s);
  ASSERT_EQ(segments.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(segments[i].Color, expected[i]) << i;
  EXPECT_NEAR(segments.back().X2, 800.0 / 3, 1e-9);
  EXPECT_EQ(segments.back().Y2, 0);
}

TEST(DrawDepthChart, DepthsAreRoundedToTenthsWithHalvesUp) {
  const double unit = 160.0 / 1024;
  RecordingSurface s;
  DrawDepthChart(DiveWithSamples({1.25, unit, 79 * unit, 30}, {}, 20), s);
  const std::vector<RecordedOp> segments = ThickLines(s);
  ASSERT_EQ(segments.size(), 5u);
  EXPECT_NEAR(segments[0].Y2, 130, 1e-9);
  EXPECT_NEAR(segments[1].Y2, 20, 1e-9);
  EXPECT_NEAR(segments[2].Y2, 1230, 1e-9);
  // Deeper than MaxDepth: drawn where it is, below the plot area.
  EXPECT_NEAR(segments[3].Y2, 3000, 1e-9);
}

TEST(DrawDepthChart, DepthRangeFollowsMaxDepth) {
  const struct {
    double MaxDepth;
    double YBottom;
  } cases[] = {
      {18.98, 1899},
      {0, 1},
      // Unknown or nonsense maximum depth: the deepest sample sets the range instead.
      {327.67, 1201},
      {-3, 1201},
  };
  for (const auto& c : cases) {
    DiveRecord dive = DiveWithSamples({5, 12, 3});
    dive.MaxDepth = c.MaxDepth;
    RecordingSurface s;
    DrawDepthChart(dive, s);
    EXPECT_EQ(s.Lines().front().Y1, c.YBottom) << c.MaxDepth;
  }
}

TEST(DrawDepthChart, ShortArraysReadAsTheSurface) {
  DiveRecord dive = DiveWithSamples({5, 6});
  dive.SampleCount = 5;  // damaged: claims more samples than it holds
  RecordingSurface s;
  DrawDepthChart(dive, s);
  const std::vector<RecordedOp> segments = ThickLines(s);
  ASSERT_EQ(segments.size(), 6u);
  EXPECT_EQ(segments.back().Y2, 0);
}

}  // namespace
}  // namespace scrb
