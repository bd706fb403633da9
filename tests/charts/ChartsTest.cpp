#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <set>
#include <string>
#include <tuple>

#include "charts/AlarmStrip.h"
#include "charts/ChartFrame.h"
#include "charts/DepthChart.h"
#include "charts/DepthReadout.h"
#include "charts/VerticalSpeedChart.h"
#include "saturation/Saturation.h"
#include "saturation/SaturationCharts.h"
#include "saturation/SaturationFixtures.h"
#include "support/ScopedLocale.h"

namespace scrb {
namespace {

using test::DataLines;
using test::DiveWithSamples;
using test::RecordedOp;
using test::RecordingSurface;

// yBottom and yTop as the frame received them: the first vertical grid line spans them.
std::pair<double, double> FrameRange(const RecordingSurface& s) {
  return {s.Lines().front().Y1, s.Lines().front().Y2};
}

const Rgb kBlue = Palette::Classic().Data;
const Rgb kRed = Palette::Classic().Alarm;

// Each line's end (a depth, a speed or a row) and its colour, to a millionth, in drawing order.
using Heights = std::vector<std::pair<double, Rgb>>;
Heights HeightsOf(const std::vector<RecordedOp>& lines, bool start = false) {
  Heights heights;
  for (const RecordedOp& op : lines)
    heights.emplace_back(std::round((start ? op.Y1 : op.Y2) * 1e6) / 1e6, op.Color);
  return heights;
}

// What the depth chart shows of a dive. The range reaches the logged maximum depth or, where
// that is unknown or the samples go deeper, the deepest sample rounded to tenths with halves up;
// the 20 m and 40 m lines (in the chart's units) only where the range reaches them. A segment is
// red when the sample it starts from carries an alarm (rbt, air, sos; deco or tx alone does not).
// Samples a damaged record claims beyond its arrays read as the surface.
TEST(DrawDepthChart, RangeReferenceLinesAndAlarmColours) {
  const Rgb r = kRed, b = kBlue, twenty = Palette::Classic().TwentyMetre,
            forty = Palette::Classic().FortyMetre;
  // Flags none, rbt, deco, tx, air, sos + deco, none.
  const std::vector<int16_t> flags = {0, 2, 1, 32, 16, 9, 0};
  const std::vector<Rgb> alarms = {b, b, r, b, b, r, r, b};
  const struct {
    std::vector<double> Depths;
    std::vector<int16_t> Flags;
    int32_t Claimed;  // the samples the record says it holds; 0: as many as it has
    double MaxDepth;  // 0: the deepest sample's
    UnitSystem Units;
    double Bottom;
    Heights References;
    std::vector<Rgb> Segments;  // empty: all blue
  } cases[] = {
      {{5, 6, 7, 8, 9, 10, 11}, flags, 0, 0, UnitSystem::Metric, 1101, {}, alarms},
      {{1.25}, {}, 0, 0, UnitSystem::Metric, 131, {}, {}},
      {{1.25, 30}, {}, 4, 327.67, UnitSystem::Metric, 3001, {{2000, twenty}}, {}},
      {{1.25, 30}, {}, 0, 25, UnitSystem::Metric, 3001, {{2000, twenty}}, {}},
      {{1.25, 30}, {}, 0, 45, UnitSystem::Metric, 4501, {{2000, twenty}, {4000, forty}}, {}},
      // 45 m is 147.64 ft.
      {{5, 45}, {}, 0, 0, UnitSystem::Imperial, 14764, {{6561.68, twenty}, {13123.36, forty}}, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.Depths.back() << " m, max " << c.MaxDepth);
    test::SampledDive dive = DiveWithSamples(c.Depths, c.Flags);
    if (c.MaxDepth > 0) dive.MaxDepth = c.MaxDepth;
    if (c.Claimed > 0) dive.SampleCount = c.Claimed;
    RecordingSurface s;
    DrawDepthChart(dive, dive, s, c.Units, Palette::Classic());
    EXPECT_EQ(FrameRange(s), std::make_pair(c.Bottom, 0.0));
    Heights references;
    for (const RecordedOp& op : DataLines(s, 1))
      references.emplace_back(std::round(op.Y1 * 100) / 100, op.Color);
    EXPECT_EQ(references, c.References);
    std::vector<Rgb> segments;
    for (const RecordedOp& op : DataLines(s, 3)) segments.push_back(op.Color);
    const size_t count = static_cast<size_t>(dive.SampleCount) + 1;
    EXPECT_EQ(segments, c.Segments.empty() ? std::vector<Rgb>(count, b) : c.Segments);
  }
}

// The speed and over-saturation charts' reference lines in their units (metric, then feet),
// colours and thin pen. Seven samples: the time axis ends at 333 on each chart.
TEST(DiveCharts, ReferenceLinesAtTheirPlaces) {
  const test::SampledDive dive = DiveWithSamples({5, 15, 25, 35, 45, 30, 11});
  const DecoModel model = test::Model(0);
  const SaturationResult saturated = ComputeSaturation(dive, 1, model);
  const Rgb green{64, 255, 64};
  const Rgb red{255, 64, 64};
  using Line = std::tuple<double, double, double, double, Rgb>;
  const struct {
    std::function<void(ChartSurface&)> Draw;
    std::pair<double, double> Range;
    std::vector<Line> Lines;
  } charts[] = {
      {[&](ChartSurface& s) {
         DrawVerticalSpeedChart(dive, s, UnitSystem::Metric, Palette::Classic());
       },
       {-3000, 5800},
       {{0, 0, 333, 0, green}, {0, 1200, 333, 1200, red}}},  // still, and 12 m/min up
      // In feet the lines keep their speed, and the axis ends on whole feet: the fastest ascent
      // 187.01 ft/min, the fastest descent -98.43 ft/min.
      {[&](ChartSurface& s) {
         DrawVerticalSpeedChart(dive, s, UnitSystem::Imperial, Palette::Classic());
       },
       {-9900, 18800},
       {{0, 0, 333, 0, green}, {0, 3937.008, 333, 3937.008, red}}},
      {[&](ChartSurface& s) {
         DrawOverSaturationChart(dive, saturated, model, s, Palette::Classic());
       },
       {0, 10000},
       {{0, 10000, 333, 10000, red}}},  // 100 % of the critical coefficient
  };
  for (const auto& chart : charts) {
    RecordingSurface s;
    chart.Draw(s);
    std::vector<Line> lines;
    const auto at = [](double v) { return std::round(v * 1e6) / 1e6; };
    for (const RecordedOp& op : DataLines(s, 1))
      lines.emplace_back(at(op.X1), at(op.Y1), at(op.X2), at(op.Y2), op.Color);
    EXPECT_EQ(lines, chart.Lines);
    EXPECT_EQ(FrameRange(s), chart.Range);
  }
}

// Sample 0: sos and deco; sample 1: only bits no row shows; sample 2: rbt and tx; sample 3 (the
// last): up and air. The second view adds the tx row. Each row has its own mark colour.
TEST(DrawAlarmStrip, RowsLabelsAndMarksPerView) {
  const test::SampledDive dive =
      DiveWithSamples({3, 4, 5, 6}, {8 | 1, 0x40 | 0x80 | 0x100, 32 | 2, 4 | 16});
  const std::vector<std::string> labels = {"sos ", "up", "rbt ", "air", "deco", "tx"};
  for (int view : {0, 1}) {
    RecordingSurface s(6975, 615);
    DrawAlarmStrip(dive, s, view, Palette::Classic());
    const size_t rowCount = view == 0 ? 5 : 6;
    EXPECT_EQ(s.Corners()[3], 100.0 * rowCount + 101) << view;
    EXPECT_EQ(s.Texts(), std::vector<std::string>(labels.begin(), labels.begin() + rowCount));
    for (const RecordedOp& label : s.Prints()) {  // in the left margin, centred on the row
      EXPECT_LT(label.X1 + s.TextWidth(label.Text), 0) << label.Text;
      EXPECT_EQ(std::fmod(label.Y1 + s.TextHeight(label.Text) / 2, 100), 0) << label.Text;
    }
    constexpr Rgb kAlarm{255, 64, 64}, kEvent{255, 128, 64};
    Heights expected = {{100, kAlarm}, {500, kEvent}, {300, kAlarm},
                        {600, kEvent}, {200, kAlarm}, {400, kAlarm}};
    if (view == 0) expected.erase(expected.begin() + 3);
    EXPECT_EQ(HeightsOf(DataLines(s, 3), true), expected);
  }
  // Rows as tall as a label: seven and six label heights, one unit more for the rounded corner.
  EXPECT_EQ(AlarmStripMinimumHeight(1, 200), 1402);
  EXPECT_EQ(AlarmStripMinimumHeight(0, 13), 79);
}

// The return to the surface after the last sample is not a speed; the chart starts level at v(1).
// The first riser of an alarm step is black; after an unflagged sample riser and level are blue;
// after a flagged one the riser keeps the previous blue. The range reaches the whole metre per
// minute of the fastest descent and at least 13 m/min up.
TEST(DrawVerticalSpeedChart, StepsTheirColoursAndTheRange) {
  // Speeds -9, 6, 0 and 0 m/min; riser and level of each sample.
  const Rgb black = Palette::Classic().FirstRiser;
  const Heights alarmSteps = {{-900, black}, {-900, kRed}, {600, kBlue}, {600, kBlue},
                              {0, kBlue},    {0, kRed},    {0, kBlue},   {0, kBlue}};
  const std::tuple<test::SampledDive, std::pair<double, double>, Heights> cases[] = {
      {DiveWithSamples({3, 6, 4, 4}, {2, 0, 16, 0}), {-900, 1300}, alarmSteps},
      {DiveWithSamples({4}), {0, 1300}, {{0, kBlue}, {0, kBlue}}},  // no speed: level at zero
      {DiveWithSamples({10, 5.1667}),
       {0, 1500},
       {{1449.99, kBlue}, {1449.99, kBlue}, {0, kBlue}, {0, kBlue}}},  // 14.5 m/min up
  };
  for (const auto& [dive, range, steps] : cases) {
    RecordingSurface s;
    DrawVerticalSpeedChart(dive, s, UnitSystem::Metric, Palette::Classic());
    EXPECT_EQ(HeightsOf(DataLines(s, 3)), steps);
    EXPECT_EQ(HeightsOf(DataLines(s, 3), true).front(), steps.front());
    EXPECT_EQ(FrameRange(s), range);
  }
}

// Halves go to the even sample; outside the samples' times nothing is read.
TEST(DepthReadout, SampleUnderTheMouseAndItsTexts) {
  const test::SampledDive dive =
      DiveWithSamples({3, 12.34, 3, 4, 5, 6});  // the last sample at x = 200
  EXPECT_EQ(DepthReadoutSample(dive, 0), 0);    // rounds to -1, clamped
  EXPECT_EQ(DepthReadoutSample(dive, 50), 0);
  EXPECT_EQ(DepthReadoutSample(dive, 200), 5);
  EXPECT_EQ(DepthReadoutSample(dive, 200.01f), std::nullopt);
  EXPECT_EQ(DepthReadoutText(dive, 1, UnitSystem::Metric), "Time=00'40\" Depth=12.3 m");
  EXPECT_EQ(SpeedReadoutText(dive, 0, UnitSystem::Metric), std::nullopt);
  EXPECT_EQ(SpeedReadoutText(dive, 1, UnitSystem::Metric), " Vertical Speed=-28.0 m/min");
}

TEST(DiveCharts, LabelsAreTheSameUnderACommaDecimalLocale) {
  const test::SampledDive dive = DiveWithSamples({3, 6.5, 12.25, 18, 18, 9, 3});
  const auto labels = [&dive] {
    std::vector<std::string> texts;
    for (const std::function<void(ChartSurface&)>& draw :
         {std::function<void(ChartSurface&)>([&](ChartSurface& s) {
            DrawDepthChart(dive, dive, s, UnitSystem::Metric, Palette::Classic());
          }),
          std::function<void(ChartSurface&)>([&](ChartSurface& s) {
            DrawVerticalSpeedChart(dive, s, UnitSystem::Metric, Palette::Classic());
          })}) {
      RecordingSurface s(40000, 12000);  // wide enough for labels every 0.2 minutes
      draw(s);
      const std::vector<std::string> chart = s.Texts();
      texts.insert(texts.end(), chart.begin(), chart.end());
    }
    return texts;
  };
  const std::vector<std::string> pointDecimal = labels();  // short time steps and speeds: "0.2"
  ASSERT_TRUE(std::ranges::any_of(pointDecimal, [](auto& t) { return t.find('.') != t.npos; }));
  const test::ScopedLocale german(test::kCommaDecimalLocale);
  ASSERT_TRUE(german.CommaDecimal()) << test::kCommaDecimalLocale << " is not installed";
  EXPECT_EQ(labels(), pointDecimal);
}

// Positions of the vertical (x) or horizontal (y) grid lines, in drawing order.
std::vector<double> GridAt(const RecordingSurface& s, bool vertical) {
  std::vector<double> at;
  for (const RecordedOp& op : s.Lines()) {
    if (vertical ? op.X1 == op.X2 : op.Y1 == op.Y2) at.push_back(vertical ? op.X1 : op.Y1);
  }
  return at;
}

std::vector<double> Series(double from, double step, int count) {
  std::vector<double> values;
  for (int i = 0; i < count; ++i) values.push_back(from + i * step);
  return values;
}

// Margins in twips: left 560 for "-00.0" and a 30 twip gap on either side, right 100, top 130
// for half a label and a gap, bottom 360 for half a label, a gap, the time labels and a gap.
// Value labels are centred in the left margin and on their line; time labels centred on their
// line, just under the half of the value label that reaches below the plot.
TEST(DrawChartFrame, DepthStyleChartCornersGridAndLabels) {
  RecordingSurface s;  // 6975 x 4875 twips, characters 100 x 200
  DrawChartFrame(0, 2000, 2500, 0, s, Palette::Classic(), 0);
  // 2000 * 560 / 6315 = 177.4 and 2500 * 130 / 4385 = 74.1 beyond the range, rounded out.
  EXPECT_EQ(s.Corners(), std::vector<double>({-178, -75, 2032, 2706}));
  EXPECT_EQ(GridAt(s, true), Series(0, 100, 21));
  EXPECT_EQ(GridAt(s, false), Series(0, 200, 13));  // down from the surface, each line once
  const std::vector<RecordedOp> labels = s.Prints();
  ASSERT_EQ(labels.size(), 21u + 13u);
  const RecordedOp& time = labels[20];
  const RecordedOp& depth = labels[21 + 12];
  EXPECT_EQ(time.Text + " " + depth.Text, "20 24");
  EXPECT_NEAR(time.X1 + s.TextWidth("20") / 2, 2000, 1e-9);
  EXPECT_NEAR(time.Y1, 2500 + s.TextHeight("20") * (0.5 + 30.0 / 200), 1e-9);
  EXPECT_NEAR(depth.X1 + s.TextWidth("24") / 2, -178 / 2.0, 1e-9);
  EXPECT_NEAR(depth.Y1 + s.TextHeight("24") / 2, 2400, 1e-9);
}

// A range that does not reach zero keeps its margins: the corners are rounded away from the
// range, and grid lines are counted from the origin but only drawn inside the range.
TEST(DrawChartFrame, RangeAboveZeroKeepsItsMarginsAndGridInside) {
  RecordingSurface s;
  DrawChartFrame(0, 133, 95, 102, s, Palette::Classic(),
                 80);  // 0.95 to 1.02 bar, counted from 0.80
  EXPECT_EQ(s.Corners(), std::vector<double>({-12, 103, 136, 94}));
  for (double y : GridAt(s, false)) EXPECT_TRUE(y >= 95 && y <= 102) << y;
  EXPECT_EQ(s.Texts().back(), "1.02");
}

// Time labels go on the multiples of a step from the grid series that leaves a digit's width
// between the widest of them; the grid lines stay. A wide value label widens the left margin.
TEST(DrawChartFrame, LabelStepsAndMarginsFollowTheLabels) {
  const struct {
    ChartValue XRight;
    double CharWidth;
    int Step, Last, GridLines;
  } cases[] = {
      {2000, 100, 1, 20, 21},  // a label on every line
      {4000, 100, 2, 40, 21},  // lines 2 minutes apart
      {1500, 300, 5, 10, 16},  // "10" needs 2.5 minutes; "15" would reach past the right edge
  };
  for (const auto& c : cases) {
    RecordingSurface s(6975, 4875, c.CharWidth);
    DrawChartFrame(0, c.XRight, 2500, 0, s, Palette::Classic(), 0);
    std::vector<std::string> time, expected;
    for (const RecordedOp& op : s.Prints()) {
      if (op.Y1 > 2500) time.push_back(op.Text);
    }
    for (int t = 0; t <= c.Last; t += c.Step) expected.push_back(std::to_string(t));
    EXPECT_EQ(time, expected) << c.XRight;
    EXPECT_EQ(GridAt(s, true).size(), size_t(c.GridLines));
  }
  RecordingSurface wide;
  DrawChartFrame(0, 2000, -3000000, 3000000, wide, Palette::Classic(),
                 0);                   // "-30000" is six characters
  EXPECT_EQ(wide.Corners()[0], -213);  // 2000 * 660 / 6215
}

// The grid's steps over every range, as a sweep of ranges draws them: both axes take the series
// 1, 2, 5, 10, 20, ..., the value axis reaching further on the taller plot; but a time axis
// short enough for labels less than a minute apart ticks at round times, 20 s (33 hundredths of
// a minute) or 30 s (50), and below that steps only between labels a minute apart.
TEST(DrawChartFrame, GridStepsFollowTheSeriesOverEveryRange) {
  std::set<double> timeSteps, valueSteps;
  for (double span = 4; span < 4e6; span *= 1.2) {
    RecordingSurface s;
    DrawChartFrame(0, static_cast<ChartValue>(span), static_cast<ChartValue>(span), 0, s,
                   Palette::Classic(), 0);
    for (const bool vertical : {true, false}) {
      const std::vector<double> at = GridAt(s, vertical);
      if (at.size() >= 2) (vertical ? timeSteps : valueSteps).insert(std::fabs(at[1] - at[0]));
    }
  }
  const auto join = [](const std::set<double>& steps) {
    std::string text;
    for (const double step : steps) text += std::to_string(static_cast<long>(step)) + " ";
    return text;
  };
  const std::string series = "1 2 5 10 20 50 100 200 500 1000 2000 5000 10000 20000 50000 100000 ";
  EXPECT_EQ(join(valueSteps), series + "200000 500000 ");
  EXPECT_EQ(join(timeSteps),
            "20 33 50 100 200 500 1000 2000 5000 10000 20000 50000 100000 200000 ");
}

// Outside these limits the frame's 32-bit margin products and grid loops would go wrong.
TEST(ChartFrame, SurfacesAndRangesBeyondTheLimitsDrawNothing) {
  const std::pair<double, ChartValue> cases[] = {{400, 2000}, {6975, 0}, {6975, 7158278}};
  for (const auto& [width, xRight] : cases) {
    RecordingSurface s(width, 4875);
    DrawChartFrame(0, xRight, 2500, 0, s, Palette::Classic(), 0);
    EXPECT_TRUE(s.Ops().empty()) << width << " wide, to " << xRight;
  }
  RecordingSurface s;
  const ChartValue high = std::numeric_limits<ChartValue>::max();
  DrawChartFrame(high - 7000000, high, 0, 100, s, Palette::Classic(),
                 0);  // must neither overflow nor hang
  EXPECT_FALSE(s.Lines().empty());
}

// A whole dive on a wide chart, whose labels in minutes would stand less than a minute apart
// ("0.5, 1, 1.5"), ticks at the round times a stretch does and labels them m'ss"; the strip
// under it draws the same grid. On a chart of the usual width the minutes stay.
TEST(DrawChartFrame, AWideWholeDiveLabelsInMinutesAndSeconds) {
  const struct {
    double Width;
    const char* First3;
  } cases[] = {{6975, "0 1 2"}, {38400, "00'00\" 00'20\" 00'40\""}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Width);
    RecordingSurface chart(c.Width, 4875);
    DrawChartFrame(0, 1000, 2500, 0, chart, Palette::Classic(), 0);  // ten minutes
    std::string first3;
    int labels = 0;
    for (const RecordedOp& op : chart.Prints()) {
      if (op.Y1 <= 2500) continue;
      if (++labels <= 3) first3 += (labels > 1 ? " " : "") + op.Text;
      EXPECT_EQ(op.Text.find('.'), std::string::npos) << op.Text;
    }
    EXPECT_EQ(first3, c.First3);
    RecordingSurface strip(c.Width, 495);
    DrawStripFrame(0, 1000, 600, 0, strip, Palette::Classic());
    std::vector<double> inner = GridAt(chart, true);
    inner.erase(
        std::remove_if(inner.begin(), inner.end(), [](double x) { return x <= 0 || x >= 1000; }),
        inner.end());
    EXPECT_EQ(GridAt(strip, true), inner);
  }
}

TEST(DrawStripFrame, LeavesOutTheEndsAndDrawsNoLabels) {
  RecordingSurface s(6975, 495);
  DrawStripFrame(0, 2000, 600, 0, s, Palette::Classic());
  EXPECT_EQ(s.Corners(), std::vector<double>({-178, 0, 2032, 601}));  // the chart's margins
  EXPECT_EQ(GridAt(s, true), Series(100, 100, 19));  // not at 0, not within a step of 2000
  EXPECT_TRUE(GridAt(s, false).empty());
  EXPECT_TRUE(s.Prints().empty());
}

}  // namespace
}  // namespace scrb
