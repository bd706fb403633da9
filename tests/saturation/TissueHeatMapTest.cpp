#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "charts/SampleTimeAxis.h"
#include "report/FieldDecoders.h"
#include "report/NumberFormat.h"
#include "saturation/Saturation.h"
#include "saturation/SaturationCharts.h"
#include "saturation/SaturationFixtures.h"
#include "saturation/TissueHeatMap.h"
#include "support/ChartLegibility.h"

namespace scrb {
namespace {

using test::RecordedOp;
using test::RecordingSurface;

struct SaturatedDive : test::SampledDive, SaturationResult {};

SaturatedDive Computed(const std::vector<double>& depths, const DecoModel& model) {
  SaturatedDive dive{test::DiveWithDepths(depths), {}};
  static_cast<SaturationResult&>(dive) = ComputeSaturation(dive, 1.0, model);
  return dive;
}

// Forty minutes at 40 m and straight up: the fast tissues end well past their limit.
std::vector<double> SquareDive() {
  std::vector<double> depths(120, 40.0);
  depths.insert(depths.end(), {30, 20, 10, 5, 0, 0, 0});
  return depths;
}

// CIE L*a*b* of an sRGB colour (D65).
struct Lab {
  double L, A, B;
};
Lab ToLab(Rgb c) {
  const auto linear = [](int v) {
    const double s = v / 255.0;
    return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
  };
  const double r = linear(c.R), g = linear(c.G), b = linear(c.B);
  const double x = (0.4124 * r + 0.3576 * g + 0.1805 * b) / 0.95047;
  const double y = 0.2126 * r + 0.7152 * g + 0.0722 * b;
  const double z = (0.0193 * r + 0.1192 * g + 0.9505 * b) / 1.08883;
  const auto f = [](double t) { return t > 0.008856 ? std::cbrt(t) : 7.787 * t + 16.0 / 116; };
  return {116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))};
}
double DeltaE(Rgb a, Rgb b) {
  const Lab p = ToLab(a), q = ToLab(b);
  return std::hypot(p.L - q.L, p.A - q.A, p.B - q.B);
}

// The colour a drawn map gives the cell of a row's band at time x: the last fill over it.
std::optional<Rgb> FillAt(const RecordingSurface& s, double x, double y) {
  std::optional<Rgb> found;
  for (const RecordedOp& op : s.Fills()) {
    if (std::min(op.X1, op.X2) <= x && x <= std::max(op.X1, op.X2) && std::min(op.Y1, op.Y2) <= y &&
        y <= std::max(op.Y1, op.Y2))
      found = op.Color;
  }
  return found;
}

// Only the fills of the map itself, before the frame hands over to the key in twips.
RecordingSurface MapOnly(const RecordingSurface& drawn) {
  RecordingSurface map(drawn.Width(), drawn.Height());
  int scales = 0;
  for (const RecordedOp& op : drawn.Ops()) {
    if (op.Type == RecordedOp::Kind::Scale && ++scales == 3) break;
    if (op.Type == RecordedOp::Kind::Fill) map.FillRect(op.X1, op.Y1, op.X2, op.Y2, op.Color);
  }
  return map;
}

// What the key draws, in twips: its bar's fills and its labels, between the frame and the chart's
// own coordinates coming back.
RecordingSurface KeyOnly(const RecordingSurface& drawn) {
  RecordingSurface key(drawn.Width(), drawn.Height());
  int scales = 0;
  for (const RecordedOp& op : drawn.Ops()) {
    if (op.Type == RecordedOp::Kind::Scale) ++scales;
    if (scales != 3) continue;
    if (op.Type == RecordedOp::Kind::Fill) key.FillRect(op.X1, op.Y1, op.X2, op.Y2, op.Color);
    if (op.Type == RecordedOp::Kind::Print) {
      key.SetCurrentX(op.X1);
      key.SetCurrentY(op.Y1);
      key.Print(op.Text);
    }
  }
  return key;
}

// The key reads at a glance: "0 %" at its start, "50 %" centred on the middle of the part up to
// the limit, "100 %" on the step of colour at the limit and the top of the scale named as what
// it is, ending under the bar's end or, where "100 %" leaves no room there, reaching beyond it.
TEST(TissueHeatMap, KeyLabelsStandWhereTheyPoint) {
  const DecoModel model = test::Model(0);
  const SaturatedDive dive = Computed(SquareDive(), model);
  for (const double width : {6975.0, 9000.0, 28800.0}) {
    SCOPED_TRACE(width);
    RecordingSurface drawn(width, 4875);
    DrawTissueHeatMap(dive, dive, model, drawn, Palette::Classic());
    const RecordingSurface key = KeyOnly(drawn);
    const std::vector<RecordedOp> fills = key.Fills();
    ASSERT_EQ(fills.size(), 200u);
    const double start = fills.front().X1, limit = fills[99].X2, top = fills.back().X2;
    EXPECT_EQ(fills[99].Color, HeatMapColour(99.5));
    std::map<std::string, std::pair<double, double>> at;  // each label's left and right
    for (const RecordedOp& op : key.Prints()) at[op.Text] = {op.X1, op.X1 + key.TextWidth(op.Text)};
    ASSERT_EQ(at.size(), 4u);
    EXPECT_DOUBLE_EQ(at["0 %"].first, start);
    EXPECT_NEAR((at["50 %"].first + at["50 %"].second) / 2, (start + limit) / 2, 1e-6);
    EXPECT_NEAR((at["100 %"].first + at["100 %"].second) / 2, limit, 1e-6);
    // The top's label reaches the bar's end, right of the limit's.
    const auto [left, right] = at["200 % and more"];
    EXPECT_GE(right, top - 1e-6);
    EXPECT_GT(left, at["100 %"].second);
  }
}

// Under the pointer the map reads the cell it shows: its time, its tissue by row, and the
// over-saturation it is coloured by; the arrow keys' place at a sample's time reads that sample.
TEST(TissueHeatMap, ReadoutOfTheCellUnderThePointer) {
  const DecoModel model = test::Model(1);
  const SaturatedDive dive = Computed(SquareDive(), model);
  const auto cells = TissueHeatMapCells(dive, dive, model);
  const int count = model.TissueCount;
  for (const int t : {0, 3, count - 1}) {
    const double rowMiddle = (count - t - 0.5) * 100;
    EXPECT_EQ(HeatMapTissueAt(model, rowMiddle), t);
    for (const int64_t k : {int64_t{0}, int64_t{40}, int64_t{dive.SampleCount - 1}}) {
      const std::string expected = "Time=" + SampleTimeText(static_cast<int32_t>(k)) +
                                   ", tissue=" + std::to_string(t + 1) + ": " +
                                   FormatPattern(cells[t][k] / 100, "0") + "% of allowed";
      const double middle = (SampleStartTime(k) + SampleTime(k)) / 2;
      EXPECT_EQ(HeatMapReadoutText(dive, dive, model, middle, t), expected);
      EXPECT_EQ(HeatMapReadoutText(dive, dive, model, SampleTime(k), t), expected);
    }
  }
  // Beyond the map's top and bottom the nearest row; nothing outside the dive or the model.
  EXPECT_EQ(HeatMapTissueAt(model, count * 100 + 30), 0);
  EXPECT_EQ(HeatMapTissueAt(model, -30), count - 1);
  EXPECT_FALSE(HeatMapTissueAt(model, std::nan("")));
  EXPECT_FALSE(HeatMapReadoutText(dive, dive, model, -1, 0));
  EXPECT_FALSE(HeatMapReadoutText(dive, dive, model, SampleTime(dive.SampleCount + 2), 0));
  EXPECT_FALSE(HeatMapReadoutText(dive, dive, model, 100, count));
}

// Each cell is the point the over-saturation chart draws at its step, and the map paints it in
// that point's colour over its sample's 20 s, the fastest tissue on top, under every model.
TEST(TissueHeatMap, CellsAreTheOverSaturationChartsPoints) {
  for (int number : {0, 1, 2}) {
    SCOPED_TRACE(number);
    const DecoModel model = test::Model(number);
    const SaturatedDive dive = Computed(SquareDive(), model);
    const auto cells = TissueHeatMapCells(dive, dive, model);
    ASSERT_EQ(cells.size(), static_cast<size_t>(model.TissueCount));

    RecordingSurface chart;
    DrawOverSaturationChart(dive, dive, model, chart, Palette::Classic());
    const std::vector<RecordedOp> lines = test::DataLines(chart, 2);
    const size_t steps = static_cast<size_t>(dive.SampleCount) + 1;
    ASSERT_EQ(lines.size(), cells.size() * steps);
    RecordingSurface drawn;
    DrawTissueHeatMap(dive, dive, model, drawn, Palette::Classic());
    const RecordingSurface map = MapOnly(drawn);
    bool beyond = false;
    for (size_t t = 0; t < cells.size(); ++t) {
      ASSERT_EQ(cells[t].size(), steps);
      // The fastest tissues come first in every model, so tissue t has row t from the top.
      const double rowMiddle = (static_cast<double>(cells.size() - t) - 0.5) * 100;
      for (size_t k = 0; k < steps; ++k) {
        const RecordedOp& line = lines[t * steps + k];
        ASSERT_EQ(line.X2, SampleStartTimeSingle(static_cast<int64_t>(k + 1)));
        ASSERT_EQ(line.Y2, static_cast<float>(cells[t][k])) << t << " " << k;
        const double middle = (SampleStartTime(static_cast<int64_t>(k)) + SampleTime(k)) / 2;
        ASSERT_EQ(FillAt(map, middle, rowMiddle), HeatMapColour(cells[t][k] / 100)) << t << k;
        beyond = beyond || cells[t][k] > 10000;
      }
    }
    EXPECT_TRUE(beyond) << "the dive must reach past the limit";
  }
}

// Lightness rises all the way to 100 %, so the scale reads in grey and to every eye; past it
// no colour comes near one of the scale, and the step at 100 % is a fall in lightness.
TEST(TissueHeatMap, ColourScale) {
  double lightness = -1;
  std::vector<Rgb> upToLimit;
  for (int i = 0; i <= 1000; ++i) {
    const Rgb c = HeatMapColour(i / 10.0);
    const double l = ToLab(c).L;
    // Whole channels may dip a hair, far under what an eye tells apart.
    EXPECT_GE(l, lightness - 0.25) << i / 10.0;
    if (i % 20 == 0 && i > 0) {
      EXPECT_GT(l, ToLab(HeatMapColour((i - 20) / 10.0)).L + 0.5) << i / 10.0;
    }
    lightness = l;
    upToLimit.push_back(c);
  }
  EXPECT_GT(ToLab(HeatMapColour(100)).L - ToLab(HeatMapColour(0)).L, 60);
  double nearest = 1e9;
  for (double p = 100.01; p <= 400; p += 0.5) {
    for (Rgb c : upToLimit) nearest = std::min(nearest, DeltaE(HeatMapColour(p), c));
  }
  EXPECT_GT(nearest, 25);
  EXPECT_GT(ToLab(HeatMapColour(100)).L - ToLab(HeatMapColour(100.01)).L, 30);
  // Past the top and before the start the ends hold; what is no number takes the start.
  EXPECT_EQ(HeatMapColour(1e9), HeatMapColour(kHeatMapTopPercent));
  EXPECT_EQ(HeatMapColour(-5), HeatMapColour(0));
  EXPECT_EQ(HeatMapColour(std::nan("")), HeatMapColour(0));
}

// A 640x480 window leaves the map about 600 by 110 pixels; a full-HD one much more. Labels stay
// on the surface and apart, and the key keeps its four labels.
TEST(TissueHeatMap, LegibleFromSmallToLarge) {
  const struct {
    double Width, Height;
    bool EveryRow;
  } sizes[] = {{9000, 1650, false}, {9000, 3000, false}, {28800, 6000, true}};
  for (int number : {0, 2}) {
    const DecoModel model = test::Model(number);
    const SaturatedDive dive = Computed(SquareDive(), model);
    for (const auto& size : sizes) {
      SCOPED_TRACE(std::to_string(number) + " " + std::to_string(size.Height));
      RecordingSurface s(size.Width, size.Height);
      DrawTissueHeatMap(dive, dive, model, s, Palette::Classic());
      EXPECT_EQ(test::LegibilityFaults(s, 100, 200), std::vector<std::string>{});
      const std::vector<std::string> texts = s.Texts();
      for (const char* key : {"0 %", "50 %", "100 %", "200 % and more"}) {
        EXPECT_EQ(std::count(texts.begin(), texts.end(), key), 1) << key;
      }
      const auto rowLabels = std::count_if(texts.begin(), texts.end(), [](const std::string& t) {
        return !t.empty() && std::all_of(t.begin(), t.end(), ::isdigit) && std::stoi(t) >= 1 &&
               std::stoi(t) <= 15;
      });
      EXPECT_GE(rowLabels, 3);
      if (size.EveryRow) {
        EXPECT_GE(rowLabels, model.TissueCount);
      }
      for (const RecordedOp& op : s.Fills()) {
        EXPECT_TRUE(std::isfinite(op.X1) && std::isfinite(op.Y2));
      }
    }
  }
}

// The time axis is the over-saturation chart's, for the whole dive and for a stretch, and a
// stretch shows exactly its part of every row in the whole dive's colours.
TEST(TissueHeatMap, SharesTheTimeAxisAndTakesAStretch) {
  const DecoModel model = test::Model(0);
  const SaturatedDive dive = Computed(SquareDive(), model);
  for (const TimeStretch& stretch : {TimeStretch::WholeDive(), TimeStretch::Between(1010, 2290)}) {
    RecordingSurface chart;
    RecordingSurface map;
    DrawOverSaturationChart(dive, dive, model, chart, Palette::Classic(), stretch);
    DrawTissueHeatMap(dive, dive, model, map, Palette::Classic(), stretch);
    const auto frame = [](const RecordingSurface& s) {
      for (const RecordedOp& op : s.Ops()) {
        if (op.Type == RecordedOp::Kind::Scale && op.X1 != 0) return std::make_pair(op.X1, op.X2);
      }
      return std::make_pair(0.0, 0.0);
    };
    EXPECT_EQ(frame(map), frame(chart));
    if (stretch.Whole) continue;
    RecordingSurface whole;
    DrawTissueHeatMap(dive, dive, model, whole, Palette::Classic());
    const RecordingSurface cut = MapOnly(map);
    for (const RecordedOp& op : cut.Fills()) {
      EXPECT_GE(std::min(op.X1, op.X2), 1010);
      EXPECT_LE(std::max(op.X1, op.X2), 2290);
    }
    for (double x = 1010.5; x < 2290; x += 7) {
      EXPECT_EQ(FillAt(cut, x, 50), FillAt(MapOnly(whole), x, 50)) << x;
    }
  }
}

// Where the over-saturation chart has nothing to draw, the map says what it says.
TEST(TissueHeatMap, NoDataAsTheOverSaturationChart) {
  const DecoModel model = test::Model(0);
  const SaturatedDive cases[] = {Computed({}, model),
                                 Computed({10, 10}, test::Model(2)),
                                 {test::DiveWithDepths({10, 10}), {}}};
  for (const SaturatedDive& dive : cases) {
    RecordingSurface chart;
    RecordingSurface map;
    DrawOverSaturationChart(dive, dive, model, chart, Palette::Classic());
    DrawTissueHeatMap(dive, dive, model, map, Palette::Classic());
    EXPECT_EQ(map.Texts(), chart.Texts());
    EXPECT_TRUE(map.Fills().empty());
    EXPECT_TRUE(TissueHeatMapCells(dive, dive, model).empty());
  }
}

}  // namespace
}  // namespace scrb
