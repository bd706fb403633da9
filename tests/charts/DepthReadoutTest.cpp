#include <gtest/gtest.h>

#include <limits>

#include "ChartTestDives.h"
#include "charts/DepthReadout.h"

namespace scrb {
namespace {

using test::DiveWithSamples;

TEST(DepthReadoutSample, NearestPlottedSampleWithinTheProfile) {
  const DiveRecord dive = DiveWithSamples({1, 2, 3, 4, 5, 6});  // T = 200
  const struct {
    float X;
    std::optional<int32_t> Sample;
  } cases[] = {
      {0, 0},  // rounds to -1, clamped
      {33.3f, 0},
      {50, 0},  // halfway between samples 0 and 1: to the even one
      {66.7f, 1},
      {150, 4},  // 3.5 rounds to 4
      {116, 2},
      {117, 3},
      {200, 5},  // T: the last sample
      {-0.01f, std::nullopt},
      {200.01f, std::nullopt},
      {std::numeric_limits<float>::quiet_NaN(), std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(DepthReadoutSample(dive, c.X), c.Sample) << c.X;
  EXPECT_EQ(DepthReadoutSample(DiveWithSamples({}), 0), std::nullopt);
}

TEST(DepthReadoutText, TimeAndDepthOfTheSample) {
  std::vector<double> depths(20, 5.0);
  depths[15] = 12.34;
  depths[0] = 0.15625;
  const DiveRecord dive = DiveWithSamples(depths);
  EXPECT_EQ(DepthReadoutText(dive, 15), "Time=05'20\" Depth=12.3 m");
  EXPECT_EQ(DepthReadoutText(dive, 0), "Time=00'20\" Depth=0.2 m");
  EXPECT_EQ(DepthReadoutText(dive, 2), "Time=01'00\" Depth=5.0 m");
}

TEST(SpeedReadoutText, SpeedOfTheSampleFromTheOneBefore) {
  const DiveRecord dive = DiveWithSamples({3, 6, 4, 4.15});
  EXPECT_EQ(SpeedReadoutText(dive, 0), std::nullopt);
  EXPECT_EQ(SpeedReadoutText(dive, 1), " Vertical Speed=-9.0 m/min");
  EXPECT_EQ(SpeedReadoutText(dive, 2), " Vertical Speed=6.0 m/min");
  EXPECT_EQ(SpeedReadoutText(dive, 3), " Vertical Speed=-0.5 m/min");
}

}  // namespace
}  // namespace scrb
