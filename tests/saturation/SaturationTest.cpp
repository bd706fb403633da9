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

// From fifteen tissues to eight nothing of the slower ones is left behind, and the spare slot after
// the last tissue holds 0. An unknown number loads the eight tissues and is kept, so 0 after it
// builds them again.
TEST(DecoModel, TablesAreRebuiltForAnotherNumber) {
  DecoModel model = test::Model(2);
  LoadDecoModel(model, 0);
  EXPECT_EQ(model.TissueDecay, test::Model(0).TissueDecay);
  EXPECT_EQ(model.TissueDecay.back(), 0.0);
  LoadDecoModel(model, 7);
  EXPECT_EQ(model.TissueCount, 8);
  model.TissueDecay[0] = 42;
  LoadDecoModel(model, 0);
  EXPECT_EQ(model.TissueDecay, test::Model(0).TissueDecay);
}

// Tissue 1 takes 1.58 - 0.79 e^(-1/15). The slowest tissue, barely loaded and judged against the
// lowest coefficient, peaks on the surface step.
TEST(Saturation, OneStepAtTenMetresThenTheSurfaceStep) {
  DiveRecord dive = DiveWithDepths({10});
  ComputeSaturation(dive, test::Model(0));
  EXPECT_NEAR(dive.TissuePressure[0][1], 0.840949, 1e-6);
  EXPECT_NEAR(dive.TissuePressure[0][2], 0.837664, 1e-6);
  EXPECT_NEAR(dive.MaxTissuePressure, 0.840949, 1e-6);
  EXPECT_GT(dive.MaxOverSaturation, 0.79 / 0.014);
  EXPECT_EQ(std::make_pair(dive.MaxOverSaturationSample, dive.MaxOverSaturationTissue),
            std::make_pair(1, 7));
}

// A second call keeps the results, and shows no progress, though the model has changed. Once the
// flag is cleared the dive is rebuilt from nothing: no value of the fifteen tissues survives.
TEST(Saturation, ComputedOnceUntilTheFlagIsCleared) {
  const std::vector<double> depths = {30, 30, 30, 30, 30, 30, 10, 5, 0};
  DiveRecord dive = DiveWithDepths(depths);
  int calls = 0;
  ComputeSaturation(dive, test::Model(2), [&calls] { ++calls; });
  ComputeSaturation(dive, test::Model(0), [&calls] { ++calls; });
  EXPECT_EQ(dive.TissuePressure.size(), 16u);
  EXPECT_EQ(calls, 1);
  dive.SaturationComputed = false;
  ComputeSaturation(dive, test::Model(0));
  DiveRecord fresh = DiveWithDepths(depths);
  ComputeSaturation(fresh, test::Model(0));
  EXPECT_EQ(dive.TissuePressure, fresh.TissuePressure);
}

// Every ratio divides by the ambient pressure: without a positive one there must be no NaNs. A
// dive without samples shows no "Calculating" flash.
TEST(Saturation, NothingToComputeLeavesNoResults) {
  DiveRecord dive = DiveWithDepths({0, 10, 0}, std::numeric_limits<double>::quiet_NaN());
  ComputeSaturation(dive, test::Model(0));
  EXPECT_TRUE(dive.SaturationComputed);
  EXPECT_EQ(dive.MaxOverSaturation, 0);
  int calls = 0;
  DiveRecord empty = DiveWithDepths({});
  ComputeSaturation(empty, test::Model(0), [&calls] { ++calls; });
  EXPECT_EQ(calls, 0);
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
  EXPECT_EQ(SurfacePressureProblem("abc"),
            "Type the surface pressure in bar as a number, such as 1.013 (with a point or a comma "
            "before the decimals).");
  EXPECT_FALSE(SurfacePressureProblem("0.11"));
  EXPECT_EQ(SurfacePressureText(1.23456), "  1.235");
}

}  // namespace
}  // namespace scrb
