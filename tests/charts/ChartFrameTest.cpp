#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "charts/ChartFrame.h"
#include "support/RecordingSurface.h"

namespace scrb {
namespace {

using test::RecordedOp;
using test::RecordingSurface;

TEST(GridStep, PicksTheFirstSeriesValueBeyondTheSpacing) {
  const struct {
    double Spacing;
    int32_t Step;
  } cases[] = {
      {0, 1},         {0.7, 1},       {1, 2},         {2, 5},         {4.99, 5},
      {5, 10},        {120, 200},     {1000, 2000},   {1999, 2000},   {2000, 5000},
      {10000, 5000},  {-0.5, -1},     {-1, -2},       {-1.5, -2},     {-2, -5},
      {-158.4, -200}, {-1000, -2000}, {-1999, -2000}, {-2000, -5000}, {-1e9, -5000},
  };
  for (const auto& c : cases) EXPECT_EQ(GridStep(c.Spacing), c.Step) << c.Spacing;
}

TEST(GridStep, NoNumberGivesTheLargestStep) {
  EXPECT_EQ(GridStep(std::numeric_limits<double>::quiet_NaN()), 5000);
}

TEST(OutwardCorner, MovesAwayFromZeroToTheNextWholeNumber) {
  const struct {
    double In;
    float Out;
  } cases[] = {{2.3, 3}, {3.0, 4}, {-2.5, -3}, {-3.0, -4}, {0, 0}, {0.2, 1}, {-0.2, -1}};
  for (const auto& c : cases) EXPECT_EQ(OutwardCorner(c.In), c.Out) << c.In;
}

std::vector<double> HorizontalGridYs(const RecordingSurface& s) {
  std::vector<double> ys;
  for (const RecordedOp& op : s.Lines()) {
    if (op.Y1 == op.Y2) ys.push_back(op.Y1);
  }
  return ys;
}

std::vector<double> VerticalGridXs(const RecordingSurface& s) {
  std::vector<double> xs;
  for (const RecordedOp& op : s.Lines()) {
    if (op.X1 == op.X2) xs.push_back(op.X1);
  }
  return xs;
}

std::vector<double> Series(double from, double step, int count) {
  std::vector<double> values;
  for (int i = 0; i < count; ++i) values.push_back(from + i * step);
  return values;
}

TEST(DrawChartFrame, DepthStyleChartCountsGridLinesDownFromTheSurface) {
  RecordingSurface s;  // 6975 x 4875 twips
  DrawChartFrame(0, 2000, 2500, 0, s, 0);

  // Corners: 2000 * 300 / 6575 = 91.3 and 2500 * 300 / 4475 = 167.6 beyond the range, rounded out.
  EXPECT_EQ(s.ScaleLeft(), -92);
  EXPECT_EQ(s.ScaleRight(), 2031);
  EXPECT_EQ(s.ScaleTop(), -56);
  EXPECT_EQ(s.ScaleBottom(), 2668);

  EXPECT_EQ(VerticalGridXs(s), Series(0, 100, 21));
  std::vector<double> expectedYs = Series(0, 200, 13);  // first pass: down to 2400, not past 2500
  expectedYs.push_back(0);                              // second pass: the surface line only
  EXPECT_EQ(HorizontalGridYs(s), expectedYs);
  for (const RecordedOp& op : s.Lines()) EXPECT_EQ(op.Color, kGridColor);

  const std::vector<std::string> texts = s.Texts();
  ASSERT_EQ(texts.size(), 21u + 14u);
  EXPECT_EQ(texts[0], "0");
  EXPECT_EQ(texts[5], "5");
  EXPECT_EQ(texts[20], "20");
  EXPECT_EQ(texts[21], "0");
  EXPECT_EQ(texts[22], "2");
  EXPECT_EQ(texts[33], "24");
  EXPECT_EQ(texts[34], "0");
}

TEST(DrawChartFrame, UpwardChartDrawsBothWaysFromTheOriginWithinTheRange) {
  RecordingSurface s;
  DrawChartFrame(0, 2000, -1200, 1300, s, 0);
  EXPECT_GT(s.ScaleTop(), s.ScaleBottom());
  std::vector<double> expectedYs = Series(0, -200, 7);
  const std::vector<double> upward = Series(0, 200, 7);
  expectedYs.insert(expectedYs.end(), upward.begin(), upward.end());
  EXPECT_EQ(HorizontalGridYs(s), expectedYs);
  EXPECT_EQ(s.Texts()[21 + 6], "-12");
}

TEST(DrawChartFrame, OriginBelowThePlotAreaIsDrawnOnlyByTheUpwardPass) {
  RecordingSurface s;
  DrawChartFrame(0, 2000, 100, 1300, s, 0);
  EXPECT_EQ(HorizontalGridYs(s), Series(0, 100, 14));
}

TEST(DrawChartFrame, OriginOffZeroLiesOnAGridLine) {
  RecordingSurface s;
  DrawChartFrame(0, 2000, 300, 80, s, 80);
  const std::vector<double> ys = HorizontalGridYs(s);
  ASSERT_FALSE(ys.empty());
  EXPECT_EQ(ys.front(), 80);
}

// Labels sit centred on their grid line and in their margin, whichever way y grows.
TEST(DrawChartFrame, LabelsAreCentredInTheMarginsForEitherDirection) {
  const struct {
    ChartValue Bottom;
    ChartValue Top;
  } ranges[] = {{2500, 0}, {-1200, 1300}};
  for (const auto& r : ranges) {
    RecordingSurface s;
    DrawChartFrame(0, 2000, r.Bottom, r.Top, s, 0);
    const std::vector<RecordedOp> ops = s.Ops();
    for (size_t i = 1; i < ops.size(); ++i) {
      if (ops[i].Type != RecordedOp::Kind::Print) continue;
      const RecordedOp& line = ops[i - 1];
      ASSERT_EQ(line.Type, RecordedOp::Kind::Line);
      const double centreX = ops[i].X1 + s.TextWidth(ops[i].Text) / 2;
      const double centreY = ops[i].Y1 + s.TextHeight(ops[i].Text) / 2;
      if (line.X1 == line.X2) {
        EXPECT_NEAR(centreX, line.X1, 1e-9);
        EXPECT_NEAR(centreY, (s.ScaleBottom() + r.Bottom) / 2.0, 1e-9);
      } else {
        EXPECT_NEAR(centreY, line.Y1, 1e-9);
        EXPECT_NEAR(centreX, (s.ScaleLeft() + 0) / 2.0, 1e-9);
      }
    }
  }
}

TEST(DrawChartFrame, NegativeValuesAndFractionsAreLabelledAsGeneralNumbers) {
  RecordingSurface s(6975, 40000);  // tall: small vertical steps
  DrawChartFrame(0, 2000, -250, 250, s, 0);
  const std::vector<std::string> texts = s.Texts();
  EXPECT_NE(std::find(texts.begin(), texts.end(), "-0.5"), texts.end());
  EXPECT_NE(std::find(texts.begin(), texts.end(), "2.5"), texts.end());
}

TEST(DrawChartFrame, SurfacesAndRangesBelowTheLimitsDrawNothing) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const struct {
    double Width;
    double Height;
    ChartValue XRight;
    ChartValue YBottom;
  } cases[] = {
      {400, 4875, 2000, 2500}, {6975, 400, 2000, 2500},     {0, 0, 2000, 2500},
      {nan, 4875, 2000, 2500}, {6975, -5000, 2000, 2500},   {6975, 4875, 0, 2500},
      {6975, 4875, 2000, 0},   {6975, 4875, 7158278, 2500},
  };
  for (const auto& c : cases) {
    RecordingSurface s(c.Width, c.Height);
    DrawChartFrame(0, c.XRight, c.YBottom, 0, s, 0);
    EXPECT_TRUE(s.Ops().empty()) << c.Width << " x " << c.Height;
  }
}

TEST(DrawChartFrame, ExtremeValuesNeitherOverflowNorHang) {
  RecordingSurface s;
  const ChartValue high = std::numeric_limits<ChartValue>::max();
  DrawChartFrame(high - 7000000, high, 0, 100, s, 0);
  EXPECT_FALSE(s.Lines().empty());
  for (const RecordedOp& op : s.Lines()) EXPECT_LE(op.X1, high);
}

TEST(DrawStripFrame, LeavesOutTheEndsAndDrawsNoLabels) {
  RecordingSurface s(6975, 495);
  DrawStripFrame(0, 2000, 600, 0, s, 12345);
  EXPECT_EQ(s.ScaleLeft(), -92);
  EXPECT_EQ(s.ScaleRight(), 2031);
  EXPECT_EQ(s.ScaleTop(), 0);
  EXPECT_EQ(s.ScaleBottom(), 601);
  EXPECT_EQ(VerticalGridXs(s), Series(100, 100, 19));  // not at 0, not within a step of 2000
  EXPECT_TRUE(HorizontalGridYs(s).empty());
  EXPECT_TRUE(s.Prints().empty());
  for (const RecordedOp& op : s.Lines()) {
    EXPECT_EQ(op.Y1, 600);
    EXPECT_EQ(op.Y2, 0);
  }
}

TEST(DrawStripFrame, RangeShorterThanTwoStepsHasNoGridLine) {
  RecordingSurface s(600, 495);
  DrawStripFrame(0, 1000, 600, 0, s, 0);
  EXPECT_EQ(s.OpsOf(RecordedOp::Kind::Scale).size(), 1u);
  EXPECT_TRUE(s.Lines().empty());
}

TEST(DrawStripFrame, NeedsWidthAndSomeHeight) {
  for (const auto& [w, h] : std::vector<std::pair<double, double>>{{400, 495}, {6975, 0}}) {
    RecordingSurface s(w, h);
    DrawStripFrame(0, 2000, 600, 0, s, 0);
    EXPECT_TRUE(s.Ops().empty());
  }
}

}  // namespace
}  // namespace scrb

namespace scrb {
namespace {

TEST(DrawChartFrame, TimeLabelsThatWouldOverlapAreLeftOutButTheirLinesStay) {
  // 300 twips per character: "0.5" is wider than the 5 mm between grid lines.
  test::RecordingSurface s(6975, 4875, 300);
  DrawChartFrame(0, 150, 2500, 0, s, 0);
  std::vector<double> gridXs;
  std::vector<std::string> timeLabels;
  for (const test::RecordedOp& op : s.Ops()) {
    if (op.Type == test::RecordedOp::Kind::Line && op.X1 == op.X2) gridXs.push_back(op.X1);
    if (op.Type == test::RecordedOp::Kind::Print && op.Text.size() > 0 && op.Y1 > 2500) {
      timeLabels.push_back(op.Text);
    }
  }
  ASSERT_GT(gridXs.size(), 3u);
  ASSERT_GE(timeLabels.size(), 2u);
  EXPECT_LT(timeLabels.size(), gridXs.size());
  EXPECT_EQ(timeLabels.front(), "0");
  const std::vector<test::RecordedOp> prints = s.Prints();
  for (size_t i = 1; i < prints.size(); ++i) {
    const test::RecordedOp& a = prints[i - 1];
    const test::RecordedOp& b = prints[i];
    if (a.Y1 != b.Y1 || a.Y1 <= 2500) continue;  // neighbouring time labels only
    EXPECT_GE(b.X1, a.X1 + s.TextWidth(a.Text)) << a.Text << " / " << b.Text;
  }
}

}  // namespace
}  // namespace scrb
