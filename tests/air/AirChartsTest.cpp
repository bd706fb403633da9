#include <gtest/gtest.h>

#include <vector>

#include "air/AirCharts.h"
#include "air/AirTestDives.h"
#include "air/MinuteSamples.h"
#include "air/PhysCharts.h"
#include "support/RecordingSurface.h"

namespace scrb {
namespace {

using test::DiveWithAirResults;
using test::RecordedOp;
using test::RecordingSurface;

constexpr Rgb kBlack{0, 0, 0};
constexpr double kThird = 100.0 / 3;

struct Point {
  double X;
  double Y;
  Rgb Color;
};

// The data line: every segment drawn with the thick pen, as its end point and colour, after
// checking that it starts where the previous one ended.
std::vector<Point> DataLine(const RecordingSurface& surface, double startX, double startY) {
  std::vector<Point> points;
  double x = startX;
  double y = startY;
  for (const RecordedOp& op : surface.Lines()) {
    if (op.DrawWidth != 3) continue;
    EXPECT_NEAR(op.X1, x, 1e-4);
    EXPECT_NEAR(op.Y1, y, 1e-4);
    points.push_back({op.X2, op.Y2, op.Color});
    x = op.X2;
    y = op.Y2;
  }
  EXPECT_EQ(surface.DrawWidth(), 1);
  return points;
}

void ExpectPoints(const std::vector<Point>& actual, const std::vector<Point>& expected) {
  ASSERT_EQ(actual.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_NEAR(actual[i].X, expected[i].X, 1e-3) << "segment " << i;
    EXPECT_NEAR(actual[i].Y, expected[i].Y, 1e-6) << "segment " << i;
    EXPECT_EQ(actual[i].Color, expected[i].Color) << "segment " << i;
  }
}

// The top of the value axis, as the vertical grid lines reach it.
double GridTop(const RecordingSurface& surface) {
  for (const RecordedOp& op : surface.LinesOf(kGridColor)) {
    if (op.X1 == op.X2) return op.Y2;
  }
  return -1;
}

// Four samples; sample 0 carries rbt, sample 2 ess, sample 3 only deco (which colours nothing).
DiveRecord FlaggedDive() {
  DiveRecord dive = DiveWithAirResults(4, {20}, {100});
  dive.SampleFlags = {0x02, 0x20, 0x10, 0x01, 0, 0};
  return dive;
}

TEST(MinuteAxisRight, EndsOneMinuteAfterTheLastSample) {
  EXPECT_EQ(MinuteAxisRight(9), 400);
  EXPECT_EQ(MinuteAxisRight(10), 433);
  EXPECT_EQ(MinuteAxisRight(11), 467);
  EXPECT_EQ(MinuteAxisRight(1), 133);
}

TEST(DrawBreathRateChart, DrawsARiserAndALevelPerSample) {
  DiveRecord dive = FlaggedDive();
  RecordingSurface surface;
  DrawBreathRateChart(dive, surface);
  // Minute 1 ends at index 5, past the last sample: the model left it at 0.
  ExpectPoints(DataLine(surface, 0, 2000), {
                                               {0, 2000, kBlack},  // a red first step has a black riser
                                               {kThird, 2000, kAlarmColor},
                                               {kThird, 2000, kAlarmColor},
                                               {2 * kThird, 2000, kAlarmColor},
                                               {2 * kThird, 2000, kNormalColor},
                                               {100, 2000, kNormalColor},
                                               {100, 0, kNormalColor},  // riser keeps the last colour
                                               {4 * kThird, 0, kAlarmColor},
                                               {4 * kThird, 0, kNormalColor},
                                               {5 * kThird, 0, kNormalColor},
                                           });
}

TEST(DrawTankChart, InterpolatesThePressureEveryTwentySeconds) {
  DiveRecord dive = FlaggedDive();
  RecordingSurface surface;
  DrawTankChart(dive, surface);
  ExpectPoints(DataLine(surface, 0, 15000), {
                                                {kThird, 15000 - 5000.0 / 3, kAlarmColor},
                                                {2 * kThird, 15000 - 10000.0 / 3, kAlarmColor},
                                                {100, 10000, kNormalColor},
                                                {4 * kThird, 10000 * 2.0 / 3, kAlarmColor},
                                                {5 * kThird, 10000 / 3.0, kNormalColor},
                                            });
}

TEST(DrawTankChart, LastIncompleteMinuteHeadsTowardsZero) {
  DiveRecord dive = DiveWithAirResults(9, {20, 20, 20}, {100, 50, 3});
  RecordingSurface surface;
  DrawTankChart(dive, surface);
  const std::vector<Point> points = DataLine(surface, 0, 15000);
  ASSERT_EQ(points.size(), 10u);
  EXPECT_NEAR(points[8].Y, 300, 1e-9);
  EXPECT_NEAR(points[9].X, 1000 / 3.0, 1e-3);
  EXPECT_NEAR(points[9].Y, 200, 1e-9);

  RecordingSurface breath;
  DrawBreathRateChart(dive, breath);
  const std::vector<Point> levels = DataLine(breath, 0, 2000);
  ASSERT_EQ(levels.size(), 20u);
  EXPECT_EQ(levels[18].Y, 0);  // riser at 3 minutes down to the uncomputed minute
  EXPECT_NEAR(levels[19].X, 1000 / 3.0, 1e-3);
}

TEST(AirCharts, ValueAxisTopsFollowTheDive) {
  DiveRecord dive = DiveWithAirResults(9, {20, 31.0, 25}, {100, 50, 3}, 150.25);
  RecordingSurface breath;
  DrawBreathRateChart(dive, breath);
  EXPECT_EQ(GridTop(breath), 3101);
  RecordingSurface tank;
  DrawTankChart(dive, tank);
  EXPECT_EQ(GridTop(tank), 15025);
}

TEST(AirCharts, ADiveWithoutEstimatePrintsOneLineWhereClsLeavesThePen) {
  DiveRecord dive = DiveWithAirResults(9, {20, 31.0, 25}, {100, 50, 3});
  DiveRecord none = dive;
  none.BaseBreathRate = 0;
  for (auto draw : {&DrawTankChart, &DrawBreathRateChart}) {
    RecordingSurface surface;
    draw(dive, surface);
    const double left = surface.ScaleLeft();
    surface.Forget();
    draw(none, surface);
    ASSERT_EQ(surface.Ops().size(), 2u);
    EXPECT_EQ(surface.Ops()[0].Type, RecordedOp::Kind::Cls);
    const RecordedOp& print = surface.Ops()[1];
    EXPECT_EQ(print.Text, "No Air Data available");
    // The previous scale stays, so (0, 0) is the lower-left corner of the previous plot area.
    EXPECT_EQ(print.X1, 0);
    EXPECT_EQ(print.Y1, 0);
    EXPECT_EQ(surface.ScaleLeft(), left);
  }
}

// Minute 0: cold and air level 3; minute 1: bubble level 5; the sample after them has no
// status byte yet.
DiveRecord StatusDive() {
  DiveRecord dive = test::UniformDive(7, 10, 0);
  dive.SampleStatus[2] = 0x38;
  dive.SampleStatus[5] = 0x05;
  dive.SampleFlags[0] = 0x08;
  return dive;
}

TEST(PhysCharts, DrawEachMinutesStatusOverItsThreeSamples) {
  struct Case {
    const char* Name;
    void (*Draw)(const DiveRecord&, ChartSurface&);
    std::vector<double> Values;
    double Top;
  };
  const Case cases[] = {
      {"cold", &DrawColdChart, {kThird, 2 * kThird, 100, 100, 100, 100, 100, 100}, 500},
      {"bubbles", &DrawBubbleChart, {0, 0, 0, 500, 500, 500, 0, 0}, 700},
      {"consumption", &DrawConsumptionChart, {300, 300, 300, 0, 0, 0, 0, 0}, 700},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    RecordingSurface surface;
    c.Draw(StatusDive(), surface);
    std::vector<Point> expected;
    for (int k = 0; k <= 7; ++k) {
      // The first two segments both take the colour of sample 0.
      expected.push_back({(k + 1) * kThird, c.Values[static_cast<size_t>(k)], k < 2 ? kAlarmColor : kNormalColor});
    }
    ExpectPoints(DataLine(surface, 0, 0), expected);
    EXPECT_EQ(GridTop(surface), c.Top);
  }
}

TEST(DrawColdChart, RunsAboveTheTopAfterFiveColdMinutes) {
  DiveRecord dive = test::UniformDive(21, 10, 0x08);
  RecordingSurface surface;
  DrawColdChart(dive, surface);
  const std::vector<Point> points = DataLine(surface, 0, 0);
  ASSERT_EQ(points.size(), 22u);
  EXPECT_NEAR(points[20].Y, 700, 1e-9);
  EXPECT_NEAR(points[21].Y, 700, 1e-9);  // the minute past the last sample adds nothing
}

TEST(PhysCharts, AnEmptyDivePrintsItsOwnText) {
  DiveRecord empty;
  const std::pair<void (*)(const DiveRecord&, ChartSurface&), const char*> cases[] = {
      {&DrawColdChart, "No Temp Data available"},
      {&DrawBubbleChart, "No Deco Data available"},
      {&DrawConsumptionChart, "No Air Data Consumption available"},
  };
  for (const auto& [draw, text] : cases) {
    RecordingSurface surface;
    draw(empty, surface);
    ASSERT_EQ(surface.Ops().size(), 2u);
    EXPECT_EQ(surface.Ops()[0].Type, RecordedOp::Kind::Cls);
    EXPECT_EQ(surface.Ops()[1].Text, text);
  }
}

}  // namespace
}  // namespace scrb
