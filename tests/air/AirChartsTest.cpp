#include <gtest/gtest.h>

#include <vector>

#include "air/AirCharts.h"
#include "air/AirTestDives.h"
#include "air/PhysCharts.h"
#include "support/RecordingSurface.h"

namespace scrb {
namespace {

using test::DiveWithAirResults;
using test::RecordedOp;
using test::RecordingSurface;

using ChartRoutine = void (*)(const DiveRecord&, ChartSurface&);
constexpr Rgb kRed = kAlarmColor;
constexpr Rgb kBlue = kNormalColor;
constexpr double kThird = 100.0 / 3;

struct Point {
  double X;
  double Y;
  Rgb Color;
};

// The chart's data line: thick segments, each from where the last one ended, against the end
// points and colours expected; the pen is thin again afterwards.
void ExpectDataLine(ChartRoutine draw, const DiveRecord& dive, double startY,
                    const std::vector<Point>& expected) {
  RecordingSurface surface;
  draw(dive, surface);
  std::vector<RecordedOp> segments;
  for (const RecordedOp& op : surface.Lines()) {
    if (op.DrawWidth == 3) segments.push_back(op);
  }
  ASSERT_EQ(segments.size(), expected.size());
  double x = 0;
  double y = startY;
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_NEAR(segments[i].X1, x, 1e-4) << "segment " << i;
    EXPECT_NEAR(segments[i].Y1, y, 1e-6) << "segment " << i;
    EXPECT_NEAR(segments[i].X2, expected[i].X, 1e-3) << "segment " << i;
    EXPECT_NEAR(segments[i].Y2, expected[i].Y, 1e-6) << "segment " << i;
    EXPECT_EQ(segments[i].Color, expected[i].Color) << "segment " << i;
    x = segments[i].X2;
    y = segments[i].Y2;
  }
  EXPECT_EQ(surface.DrawWidth(), 1);
}

TEST(AirCharts, ARiserAndALevelPerSampleTheRiserInThePreviousColour) {
  // Four samples, one computed minute; sample 0 carries rbt, sample 2 ess, sample 3 only deco,
  // which colours nothing. Minute 1 ends at index 5, past the last sample: the model left it at 0.
  DiveRecord dive = DiveWithAirResults(4, {20}, {100});
  dive.SampleFlags = {0x02, 0x20, 0x10, 0x01, 0, 0};
  ExpectDataLine(&DrawBreathRateChart, dive, 2000,
                 {{0, 2000, Rgb{0, 0, 0}}, {kThird, 2000, kRed}, {kThird, 2000, kRed},
                  {2 * kThird, 2000, kRed}, {2 * kThird, 2000, kBlue}, {100, 2000, kBlue},
                  {100, 0, kBlue}, {4 * kThird, 0, kRed}, {4 * kThird, 0, kBlue},
                  {5 * kThird, 0, kBlue}});
  // The tank is interpolated every twenty seconds from the amount used.
  ExpectDataLine(&DrawTankChart, dive, 15000,
                 {{kThird, 15000 - 5000.0 / 3, kRed}, {2 * kThird, 15000 - 10000.0 / 3, kRed},
                  {100, 10000, kBlue}, {4 * kThird, 10000 * 2.0 / 3, kRed},
                  {5 * kThird, 10000 / 3.0, kBlue}});
}

// Minute 0: cold and air level 3; minute 1: bubble level 5; the last sample's minute has no
// status byte.
TEST(PhysCharts, EachMinutesStatusOverItsThreeSamples) {
  DiveRecord dive = test::UniformDive(7, 10, 0);
  dive.SampleStatus[2] = 0x38;
  dive.SampleStatus[5] = 0x05;
  dive.SampleFlags[0] = 0x08;
  const struct {
    ChartRoutine Draw;
    std::vector<double> Values;
  } cases[] = {
      {&DrawColdChart, {kThird, 2 * kThird, 100, 100, 100, 100, 100, 100}},
      {&DrawBubbleChart, {0, 0, 0, 500, 500, 500, 0, 0}},
      {&DrawConsumptionChart, {300, 300, 300, 0, 0, 0, 0, 0}},
  };
  for (const auto& c : cases) {
    std::vector<Point> expected;
    for (int k = 0; k <= 7; ++k) {
      expected.push_back({(k + 1) * kThird, c.Values[size_t(k)], k < 2 ? kRed : kBlue});
    }
    ExpectDataLine(c.Draw, dive, 0, expected);
  }
}

TEST(AirAndPhysCharts, ADiveWithoutDataPrintsOneLineWhereClsLeavesThePen) {
  DiveRecord unestimated = DiveWithAirResults(9, {20}, {100});
  unestimated.BaseBreathRate = 0;
  const DiveRecord empty;
  const struct {
    ChartRoutine Draw;
    const DiveRecord& Dive;
    const char* Text;
  } cases[] = {
      {&DrawTankChart, unestimated, "No Air Data available"},
      {&DrawColdChart, empty, "No Temp Data available"},
      {&DrawBubbleChart, empty, "No Deco Data available"},
      {&DrawConsumptionChart, empty, "No Air Data Consumption available"},
  };
  for (const auto& c : cases) {
    RecordingSurface surface;
    c.Draw(c.Dive, surface);
    ASSERT_EQ(surface.Ops().size(), 2u) << c.Text;
    EXPECT_EQ(surface.Ops()[0].Type, RecordedOp::Kind::Cls);
    // No scale is set, so (0, 0) is the lower-left corner of the previous plot area.
    EXPECT_EQ(surface.Ops()[1].Text, c.Text);
    EXPECT_EQ(surface.Ops()[1].X1, 0);
    EXPECT_EQ(surface.Ops()[1].Y1, 0);
  }
}

}  // namespace
}  // namespace scrb
