#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "saturation/Saturation.h"
#include "saturation/SaturationFixtures.h"
#include "saturation/SurfacePressureEntry.h"

namespace scrb {
namespace {

using test::DiveWithDepths;

TEST(DecoModel, TablesAreRebuiltForAnotherNumber) {
  DecoModel model = test::Model(2);
  // From fifteen tissues to eight: nothing of the slower tissues is left behind, and the spare
  // slot every reader of the tables expects holds 0.
  LoadDecoModel(model, 0);
  ASSERT_EQ(model.TissueDecay.size(), 9u);
  EXPECT_EQ(model.TissueDecay[8], 0.0);

  // An unknown number loads the eight tissues and is kept, so 0 after it builds them again.
  LoadDecoModel(model, 7);
  EXPECT_EQ(model.TissueCount, 8);
  model.TissueDecay[0] = 42;
  LoadDecoModel(model, 0);
  // The half time is a time constant, e^(-dt/h) with no ln 2: the coefficients are judged on it.
  EXPECT_EQ(model.TissueDecay[0], std::exp((-20.0 / 5) / 60));
}

TEST(Saturation, OneStepAtTenMetresThenTheSurfaceStep) {
  DiveRecord dive = DiveWithDepths({10});
  ComputeSaturation(dive, test::Model(0));
  const std::vector<double>& tissue1 = dive.TissuePressure[0];
  EXPECT_NEAR(tissue1[1], 0.840949, 1e-6);  // 1.58 - 0.79 e^(-1/15)
  EXPECT_NEAR(tissue1[2], 0.837664, 1e-6);
  // The slowest tissue, barely loaded and judged against the lowest coefficient, peaks on the
  // surface step.
  EXPECT_GT(dive.MaxOverSaturation, 0.79 / 0.014);
  EXPECT_EQ(dive.MaxOverSaturationSample, 1);
  EXPECT_EQ(dive.MaxOverSaturationTissue, 7);
  EXPECT_NEAR(dive.MaxTissuePressure, 0.840949, 1e-6);
}

TEST(Saturation, ComputedOnceUntilTheFlagIsCleared) {
  const std::vector<double> depths = {30, 30, 30, 30, 30, 30, 10, 5, 0};
  DiveRecord dive = DiveWithDepths(depths);
  int calls = 0;
  ComputeSaturation(dive, test::Model(2), [&calls] { ++calls; });
  // A second call keeps the results, and shows no progress, though the model has changed.
  const DecoModel eight = test::Model(0);
  ComputeSaturation(dive, eight, [&calls] { ++calls; });
  EXPECT_EQ(dive.TissuePressure.size(), 16u);
  EXPECT_EQ(calls, 1);

  // Cleared, the dive is rebuilt from nothing: no value of the fifteen tissues survives.
  dive.SaturationComputed = false;
  ComputeSaturation(dive, eight);
  DiveRecord fresh = DiveWithDepths(depths);
  ComputeSaturation(fresh, eight);
  EXPECT_EQ(dive.TissuePressure, fresh.TissuePressure);
}

// Every ratio divides by the ambient pressure: without a positive one there must be no NaNs.
TEST(Saturation, NothingToComputeLeavesNoResults) {
  DiveRecord dive = DiveWithDepths({0, 10, 0}, std::numeric_limits<double>::quiet_NaN());
  ComputeSaturation(dive, test::Model(0));
  EXPECT_TRUE(dive.SaturationComputed);
  EXPECT_EQ(dive.MaxOverSaturation, 0);
  int calls = 0;
  DiveRecord empty = DiveWithDepths({});
  ComputeSaturation(empty, test::Model(0), [&calls] { ++calls; });
  EXPECT_EQ(calls, 0);  // no "Calculating" flash for a dive without samples
}

// Only numbers are taken, with a point or a comma; everything else says why it is refused.
TEST(SurfacePressureEntry, TypedPressures) {
  const std::pair<std::string, std::optional<double>> cases[] = {
      {"  1.000", 1.0}, {"0,815 ", 0.815}, {".5", 0.5},   {"2", 2.0}, {"1.2 bar", {}}, {"-1.2", {}},
      {"1,2.3", {}},    {"1 2", {}},       {"12e-1", {}}, {",", {}},  {"", {}},        {"inf", {}}};
  for (const auto& [text, expected] : cases) {
    EXPECT_EQ(TypedSurfacePressure(text), expected) << '"' << text << '"';
  }
  EXPECT_TRUE(CouldBecomeSurfacePressure(" 1,"));
  EXPECT_FALSE(CouldBecomeSurfacePressure("1,2,"));
  EXPECT_FALSE(CouldBecomeSurfacePressure("1a"));
  EXPECT_EQ(SurfacePressureProblem("0,1"), "The surface pressure must be above 0.1 bar.");
  EXPECT_TRUE(SurfacePressureProblem("abc")->starts_with("Type the surface pressure in bar"));
  EXPECT_FALSE(SurfacePressureProblem("0.11"));
  EXPECT_EQ(SurfacePressureText(1.23456), "  1.235");
}

}  // namespace
}  // namespace scrb
