#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "air/AirCharts.h"
#include "air/AirModel.h"
#include "air/AirReadout.h"
#include "air/PhysCharts.h"
#include "air/PhysReadout.h"
#include "charts/ChartTestDives.h"

namespace scrb {
namespace {

using test::LineEnd;
using test::RecordingSurface;

// A record, its decoded profile and its air estimate in one value.
struct AirDive : test::SampledDive, AirEstimate {};

// A decoded dive as the decoder leaves it: `sampleCount` samples at one depth, every minute's
// status byte at its last sample, -1 at the others, 0 behind the last sample.
AirDive UniformDive(int sampleCount, double depth, int status, double tank = 12,
                    double used = 150) {
  AirDive dive;
  dive.SampleCount = sampleCount;
  dive.TankCapacity = tank;
  dive.AirConsumption = used;
  dive.SurfacePressure = 1.0;
  const size_t count = static_cast<size_t>(sampleCount);
  dive.SampleDepth.assign(count + 2, 0.0);
  dive.SampleFlags.assign(count + 2, 0);
  dive.SampleStatus.assign(count + 3, 0);
  for (size_t i = 0; i < count; ++i) {
    dive.SampleDepth[i] = depth;
    dive.SampleStatus[i] = static_cast<int16_t>(i % 3 == 2 ? status : -1);
  }
  return dive;
}

std::vector<std::string> Compute(AirDive& dive) {
  std::vector<std::string> captions;
  static_cast<AirEstimate&>(dive) =
      ComputeAirModel(dive, dive, dive.SurfacePressure,
                      [&captions](const std::string& caption) { captions.push_back(caption); });
  return captions;
}

// The rates rise with the level and with the base rate, each row is what its base rate reads at
// every level, and nothing lies beyond the 46 rows and 7 levels. The profile golden files check
// the entries the example's dives reach through the air figures they print; the corners and a
// middle row here pin the rest to the printed table.
TEST(BreathRateTable, RisesWithLevelAndBaseAndHoldsNothingBeyondItsRows) {
  const BreathRateTableData& table = BreathRateTable();
  for (size_t row = 0; row < table.size(); ++row) {
    for (size_t level = 0; level < table[row].size(); ++level) {
      const double rate = table[row][level];
      if (row >= 46 || level == 0) {
        EXPECT_EQ(rate, 0) << "row " << row << " level " << level;
        continue;
      }
      EXPECT_GE(rate, level > 1 ? table[row][level - 1] : 0) << row << " " << level;
      EXPECT_GT(rate, row > 0 ? table[row - 1][level] : 0) << row << " " << level;
      EXPECT_NEAR(BreathRateAtLevel(table[row][1], int(level)), rate, 1e-9) << row << " " << level;
    }
  }
  for (const auto& [row, level, rate] :
       {std::tuple{0, 1, 7.9}, std::tuple{0, 7, 7.9}, std::tuple{24, 2, 31.2},
        std::tuple{44, 4, 133.4}, std::tuple{45, 1, 105.7}, std::tuple{45, 7, 584.1}}) {
    EXPECT_EQ(table[size_t(row)][size_t(level)], rate) << row << " " << level;
  }
  for (int status : {0x00, 0x10, 0x20, 0x40, 0x70, 0x8F, 0xFF})
    EXPECT_EQ(AirLevel(int16_t(status)), (status >> 4) & 7) << status;
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

// Tank 12 l, 150 bar used, 30 whole minutes at 20 m, at air level 2: the passes keep the base rate
// each started with once the next one lies within 0.1 of it. Worked out by hand from rows 2, 10,
// 11, 24 and 25 of the table (q = 20 b / rate(b)): 20.0, 12.8205, 14.7355, 13.9865, 14.2896,
// 14.1627, whose q 14.2157 ends the sixth pass; the 30 minutes at 3 bar draw 19.9254 l/min each
// from 150 bar of 12 l, stored at each minute's last sample. At level 1 the first pass settles.
TEST(ComputeAirModel, WorkedDiveSettlesOnTheSixthPassKeepingItsBaseRateOrOnTheFirstAtLevelOne) {
  AirDive dive = UniformDive(90, 20, 0x20);
  EXPECT_EQ(Compute(dive), (std::vector<std::string>{"1", "2", "3", "4", "5", "6",
                                                     "Min:14.2 l/min, Max:19.9 l/min"}));
  const double rate = 19.92536441504727;
  EXPECT_NEAR(dive.BaseBreathRate, 14.162682207523634, 1e-9);
  EXPECT_NEAR(dive.MaxBreathRate, rate, 1e-9);
  EXPECT_NEAR(dive.SampleBreathRate[89], rate, 1e-9);
  ASSERT_EQ(dive.SampleTankPressure.size(), 94u);
  for (size_t i = 0; i < 94; ++i) {
    const double expected = i % 3 == 2 && i < 90 ? 150 - (i / 3 + 1) * rate / 4 : 0;
    EXPECT_NEAR(dive.SampleTankPressure[i], expected, 1e-9) << i;
  }
  EXPECT_NEAR(dive.SampleTankPressure[89], 0.5597668871454857, 1e-9);
  AirDive levelOne = UniformDive(90, 20, 0x10);
  EXPECT_EQ(Compute(levelOne), (std::vector<std::string>{"1", "Min:20.0 l/min, Max:20.0 l/min"}));
}

// At level 7 on the surface, 10 l x 29 bar over 30 minutes: the passes swing between 5.3 and 9.7
// for good, and the base rate is found directly. By hand: every minute must draw 290 / 30 l, and
// between rows 0 and 1 the level-7 rate is 7.9 + 2.8 (b - 7.9) / 0.6, so
// b = 7.9 + (290 / 30 - 7.9) x 0.6 / 2.8 = 8.27857...
TEST(ComputeAirModel, PassesThatSwingGiveWayToTheDirectSearch) {
  AirDive dive = UniformDive(90, 0, 0x70, 10, 29);
  const std::vector<std::string> captions = Compute(dive);
  ASSERT_EQ(captions.size(), size_t(kMaxAirPasses) + 1);
  EXPECT_EQ(captions.back(), "Min:8.3 l/min, Max:9.7 l/min");
  EXPECT_NEAR(dive.BaseBreathRate, 7.9 + (290.0 / 30 - 7.9) * 0.6 / 2.8, 1e-6);
  EXPECT_NEAR(dive.SampleBreathRate[2], 290.0 / 30, 1e-6);
  EXPECT_NEAR(dive.SampleTankPressure[2], 29 - 29.0 / 30, 1e-6);
  EXPECT_NEAR(dive.SampleTankPressure[89], 0, 1e-6);
}

TEST(ComputeAirModel, RefusesImplausibleTankOrConsumptionSilently) {
  for (const auto& [used, tank, estimated] :
       {std::tuple{300.0, 12.0, true}, std::tuple{300.01, 12.0, false},
        std::tuple{150.0, 100.0, true}, std::tuple{150.0, 100.01, false},
        std::tuple{0.0, 12.0, false}, std::tuple{double{NAN}, 12.0, false}}) {
    AirDive dive = UniformDive(90, 20, 0x10, tank, used);
    EXPECT_EQ(Compute(dive).empty(), !estimated) << used << " bar of " << tank << " l";
  }
}

TEST(ComputeAirModel, ComputesEveryMinuteEndingWithinTheSampleCount) {
  // The minute ending at 11 holds no sample: at the surface, level 0, nothing drawn.
  for (int sampleCount : {10, 11}) {
    AirDive dive = UniformDive(sampleCount, 20, 0x20, 12, 50);
    Compute(dive);
    ASSERT_GT(dive.SampleBreathRate[8], 8.0);
    EXPECT_EQ(dive.SampleBreathRate[11], 0);
    EXPECT_EQ(dive.SampleTankPressure[11], sampleCount == 11 ? dive.SampleTankPressure[8] : 0);
  }
  // Below the resting rate even that empty minute breathes: 18 l over four surface minutes.
  AirDive resting = UniformDive(11, 0, 0x10, 3, 6);
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

// Past the table's last row (105.7 l/min at level 1) nothing bears a base rate out. One minute at
// the surface at level 1 draws the base rate itself: 105 l is kept, 106 l and the logged 300 bar
// of a 100 l tank (once shown as 8,507 l/min) give none, with no rates or pressures left behind.
TEST(ComputeAirModel, NoEstimatePastTheTablesLastRow) {
  for (const auto& [used, tank, depth, base] :
       {std::tuple{10.5, 10.0, 0.0, 105.0}, std::tuple{10.6, 10.0, 0.0, 0.0},
        std::tuple{300.0, 100.0, 0.0, 0.0}, std::tuple{300.0, 100.0, 20.0, 0.0}}) {
    AirDive dive = UniformDive(3, depth, 0x10, tank, used);
    const std::vector<std::string> captions = Compute(dive);
    EXPECT_NEAR(dive.BaseBreathRate, base, 1e-9) << used << " bar of " << tank << " l";
    EXPECT_EQ(captions.back().empty(), base == 0) << captions.back();
    if (base > 0) continue;
    EXPECT_EQ(dive.MaxBreathRate, 0);
    for (double rate : dive.SampleBreathRate) ASSERT_EQ(rate, 0);
    for (double p : dive.SampleTankPressure) ASSERT_EQ(p, 0);
  }
}

using ChartRoutine = std::function<void(const AirDive&, ChartSurface&)>;
const ChartRoutine kBreathRateChart = [](const AirDive& d, ChartSurface& s) {
  DrawBreathRateChart(d, d, s, UnitSystem::Metric, Palette::Classic());
};
const ChartRoutine kTankChart = [](const AirDive& d, ChartSurface& s) {
  DrawTankChart(d, d, d, s, UnitSystem::Metric, Palette::Classic());
};
const Rgb kRed = Palette::Classic().Alarm;
const Rgb kBlue = Palette::Classic().Data;

// A dive with hand-set air results: `rates` and `tank` give the values of minutes 0, 1, ... at
// samples 2, 5, ...
AirDive DiveWithAirResults(int sampleCount, const std::vector<double>& rates,
                           const std::vector<double>& tank) {
  AirDive dive = UniformDive(sampleCount, 10, 0x10);
  dive.BaseBreathRate = rates.front();
  dive.SampleBreathRate.assign(static_cast<size_t>(sampleCount) + 4, 0.0);
  dive.SampleTankPressure = dive.SampleBreathRate;
  for (size_t minute = 0; minute < rates.size(); ++minute) {
    dive.SampleBreathRate[3 * minute + 2] = rates[minute];
    dive.SampleTankPressure[3 * minute + 2] = tank[minute];
    dive.MaxBreathRate = std::max(dive.MaxBreathRate, rates[minute]);
  }
  return dive;
}

// The ends of the chart's thick segments, x in samples of a third of a minute; the pen is thin
// again afterwards. A chart without data prints its one line (centred: ChartLegibilityTest).
std::vector<LineEnd> DataLine(ChartRoutine draw, const AirDive& dive) {
  RecordingSurface s;
  draw(dive, s);
  EXPECT_EQ(s.DrawWidth(), 1);
  return test::Ends(test::DataLines(s, 3), 100.0 / 3);
}
std::vector<std::string> NoDataTexts(ChartRoutine draw, const AirDive& dive) {
  RecordingSurface s;
  draw(dive, s);
  return s.Lines().empty() ? s.Texts() : std::vector<std::string>{"lines drawn"};
}

// Four samples, one computed minute; sample 0 carries rbt, sample 2 ess, sample 3 only deco,
// which colours nothing. Minute 1 ends at index 5, past the last sample: the model left it at 0.
// A riser and a level per sample, the riser in the previous colour.
TEST(AirCharts, BreathRateAndTankStepsOrOneLineWithoutEstimate) {
  AirDive dive = DiveWithAirResults(4, {20}, {100});
  dive.SampleFlags = {0x02, 0x20, 0x10, 0x01, 0, 0};
  const std::vector<LineEnd> rate = {
      {0, 2000, Rgb{0, 0, 0}}, {1, 2000, kRed}, {1, 2000, kRed}, {2, 2000, kRed}, {2, 2000, kBlue},
      {3, 2000, kBlue},        {3, 0, kBlue},   {4, 0, kRed},    {4, 0, kBlue},   {5, 0, kBlue}};
  EXPECT_EQ(DataLine(kBreathRateChart, dive), rate);
  // The tank is interpolated every twenty seconds from the 150 bar used.
  const std::vector<LineEnd> tank = {{1, 40000.0 / 3, kRed},
                                     {2, 35000.0 / 3, kRed},
                                     {3, 10000, kBlue},
                                     {4, 20000.0 / 3, kRed},
                                     {5, 10000.0 / 3, kBlue}};
  EXPECT_EQ(DataLine(kTankChart, dive), tank);
  dive.BaseBreathRate = 0;
  EXPECT_EQ(NoDataTexts(kTankChart, dive), std::vector<std::string>{"No Air Data available"});
}

// Minute 0: cold and air level 3; minute 1: bubble level 5; the last sample's minute has no
// status byte.
TEST(PhysCharts, EachMinutesStatusOverItsThreeSamplesOrOneLineWithoutSamples) {
  AirDive dive = UniformDive(7, 10, 0);
  dive.SampleStatus[2] = 0x38;
  dive.SampleStatus[5] = 0x05;
  dive.SampleFlags[0] = 0x08;
  const double third = 100.0 / 3;
  const struct {
    ChartRoutine Draw;
    std::string NoDataText;
    std::vector<double> Values;
  } cases[] = {
      {[](const AirDive& d, ChartSurface& s) { DrawColdChart(d, s, Palette::Classic()); },
       "No Temp Data available",
       {third, 2 * third, 100, 100, 100, 100, 100, 100}},
      {[](const AirDive& d, ChartSurface& s) { DrawBubbleChart(d, s, Palette::Classic()); },
       "No Deco Data available",
       {0, 0, 0, 500, 500, 500, 0, 0}},
      {[](const AirDive& d, ChartSurface& s) { DrawConsumptionChart(d, s, Palette::Classic()); },
       "No Air Data Consumption available",
       {300, 300, 300, 0, 0, 0, 0, 0}},
  };
  for (const auto& c : cases) {
    std::vector<LineEnd> expected;
    for (int k = 0; k <= 7; ++k) expected.push_back({k + 1.0, c.Values[k], k < 2 ? kRed : kBlue});
    EXPECT_EQ(DataLine(c.Draw, dive), expected);
    EXPECT_EQ(NoDataTexts(c.Draw, AirDive{}), std::vector<std::string>{c.NoDataText});
  }
}

// Nine samples, three computed minutes; sample k lies at 10 + k metres. The readout shows the last
// whole minute before the mouse: the first one sample 0, nothing stored yet, the tank at the
// amount used; the end of the dive still its last minute, past it nothing.
TEST(AirReadoutCaption, ShowsTheLastWholeMinuteBeforeTheMouse) {
  AirDive dive = DiveWithAirResults(9, {14.16, 19.93, 17.5}, {100.04, 50.0, 0.56});
  for (int k = 0; k < 9; ++k) dive.SampleDepth[static_cast<size_t>(k)] = 10 + k;
  const std::string summary = "Min:14.2 l/min, Max:19.9 l/min";
  EXPECT_EQ(AirReadoutCaption(dive, dive, dive, 0, UnitSystem::Metric),
            summary + ", Time=00'20\", Depth=10.0 m, Tank=150.0 bar, Breath=0.0 l/min");
  EXPECT_EQ(AirReadoutCaption(dive, dive, dive, 300, UnitSystem::Metric),
            summary + ", Time=03'00\", Depth=18.0 m, Tank=0.6 bar, Breath=17.5 l/min");
  EXPECT_EQ(AirReadoutCaption(dive, dive, dive, 300.5f, UnitSystem::Metric), std::nullopt);
  dive.BaseBreathRate = 0;
  EXPECT_EQ(AirReadoutCaption(dive, dive, dive, 0, UnitSystem::Metric), std::nullopt);
}

// Minutes 0 to 3 cold (two of them), bubbles and air levels; eleven samples, so the last minute
// (samples 9 and 10) has no status byte. A readout shows the whole minute at or before the mouse,
// each chart's value as its line has it there; in the first minute the cold line is a third up.
TEST(PhysReadout, EachChartsValueAtTheLastWholeMinuteBeforeTheMouse) {
  AirDive dive = UniformDive(11, 10, 0);
  dive.SampleStatus[2] = 0x38;  // cold, air level 3
  dive.SampleStatus[5] = 0x75;  // air level 7, bubbles 5
  dive.SampleStatus[8] = 0x0F;  // cold, bubbles 7
  const auto read = [&dive](float x) {
    const std::optional<PhysReadout> r = ReadPhysData(dive, x);
    return r ? r->ColdText + "|" + r->BubbleText + "|" + r->ConsumptionText : std::string("none");
  };
  EXPECT_EQ(read(0), "Time=00'20\" Cold=0.3|Time=00'20\" Bubbles=0|Time=00'20\" Air=3");
  EXPECT_EQ(read(199.9f), "Time=01'00\" Cold=1|Time=01'00\" Bubbles=0|Time=01'00\" Air=3");
  EXPECT_EQ(read(200), "Time=02'00\" Cold=1|Time=02'00\" Bubbles=5|Time=02'00\" Air=7");
  EXPECT_EQ(read(366.6f), "Time=03'00\" Cold=2|Time=03'00\" Bubbles=7|Time=03'00\" Air=0");
  EXPECT_EQ(read(367), "none");
  EXPECT_EQ(read(-0.1f), "none");
  EXPECT_EQ(ReadPhysData(DecodedProfile{}, 0), std::nullopt);
}

}  // namespace
}  // namespace scrb
