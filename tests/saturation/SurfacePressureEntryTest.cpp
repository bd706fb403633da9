#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "saturation/SaturationFixtures.h"
#include "saturation/SurfacePressureEntry.h"

namespace scrb {
namespace {

TEST(SurfacePressureEntry, LeadingNumber) {
  const std::vector<std::pair<std::string, double>> cases = {
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
}

TEST(SurfacePressureEntry, ShownWithTwoBlanksAndThreeDecimals) {
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
    DiveRecord dive = test::DiveWithDepths({10});
    dive.SaturationComputed = true;
    EXPECT_EQ(ApplySurfacePressureText(dive, c.Text), c.Changes);
    EXPECT_EQ(dive.SurfacePressure, c.Pressure);
    EXPECT_EQ(dive.SaturationComputed, !c.Changes);
  }
}

TEST(SurfacePressureEntry, ShownTextReadBackKeepsThreeDecimalPressures) {
  DiveRecord dive = test::DiveWithDepths({10}, 0.815);
  dive.SaturationComputed = true;
  EXPECT_FALSE(ApplySurfacePressureText(dive, SurfacePressureText(dive.SurfacePressure)));
  EXPECT_TRUE(dive.SaturationComputed);

  // A pressure typed with more decimals comes back rounded and is applied on the next close.
  ASSERT_TRUE(ApplySurfacePressureText(dive, "1.23456"));
  dive.SaturationComputed = true;
  EXPECT_TRUE(ApplySurfacePressureText(dive, SurfacePressureText(dive.SurfacePressure)));
  EXPECT_EQ(dive.SurfacePressure, 1.235);
  EXPECT_FALSE(dive.SaturationComputed);
}

}  // namespace
}  // namespace scrb
