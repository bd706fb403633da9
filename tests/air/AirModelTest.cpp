#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "air/AirModel.h"
#include "air/AirTestDives.h"

namespace scrb {
namespace {

using test::UniformDive;

std::vector<std::string> Compute(DiveRecord& dive) {
  std::vector<std::string> captions;
  ComputeAirModel(dive, [&captions](const std::string& caption) { captions.push_back(caption); });
  return captions;
}

TEST(BreathRateAtLevel, ReadsInterpolatesAndExtendsTheTable) {
  const struct {
    double Base;
    int Level;
    double Expected;
  } cases[] = {
      {20.25, 2, 31.2 + 1.1 * 0.5},  // halfway between rows 24 and 25
      {150, 1, 150},                 // level 1 is the base itself
      {7.99, 0, 7.99},               // resting: the same at every level, 0 included
      {8.0, 0, 0},                   // level 0 breathes nothing
      {211.4, 2, 395.0},             // beyond the last row, its proportions
  };
  for (const auto& c : cases) {
    EXPECT_NEAR(BreathRateAtLevel(c.Base, c.Level), c.Expected, 1e-9) << c.Base << " at " << c.Level;
  }
}

// Tank 12 l, 150 bar used, 30 whole minutes at 20 m.
TEST(ComputeAirModel, WorkedDiveAtAirLevelOneSettlesInOnePass) {
  DiveRecord dive = UniformDive(90, 20, 0x10);
  EXPECT_EQ(Compute(dive), (std::vector<std::string>{"1", "Min:20.0 l/min, Max:20.0 l/min"}));
  EXPECT_DOUBLE_EQ(dive.BaseBreathRate, 20.0);
  ASSERT_EQ(dive.SampleTankPressure.size(), 94u);
  for (size_t i = 0; i < 94; ++i) {
    const double expected = i % 3 == 2 && i < 90 ? 145.0 - 5.0 * (i / 3) : 0;
    EXPECT_NEAR(dive.SampleTankPressure[i], expected, 1e-9) << i;
  }
}

TEST(ComputeAirModel, RefusesImplausibleTankOrConsumptionSilently) {
  const struct {
    double Used;
    double Tank;
    bool Estimated;
  } cases[] = {
      {300, 12, true}, {300.01, 12, false}, {150, 100, true},   {150, 100.01, false},
      {0, 12, false},  {150, 0, false},     {327.67, 12, false}, {NAN, 12, false},
  };
  for (const auto& c : cases) {
    DiveRecord dive = UniformDive(90, 20, 0x10, c.Tank, c.Used);
    EXPECT_EQ(Compute(dive).empty(), !c.Estimated) << c.Used << " bar of " << c.Tank << " l";
  }
}

TEST(ComputeAirModel, ComputesEveryMinuteEndingWithinTheSampleCount) {
  // The minute ending at 11 holds no sample: at the surface, level 0, nothing drawn.
  for (int sampleCount : {10, 11}) {
    DiveRecord dive = UniformDive(sampleCount, 20, 0x20, 12, 50);
    Compute(dive);
    ASSERT_GT(dive.SampleBreathRate[8], 8.0);
    EXPECT_EQ(dive.SampleBreathRate[11], 0);
    EXPECT_EQ(dive.SampleTankPressure[11], sampleCount == 11 ? dive.SampleTankPressure[8] : 0);
  }
  // Below the resting rate even that empty minute breathes: 18 l over four surface minutes.
  DiveRecord resting = UniformDive(11, 0, 0x10, 3, 6);
  Compute(resting);
  EXPECT_DOUBLE_EQ(resting.SampleBreathRate[11], 4.5);
}

TEST(ComputeAirModel, NoEstimateWhenNothingIsDrawnOrNoBaseRateFits) {
  const struct {
    const char* Name;
    DiveRecord Dive;
  } cases[] = {
      {"one sample", UniformDive(1, 20, 0x10)},
      {"air level 0 throughout", UniformDive(30, 20, 0x00)},
      // At level 7 the rate steps from 8.0 just below the resting rate to 8.37 at it: a dive
      // that drew 8.2 l a minute has no base rate, and the passes swing across the step for good.
      {"inside the step", UniformDive(30, 0, 0x70, 10, 8.2)},
  };
  for (auto c : cases) {
    const std::vector<std::string> captions = Compute(c.Dive);
    EXPECT_EQ(captions.back(), "") << c.Name;
    EXPECT_EQ(c.Dive.BaseBreathRate, 0) << c.Name;
    for (double p : c.Dive.SampleTankPressure) ASSERT_EQ(p, 0) << c.Name;
  }
}

TEST(ComputeAirModel, PassesThatDoNotSettleEndAtTheRateThatFits) {
  // 9 l a minute over ten surface minutes at level 7 swings across the resting rate for good.
  DiveRecord dive = UniformDive(30, 0, 0x70, 10, 9);
  ASSERT_EQ(Compute(dive).size(), static_cast<size_t>(kMaxAirPasses) + 1);
  EXPECT_NEAR(dive.BaseBreathRate, 7.9 + 1.1 * 0.6 / 2.8, 1e-6);
  EXPECT_NEAR(dive.SampleTankPressure[29], 0, 1e-6);
}

}  // namespace
}  // namespace scrb
