#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <tuple>
#include <vector>

#include "saturation/Saturation.h"
#include "saturation/SaturationCharts.h"
#include "saturation/SaturationFixtures.h"
#include "saturation/SaturationReadout.h"
#include "saturation/TissueLegend.h"

namespace scrb {
namespace {

using test::DiveWithDepths;
using test::RecordedOp;
using test::RecordingSurface;

DiveRecord Computed(std::vector<double> depths, const DecoModel& model, double surface = 1.0) {
  DiveRecord dive = DiveWithDepths(depths, surface);
  ComputeSaturation(dive, model);
  return dive;
}

// Every model whole: tissue count, decay from the half time (a time constant, no ln 2), stored
// coefficient, colour, and the legend row a diver reads. Model 2 is model 1 and three slow tissues.
TEST(TissueLegend, EveryModelsTablesAndLegendRows) {
  struct Tissue {
    int HalfTime;
    double Stored;
    const char* Shown;
  };
  const std::vector<Tissue> buhlmann = {
      {5, 0.0272, "2.72"},  {10, 0.0238, "2.38"},  {20, 0.0204, "2.04"},  {40, 0.0168, "1.68"},
      {80, 0.0156, "1.56"}, {160, 0.0153, "1.53"}, {320, 0.0146, "1.46"}, {640, 0.014, "1.40"}};
  std::vector<Tissue> navy = {{5, 0.0272, "2.72"},  {7, 0.0254, "2.54"},   {10, 0.0238, "2.38"},
                              {15, 0.022, "2.20"},  {20, 0.0204, "2.04"},  {30, 0.0182, "1.82"},
                              {40, 0.0168, "1.68"}, {50, 0.0161, "1.61"},  {60, 0.0158, "1.58"},
                              {80, 0.0156, "1.56"}, {100, 0.0155, "1.55"}, {120, 0.0154, "1.54"}};
  std::vector<Tissue> quorvan = navy;
  quorvan.insert(quorvan.end(),
                 {{160, 0.0153, "1.53"}, {320, 0.0146, "1.46"}, {640, 0.014, "1.40"}});
  const Rgb colors[15] = {{255, 64, 64},   {255, 255, 64},  {64, 255, 64},   {255, 64, 255},
                          {64, 64, 255},   {240, 240, 240}, {128, 128, 128}, {64, 64, 64},
                          {160, 160, 160}, {96, 96, 96},    {128, 64, 64},   {128, 128, 64},
                          {64, 128, 64},   {128, 64, 128},  {64, 64, 128}};
  const std::pair<const char*, std::vector<Tissue>> models[] = {
      {"B\u00fchlmann ZH-L8 ADT (8 tissues)", buhlmann},
      {"FFESSM MN90 - French Navy (12 tissues)", navy},
      {"Quorvan's special (15 tissues, slow to calculate)", quorvan}};
  for (int m = 0; m < 3; ++m) {
    SCOPED_TRACE(m);
    const auto& [caption, tissues] = models[m];
    const DecoModel model = test::Model(m);
    EXPECT_EQ(DecoModelCaption(m), caption);
    ASSERT_EQ(model.TissueCount, static_cast<int>(tissues.size()));
    ASSERT_EQ(model.TissueDecay.size(), tissues.size() + 1);
    EXPECT_EQ(model.TissueDecay.back(), 0);
    EXPECT_EQ(model.CriticalCoefficient.back(), 0);
    std::vector<Rgb> sixteen(std::begin(colors), std::end(colors));
    sixteen.push_back({});
    EXPECT_EQ(model.TissueColor, sixteen);
    RecordingSurface s;
    DrawTissueLegend(model, s);
    EXPECT_EQ(s.Corners(), std::vector<double>({-50, -1, 1020, double(tissues.size())}));
    const std::vector<RecordedOp> bars = test::ThickLines(s, 4);
    // The yellow, the green and tissue 6's near-white get a dark outline under their bars.
    const std::vector<RecordedOp> outlines = test::ThickLines(s, 6);
    ASSERT_EQ(outlines.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
      EXPECT_EQ(outlines[i].Y1, std::vector<double>({1, 2, 5})[i]);
      EXPECT_EQ(outlines[i].Color, kTissueOutlineColor);
    }
    const std::vector<RecordedOp> rows = s.Prints();
    ASSERT_EQ(bars.size(), tissues.size());
    ASSERT_EQ(rows.size(), tissues.size());
    for (size_t t = 0; t < tissues.size(); ++t) {
      EXPECT_DOUBLE_EQ(model.TissueDecay[t], std::exp((-20.0 / tissues[t].HalfTime) / 60)) << t;
      EXPECT_EQ(model.CriticalCoefficient[t], tissues[t].Stored) << t;
      const RecordedOp& bar = bars[t];
      EXPECT_EQ(std::make_tuple(bar.X1, bar.Y1, bar.X2, bar.Y2, bar.Color, bar.DrawWidth),
                std::make_tuple(0.0, double(t), 200.0, double(t), colors[t], 4));
      EXPECT_EQ(rows[t].Text, "Tissue " + std::to_string(t + 1) +
                                  ", half time: " + std::to_string(tissues[t].HalfTime) +
                                  " minutes, Critical over-sat coeff: " + tissues[t].Shown);
    }
  }
}

TEST(TissueLegend, StandsInForThePressureChartWhileCalculating) {
  const DecoModel model = test::Model(2);
  // While the saturation is calculated the legend stands in for the pressure chart, shown at once.
  RecordingSurface pressure;
  RecordingSurface over;
  DrawSaturationProgress(model, pressure, over);
  EXPECT_EQ(pressure.Prints().size(), 15u);
  EXPECT_EQ(pressure.Ops().back().Type, RecordedOp::Kind::Refresh);
  EXPECT_EQ(over.Texts(), std::vector<std::string>{"  Calculating ..."});
  EXPECT_EQ(over.Ops().back().Type, RecordedOp::Kind::Refresh);
}

// One sample: two steps per tissue, from the starting pressure at time 0, on a time axis that
// runs one minute past the dive.
TEST(SaturationCharts, TissueLinesTimeAxisAndGrid) {
  const DecoModel model = test::Model(0);
  const DiveRecord one = Computed({10}, model);
  EXPECT_EQ(TissuePressureRange(one)->XRight, 133);
  RecordingSurface s;
  DrawTissuePressureChart(one, model, s);
  const std::vector<RecordedOp> lines = test::ThickLines(s, 2);
  ASSERT_EQ(lines.size(), 16u);
  const RecordedOp& last = lines[15];  // tissue 8, back at the surface
  EXPECT_EQ(std::make_pair(lines[14].X1, lines[14].Y1), std::make_pair(0.0, 79.0));
  EXPECT_FLOAT_EQ(static_cast<float>(last.X2), 66.666664f);
  EXPECT_EQ(last.Color, model.TissueColor[7]);

  RecordingSurface deep;  // the grid counts from 0.8 bar, not from 0 down in the margin
  DrawTissuePressureChart(Computed({40, 40}, model), model, deep);
  double lowest = 1e9;
  for (const RecordedOp& op : deep.LinesOf(kGridColor)) {
    if (op.Y1 == op.Y2) lowest = std::min(lowest, op.Y1);
  }
  EXPECT_EQ(lowest, 80);
}

// The outlines of the light tissues lie under every tissue line; 100 % is a thin line under them.
TEST(SaturationCharts, OutlinesAndCriticalLevel) {
  const DecoModel model = test::Model(2);
  const DiveRecord dive = Computed({10, 20, 20, 10}, model);
  RecordingSurface s;
  DrawOverSaturationChart(dive, model, s);
  std::vector<RecordedOp> lines;
  for (const RecordedOp& op : s.Lines()) {
    if (op.Color != kGridColor) lines.push_back(op);
  }
  ASSERT_EQ(lines.size(), 1u + 3 * 5 + 15 * 5);
  EXPECT_EQ(std::make_tuple(lines[0].X1, lines[0].Y1, lines[0].X2, lines[0].Y2, lines[0].DrawWidth),
            std::make_tuple(0.0, 10000.0, 233.0, 10000.0, 1));
  EXPECT_EQ(lines[0].Color, kCriticalLevelColor);
  for (size_t i = 1; i <= 15; ++i) {
    EXPECT_EQ(std::make_pair(lines[i].Color, lines[i].DrawWidth),
              std::make_pair(kTissueOutlineColor, 4));
  }
  EXPECT_EQ(lines[16].Color, model.TissueColor[0]);
  EXPECT_EQ(SaturationModelText(dive, model), "15 tissues, surface pressure 1.000 bar");
}

TEST(SaturationCharts, YRanges) {
  const DiveRecord dive = Computed({20, 20, 20}, test::Model(0), 0.815);
  EXPECT_EQ(TissuePressureRange(dive)->YBottom, 64);
  // Never empty or upside down, though at 0.7975 bar the start rounds up to 63 while the tissues
  // stay at 0.63 bar.
  EXPECT_EQ(TissuePressureRange(Computed({0, 0}, test::Model(0), 0.7975))->YTop, 64);

  // The over-saturation chart keeps 100 % in view.
  DiveRecord over = DiveWithDepths({10});
  over.MaxOverSaturation = 99.999;
  EXPECT_EQ(OverSaturationRange(over)->YTop, 10000);
  over.MaxOverSaturation = 123.456;
  EXPECT_EQ(OverSaturationRange(over)->YTop, 12346);
}

TEST(SaturationCharts, SummaryLine) {
  const DecoModel model = test::Model(0);
  DiveRecord dive = Computed(std::vector<double>(40, 5.0), model);
  dive.MaxOverSaturation = 87.254;
  dive.MaxOverSaturationSample = 37;
  dive.MaxOverSaturationTissue = 2;
  EXPECT_EQ(MaxOverSaturationText(dive, model),
            "Max Oversaturation = 87.25 % at Time=12'40\" on tissue 3");
}

// Charts, summary and readout must never show results of another model or none at all. Pressures
// beyond what the frame's 32-bit products hold leave out that chart and the readout, but the
// percentages stay ordinary and are still shown.
TEST(SaturationCharts, DiveWithoutResults) {
  const DecoModel model = test::Model(0);
  const std::string noSaturation = "No Saturation Data available";
  const struct {
    const char* Name;
    DiveRecord Dive;
    std::string Message;
    bool PercentagesShown;
  } cases[] = {
      {"empty", Computed({}, model), "No Dive Data available", false},
      {"other model", Computed({10, 10}, test::Model(2)), noSaturation, false},
      {"no surface pressure", Computed({10, 10}, model, 0.0), noSaturation, false},
      {"not computed", DiveWithDepths({10, 10}), noSaturation, false},
      {"huge surface pressure", Computed({10, 10}, model, 1e6), noSaturation, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    RecordingSurface pressure;
    RecordingSurface over;
    DrawTissuePressureChart(c.Dive, model, pressure);
    DrawOverSaturationChart(c.Dive, model, over);
    EXPECT_EQ(pressure.Texts(), std::vector<std::string>{c.Message});
    EXPECT_EQ(test::ThickLines(over, 2).size(), c.PercentagesShown ? 8u * 3 : 0u);
    EXPECT_EQ(MaxOverSaturationText(c.Dive, model).empty(), !c.PercentagesShown);
    EXPECT_FALSE(ReadSaturation(c.Dive, model, 10));
  }
}

// Halves go to the even step; the surface step and the chart's last minute are never read.
TEST(SaturationReadout, SampleUnderTheMouseAndLabelTexts) {
  EXPECT_EQ(SaturationReadoutSample(30, 50), 0);
  EXPECT_EQ(SaturationReadoutSample(30, 1000), 29);
  EXPECT_EQ(SaturationReadoutSample(30, 1000.1f), std::nullopt);
  EXPECT_EQ(SaturationReadoutSample(0, 0), std::nullopt);
  const DecoModel model = test::Model(0);
  const std::optional<SaturationReadout> first =
      ReadSaturation(Computed({10, 18.4}, model), model, 10);
  ASSERT_TRUE(first);
  EXPECT_EQ(first->PressureText, "Time=00'20\", Depth=10.0 m, Max=0.84 bar, Min=0.79 bar");
  EXPECT_EQ(first->OverSaturationText, "Max=28% tissue=8, Min=15% tissue=1");
}

}  // namespace
}  // namespace scrb
