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
  EXPECT_DOUBLE_EQ(tissue1[0], 0.79);
  // 1.58 - 0.79 e^(-1/15): 15.4586 % of the critical level at 2 bar, then 30.7965 % at 1 bar.
  EXPECT_NEAR(tissue1[1], 0.840949, 1e-6);
  EXPECT_NEAR(tissue1[1] / 2.0 / 0.0272, 15.4586, 1e-4);
  EXPECT_NEAR(tissue1[2], 0.837664, 1e-6);
  EXPECT_NEAR(tissue1[2] / 1.0 / 0.0272, 30.7965, 1e-4);
  // The slowest tissue, barely loaded and judged against the lowest coefficient, peaks on the
  // surface step.
  EXPECT_GT(dive.MaxOverSaturation, 0.79 / 0.014);
  EXPECT_EQ(dive.MaxOverSaturationSample, 1);
  EXPECT_EQ(dive.MaxOverSaturationTissue, 7);
  EXPECT_NEAR(dive.MaxTissuePressure, 0.840949, 1e-6);
}

TEST(Saturation, FlatSurfaceProfileTiesGoToTheFirstStep) {
  const struct {
    int Model;
    double Max;  // 56.43 % and 51.30 %
    int Tissue;
  } cases[] = {{0, 0.79 / 0.014, 7}, {1, 0.79 / 0.0154, 11}, {2, 0.79 / 0.014, 14}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Model);
    DiveRecord dive = DiveWithDepths({0, 0, 0, 0, 0});
    ComputeSaturation(dive, test::Model(c.Model));
    EXPECT_DOUBLE_EQ(dive.MaxOverSaturation, c.Max);
    EXPECT_EQ(dive.MaxOverSaturationTissue, c.Tissue);
    EXPECT_EQ(dive.MaxOverSaturationSample, 0);
    EXPECT_DOUBLE_EQ(dive.MaxTissuePressure, 0.79);
  }
}

TEST(Saturation, TableHasNPlusTwoStepsEndingAtTheSurface) {
  DiveRecord dive = DiveWithDepths({3, 12, 20, 20, 15, 6});
  const DecoModel model = test::Model(1);
  ComputeSaturation(dive, model);
  ASSERT_EQ(dive.TissuePressure.size(), 13u);
  for (const std::vector<double>& row : dive.TissuePressure) ASSERT_EQ(row.size(), 8u);
  for (double p : dive.TissuePressure[12]) EXPECT_EQ(p, 0.0);
  for (int t = 0; t < 12; ++t) {
    const double before = dive.TissuePressure[t][6];
    EXPECT_DOUBLE_EQ(dive.TissuePressure[t][7], (before - 0.79) * model.TissueDecay[t] + 0.79);
  }
  EXPECT_TRUE(SaturationFits(dive, model));
  EXPECT_FALSE(SaturationFits(dive, test::Model(0)));
}

TEST(Saturation, ComputedOnceUntilTheFlagIsCleared) {
  const std::vector<double> depths = {30, 30, 30, 30, 30, 30, 10, 5, 0};
  DiveRecord dive = DiveWithDepths(depths);
  int calls = 0;
  const auto count = [&calls] { ++calls; };
  ComputeSaturation(dive, test::Model(2), count);
  // A second call keeps the results, and shows no progress, though the model has changed.
  const DecoModel eight = test::Model(0);
  ComputeSaturation(dive, eight, count);
  EXPECT_EQ(dive.TissuePressure.size(), 16u);
  EXPECT_EQ(calls, 1);

  // Cleared, the dive is rebuilt from nothing: no value of the fifteen tissues survives.
  dive.SaturationComputed = false;
  ComputeSaturation(dive, eight);
  DiveRecord fresh = DiveWithDepths(depths);
  ComputeSaturation(fresh, eight);
  EXPECT_EQ(dive.TissuePressure, fresh.TissuePressure);
  EXPECT_EQ(dive.MaxTissuePressure, fresh.MaxTissuePressure);
  EXPECT_EQ(dive.MaxOverSaturation, fresh.MaxOverSaturation);
  EXPECT_EQ(dive.MaxOverSaturationSample, fresh.MaxOverSaturationSample);
  EXPECT_EQ(dive.MaxOverSaturationTissue, fresh.MaxOverSaturationTissue);
}

// Every ratio divides by the ambient pressure: without a positive one there must be no NaNs.
TEST(Saturation, NothingToComputeLeavesNoResults) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  for (double pressure : {0.0, -1.0, nan, inf}) {
    SCOPED_TRACE(pressure);
    DiveRecord dive = DiveWithDepths({0, 10, 0}, pressure);
    ComputeSaturation(dive, test::Model(0));
    EXPECT_TRUE(dive.SaturationComputed);
    EXPECT_TRUE(dive.TissuePressure.empty());
    EXPECT_EQ(dive.MaxOverSaturation, 0);
    EXPECT_FALSE(SaturationFits(dive, test::Model(0)));
  }
  int calls = 0;
  DiveRecord empty = DiveWithDepths({});
  ComputeSaturation(empty, test::Model(0), [&calls] { ++calls; });
  EXPECT_EQ(calls, 0);  // no "Calculating" flash for a dive without samples
  EXPECT_TRUE(empty.SaturationComputed);
  EXPECT_TRUE(empty.TissuePressure.empty());

  DiveRecord noModel = DiveWithDepths({10, 20});
  ComputeSaturation(noModel, DecoModel{});
  ASSERT_EQ(noModel.TissuePressure.size(), 1u);
  EXPECT_EQ(noModel.MaxOverSaturation, 0);
  EXPECT_TRUE(SaturationFits(noModel, DecoModel{}));
}

TEST(SurfacePressureEntry, LeadingNumber) {
  const std::pair<std::string, double> cases[] = {
      {"  1.000", 1.0}, {"+0.815", 0.815},
      {"-3", -3},       {".5", 0.5},
      {"5.", 5},        {"1.2.3", 1.2},
      {"1.2 bar", 1.2}, {"12e-1", 1.2},
      {"1e+", 1},       {"2E1x", 20},
      {"\t0.9", 0.9},   {"", 0},
      {"bar", 0},       {"No dive selected", 0},
      {"inf", 0},       {"nan", 0},
      {"+-1", 0},       {".", 0},
      {"1e999", 0},
  };
  for (const auto& [text, expected] : cases) {
    EXPECT_DOUBLE_EQ(LeadingNumber(text), expected) << '"' << text << '"';
  }
  EXPECT_EQ(SurfacePressureText(1.0), "  1.000");
  EXPECT_EQ(SurfacePressureText(0.815), "  0.815");
  EXPECT_EQ(SurfacePressureText(1.23456), "  1.235");
}

TEST(SurfacePressureEntry, WhatATypedPressureDoes) {
  const struct {
    std::string Text;
    bool Changes;
    double Pressure;
  } cases[] = {
      {"1.2", true, 1.2},   {"0.11", true, 0.11},    {"0.1", false, 1.0},
      {"0.05", false, 1.0}, {"-2", false, 1.0},      {"", false, 1.0},
      {"abc", false, 1.0},  {"  1.000", false, 1.0}, {"1e999", false, 1.0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Text);
    DiveRecord dive = DiveWithDepths({10});
    dive.SaturationComputed = true;
    EXPECT_EQ(ApplySurfacePressureText(dive, c.Text), c.Changes);
    EXPECT_EQ(dive.SurfacePressure, c.Pressure);
    EXPECT_EQ(dive.SaturationComputed, !c.Changes);
  }

  // The shown text read back keeps a three-decimal pressure; one typed with more decimals comes
  // back rounded and is applied on the next close.
  DiveRecord dive = DiveWithDepths({10}, 0.815);
  dive.SaturationComputed = true;
  EXPECT_FALSE(ApplySurfacePressureText(dive, SurfacePressureText(dive.SurfacePressure)));
  EXPECT_TRUE(dive.SaturationComputed);
  ASSERT_TRUE(ApplySurfacePressureText(dive, "1.23456"));
  dive.SaturationComputed = true;
  EXPECT_TRUE(ApplySurfacePressureText(dive, SurfacePressureText(dive.SurfacePressure)));
  EXPECT_EQ(dive.SurfacePressure, 1.235);
  EXPECT_FALSE(dive.SaturationComputed);
}

}  // namespace
}  // namespace scrb
