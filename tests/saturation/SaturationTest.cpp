#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "saturation/Saturation.h"
#include "saturation/SaturationCharts.h"
#include "saturation/SaturationFixtures.h"
#include "saturation/SaturationReadout.h"
#include "saturation/SurfacePressureEntry.h"
#include "saturation/TissueLegend.h"

namespace scrb {
namespace {

using test::DiveWithDepths;
using test::RecordedOp;
using test::RecordingSurface;

// A record, its decoded profile and its saturation in one value.
struct SaturatedDive : test::SampledDive, SaturationResult {};

SaturatedDive Computed(std::vector<double> depths, const DecoModel& model, double surface = 1.0) {
  SaturatedDive dive{DiveWithDepths(depths, surface), {}};
  static_cast<SaturationResult&>(dive) = ComputeSaturation(dive, surface, model);
  return dive;
}

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
  const SaturatedDive dive = Computed({10}, test::Model(0));
  EXPECT_NEAR(dive.TissuePressure[0][1], 0.840949, 1e-6);
  EXPECT_NEAR(dive.TissuePressure[0][2], 0.837664, 1e-6);
  EXPECT_NEAR(dive.MaxTissuePressure, 0.840949, 1e-6);
  EXPECT_GT(dive.MaxOverSaturation, 0.79 / 0.014);
  EXPECT_EQ(std::make_pair(dive.MaxOverSaturationSample, dive.MaxOverSaturationTissue),
            std::make_pair(1, 7));
}

// Every ratio divides by the ambient pressure: without a positive one there must be no NaNs. A
// dive without samples shows no "Calculating" flash.
TEST(Saturation, NothingToComputeLeavesNoResults) {
  const SaturatedDive dive = Computed({0, 10, 0}, test::Model(0), std::nan(""));
  EXPECT_TRUE(dive.TissuePressure.empty());
  EXPECT_EQ(dive.MaxOverSaturation, 0);
  int calls = 0;
  ComputeSaturation(DiveWithDepths({}), 1.0, test::Model(0), [&calls] { ++calls; });
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

// Every model whole: tissue count, decay from the half time (a time constant, no ln 2), stored
// coefficient, and the legend row a diver reads, each in its tissue's colour. A half time has one
// coefficient in every model; model 2 is model 1 and three slow tissues.
TEST(TissueLegend, EveryModelsTablesAndLegendRows) {
  const std::map<int, int> hundredths = {
      {5, 272},  {7, 254},  {10, 238},  {15, 220},  {20, 204},  {30, 182},  {40, 168}, {50, 161},
      {60, 158}, {80, 156}, {100, 155}, {120, 154}, {160, 153}, {320, 146}, {640, 140}};
  const std::vector<int> navy = {5, 7, 10, 15, 20, 30, 40, 50, 60, 80, 100, 120};
  std::vector<int> quorvan = navy;
  quorvan.insert(quorvan.end(), {160, 320, 640});
  const std::pair<const char*, std::vector<int>> models[] = {
      {"B\u00fchlmann ZH-L8 ADT (8 tissues)", {5, 10, 20, 40, 80, 160, 320, 640}},
      {"FFESSM MN90 - French Navy (12 tissues)", navy},
      {"Quorvan's special (15 tissues, slow to calculate)", quorvan}};
  for (int m = 0; m < 3; ++m) {
    SCOPED_TRACE(m);
    const auto& [caption, halfTimes] = models[m];
    const size_t count = halfTimes.size();
    const DecoModel model = test::Model(m);
    EXPECT_EQ(DecoModelCaption(m), caption);
    ASSERT_EQ(model.TissueCount, static_cast<int>(count));
    // Every reader of the tables expects a spare slot holding 0 after the last tissue.
    ASSERT_EQ(model.TissueDecay.size(), count + 1);
    EXPECT_EQ(model.TissueDecay.back(), 0);
    EXPECT_EQ(model.CriticalCoefficient.back(), 0);
    RecordingSurface s;
    DrawTissueLegend(model, s, Palette::Classic());
    EXPECT_EQ(s.Corners(), std::vector<double>({-50, -1, 1020, double(count)}));
    // The yellow, the green and tissue 6's near-white get a dark outline under their bars.
    std::vector<std::pair<double, Rgb>> outlines;
    for (const RecordedOp& op : test::DataLines(s, 6)) outlines.emplace_back(op.Y1, op.Color);
    const Rgb dark = Palette::Classic().TissueOutline.value();
    EXPECT_EQ(outlines, (std::vector<std::pair<double, Rgb>>{{1, dark}, {2, dark}, {5, dark}}));
    const std::vector<RecordedOp> bars = test::DataLines(s, 4);
    const std::vector<RecordedOp> rows = s.Prints();
    ASSERT_EQ(bars.size(), count);
    ASSERT_EQ(rows.size(), count);
    for (size_t t = 0; t < count; ++t) {
      const int h = hundredths.at(halfTimes[t]);
      EXPECT_DOUBLE_EQ(model.TissueDecay[t], std::exp((-20.0 / halfTimes[t]) / 60)) << t;
      EXPECT_DOUBLE_EQ(model.CriticalCoefficient[t], h / 10000.0) << t;
      EXPECT_EQ(std::make_tuple(bars[t].X1, bars[t].Y1, bars[t].X2, bars[t].Y2, bars[t].Color),
                std::make_tuple(0.0, double(t), 200.0, double(t),
                                Palette::Classic().Tissue(static_cast<int>(t))));
      EXPECT_EQ(rows[t].Text, "Tissue " + std::to_string(t + 1) +
                                  ", half time: " + std::to_string(halfTimes[t]) +
                                  " minutes, Critical over-sat coeff: " + std::to_string(h / 100) +
                                  "." + std::to_string(h % 100 / 10) + std::to_string(h % 10));
    }
  }
}

// While the saturation is calculated the legend stands in for the pressure chart, shown at once.
TEST(TissueLegend, StandsInForThePressureChartWhileCalculating) {
  RecordingSurface pressure;
  RecordingSurface over;
  DrawSaturationProgress(test::Model(2), pressure, over, Palette::Classic());
  EXPECT_EQ(pressure.Prints().size(), 15u);
  EXPECT_EQ(pressure.Ops().back().Type, RecordedOp::Kind::Refresh);
  EXPECT_EQ(over.Texts(), std::vector<std::string>{"  Calculating ..."});
  EXPECT_EQ(over.Ops().back().Type, RecordedOp::Kind::Refresh);
}

// One sample: two steps per tissue, from the starting pressure at time 0, on a time axis that
// runs one minute past the dive.
TEST(SaturationCharts, TissueLinesTimeAxisAndGrid) {
  const DecoModel model = test::Model(0);
  const SaturatedDive one = Computed({10}, model);
  EXPECT_EQ(TissuePressureRange(one, one, UnitSystem::Metric)->XRight, 133);
  RecordingSurface s;
  DrawTissuePressureChart(one, one, model, s, UnitSystem::Metric, Palette::Classic());
  const std::vector<RecordedOp> lines = test::DataLines(s, 2);
  ASSERT_EQ(lines.size(), 16u);
  const RecordedOp& last = lines[15];  // tissue 8, back at the surface
  EXPECT_EQ(std::make_pair(lines[14].X1, lines[14].Y1), std::make_pair(0.0, 79.0));
  EXPECT_FLOAT_EQ(static_cast<float>(last.X2), 66.666664f);
  EXPECT_EQ(last.Color, model.TissueColor[7]);
  RecordingSurface deep;  // the grid counts from 0.8 bar, not from 0 down in the margin
  const SaturatedDive deepDive = Computed({40, 40}, model);
  DrawTissuePressureChart(deepDive, deepDive, model, deep, UnitSystem::Metric, Palette::Classic());
  double lowest = 1e9;
  for (const RecordedOp& op : deep.LinesOf(Palette::Classic().Grid)) {
    if (op.Y1 == op.Y2) lowest = std::min(lowest, op.Y1);
  }
  EXPECT_EQ(lowest, 80);
}

// The 100 % line lies under the outlines of the light tissues, and they under every tissue line.
TEST(SaturationCharts, CriticalLevelAndOutlinesUnderTheTissueLines) {
  const DecoModel model = test::Model(2);
  RecordingSurface s;
  const SaturatedDive dive = Computed({10, 20, 20, 10}, model);
  DrawOverSaturationChart(dive, dive, model, s, Palette::Classic());
  const std::vector<RecordedOp> lines = test::DataLines(s);
  ASSERT_EQ(lines.size(), 1u + 3 * 5 + 15 * 5);
  EXPECT_EQ(lines[0].Color, Palette::Classic().CriticalLevel);
  for (size_t i = 1; i <= 15; ++i) {
    EXPECT_EQ(std::make_pair(lines[i].Color, lines[i].DrawWidth),
              std::make_pair(Palette::Classic().TissueOutline.value(), 4));
  }
  EXPECT_EQ(lines[16].Color, model.TissueColor[0]);
}

TEST(SaturationCharts, YRanges) {
  const SaturatedDive dive = Computed({20, 20, 20}, test::Model(0), 0.815);
  EXPECT_EQ(TissuePressureRange(dive, dive, UnitSystem::Metric)->YBottom, 64);
  // Never empty or upside down, though at 0.7975 bar the start rounds up to 63 while the tissues
  // stay at 0.63 bar.
  const SaturatedDive shallow = Computed({0, 0}, test::Model(0), 0.7975);
  EXPECT_EQ(TissuePressureRange(shallow, shallow, UnitSystem::Metric)->YTop, 64);
  // The over-saturation chart keeps 100 % in view.
  SaturatedDive over{DiveWithDepths({10}), {}};
  over.MaxOverSaturation = 99.999;
  EXPECT_EQ(OverSaturationRange(over, over)->YTop, 10000);
  over.MaxOverSaturation = 123.456;
  EXPECT_EQ(OverSaturationRange(over, over)->YTop, 12346);
}

// Charts, summary and readout must never show results of another model or none at all. Pressures
// beyond what the frame's 32-bit products hold leave out that chart and the readout, but the
// percentages stay ordinary and are still shown.
TEST(SaturationCharts, DiveWithoutResults) {
  const DecoModel model = test::Model(0);
  const std::string noSaturation = "No Saturation Data available";
  const struct {
    const char* Name;
    SaturatedDive Dive;
    std::string Message;
    bool PercentagesShown;
  } cases[] = {
      {"empty", Computed({}, model), "No Dive Data available", false},
      {"other model", Computed({10, 10}, test::Model(2)), noSaturation, false},
      {"no surface pressure", Computed({10, 10}, model, 0.0), noSaturation, false},
      {"not computed", {DiveWithDepths({10, 10}), {}}, noSaturation, false},
      {"huge surface pressure", Computed({10, 10}, model, 1e6), noSaturation, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    RecordingSurface pressure;
    RecordingSurface over;
    DrawTissuePressureChart(c.Dive, c.Dive, model, pressure, UnitSystem::Metric,
                            Palette::Classic());
    DrawOverSaturationChart(c.Dive, c.Dive, model, over, Palette::Classic());
    EXPECT_EQ(pressure.Texts(), std::vector<std::string>{c.Message});
    EXPECT_EQ(test::DataLines(over, 2).size(), c.PercentagesShown ? 8u * 3 : 0u);
    EXPECT_EQ(MaxOverSaturationText(c.Dive, c.Dive, model).empty(), !c.PercentagesShown);
    EXPECT_FALSE(ReadSaturation(c.Dive, c.Dive, model, 10, UnitSystem::Metric));
  }
}

// Halves go to the even step; the surface step and the chart's last minute are never read.
TEST(SaturationReadout, SampleUnderTheMouseAndTheTexts) {
  EXPECT_EQ(SaturationReadoutSample(30, 50), 0);
  EXPECT_EQ(SaturationReadoutSample(30, 1000), 29);
  EXPECT_EQ(SaturationReadoutSample(30, 1000.1f), std::nullopt);
  EXPECT_EQ(SaturationReadoutSample(0, 0), std::nullopt);
  const DecoModel model = test::Model(0);
  const SaturatedDive brief = Computed({10, 18.4}, model);
  const std::optional<SaturationReadout> first =
      ReadSaturation(brief, brief, model, 10, UnitSystem::Metric);
  ASSERT_TRUE(first);
  EXPECT_EQ(first->PressureText, "Time=00'20\", Depth=10.0 m, Max=0.84 bar, Min=0.79 bar");
  EXPECT_EQ(first->OverSaturationText, "Max=28% tissue=8, Min=15% tissue=1");
  SaturatedDive dive = Computed(std::vector<double>(40, 5.0), model);
  dive.MaxOverSaturation = 87.254;
  dive.MaxOverSaturationSample = 37;
  dive.MaxOverSaturationTissue = 2;
  EXPECT_EQ(MaxOverSaturationText(dive, dive, model),
            "Max Oversaturation = 87.25 % at Time=12'40\" on tissue 3");
  EXPECT_EQ(SaturationModelText(Computed({10}, test::Model(2)), test::Model(2), UnitSystem::Metric),
            "15 tissues, surface pressure 1.000 bar");
}

}  // namespace
}  // namespace scrb
