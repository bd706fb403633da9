#include <gtest/gtest.h>

#include "ChartTestDives.h"
#include "charts/ChartFrame.h"
#include "charts/VerticalSpeedChart.h"

namespace scrb {
namespace {

using test::DiveWithSamples;
using test::RecordedOp;
using test::RecordingSurface;

// yBottom and yTop as the frame received them: the vertical grid lines span them.
std::pair<double, double> FrameRange(const RecordingSurface& s) {
  const RecordedOp first = s.Lines().front();
  return {first.Y1, first.Y2};
}

TEST(VerticalSpeeds, AscentIsPositiveAndTheEndsAreZero) {
  // The return to the surface after the last sample is not a speed.
  EXPECT_EQ(VerticalSpeeds(DiveWithSamples({3, 6, 4, 4})), std::vector<double>({0, -9, 6, 0, 0}));
}

TEST(DrawVerticalSpeedChart, OneSampleIsOneLevelAtZero) {
  RecordingSurface s;
  DrawVerticalSpeedChart(DiveWithSamples({4}), s);
  const std::vector<RecordedOp> zero = s.LinesOf(kZeroSpeedColor);
  ASSERT_EQ(zero.size(), 1u);
  EXPECT_EQ(zero[0].X2, 133);
  const std::vector<RecordedOp> limit = s.LinesOf(kAscentLimitColor);
  ASSERT_GE(limit.size(), 1u);
  EXPECT_EQ(limit[0].Y1, 1200);

  const std::vector<RecordedOp> steps = test::ThickLines(s);
  ASSERT_EQ(steps.size(), 2u);
  EXPECT_EQ(steps[0].X1, 0);
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
      {{4}, 100, 1300},
      {{10, 9, 8}, 100, 1300},            // no descent: zero lies below the plot area
      {{0, 4.1, 4.1}, -1200, 1300},       // -12.3 m/min
      {{10, 8.2667, 8.2667}, 100, 1300},  // 5.2 m/min, raised
      {{10, 5.1667, 5.1667}, 100, 1500},  // 14.5 m/min
  };
  for (const auto& c : cases) {
    RecordingSurface s;
    DrawVerticalSpeedChart(DiveWithSamples(c.Depths), s);
    EXPECT_EQ(FrameRange(s), std::make_pair(c.Bottom, c.Top)) << c.Depths.back();
  }
}

TEST(DrawVerticalSpeedChart, StepColoursFollowTheFlagsWithTheRiserKeepingThePreviousColour) {
  // speeds: v1 = -9, v2 = 6, v3 = 0; v4 = 0. Sample 0 is flagged, sample 2 too.
  RecordingSurface s;
  DrawVerticalSpeedChart(DiveWithSamples({3, 6, 4, 4}, {2, 0, 16, 0}), s);
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
  const std::vector<RecordedOp> steps = test::ThickLines(s);
  ASSERT_EQ(steps.size(), std::size(expected));
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
