#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>
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
  for (const auto& [base, level, expected] :
       {std::tuple{20.25, 2, 31.2 + 1.1 * 0.5},  // halfway between rows 24 and 25
        std::tuple{150.0, 1, 150.0},             // level 1 is the base itself
        std::tuple{7.99, 0, 7.99},               // resting: the same at every level, 0 included
        std::tuple{8.0, 0, 0.0},                 // level 0 breathes nothing
        std::tuple{211.4, 2, 395.0}}) {          // beyond the last row, its proportions
    EXPECT_NEAR(BreathRateAtLevel(base, level), expected, 1e-9) << base << " at " << level;
  }
}

// Tank 12 l, 150 bar used, 30 whole minutes at 20 m.
TEST(ComputeAirModel, WorkedDiveAtAirLevelOneSettlesInOnePass) {
  DiveRecord dive = UniformDive(90, 20, 0x10);
  EXPECT_EQ(Compute(dive), (std::vector<std::string>{"1", "Min:20.0 l/min, Max:20.0 l/min"}));
  ASSERT_EQ(dive.SampleTankPressure.size(), 94u);
  for (size_t i = 0; i < 94; ++i) {
    const double expected = i % 3 == 2 && i < 90 ? 145.0 - 5.0 * (i / 3) : 0;
    EXPECT_NEAR(dive.SampleTankPressure[i], expected, 1e-9) << i;
  }
}

TEST(ComputeAirModel, RefusesImplausibleTankOrConsumptionSilently) {
  for (const auto& [used, tank, estimated] :
       {std::tuple{300.0, 12.0, true}, std::tuple{300.01, 12.0, false},
        std::tuple{150.0, 100.0, true}, std::tuple{150.0, 100.01, false},
        std::tuple{0.0, 12.0, false}, std::tuple{double{NAN}, 12.0, false}}) {
    DiveRecord dive = UniformDive(90, 20, 0x10, tank, used);
    EXPECT_EQ(Compute(dive).empty(), !estimated) << used << " bar of " << tank << " l";
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
  for (auto [name, dive] :
       {std::pair{"one sample", UniformDive(1, 20, 0x10)},
        std::pair{"air level 0 throughout", UniformDive(30, 20, 0x00)},
        // At level 7 the rate steps from 8.0 just below the resting rate to 8.37 at it: a
        // dive that drew 8.2 l a minute has no base rate, and the passes swing for good.
        std::pair{"inside the step", UniformDive(30, 0, 0x70, 10, 8.2)}}) {
    EXPECT_EQ(Compute(dive).back(), "") << name;
    for (double p : dive.SampleTankPressure) ASSERT_EQ(p, 0) << name;
  }
}

}  // namespace
}  // namespace scrb
