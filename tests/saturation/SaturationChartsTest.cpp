#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "saturation/Saturation.h"
#include "saturation/SaturationCharts.h"
#include "saturation/SaturationFixtures.h"

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

// The tissue lines, drawn with the thick pen.
std::vector<RecordedOp> DataLines(const RecordingSurface& surface) {
  std::vector<RecordedOp> lines;
  for (const RecordedOp& op : surface.Lines()) {
    if (op.DrawWidth == 2) lines.push_back(op);
  }
  return lines;
}

TEST(SaturationCharts, TimeAxisIsTheDivePlusOneMinute) {
  const DecoModel model = test::Model(0);
  const DiveRecord thirty = Computed(std::vector<double>(30, 12.0), model);
  EXPECT_EQ(TissuePressureRange(thirty)->XRight, 1100);
  EXPECT_EQ(OverSaturationRange(thirty)->XRight, 1100);
  RecordingSurface surface;
  DrawTissuePressureChart(thirty, model, surface);
  const std::vector<RecordedOp> lines = DataLines(surface);
  ASSERT_EQ(lines.size(), 8u * 31);
  EXPECT_FLOAT_EQ(static_cast<float>(lines[30].X2), 1033.3334f);  // step 31 of tissue 1
  EXPECT_EQ(lines[30].Y2, static_cast<float>(thirty.TissuePressure[0][31] * 100));
  EXPECT_EQ(surface.DrawWidth(), 1);

  const DiveRecord one = Computed({10}, model);
  EXPECT_EQ(TissuePressureRange(one)->XRight, 133);
  RecordingSurface small;
  DrawTissuePressureChart(one, model, small);
  const std::vector<RecordedOp> two = DataLines(small);
  ASSERT_EQ(two.size(), 16u);
  for (int t = 0; t < 8; ++t) {
    EXPECT_EQ(two[2 * t].X1, 0);
    EXPECT_EQ(two[2 * t].Y1, static_cast<float>(0.79 * 100));
    EXPECT_FLOAT_EQ(static_cast<float>(two[2 * t].X2), 33.333332f);
    EXPECT_FLOAT_EQ(static_cast<float>(two[2 * t + 1].X2), 66.666664f);
    EXPECT_EQ(two[2 * t].Color, model.TissueColor[t]);
  }
}

TEST(SaturationCharts, PressureAxisStartsAtTheTissuesStartingPressure) {
  const struct {
    double Pressure;
    int Bottom;
  } cases[] = {{1.0, 79}, {0.815, 64}, {0.725, 57}, {0.61, 48}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Pressure);
    const DiveRecord dive = Computed({20, 20, 20}, test::Model(0), c.Pressure);
    const SaturationChartRange range = *TissuePressureRange(dive);
    EXPECT_EQ(range.YBottom, c.Bottom);
    EXPECT_EQ(range.YTop, static_cast<int>(dive.MaxTissuePressure * 100 + 1));
  }
  // The pressure grid is counted from 0.8 bar, so no line lies below it in the margin.
  RecordingSurface surface;
  DrawTissuePressureChart(Computed({40, 40}, test::Model(0)), test::Model(0), surface);
  double lowest = 1e9;
  for (const RecordedOp& op : surface.LinesOf(kGridColor)) {
    if (op.Y1 == op.Y2) lowest = std::min(lowest, op.Y1);
  }
  EXPECT_EQ(lowest, 80);
}

TEST(SaturationCharts, PressureRangeIsNeverEmptyOrUpsideDown) {
  // No model: nothing rises above the start, and yTop would fall below yBottom.
  const DiveRecord noTissue = Computed({10}, DecoModel{});
  EXPECT_EQ(TissuePressureRange(noTissue)->YBottom, 79);
  EXPECT_EQ(TissuePressureRange(noTissue)->YTop, 80);
  // 0.7975 bar: the start rounds up to 63 while the tissues stay at 0.63 bar.
  const SaturationChartRange flat = *TissuePressureRange(Computed({0, 0}, test::Model(0), 0.7975));
  EXPECT_EQ(flat.YBottom, 63);
  EXPECT_EQ(flat.YTop, 64);
}

TEST(SaturationCharts, OverSaturationKeepsOneHundredPercentInView) {
  DiveRecord dive = DiveWithDepths({10});
  dive.SaturationComputed = true;
  for (const auto& [max, top] : std::vector<std::pair<double, int>>{
           {45.2, 10000}, {99.999, 10000}, {100.0, 10001}, {123.456, 12346}}) {
    dive.MaxOverSaturation = max;
    EXPECT_EQ(OverSaturationRange(dive)->YTop, top) << max;
    EXPECT_EQ(OverSaturationRange(dive)->YBottom, 0);
  }
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

TEST(SaturationCharts, DiveWithoutResults) {
  const DecoModel model = test::Model(0);
  const struct {
    const char* Name;
    DiveRecord Dive;
    const char* Message;
  } cases[] = {
      {"empty", Computed({}, model), "No Dive Data available"},
      {"other model", Computed({10, 10}, test::Model(2)), "No Saturation Data available"},
      {"no surface pressure", Computed({10, 10}, model, 0.0), "No Saturation Data available"},
      {"not computed", DiveWithDepths({10, 10}), "No Saturation Data available"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    RecordingSurface pressure;
    RecordingSurface over;
    DrawTissuePressureChart(c.Dive, model, pressure);
    DrawOverSaturationChart(c.Dive, model, over);
    for (const RecordingSurface* surface : {&pressure, &over}) {
      ASSERT_EQ(surface->Ops().size(), 2u);
      EXPECT_EQ(surface->Ops()[0].Type, RecordedOp::Kind::Cls);
      EXPECT_EQ(surface->Ops()[1].Text, c.Message);
      EXPECT_EQ(surface->Ops()[1].X1, 0);
      EXPECT_EQ(surface->Ops()[1].Y1, 0);
    }
    EXPECT_EQ(MaxOverSaturationText(c.Dive, model), "");
  }
}

// Pressures whose chart values would overflow the frame's 32-bit products.
TEST(SaturationCharts, PressuresBeyondWhatTheFrameCanHold) {
  const DecoModel model = test::Model(0);
  const DiveRecord dive = Computed({10, 10}, model, 1e6);
  EXPECT_FALSE(TissuePressureRange(dive));
  RecordingSurface pressure;
  DrawTissuePressureChart(dive, model, pressure);
  ASSERT_EQ(pressure.Prints().size(), 1u);
  EXPECT_EQ(pressure.Prints()[0].Text, "No Saturation Data available");
  // The percentages stay ordinary and are still shown.
  RecordingSurface over;
  DrawOverSaturationChart(dive, model, over);
  EXPECT_EQ(DataLines(over).size(), 8u * 3);
  EXPECT_NE(MaxOverSaturationText(dive, model), "");
}

TEST(SaturationCharts, ProgressShowsTheLegendAndANote) {
  RecordingSurface pressure;
  RecordingSurface over;
  DrawSaturationProgress(test::Model(2), pressure, over);
  EXPECT_EQ(pressure.Prints().size(), 15u);
  EXPECT_EQ(pressure.Ops().back().Type, RecordedOp::Kind::Refresh);
  ASSERT_EQ(over.Ops().size(), 3u);
  EXPECT_EQ(over.Ops()[0].Type, RecordedOp::Kind::Cls);
  EXPECT_EQ(over.Ops()[1].Text, "  Calculating ...");
  EXPECT_EQ(over.Ops()[2].Type, RecordedOp::Kind::Refresh);
}

}  // namespace
}  // namespace scrb
