#include <gtest/gtest.h>

#include <string>
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

// X in samples of a third of a minute each.
struct Point {
  double Sample;
  double Y;
  Rgb Color;
};

// The chart's data line: the end points and colours of its thick segments; the pen is thin
// again afterwards.
void ExpectDataLine(ChartRoutine draw, const DiveRecord& dive, const std::vector<Point>& expected) {
  RecordingSurface surface;
  draw(dive, surface);
  std::vector<RecordedOp> segments;
  for (const RecordedOp& op : surface.Lines()) {
    if (op.DrawWidth == 3) segments.push_back(op);
  }
  ASSERT_EQ(segments.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_NEAR(segments[i].X2, expected[i].Sample * kThird, 1e-3) << "segment " << i;
    EXPECT_NEAR(segments[i].Y2, expected[i].Y, 1e-6) << "segment " << i;
    EXPECT_EQ(segments[i].Color, expected[i].Color) << "segment " << i;
  }
  EXPECT_EQ(surface.DrawWidth(), 1);
}

// A chart without data prints its one line and nothing else (centred: ChartLegibilityTest).
void ExpectNoDataLine(ChartRoutine draw, const DiveRecord& dive, const std::string& text) {
  RecordingSurface surface;
  draw(dive, surface);
  EXPECT_EQ(surface.Texts(), std::vector<std::string>{text});
  EXPECT_TRUE(surface.Lines().empty()) << text;
}

TEST(AirCharts, ARiserAndALevelPerSampleTheRiserInThePreviousColourOrOneLineWithoutEstimate) {
  // Four samples, one computed minute; sample 0 carries rbt, sample 2 ess, sample 3 only deco,
  // which colours nothing. Minute 1 ends at index 5, past the last sample: the model left it at 0.
  DiveRecord dive = DiveWithAirResults(4, {20}, {100});
  dive.SampleFlags = {0x02, 0x20, 0x10, 0x01, 0, 0};
  const std::vector<Point> rate{
      {0, 2000, Rgb{0, 0, 0}}, {1, 2000, kRed}, {1, 2000, kRed}, {2, 2000, kRed}, {2, 2000, kBlue},
      {3, 2000, kBlue},        {3, 0, kBlue},   {4, 0, kRed},    {4, 0, kBlue},   {5, 0, kBlue}};
  ExpectDataLine(&DrawBreathRateChart, dive, rate);
  // The tank is interpolated every twenty seconds from the 150 bar used.
  const std::vector<Point> tank{
      {1, 40000.0 / 3, kRed}, {2, 35000.0 / 3, kRed},  {3, 10000, kBlue},
      {4, 20000.0 / 3, kRed}, {5, 10000.0 / 3, kBlue},
  };
  ExpectDataLine(&DrawTankChart, dive, tank);

  dive.BaseBreathRate = 0;
  ExpectNoDataLine(&DrawTankChart, dive, "No Air Data available");
}

// Minute 0: cold and air level 3; minute 1: bubble level 5; the last sample's minute has no
// status byte.
TEST(PhysCharts, EachMinutesStatusOverItsThreeSamplesOrOneLineWithoutSamples) {
  DiveRecord dive = test::UniformDive(7, 10, 0);
  dive.SampleStatus[2] = 0x38;
  dive.SampleStatus[5] = 0x05;
  dive.SampleFlags[0] = 0x08;
  const struct {
    ChartRoutine Draw;
    const char* NoDataText;
    std::vector<double> Values;
  } cases[] = {
      {&DrawColdChart,
       "No Temp Data available",
       {kThird, 2 * kThird, 100, 100, 100, 100, 100, 100}},
      {&DrawBubbleChart, "No Deco Data available", {0, 0, 0, 500, 500, 500, 0, 0}},
      {&DrawConsumptionChart, "No Air Data Consumption available", {300, 300, 300, 0, 0, 0, 0, 0}},
  };
  for (const auto& c : cases) {
    std::vector<Point> expected;
    for (int k = 0; k <= 7; ++k)
      expected.push_back({k + 1.0, c.Values[size_t(k)], k < 2 ? kRed : kBlue});
    ExpectDataLine(c.Draw, dive, expected);
    ExpectNoDataLine(c.Draw, DiveRecord{}, c.NoDataText);
  }
}

}  // namespace
}  // namespace scrb
