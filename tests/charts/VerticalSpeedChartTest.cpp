#include <gtest/gtest.h>

#include "ChartTestDives.h"
#include "charts/ChartFrame.h"
#include "charts/VerticalSpeedChart.h"
#include "support/RecordingSurface.h"

namespace scrb {
namespace {

using test::DiveWithSamples;
using test::RecordedOp;
using test::RecordingSurface;

std::vector<RecordedOp> Steps(const RecordingSurface& s) {
  std::vector<RecordedOp> steps;
  for (const RecordedOp& op : s.Lines()) {
    if (op.DrawWidth == 3) steps.push_back(op);
  }
  return steps;
}

// yBottom and yTop as the frame received them: the vertical grid lines span them.
std::pair<double, double> FrameRange(const RecordingSurface& s) {
  const RecordedOp first = s.Lines().front();
  return {first.Y1, first.Y2};
}

TEST(VerticalSpeeds, AscentIsPositiveAndTheEndsAreZero) {
  const std::vector<double> v = VerticalSpeeds(DiveWithSamples({3, 6, 4, 4}));
  ASSERT_EQ(v.size(), 5u);
  EXPECT_EQ(v[0], 0);
  EXPECT_DOUBLE_EQ(v[1], -9);
  EXPECT_DOUBLE_EQ(v[2], 6);
  EXPECT_DOUBLE_EQ(v[3], 0);
  EXPECT_EQ(v[4], 0);  // the return to the surface is not a speed
}

TEST(DrawVerticalSpeedChart, EmptyDiveOnlyPrintsTheMessage) {
  RecordingSurface s;
  DrawVerticalSpeedChart(DiveWithSamples({}), s);
  ASSERT_EQ(s.Ops().size(), 2u);
  EXPECT_EQ(s.Ops()[1].Text, "No Dive Data available");
}

TEST(DrawVerticalSpeedChart, OneSampleIsOneLevelAtZero) {
  RecordingSurface s;
  DrawVerticalSpeedChart(DiveWithSamples({4}), s);
  EXPECT_EQ(FrameRange(s), std::make_pair(100.0, 1300.0));

  const std::vector<RecordedOp> green = s.LinesOf(kZeroSpeedColor);
  ASSERT_EQ(green.size(), 1u);
  EXPECT_EQ(green[0].X2, 133);
  const std::vector<RecordedOp> limit = s.LinesOf(kAscentLimitColor);
  ASSERT_GE(limit.size(), 1u);
  EXPECT_EQ(limit[0].Y1, 1200);

  const std::vector<RecordedOp> steps = Steps(s);
  ASSERT_EQ(steps.size(), 2u);
  EXPECT_EQ(steps[0].X1, 0);
  EXPECT_NEAR(steps[0].X2, 100.0 / 3, 1e-9);
  EXPECT_NEAR(steps[1].X2, 200.0 / 3, 1e-9);
  for (const RecordedOp& step : steps) {
    EXPECT_EQ(step.Y1, 0);
    EXPECT_EQ(step.Y2, 0);
    EXPECT_EQ(step.Color, kNormalColor);
  }
}

TEST(DrawVerticalSpeedChart, RangeFromTheFastestSpeeds) {
  const struct {
    std::vector<double> Depths;
    double Bottom;
    double Top;
  } cases[] = {
      {{10, 9, 8}, 100, 1300},            // no descent: zero lies below the plot area
      {{0, 4.1, 4.1}, -1200, 1300},       // -12.3 m/min
      {{10, 8.2667, 8.2667}, 100, 1300},  // 5.2 m/min, raised
      {{10, 5.1667, 5.1667}, 100, 1500},  // 14.5 m/min
  };
  for (const auto& c : cases) {
    RecordingSurface s;
    DrawVerticalSpeedChart(DiveWithSamples(c.Depths), s);
    EXPECT_EQ(FrameRange(s), std::make_pair(c.Bottom, c.Top)) << c.Depths[1];
  }
}

TEST(DrawVerticalSpeedChart, StepColoursFollowTheFlagsWithTheRiserKeepingThePreviousColour) {
  // speeds: v1 = -9, v2 = 6, v3 = 0; v4 = 0. Sample 0 is flagged, sample 2 too.
  RecordingSurface s;
  DrawVerticalSpeedChart(DiveWithSamples({3, 6, 4, 4}, {2, 0, 16, 0}), s);
  const std::vector<RecordedOp> steps = Steps(s);
  ASSERT_EQ(steps.size(), 8u);
  const struct {
    double X2;
    double Y;
    Rgb Color;
  } expected[] = {
      {100.0 / 3, -900, kFirstRiserColor},  // first riser of an alarm step: black
      {200.0 / 3, -900, kAlarmColor},
      {200.0 / 3, 600, kNormalColor},  // after an unflagged sample: riser and level blue
      {300.0 / 3, 600, kNormalColor},
      {300.0 / 3, 0, kNormalColor},  // sample 2 flagged: the riser keeps the previous blue
      {400.0 / 3, 0, kAlarmColor},
      {400.0 / 3, 0, kNormalColor},
      {500.0 / 3, 0, kNormalColor},
  };
  for (size_t i = 0; i < steps.size(); ++i) {
    EXPECT_NEAR(steps[i].X2, expected[i].X2, 1e-9) << i;
    EXPECT_NEAR(steps[i].Y2, expected[i].Y, 1e-9) << i;
    EXPECT_EQ(steps[i].Color, expected[i].Color) << i;
  }
  EXPECT_EQ(steps[0].X1, 0);
  EXPECT_NEAR(steps[0].Y1, -900, 1e-9);  // the chart starts level at v(1)
  EXPECT_EQ(s.DrawWidth(), 1);
}

}  // namespace
}  // namespace scrb
