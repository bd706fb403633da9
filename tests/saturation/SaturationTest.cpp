#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "saturation/Saturation.h"
#include "saturation/SaturationFixtures.h"
#include "saturation/SurfacePressureEntry.h"

namespace scrb {
namespace {

using test::DiveWithDepths;

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

TEST(Saturation, TableHasNPlusTwoStepsAndASpareTissueRow) {
  DiveRecord dive = DiveWithDepths({3, 12, 20, 20, 15, 6});
  const DecoModel model = test::Model(1);
  ComputeSaturation(dive, model);
  ASSERT_EQ(dive.TissuePressure.size(), 13u);
  for (const std::vector<double>& row : dive.TissuePressure) ASSERT_EQ(row.size(), 8u);
  for (double p : dive.TissuePressure[12]) EXPECT_EQ(p, 0.0);
  EXPECT_TRUE(SaturationFits(dive, model));
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
  EXPECT_TRUE(dive.TissuePressure.empty());
  EXPECT_EQ(dive.MaxOverSaturation, 0);
  int calls = 0;
  DiveRecord empty = DiveWithDepths({});
  ComputeSaturation(empty, test::Model(0), [&calls] { ++calls; });
  EXPECT_EQ(calls, 0);  // no "Calculating" flash for a dive without samples
  EXPECT_TRUE(empty.SaturationComputed);
}

TEST(SurfacePressureEntry, LeadingNumber) {
  const std::pair<std::string, double> cases[] = {{"\t -1.2 bar", -1.2},
                                                  {".5", 0.5},
                                                  {"12e-1", 1.2},
                                                  {"1e+", 1},
                                                  {"", 0},
                                                  {"inf", 0},
                                                  {"+-1", 0},
                                                  {".", 0},
                                                  {"1e999", 0}};
  for (const auto& [text, expected] : cases) {
    EXPECT_DOUBLE_EQ(LeadingNumber(text), expected) << '"' << text << '"';
  }
  EXPECT_EQ(SurfacePressureText(1.23456), "  1.235");
}

// Only a pressure above 0.1 bar that differs from the one set is taken, and it asks for the
// saturation to be computed again; "  1.000" is what the entry shows for 1 bar.
TEST(SurfacePressureEntry, WhatATypedPressureDoes) {
  const struct {
    std::string Text;
    bool Changes;
    double Pressure;
  } cases[] = {{"0.11", true, 0.11}, {"0.1", false, 1.0}, {"  1.000", false, 1.0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Text);
    DiveRecord dive = DiveWithDepths({10});
    dive.SaturationComputed = true;
    EXPECT_EQ(ApplySurfacePressureText(dive, c.Text), c.Changes);
    EXPECT_EQ(dive.SurfacePressure, c.Pressure);
    EXPECT_EQ(dive.SaturationComputed, !c.Changes);
  }
}

}  // namespace
}  // namespace scrb
