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
      {20, 7, 78.6},                    // a row's key
      {20.25, 2, 31.2 + 1.1 * 0.5},     // halfway between rows 24 and 25
      {8.0, 7, 7.9 + 2.8 * 0.1 / 0.6},  // rows 0 and 1
      {150, 1, 150},                    // level 1 is the base itself
      {7.99, 7, 7.99},                  // resting: the same at every level, 0 included
      {7.99, 0, 7.99},
      {8.0, 0, 0},                      // level 0 breathes nothing
      {105.7, 7, 584.1},                // the last row
      {211.4, 2, 395.0},                // beyond it, the last row's proportions
  };
  for (const auto& c : cases) {
    EXPECT_NEAR(BreathRateAtLevel(c.Base, c.Level), c.Expected, 1e-9) << c.Base << " at " << c.Level;
  }
  // Every level rises steadily from the resting rate to far beyond the table: a mistyped entry
  // or a misread row shows as a fall or a jump.
  for (int level = 2; level < kBreathRateLevels; ++level) {
    double previous = BreathRateAtLevel(8.0, level);
    for (double base = 8.01; base < 300; base += 0.01) {
      const double rate = BreathRateAtLevel(base, level);
      ASSERT_GT(rate, previous) << base << " at " << level;
      ASSERT_LT(rate - previous, 0.1) << base << " at " << level;
      ASSERT_GE(rate, BreathRateAtLevel(base, level - 1)) << base << " at " << level;
      previous = rate;
    }
  }
}

// Tank 12 l, 150 bar used, 30 whole minutes at 20 m.
TEST(ComputeAirModel, WorkedDiveAtAirLevelOneSettlesInOnePassAndOnlyOnce) {
  DiveRecord dive = UniformDive(90, 20, 0x10);
  EXPECT_EQ(Compute(dive), (std::vector<std::string>{"1", "Min:20.0 l/min, Max:20.0 l/min"}));
  EXPECT_DOUBLE_EQ(dive.BaseBreathRate, 20.0);
  ASSERT_EQ(dive.SampleTankPressure.size(), 94u);
  for (size_t i = 0; i < 94; ++i) {
    const double expected = i % 3 == 2 && i < 90 ? 145.0 - 5.0 * (i / 3) : 0;
    EXPECT_NEAR(dive.SampleTankPressure[i], expected, 1e-9) << i;
  }
  const DiveRecord first = dive;
  dive.SurfacePressure = 0.8;
  EXPECT_TRUE(Compute(dive).empty());
  EXPECT_EQ(dive.SampleTankPressure, first.SampleTankPressure);
}

TEST(ComputeAirModel, WorkedDiveAtAirLevelTwoIterates) {
  DiveRecord dive = UniformDive(90, 20, 0x20);
  EXPECT_EQ(Compute(dive), (std::vector<std::string>{"1", "2", "3", "4", "5", "6", "Min:14.2 l/min, Max:19.9 l/min"}));
  EXPECT_NEAR(dive.BaseBreathRate, 14.16, 0.005);
  EXPECT_NEAR(dive.MaxBreathRate, 19.93, 0.005);
  EXPECT_NEAR(dive.SampleTankPressure[89], 0.56, 0.01);
}

TEST(ComputeAirModel, RefusesImplausibleTankOrConsumptionSilently) {
  const struct {
    double Used;
    double Tank;
    bool Estimated;
  } cases[] = {
      {300, 12, true},  {150, 100, true},    {300.01, 12, false}, {150, 100.01, false}, {0, 12, false},
      {-5, 12, false},  {150, 0, false},     {150, -12, false},   {327.67, 12, false},  {NAN, 12, false},
  };
  for (const auto& c : cases) {
    DiveRecord dive = UniformDive(90, 20, 0x10, c.Tank, c.Used);
    const std::vector<std::string> captions = Compute(dive);
    EXPECT_TRUE(dive.AirComputed);
    EXPECT_EQ(dive.BaseBreathRate > 0, c.Estimated) << c.Used << " bar of " << c.Tank << " l";
    EXPECT_EQ(captions.empty(), !c.Estimated);
  }
}

TEST(ComputeAirModel, ComputesEveryMinuteEndingWithinTheSampleCount) {
  for (int sampleCount : {9, 10, 11}) {
    DiveRecord dive = UniformDive(sampleCount, 20, 0x20, 12, 50);
    Compute(dive);
    ASSERT_GT(dive.BaseBreathRate, 8.0);
    for (int i = 0; i < sampleCount + 4; ++i) {
      EXPECT_EQ(dive.SampleBreathRate[static_cast<size_t>(i)] != 0, i == 2 || i == 5 || i == 8) << i;
    }
    // The minute ending at 11 holds no sample: at the surface, level 0, nothing drawn.
    EXPECT_EQ(dive.SampleTankPressure[11], sampleCount == 11 ? dive.SampleTankPressure[8] : 0) << sampleCount;
  }
  // Below the resting rate even that empty minute breathes: 18 l over four surface minutes.
  DiveRecord resting = UniformDive(11, 0, 0x10, 3, 6);
  Compute(resting);
  EXPECT_DOUBLE_EQ(resting.BaseBreathRate, 4.5);
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
    EXPECT_EQ(c.Dive.MaxBreathRate, 0) << c.Name;
    for (double p : c.Dive.SampleTankPressure) ASSERT_EQ(p, 0) << c.Name;
  }
}

TEST(ComputeAirModel, PassesThatDoNotSettleEndAtTheRateThatFits) {
  const struct {
    int Status;
    double Used;  // over ten surface minutes: the rate of the level
    double Base;
  } cases[] = {
      {0x70, 9, 7.9 + 1.1 * 0.6 / 2.8},        // swings across the resting rate for good
      {0x30, 16.55, 11.0 + 0.05 * 0.5 / 1.5},  // swings for hundreds of passes
  };
  for (const auto& c : cases) {
    DiveRecord dive = UniformDive(30, 0, c.Status, 10, c.Used);
    const std::vector<std::string> captions = Compute(dive);
    ASSERT_EQ(captions.size(), static_cast<size_t>(kMaxAirPasses) + 1);
    EXPECT_NEAR(dive.BaseBreathRate, c.Base, 1e-6);
    EXPECT_NEAR(dive.MaxBreathRate, c.Used, 1e-6);
    EXPECT_EQ(captions.back(), AirSummaryCaption(dive.BaseBreathRate, dive.MaxBreathRate));
    EXPECT_NEAR(dive.SampleTankPressure[29], 0, 1e-6);
  }
}

TEST(ComputeAirModel, ShortRecordedArraysReadAsZero) {
  DiveRecord dive = UniformDive(11, 20, 0x10, 12, 50);
  dive.SampleDepth.resize(11);
  dive.SampleStatus.resize(11);
  Compute(dive);
  EXPECT_GT(dive.BaseBreathRate, 0);
  EXPECT_EQ(dive.SampleBreathRate[11], 0);
}

}  // namespace
}  // namespace scrb
