#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "ChartTestDives.h"
#include "charts/AlarmStrip.h"
#include "charts/ChartFrame.h"
#include "charts/DepthChart.h"
#include "charts/DepthReadout.h"
#include "charts/VerticalSpeedChart.h"

namespace scrb {
namespace {

using test::DiveWithSamples;
using test::RecordedOp;
using test::RecordingSurface;
using test::ThickLines;

// yBottom and yTop as the frame received them: the first vertical grid line spans them.
std::pair<double, double> FrameRange(const RecordingSurface& s) {
  return {s.Lines().front().Y1, s.Lines().front().Y2};
}

TEST(DiveCharts, EmptyDiveOnlyPrintsTheMessageWhereClsLeftThePen) {
  const std::function<void(const DiveRecord&, ChartSurface&)> charts[] = {
      [](const DiveRecord& d, ChartSurface& s) { DrawDepthChart(d, s); },
      [](const DiveRecord& d, ChartSurface& s) { DrawVerticalSpeedChart(d, s); },
      [](const DiveRecord& d, ChartSurface& s) { DrawAlarmStrip(d, s, 1); },
  };
  for (const auto& draw : charts) {
    RecordingSurface s;
    s.Scale(-92, -56, 2031, 2668);  // a previous chart's coordinates
    s.Forget();
    draw(DiveWithSamples({}), s);
    ASSERT_EQ(s.Ops().size(), 2u);
    EXPECT_EQ(s.Ops()[0].Type, RecordedOp::Kind::Cls);
    EXPECT_EQ(s.Ops()[1].Text, "No Dive Data available");
    EXPECT_EQ(std::make_pair(s.Ops()[1].X1, s.Ops()[1].Y1), std::make_pair(0.0, 0.0));
  }
  EXPECT_EQ(DepthChartTitle(DiveWithSamples({})),
            "Dive Number: 12  Depth (meters) versus Time (minutes)");
}

TEST(DrawDepthChart, OneSampleGoesDownAndBackToTheSurfaceOverTheReferenceLines) {
  RecordingSurface s;
  DrawDepthChart(DiveWithSamples({4.0}, {2}), s);
  EXPECT_EQ(FrameRange(s), std::make_pair(401.0, 0.0));
  const std::vector<RecordedOp> lines = s.Lines();
  const size_t n = lines.size();
  ASSERT_EQ(n, s.LinesOf(kGridColor).size() + 4);
  // The reference lines come before the profile, so the profile is drawn over them.
  EXPECT_EQ(lines[n - 4].Color, kTwentyMetreColor);
  EXPECT_EQ(lines[n - 4].Y1, 2000);
  EXPECT_EQ(lines[n - 3].Color, kFortyMetreColor);
  // Both profile segments take the flags of sample 0.
  EXPECT_EQ(lines[n - 2].Color, kAlarmColor);
  EXPECT_EQ(lines[n - 1].Color, kAlarmColor);
  EXPECT_NEAR(lines[n - 2].X2, 100.0 / 3, 1e-9);
  EXPECT_EQ(lines[n - 2].Y2, 400);
  EXPECT_NEAR(lines[n - 1].X2, 200.0 / 3, 1e-9);
  EXPECT_EQ(lines[n - 1].Y2, 0);
  EXPECT_EQ(s.DrawWidth(), 1);
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
}

TEST(DrawDepthChart, DepthsAreRoundedToTenthsWithHalvesUp) {
  const double unit = 160.0 / 1024;
  DiveRecord dive = DiveWithSamples({1.25, 79 * unit, 30});
  dive.MaxDepth = 20;  // the deeper sample is drawn where it is, below the plot area
  RecordingSurface s;
  DrawDepthChart(dive, s);
  const std::vector<RecordedOp> segments = ThickLines(s);
  ASSERT_EQ(segments.size(), 4u);
  const double expected[] = {130, 1230, 3000};
  for (size_t i = 0; i < 3; ++i) EXPECT_NEAR(segments[i].Y2, expected[i], 1e-9) << i;
}

TEST(DrawDepthChart, DepthRangeFollowsMaxDepthOrElseTheDeepestSample) {
  const std::pair<double, double> cases[] = {{18.98, 1899}, {327.67, 1201}};
  for (const auto& [maxDepth, yBottom] : cases) {
    DiveRecord dive = DiveWithSamples({5, 12, 3});
    dive.MaxDepth = maxDepth;
    RecordingSurface s;
    DrawDepthChart(dive, s);
    EXPECT_EQ(FrameRange(s).first, yBottom) << maxDepth;
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

TEST(DrawAlarmStrip, RowsAndLabelsPerView) {
  const std::vector<std::string> labels = {"sos ", "up", "rbt ", "air", "deco", "tx"};
  for (int view : {0, 1}) {
    SCOPED_TRACE(view);
    RecordingSurface s(6975, 615);
    DrawAlarmStrip(DiveWithSamples({3, 4, 5}), s, view);  // xRight = 200
    const size_t rowCount = view == 0 ? 5 : 6;
    EXPECT_EQ(s.ScaleBottom(), 100.0 * rowCount + 101);
    EXPECT_EQ(s.Texts(), std::vector<std::string>(labels.begin(), labels.begin() + rowCount));
  }

  RecordingSurface s(6975, 615);
  DrawAlarmStrip(DiveWithSamples({3, 4, 5}), s, 1);
  const std::vector<RecordedOp> rows = s.LinesOf(kGridColor);
  const std::vector<RecordedOp> prints = s.Prints();
  for (size_t r = 0; r < prints.size(); ++r) {
    const double y = 100.0 * (r + 1);
    const RecordedOp& row = rows[rows.size() - prints.size() + r];
    EXPECT_EQ(std::make_pair(row.Y1, row.Y2), std::make_pair(y, y));
    EXPECT_DOUBLE_EQ(row.X1, std::fabs(s.TextWidth("c0")));
    EXPECT_DOUBLE_EQ(row.X2, 200 - std::fabs(s.TextWidth("deco")));

    // Labels alternate left and right of the plot; "deco" is placed as if it were "dec".
    const RecordedOp& label = prints[r];
    const std::string measured = label.Text == "deco" ? "dec" : label.Text;
    EXPECT_DOUBLE_EQ(label.Y1 + s.TextHeight(label.Text) / 2, y);
    EXPECT_DOUBLE_EQ(label.X1, r % 2 == 0 ? -std::fabs(s.TextWidth(measured))
                                          : 200 - std::fabs(s.TextWidth(label.Text)));
  }
}

TEST(DrawAlarmStrip, MarksEveryFlaggedIntervalInItsRow) {
  // sample 0: sos and deco; sample 1: only bits no row shows; sample 2: tx; sample 3 (the
  // last): up.
  const DiveRecord dive = DiveWithSamples({3, 4, 5, 6}, {8 | 1, 0x40 | 0x80 | 0x100, 32, 4});
  const std::vector<std::pair<double, Rgb>> rows = {
      {100, kAlarmColor}, {500, kEventColor}, {600, kEventColor}, {200, kAlarmColor}};
  for (int view : {0, 1}) {
    SCOPED_TRACE(view);
    RecordingSurface s(6975, 615);
    DrawAlarmStrip(dive, s, view);
    std::vector<std::pair<double, Rgb>> expected = rows;
    if (view == 0) expected.erase(expected.begin() + 2);  // no tx row
    const std::vector<RecordedOp> marks = ThickLines(s);
    ASSERT_EQ(marks.size(), expected.size());
    for (size_t i = 0; i < marks.size(); ++i) {
      EXPECT_EQ(marks[i].Y1, expected[i].first);
      EXPECT_EQ(marks[i].Color, expected[i].second);
    }
    // Sample k's mark runs from (k + 1) / 3 to (k + 2) / 3 minutes, the last one's too.
    EXPECT_NEAR(marks.back().X1, 400.0 / 3, 1e-9);
    EXPECT_NEAR(marks.back().X2, 500.0 / 3, 1e-9);
  }
}

TEST(DrawVerticalSpeedChart, RangeAndReferenceLines) {
  // The return to the surface after the last sample is not a speed.
  EXPECT_EQ(VerticalSpeeds(DiveWithSamples({3, 6, 4, 4})), std::vector<double>({0, -9, 6, 0, 0}));
  const struct {
    std::vector<double> Depths;
    double Bottom;
    double Top;
  } cases[] = {
      {{4}, 100, 1300},
      {{0, 4.1, 4.1}, -1200, 1300},       // -12.3 m/min
      {{10, 5.1667, 5.1667}, 100, 1500},  // 14.5 m/min
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Depths.back());
    RecordingSurface s;
    DrawVerticalSpeedChart(DiveWithSamples(c.Depths), s);
    EXPECT_EQ(FrameRange(s), std::make_pair(c.Bottom, c.Top));
    const std::vector<RecordedOp> zero = s.LinesOf(kZeroSpeedColor);
    ASSERT_EQ(zero.size(), 1u);
    EXPECT_EQ(zero[0].Y1, 0);
    ASSERT_FALSE(s.LinesOf(kAscentLimitColor).empty());
    EXPECT_EQ(s.LinesOf(kAscentLimitColor)[0].Y1, 1200);
  }
}

TEST(DrawVerticalSpeedChart, StepColoursFollowTheFlagsWithTheRiserKeepingThePreviousColour) {
  const struct {
    std::vector<double> Depths;
    std::vector<int16_t> Flags;
    std::vector<double> Ys;  // riser and level of each step
    std::vector<Rgb> Colors;
  } cases[] = {
      // One sample: one level at zero speed from 0 to 2/3 of a minute.
      {{4}, {}, {0, 0}, {kNormalColor, kNormalColor}},
      // v1 = -9, v2 = 6, v3 = v4 = 0. The first riser of an alarm step is black; after an
      // unflagged sample riser and level are blue; after flagged sample 2 the riser keeps the
      // previous blue.
      {{3, 6, 4, 4},
       {2, 0, 16, 0},
       {-900, -900, 600, 600, 0, 0, 0, 0},
       {kFirstRiserColor, kAlarmColor, kNormalColor, kNormalColor, kNormalColor, kAlarmColor,
        kNormalColor, kNormalColor}},
  };
  for (const auto& c : cases) {
    RecordingSurface s;
    DrawVerticalSpeedChart(DiveWithSamples(c.Depths, c.Flags), s);
    const std::vector<RecordedOp> steps = ThickLines(s);
    ASSERT_EQ(steps.size(), c.Ys.size());
    EXPECT_EQ(steps[0].Y1, c.Ys[0]);  // the chart starts level at v(1)
    for (size_t i = 0; i < steps.size(); ++i) {
      EXPECT_NEAR(steps[i].X2, 100.0 * ((i + 3) / 2) / 3, 1e-9) << i;
      EXPECT_NEAR(steps[i].Y2, c.Ys[i], 1e-9) << i;
      EXPECT_EQ(steps[i].Color, c.Colors[i]) << i;
    }
  }
}

TEST(DepthReadout, SampleUnderTheMouse) {
  const DiveRecord dive = DiveWithSamples({1, 2, 3, 4, 5, 6});  // T = 200
  const struct {
    float X;
    std::optional<int32_t> Sample;
  } cases[] = {
      {0, 0},    // rounds to -1, clamped
      {50, 0},   // halfway between samples 0 and 1: to the even one
      {150, 4},  // 3.5 rounds to 4
      {200, 5},  // T: the last sample
      {-0.01f, std::nullopt},
      {200.01f, std::nullopt},
      {std::numeric_limits<float>::quiet_NaN(), std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(DepthReadoutSample(dive, c.X), c.Sample) << c.X;
  EXPECT_EQ(DepthReadoutSample(DiveWithSamples({}), 0), std::nullopt);
}

TEST(DepthReadout, Texts) {
  std::vector<double> depths(20, 5.0);
  depths[15] = 12.34;
  EXPECT_EQ(DepthReadoutText(DiveWithSamples(depths), 15), "Time=05'20\" Depth=12.3 m");

  const DiveRecord speeds = DiveWithSamples({3, 6});
  EXPECT_EQ(SpeedReadoutText(speeds, 0), std::nullopt);
  EXPECT_EQ(SpeedReadoutText(speeds, 1), " Vertical Speed=-9.0 m/min");
}

}  // namespace
}  // namespace scrb
