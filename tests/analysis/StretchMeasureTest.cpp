#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "analysis/StretchMeasure.h"
#include "charts/ChartTestDives.h"
#include "charts/SampleTimeAxis.h"
#include "report/NumberFormat.h"
#include "saturation/SaturationCharts.h"
#include "saturation/SaturationFixtures.h"

namespace scrb {
namespace {

// Down at 9 m a minute to 12 m, three samples there, and up again.
test::SampledDive RulerDive() {
  test::SampledDive dive = test::DiveWithSamples({3, 6, 9, 12, 12, 12, 9, 6, 3});
  dive.TankCapacity = 12;
  dive.AirConsumption = 100;
  return dive;
}

// A hand-made estimate: 80, 60 and 40 bar left at the ends of the three minutes.
AirEstimate RulerAir() {
  AirEstimate air;
  air.BaseBreathRate = 20;
  air.SampleTankPressure.assign(13, 0);
  air.SampleTankPressure[2] = 80;
  air.SampleTankPressure[5] = 60;
  air.SampleTankPressure[8] = 40;
  return air;
}

TEST(StretchMeasure, FiguresBetweenTheSamplesNearestTheEnds) {
  const test::SampledDive dive = RulerDive();
  const AirEstimate air = RulerAir();
  // Dragged from a little after sample 4 back to a little before sample 1.
  const auto m = MeasureStretch({&dive, &dive, &air}, SampleTime(4) + 10, SampleTime(1) - 10);
  ASSERT_TRUE(m);
  EXPECT_EQ(m->First, 1);
  EXPECT_EQ(m->Last, 4);
  EXPECT_EQ(m->Seconds, 60);
  EXPECT_DOUBLE_EQ(m->FirstDepth, 6);
  EXPECT_DOUBLE_EQ(m->LastDepth, 12);
  EXPECT_DOUBLE_EQ(*m->MeanVerticalSpeed, -6);  // a descent, as the speed chart signs it
  // The tank at sample 1: two thirds of the way from 100 to 80 bar is 86.67; at sample 4 two
  // thirds from 80 to 60 is 66.67: 20 bar of a 12 l tank.
  EXPECT_NEAR(*m->AirPressureDrawn, 20, 1e-9);
  EXPECT_NEAR(*m->AirLitresDrawn, 240, 1e-9);
  EXPECT_FALSE(m->HighestOverSaturation);
  EXPECT_EQ(StretchMeasureTexts(*m, UnitSystem::Metric),
            (std::vector<std::string>{
                "Time: 01'00\"", "Depth: 6.0 m to 12.0 m, difference -6.0 m (descent)",
                "Mean vertical speed: -6.0 m/min (descent)", "Air drawn: 20.0 bar (240 l)"}));
  const std::vector<std::string> imperial = StretchMeasureTexts(*m, UnitSystem::Imperial);
  ASSERT_EQ(imperial.size(), 4u);
  EXPECT_EQ(imperial[1], "Depth: 20 ft to 39 ft, difference -19 ft (descent)");
  EXPECT_EQ(imperial[3], "Air drawn: 290 psi (8.5 cu ft)");
}

TEST(StretchMeasure, WithoutAnAirEstimateOrASecondSample) {
  const test::SampledDive dive = RulerDive();
  const AirEstimate none;
  const auto m = MeasureStretch({&dive, &dive, &none}, SampleTime(5), SampleTime(8) + 500);
  ASSERT_TRUE(m);
  EXPECT_EQ(m->Last, 8);  // past the dive: its last sample
  EXPECT_DOUBLE_EQ(*m->MeanVerticalSpeed, 9);
  EXPECT_FALSE(m->AirPressureDrawn);
  EXPECT_EQ(StretchMeasureTexts(*m, UnitSystem::Metric).size(), 3u);

  const auto one = MeasureStretch({&dive, &dive}, SampleTime(3), SampleTime(3) + 5);
  ASSERT_TRUE(one);
  EXPECT_EQ(one->Seconds, 0);
  EXPECT_FALSE(one->MeanVerticalSpeed);
  EXPECT_EQ(StretchMeasureTexts(*one, UnitSystem::Metric).size(), 2u);

  const test::SampledDive empty = test::DiveWithSamples({});
  EXPECT_FALSE(MeasureStretch({&empty, &empty}, 0, 100));
  EXPECT_FALSE(MeasureStretch({&dive, &dive}, 0, std::nan("")));
}

// The difference is that of the ends as shown, so the three figures add up; it and the mean speed
// (the difference over the time) are signed as the vertical speed chart signs a speed, ascent
// positive, and say which way in words unless they round to nothing.
TEST(StretchMeasure, DepthFiguresAddUpAndShareTheSpeedChartsSign) {
  const struct {
    double From, To;
    int Seconds;
    UnitSystem Units;
    const char *Depth, *Speed;
  } cases[] = {
      {25.625, 35.46875, 300, UnitSystem::Metric,
       "Depth: 25.6 m to 35.5 m, difference -9.9 m (descent)",
       "Mean vertical speed: -2.0 m/min (descent)"},
      {25.625, 35.46875, 300, UnitSystem::Imperial,
       "Depth: 84 ft to 116 ft, difference -32 ft (descent)",
       "Mean vertical speed: -6 ft/min (descent)"},
      {35.46875, 8.5, 1260, UnitSystem::Metric,
       "Depth: 35.5 m to 8.5 m, difference 27.0 m (ascent)",
       "Mean vertical speed: 1.3 m/min (ascent)"},
      {10, 10.04, 600, UnitSystem::Metric, "Depth: 10.0 m to 10.0 m, difference 0.0 m",
       "Mean vertical speed: 0.0 m/min"},
      {10, 10.1, 3600, UnitSystem::Metric, "Depth: 10.0 m to 10.1 m, difference -0.1 m (descent)",
       "Mean vertical speed: 0.0 m/min"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Depth);
    StretchMeasure m;
    m.Last = c.Seconds / 20;
    m.Seconds = c.Seconds;
    m.FirstDepth = c.From;
    m.LastDepth = c.To;
    const std::vector<std::string> lines = StretchMeasureTexts(m, c.Units);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1], c.Depth);
    EXPECT_EQ(lines[2], c.Speed);
  }
}

// The highest over-saturation within the band is the highest point the over-saturation chart
// draws between the band's ends, under each model.
TEST(StretchMeasure, HighestOverSaturationIsTheChartsHighestPointInTheBand) {
  const test::SampledDive dive = RulerDive();
  for (int number : {0, 1, 2}) {
    const DecoModel model = test::Model(number);
    const SaturationResult saturation = ComputeSaturation(dive, 1.0, model);
    test::RecordingSurface chart(9000, 6000);
    DrawOverSaturationChart(dive, saturation, model, chart, Palette::Classic());
    for (const auto& [first, last] : {std::pair{0, 8}, std::pair{2, 4}, std::pair{6, 6}}) {
      double highest = 0;
      for (const test::RecordedOp& op : test::DataLines(chart, 2)) {
        if (op.X2 >= SampleTime(first) - 1e-3 && op.X2 <= SampleTime(last) + 1e-3)
          highest = std::max(highest, op.Y2 / 100);
      }
      const auto m = MeasureStretch({&dive, &dive, nullptr, &saturation, &model}, SampleTime(first),
                                    SampleTime(last));
      ASSERT_TRUE(m && m->HighestOverSaturation);
      EXPECT_NEAR(*m->HighestOverSaturation, highest, 1e-4) << number << ": " << first;
      EXPECT_EQ(StretchMeasureTexts(*m, UnitSystem::Metric).back(),
                "Highest over-saturation: " + FormatPattern(*m->HighestOverSaturation, "0.0") +
                    " % on tissue " + std::to_string(m->HighestTissue + 1));
    }
  }
}

}  // namespace
}  // namespace scrb
