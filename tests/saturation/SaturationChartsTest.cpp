#include <gtest/gtest.h>

#include <algorithm>
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

// The half time is shown back from the decay factor, so the slowest tissue must come back whole.
TEST(TissueLegend, OneRowPerTissue) {
  const DecoModel model = test::Model(2);
  RecordingSurface s;
  DrawTissueLegend(model, s);
  const std::vector<RecordedOp> texts = s.Prints();
  const std::vector<RecordedOp> bars = test::ThickLines(s, 4);
  ASSERT_EQ(bars.size(), 15u);
  ASSERT_EQ(texts.size(), 15u);
  EXPECT_EQ(bars[14].Color, model.TissueColor[14]);
  // The yellow, the green and tissue 6's near-white get a dark outline under their bars.
  const std::vector<RecordedOp> outlines = test::ThickLines(s, 6);
  ASSERT_EQ(outlines.size(), 3u);
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(outlines[i].Y1, std::vector<double>({1, 2, 5})[i]);
    EXPECT_EQ(outlines[i].Color, kTissueOutlineColor);
  }
  EXPECT_EQ(texts[14].Text, "Tissue 15, half time: 640 minutes, Critical over-sat coeff: 1.40");

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
