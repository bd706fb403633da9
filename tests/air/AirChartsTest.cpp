#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "air/AirCharts.h"
#include "air/AirReadout.h"
#include "air/AirTestDives.h"
#include "air/PhysCharts.h"
#include "charts/ChartTestDives.h"

namespace scrb {
namespace {

using test::LineEnd;
using test::RecordingSurface;

using ChartRoutine = void (*)(const DiveRecord&, ChartSurface&);
constexpr Rgb kRed = kAlarmColor;
constexpr Rgb kBlue = kNormalColor;

// A dive with hand-set air results: `rates` and `tank` give the values of minutes 0, 1, ... at
// samples 2, 5, ...
DiveRecord DiveWithAirResults(int sampleCount, const std::vector<double>& rates,
                              const std::vector<double>& tank) {
  DiveRecord dive = test::UniformDive(sampleCount, 10, 0x10);
  dive.AirComputed = true;
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
std::vector<LineEnd> DataLine(ChartRoutine draw, const DiveRecord& dive) {
  RecordingSurface s;
  draw(dive, s);
  EXPECT_EQ(s.DrawWidth(), 1);
  return test::Ends(test::DataLines(s, 3), 100.0 / 3);
}
std::vector<std::string> NoDataTexts(ChartRoutine draw, const DiveRecord& dive) {
  RecordingSurface s;
  draw(dive, s);
  return s.Lines().empty() ? s.Texts() : std::vector<std::string>{"lines drawn"};
}

// Four samples, one computed minute; sample 0 carries rbt, sample 2 ess, sample 3 only deco,
// which colours nothing. Minute 1 ends at index 5, past the last sample: the model left it at 0.
// A riser and a level per sample, the riser in the previous colour.
TEST(AirCharts, BreathRateAndTankStepsOrOneLineWithoutEstimate) {
  DiveRecord dive = DiveWithAirResults(4, {20}, {100});
  dive.SampleFlags = {0x02, 0x20, 0x10, 0x01, 0, 0};
  const std::vector<LineEnd> rate = {{0, 2000, Rgb{0, 0, 0}},
                                     {1, 2000, kRed},
                                     {1, 2000, kRed},
                                     {2, 2000, kRed},
                                     {2, 2000, kBlue},
                                     {3, 2000, kBlue},
                                     {3, 0, kBlue},
                                     {4, 0, kRed},
                                     {4, 0, kBlue},
                                     {5, 0, kBlue}};
  EXPECT_EQ(DataLine(&DrawBreathRateChart, dive), rate);
  // The tank is interpolated every twenty seconds from the 150 bar used.
  const std::vector<LineEnd> tank = {{1, 40000.0 / 3, kRed},
                                     {2, 35000.0 / 3, kRed},
                                     {3, 10000, kBlue},
                                     {4, 20000.0 / 3, kRed},
                                     {5, 10000.0 / 3, kBlue}};
  EXPECT_EQ(DataLine(&DrawTankChart, dive), tank);
  dive.BaseBreathRate = 0;
  EXPECT_EQ(NoDataTexts(&DrawTankChart, dive), std::vector<std::string>{"No Air Data available"});
}

// Minute 0: cold and air level 3; minute 1: bubble level 5; the last sample's minute has no
// status byte.
TEST(PhysCharts, EachMinutesStatusOverItsThreeSamplesOrOneLineWithoutSamples) {
  DiveRecord dive = test::UniformDive(7, 10, 0);
  dive.SampleStatus[2] = 0x38;
  dive.SampleStatus[5] = 0x05;
  dive.SampleFlags[0] = 0x08;
  const double third = 100.0 / 3;
  const struct {
    ChartRoutine Draw;
    std::string NoDataText;
    std::vector<double> Values;
  } cases[] = {
      {&DrawColdChart, "No Temp Data available", {third, 2 * third, 100, 100, 100, 100, 100, 100}},
      {&DrawBubbleChart, "No Deco Data available", {0, 0, 0, 500, 500, 500, 0, 0}},
      {&DrawConsumptionChart, "No Air Data Consumption available", {300, 300, 300, 0, 0, 0, 0, 0}},
  };
  for (const auto& c : cases) {
    std::vector<LineEnd> expected;
    for (int k = 0; k <= 7; ++k) expected.push_back({k + 1.0, c.Values[k], k < 2 ? kRed : kBlue});
    EXPECT_EQ(DataLine(c.Draw, dive), expected);
    EXPECT_EQ(NoDataTexts(c.Draw, DiveRecord{}), std::vector<std::string>{c.NoDataText});
  }
}

// Nine samples, three computed minutes; sample k lies at 10 + k metres. The readout shows the last
// whole minute before the mouse: the first one sample 0, nothing stored yet, the tank at the
// amount used; the end of the dive still its last minute, past it nothing.
TEST(AirReadoutCaption, ShowsTheLastWholeMinuteBeforeTheMouse) {
  DiveRecord dive = DiveWithAirResults(9, {14.16, 19.93, 17.5}, {100.04, 50.0, 0.56});
  for (int k = 0; k < 9; ++k) dive.SampleDepth[static_cast<size_t>(k)] = 10 + k;
  const std::string summary = "Min:14.2 l/min, Max:19.9 l/min";
  EXPECT_EQ(AirReadoutCaption(dive, 0),
            summary + ", Time=00'20\", Depth=10.0 m, Tank=150.0 bar, Breath=0.0 l/min");
  EXPECT_EQ(AirReadoutCaption(dive, 300),
            summary + ", Time=03'00\", Depth=18.0 m, Tank=0.6 bar, Breath=17.5 l/min");
  EXPECT_EQ(AirReadoutCaption(dive, 300.5f), std::nullopt);
  dive.BaseBreathRate = 0;
  EXPECT_EQ(AirReadoutCaption(dive, 0), std::nullopt);
}

}  // namespace
}  // namespace scrb
