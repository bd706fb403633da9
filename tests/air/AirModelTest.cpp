#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "air/AirModel.h"
#include "air/AirTestDives.h"

namespace scrb {
namespace {

using test::UniformDive;

struct CaptionLog {
  std::vector<std::string> Captions;
  AirProgress Progress() {
    return [this](const std::string& caption) { Captions.push_back(caption); };
  }
};

TEST(BreathRateTable, ColumnsRiseDownTheRowsAndLevelsNeverFallAlongARow) {
  BreathRateTableData table{};
  table[3][0] = 99;  // filling must also clear what was there
  FillBreathRateTable(table);
  for (size_t row = 0; row < kBreathRateTableSize; ++row) {
    EXPECT_EQ(table[row][0], 0) << row;
    for (size_t level = 1; level < kBreathRateLevels; ++level) {
      if (row >= BreathRateTableRows) {
        EXPECT_EQ(table[row][level], 0) << row;
        continue;
      }
      if (row > 0) {
        EXPECT_GT(table[row][level], table[row - 1][level]) << row << "/" << level;
      }
      if (level > 1) {
        EXPECT_GE(table[row][level], table[row][level - 1]) << row << "/" << level;
      }
    }
  }
  EXPECT_EQ(table[24][7], 78.6);
  EXPECT_EQ(table[45][1], 105.7);
  EXPECT_EQ(BreathRateTable(), table);
}

TEST(BreathRateAtLevel, ReadsAndInterpolatesTheTable) {
  struct Case {
    double Base;
    int Level;
    double Expected;
  };
  const Case cases[] = {
      {20, 7, 78.6},                                  // a row's key
      {20, 1, 20},                                    // level 1 is the base itself
      {150, 1, 150},                                  // also beyond the table
      {8.0, 7, 7.9 + 2.8 * 0.1 / 0.6},                // between rows 0 and 1
      {20.25, 2, 31.2 + 1.1 * 0.5},                   // halfway between rows 24 and 25
      {42.3, 3, 104.8},                               // key of the last interpolated row
      {7.99, 7, 7.99},                                // resting: the same at every level
      {7.99, 0, 7.99},
      {5, 4, 5},
      {8.0, 0, 0},                                    // level 0 breathes nothing
      {60, 0, 0},
      {105.7, 7, 584.1},                              // the last row's key
      {211.4, 2, 395.0},                              // beyond: the last row's proportions
      {200, 0, 0},
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(BreathRateAtLevel(c.Base, c.Level), c.Expected, 1e-9) << c.Base << " at " << c.Level;
  }
}

TEST(BreathRateAtLevel, RisesWithoutJumpsFromTheRestingRateToFarBeyondTheTable) {
  for (int level = 2; level < kBreathRateLevels; ++level) {
    double previous = BreathRateAtLevel(8.0, level);
    for (double base = 8.01; base < 300; base += 0.01) {
      const double rate = BreathRateAtLevel(base, level);
      ASSERT_GT(rate, previous) << base << " at " << level;
      ASSERT_LT(rate - previous, 0.1) << base << " at " << level;
      previous = rate;
    }
  }
}

TEST(AirLevel, TakesBitsFourToSix) {
  EXPECT_EQ(AirLevel(0x38), 3);
  EXPECT_EQ(AirLevel(0x7F), 7);
  EXPECT_EQ(AirLevel(0x8F), 0);
  EXPECT_EQ(AirLevel(0x10), 1);
}

// Tank 12 l, 150 bar used, 30 whole minutes at 20 m.
TEST(ComputeAirModel, SettlesInOnePassWhenTheFirstGuessMatchesTheAirUsed) {
  DiveRecord dive = UniformDive(90, 20, 0x10);
  CaptionLog run;
  ComputeAirModel(dive, run.Progress());
  EXPECT_EQ(run.Captions, (std::vector<std::string>{"1", "Min:20.0 l/min, Max:20.0 l/min"}));
  EXPECT_TRUE(dive.AirComputed);
  EXPECT_DOUBLE_EQ(dive.BaseBreathRate, 20.0);
  EXPECT_DOUBLE_EQ(dive.MaxBreathRate, 20.0);
  ASSERT_EQ(dive.SampleTankPressure.size(), 94u);
  for (int minute = 0; minute < 30; ++minute) {
    const size_t i = static_cast<size_t>(3 * minute + 2);
    EXPECT_NEAR(dive.SampleTankPressure[i], 145 - 5 * minute, 1e-9) << i;
    EXPECT_DOUBLE_EQ(dive.SampleBreathRate[i], 20.0);
    EXPECT_EQ(dive.SampleTankPressure[i - 1], 0);
    EXPECT_EQ(dive.SampleBreathRate[i - 2], 0);
  }
  EXPECT_EQ(dive.SampleTankPressure[92], 0);  // no minute ends there
}

TEST(ComputeAirModel, IteratesTheBaseRateAtAHigherAirLevel) {
  DiveRecord dive = UniformDive(90, 20, 0x20);
  CaptionLog run;
  ComputeAirModel(dive, run.Progress());
  EXPECT_EQ(run.Captions, (std::vector<std::string>{"1", "2", "3", "4", "5", "6", "Min:14.2 l/min, Max:19.9 l/min"}));
  EXPECT_NEAR(dive.BaseBreathRate, 14.16, 0.005);
  EXPECT_NEAR(dive.MaxBreathRate, 19.93, 0.005);
  EXPECT_NEAR(dive.SampleTankPressure[89], 0.56, 0.01);
}

TEST(ComputeAirModel, RefusesImplausibleTankOrConsumption) {
  struct Case {
    double Used;
    double Tank;
    bool Estimated;
  };
  const Case cases[] = {
      {300, 12, true},     {150, 100, true},     {300.01, 12, false}, {150, 100.01, false},
      {0, 12, false},      {-5, 12, false},      {150, 0, false},     {150, -12, false},
      {327.67, 12, false}, {150, 327.67, false}, {NAN, 12, false},    {150, NAN, false},
  };
  for (const Case& c : cases) {
    DiveRecord dive = UniformDive(90, 20, 0x10, c.Tank, c.Used);
    CaptionLog run;
    ComputeAirModel(dive, run.Progress());
    EXPECT_TRUE(dive.AirComputed);
    EXPECT_EQ(dive.BaseBreathRate > 0, c.Estimated) << c.Used << " bar of " << c.Tank << " l";
    if (!c.Estimated) {
      EXPECT_TRUE(run.Captions.empty());
      EXPECT_TRUE(dive.SampleBreathRate.empty());
    }
  }
}

TEST(ComputeAirModel, ComputesEveryMinuteWhoseLastIndexIsWithinTheSampleCount) {
  for (int sampleCount : {9, 10, 11}) {
    DiveRecord dive = UniformDive(sampleCount, 20, 0x20, 12, 50);
    ComputeAirModel(dive);
    ASSERT_GT(dive.BaseBreathRate, 8.0) << sampleCount;
    ASSERT_EQ(dive.SampleTankPressure.size(), static_cast<size_t>(sampleCount) + 4);
    std::vector<int> breathing;
    for (int i = 0; i < sampleCount + 4; ++i) {
      if (dive.SampleBreathRate[static_cast<size_t>(i)] != 0) breathing.push_back(i);
    }
    EXPECT_EQ(breathing, (std::vector<int>{2, 5, 8})) << sampleCount;
    ASSERT_NE(dive.SampleTankPressure[8], 0);
    // The minute ending at 11 holds no sample: at the surface, level 0, nothing drawn.
    EXPECT_EQ(dive.SampleTankPressure[11], sampleCount == 11 ? dive.SampleTankPressure[8] : 0) << sampleCount;
  }
}

TEST(ComputeAirModel, AMinuteWithoutSamplesBreathesTheRestingRate) {
  // 18 surface litres over three surface minutes and the empty one ending at index 11: the base
  // rate falls below 8 l/min, which counts at every level, level 0 included.
  DiveRecord dive = UniformDive(11, 0, 0x10, 3, 6);
  CaptionLog run;
  ComputeAirModel(dive, run.Progress());
  EXPECT_EQ(run.Captions.size(), 4u);
  EXPECT_DOUBLE_EQ(dive.BaseBreathRate, 4.5);
  EXPECT_DOUBLE_EQ(dive.SampleBreathRate[11], 4.5);
  EXPECT_NEAR(dive.SampleTankPressure[11], 0, 1e-9);
}

TEST(ComputeAirModel, NoAirDrawnGivesNoEstimate) {
  DiveRecord oneSample = UniformDive(1, 20, 0x10);
  DiveRecord levelZero = UniformDive(30, 20, 0x00);
  for (DiveRecord* dive : {&oneSample, &levelZero}) {
    CaptionLog run;
    ComputeAirModel(*dive, run.Progress());
    EXPECT_TRUE(dive->AirComputed);
    EXPECT_EQ(dive->BaseBreathRate, 0);
    EXPECT_EQ(dive->MaxBreathRate, 0);
    EXPECT_EQ(run.Captions, (std::vector<std::string>{"1", ""}));
    for (double p : dive->SampleTankPressure) EXPECT_EQ(p, 0);
  }
}

// Ten surface minutes at one air level: the air drawn per minute at the surface is the used
// capacity over ten.
DiveRecord SurfaceDive(int status, double used) { return UniformDive(30, 0, status, 10, used); }

TEST(ComputeAirModel, PassesThatNeverSettleEndAtTheRateThatFits) {
  struct Case {
    int Status;
    double Used;
    double Base;  // where the level's rate equals the air drawn per minute
  };
  const Case cases[] = {
      // Just above the resting rate the highest level's rate rises 4.7 times as fast as the base:
      // the passes jump to and fro across the resting rate for good.
      {0x70, 9, 7.9 + 1.1 * 0.6 / 2.8},
      // Steep at level 3 too: the passes swing about 11 l/min for hundreds of passes.
      {0x30, 16.55, 11.0 + 0.05 * 0.5 / 1.5},
  };
  for (const Case& c : cases) {
    DiveRecord dive = SurfaceDive(c.Status, c.Used);
    CaptionLog run;
    ComputeAirModel(dive, run.Progress());
    ASSERT_EQ(run.Captions.size(), static_cast<size_t>(kMaxAirPasses) + 1) << c.Used;
    EXPECT_EQ(run.Captions[kMaxAirPasses - 1], std::to_string(kMaxAirPasses));
    EXPECT_NEAR(dive.BaseBreathRate, c.Base, 1e-6) << c.Used;
    EXPECT_NEAR(dive.MaxBreathRate, c.Used, 1e-6);
    EXPECT_EQ(run.Captions.back(), AirSummaryCaption(dive.BaseBreathRate, dive.MaxBreathRate));
    EXPECT_NEAR(dive.SampleTankPressure[29], 0, 1e-6);
  }
}

TEST(ComputeAirModel, NoEstimateWhenNoBaseRateFits) {
  // At the highest level the rate steps from 8.0 just below the resting rate to 8.37 at it: a
  // dive that drew 8.2 l a minute has no base rate.
  DiveRecord dive = SurfaceDive(0x70, 8.2);
  CaptionLog run;
  ComputeAirModel(dive, run.Progress());
  ASSERT_EQ(run.Captions.size(), static_cast<size_t>(kMaxAirPasses) + 1);
  EXPECT_EQ(run.Captions.back(), "");
  EXPECT_EQ(dive.BaseBreathRate, 0);
  EXPECT_EQ(dive.MaxBreathRate, 0);
  for (double rate : dive.SampleBreathRate) EXPECT_EQ(rate, 0);
  for (double pressure : dive.SampleTankPressure) EXPECT_EQ(pressure, 0);
}

TEST(ComputeAirModel, RunsOncePerDive) {
  DiveRecord dive = UniformDive(90, 20, 0x20);
  ComputeAirModel(dive);
  const DiveRecord first = dive;
  dive.SurfacePressure = 0.8;
  CaptionLog run;
  ComputeAirModel(dive, run.Progress());
  EXPECT_TRUE(run.Captions.empty());
  EXPECT_EQ(dive.BaseBreathRate, first.BaseBreathRate);
  EXPECT_EQ(dive.SampleTankPressure, first.SampleTankPressure);
}

TEST(ComputeAirModel, ShortRecordedArraysReadAsZero) {
  DiveRecord dive = UniformDive(11, 20, 0x10, 12, 50);
  dive.SampleDepth.resize(11);
  dive.SampleStatus.resize(11);
  ComputeAirModel(dive);
  EXPECT_GT(dive.BaseBreathRate, 0);
  EXPECT_EQ(dive.SampleBreathRate[11], 0);
}

}  // namespace
}  // namespace scrb
