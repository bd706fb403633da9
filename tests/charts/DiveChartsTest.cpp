#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "ChartTestDives.h"
#include "charts/AlarmStrip.h"
#include "charts/ChartFrame.h"
#include "charts/DepthChart.h"
#include "charts/DepthReadout.h"
#include "charts/VerticalSpeedChart.h"

namespace scrb {
namespace {

using test::DiveWithSamples;
using test::RecordedOp;
using test::RecordingSurface;
using test::ThickLines;

// yBottom and yTop as the frame received them: the first vertical grid line spans them.
std::pair<double, double> FrameRange(const RecordingSurface& s) {
  return {s.Lines().front().Y1, s.Lines().front().Y2};
}

TEST(DiveCharts, EmptyDiveOnlyPrintsTheMessageWhereClsLeftThePen) {
  const std::function<void(const DiveRecord&, ChartSurface&)> charts[] = {
      [](const DiveRecord& d, ChartSurface& s) { DrawDepthChart(d, s); },
      [](const DiveRecord& d, ChartSurface& s) { DrawVerticalSpeedChart(d, s); },
      [](const DiveRecord& d, ChartSurface& s) { DrawAlarmStrip(d, s, 1); },
  };
  for (const auto& draw : charts) {
    RecordingSurface s;
    s.Scale(-92, -56, 2031, 2668);  // a previous chart's coordinates
    s.Forget();
    draw(DiveWithSamples({}), s);
    ASSERT_EQ(s.Ops().size(), 2u);
    EXPECT_EQ(s.Ops()[0].Type, RecordedOp::Kind::Cls);
    EXPECT_EQ(s.Ops()[1].Text, "No Dive Data available");
    EXPECT_EQ(std::make_pair(s.Ops()[1].X1, s.Ops()[1].Y1), std::make_pair(0.0, 0.0));
  }
  EXPECT_EQ(DepthChartTitle(DiveWithSamples({})),
            "Dive Number: 12  Depth (meters) versus Time (minutes)");
}

TEST(DrawDepthChart, OneSampleGoesDownAndBackToTheSurfaceOverTheReferenceLines) {
  RecordingSurface s;
  DrawDepthChart(DiveWithSamples({4.0}, {2}), s);
  EXPECT_EQ(FrameRange(s), std::make_pair(401.0, 0.0));
  // The reference lines come before the profile, so the profile is drawn over them; both
  // profile segments take the flags of sample 0.
  std::vector<std::pair<Rgb, double>> drawn;
  for (const RecordedOp& op : s.Lines()) {
    if (op.Color != kGridColor) drawn.emplace_back(op.Color, op.Y2);
  }
  EXPECT_EQ(drawn, (std::vector<std::pair<Rgb, double>>{{kTwentyMetreColor, 2000},
                                                        {kFortyMetreColor, 4000},
                                                        {kAlarmColor, 400},
                                                        {kAlarmColor, 0}}));
  EXPECT_NEAR(s.Lines().back().X2, 200.0 / 3, 1e-9);
  EXPECT_EQ(s.DrawWidth(), 1);
}

TEST(DrawDepthChart, SegmentTakesTheFlagsOfTheSampleAtItsStart) {
  // Flags none, rbt, deco, tx, air, sos + deco, none. The first segment, down from the surface,
  // takes the flags of sample 0; deco or tx alone does not colour.
  RecordingSurface s;
  DrawDepthChart(DiveWithSamples({5, 6, 7, 8, 9, 10, 11}, {0, 2, 1, 32, 16, 9, 0}), s);
  const std::vector<Rgb> expected = {kNormalColor, kNormalColor, kAlarmColor, kNormalColor,
                                     kNormalColor, kAlarmColor,  kAlarmColor, kNormalColor};
  const std::vector<RecordedOp> segments = ThickLines(s);
  ASSERT_EQ(segments.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(segments[i].Color, expected[i]) << i;
}

// Depths are rounded to tenths with halves up; a sample deeper than the logged maximum is drawn
// where it is, and samples the damaged arrays lack read as the surface.
TEST(DrawDepthChart, ProfileDepths) {
  DiveRecord dive = DiveWithSamples({1.25, 79 * 160.0 / 1024, 30});
  dive.MaxDepth = 20;
  dive.SampleCount = 5;
  RecordingSurface s;
  DrawDepthChart(dive, s);
  std::vector<double> ys;
  for (const RecordedOp& op : ThickLines(s)) ys.push_back(std::round(op.Y2 * 1e6) / 1e6);
  EXPECT_EQ(ys, std::vector<double>({130, 1230, 3000, 0, 0, 0}));
}

TEST(DrawDepthChart, UnknownMaxDepthTakesTheDeepestSample) {
  DiveRecord dive = DiveWithSamples({5, 12, 3});
  dive.MaxDepth = 327.67;
  RecordingSurface s;
  DrawDepthChart(dive, s);
  EXPECT_EQ(FrameRange(s).first, 1201);
}

TEST(DrawAlarmStrip, RowsAndLabelsPerView) {
  const std::vector<std::string> labels = {"sos ", "up", "rbt ", "air", "deco", "tx"};
  for (int view : {0, 1}) {
    SCOPED_TRACE(view);
    RecordingSurface s(6975, 615);
    DrawAlarmStrip(DiveWithSamples({3, 4, 5}), s, view);  // xRight = 200
    const size_t rowCount = view == 0 ? 5 : 6;
    EXPECT_EQ(s.ScaleBottom(), 100.0 * rowCount + 101);
    EXPECT_EQ(s.Texts(), std::vector<std::string>(labels.begin(), labels.begin() + rowCount));
    if (view == 0) continue;

    // Labels alternate left and right of the plot; "deco" is placed as if it were "dec".
    const std::vector<RecordedOp> prints = s.Prints();
    for (size_t r = 0; r < prints.size(); ++r) {
      const RecordedOp& label = prints[r];
      const std::string measured = label.Text == "deco" ? "dec" : label.Text;
      EXPECT_DOUBLE_EQ(label.Y1 + s.TextHeight(label.Text) / 2, 100.0 * (r + 1));
      EXPECT_DOUBLE_EQ(label.X1, r % 2 == 0 ? -std::fabs(s.TextWidth(measured))
                                            : 200 - std::fabs(s.TextWidth(label.Text)));
    }
  }
}

TEST(DrawAlarmStrip, MarksEveryFlaggedIntervalInItsRow) {
  // sample 0: sos and deco; sample 1: only bits no row shows; sample 2: tx; sample 3 (the
  // last): up.
  RecordingSurface s(6975, 615);
  DrawAlarmStrip(DiveWithSamples({3, 4, 5, 6}, {8 | 1, 0x40 | 0x80 | 0x100, 32, 4}), s, 1);
  const std::vector<std::pair<double, Rgb>> expected = {
      {100, kAlarmColor}, {500, kEventColor}, {600, kEventColor}, {200, kAlarmColor}};
  const std::vector<RecordedOp> marks = ThickLines(s);
  ASSERT_EQ(marks.size(), expected.size());
  for (size_t i = 0; i < marks.size(); ++i) {
    EXPECT_EQ(std::make_pair(marks[i].Y1, marks[i].Color), expected[i]) << i;
  }
  // Sample k's mark runs from (k + 1) / 3 to (k + 2) / 3 minutes, the last one's too.
  EXPECT_NEAR(marks.back().X1, 400.0 / 3, 1e-9);
  EXPECT_NEAR(marks.back().X2, 500.0 / 3, 1e-9);
}

TEST(DrawVerticalSpeedChart, RangeAndReferenceLines) {
  const struct {
    std::vector<double> Depths;
    double Bottom;
    double Top;
  } cases[] = {
      {{4}, 100, 1300},                   // one sample: no speed at all
      {{0, 4.1, 4.1}, -1200, 1300},       // -12.3 m/min
      {{10, 5.1667, 5.1667}, 100, 1500},  // 14.5 m/min
  };
  for (const auto& c : cases) {
    RecordingSurface s;
    DrawVerticalSpeedChart(DiveWithSamples(c.Depths), s);
    EXPECT_EQ(FrameRange(s), std::make_pair(c.Bottom, c.Top)) << c.Depths.back();
  }
  RecordingSurface s;
  DrawVerticalSpeedChart(DiveWithSamples({4}), s);
  ASSERT_EQ(s.LinesOf(kZeroSpeedColor).size(), 1u);
  EXPECT_EQ(s.LinesOf(kZeroSpeedColor)[0].Y1, 0);
  ASSERT_EQ(s.LinesOf(kAscentLimitColor).size(), 1u);
  EXPECT_EQ(s.LinesOf(kAscentLimitColor)[0].Y1, 1200);
}

// Speeds -9, 6, 0 and 0: the return to the surface after the last sample is not a speed. The
// first riser of an alarm step is black; after an unflagged sample riser and level are blue;
// after flagged sample 2 the riser keeps the previous blue.
TEST(DrawVerticalSpeedChart, StepColoursFollowTheFlagsWithTheRiserKeepingThePreviousColour) {
  RecordingSurface s;
  DrawVerticalSpeedChart(DiveWithSamples({3, 6, 4, 4}, {2, 0, 16, 0}), s);
  const double ys[] = {-900, -900, 600, 600, 0, 0, 0, 0};  // riser and level of each step
  const Rgb colors[] = {kFirstRiserColor, kAlarmColor, kNormalColor, kNormalColor,
                        kNormalColor,     kAlarmColor, kNormalColor, kNormalColor};
  const std::vector<RecordedOp> steps = ThickLines(s);
  ASSERT_EQ(steps.size(), 8u);
  EXPECT_EQ(steps[0].Y1, -900);  // the chart starts level at v(1)
  for (size_t i = 0; i < steps.size(); ++i) {
    EXPECT_NEAR(steps[i].X2, 100.0 * ((i + 3) / 2) / 3, 1e-9) << i;
    EXPECT_NEAR(steps[i].Y2, ys[i], 1e-9) << i;
    EXPECT_EQ(steps[i].Color, colors[i]) << i;
  }
}

TEST(DepthReadout, SampleUnderTheMouse) {
  const DiveRecord dive = DiveWithSamples({1, 2, 3, 4, 5, 6});  // T = 200
  const struct {
    float X;
    std::optional<int32_t> Sample;
  } cases[] = {
      {0, 0},    // rounds to -1, clamped
      {50, 0},   // halfway between samples 0 and 1: to the even one
      {200, 5},  // T: the last sample
      {-0.01f, std::nullopt},
      {200.01f, std::nullopt},
      {std::numeric_limits<float>::quiet_NaN(), std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(DepthReadoutSample(dive, c.X), c.Sample) << c.X;
  EXPECT_EQ(DepthReadoutSample(DiveWithSamples({}), 0), std::nullopt);
}

TEST(DepthReadout, Texts) {
  const DiveRecord dive = DiveWithSamples({3, 12.34});
  EXPECT_EQ(DepthReadoutText(dive, 1), "Time=00'40\" Depth=12.3 m");
  EXPECT_EQ(SpeedReadoutText(dive, 0), std::nullopt);
  EXPECT_EQ(SpeedReadoutText(dive, 1), " Vertical Speed=-28.0 m/min");
}

}  // namespace
}  // namespace scrb
