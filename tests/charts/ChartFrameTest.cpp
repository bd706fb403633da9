#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "ChartTestDives.h"
#include "charts/ChartFrame.h"

namespace scrb {
namespace {

using test::RecordedOp;
using test::RecordingSurface;

// Positions of the vertical (x) or horizontal (y) grid lines, in drawing order.
std::vector<double> GridAt(const RecordingSurface& s, bool vertical) {
  std::vector<double> at;
  for (const RecordedOp& op : s.Lines()) {
    if (vertical && op.X1 == op.X2) at.push_back(op.X1);
    if (!vertical && op.Y1 == op.Y2) at.push_back(op.Y1);
  }
  return at;
}

std::vector<double> Series(double from, double step, int count, std::vector<double> then = {}) {
  std::vector<double> values;
  for (int i = 0; i < count; ++i) values.push_back(from + i * step);
  values.insert(values.end(), then.begin(), then.end());
  return values;
}

TEST(DrawChartFrame, DepthStyleChartCornersAndLabels) {
  RecordingSurface s;  // 6975 x 4875 twips
  DrawChartFrame(0, 2000, 2500, 0, s, 0);
  // 2000 * 300 / 6575 = 91.3 and 2500 * 300 / 4475 = 167.6 beyond the range, rounded out.
  EXPECT_EQ(s.Corners(), std::vector<double>({-92, -56, 2031, 2668}));
  EXPECT_EQ(GridAt(s, true), Series(0, 100, 21));
  // Down from the surface to 2400, then the upward pass draws only the surface line again.
  EXPECT_EQ(GridAt(s, false), Series(0, 200, 13, {0}));
  // Labels sit centred on their grid line, in the middle of their margin.
  const std::vector<RecordedOp> labels = s.Prints();
  ASSERT_EQ(labels.size(), 21u + 14u);
  const RecordedOp& time = labels[20];
  EXPECT_EQ(time.Text, "20");
  EXPECT_NEAR(time.X1 + s.TextWidth("20") / 2, 2000, 1e-9);
  EXPECT_NEAR(time.Y1 + s.TextHeight("20") / 2, (s.Corners()[3] + 2500) / 2, 1e-9);
}

TEST(DrawChartFrame, TimeLabelsThatWouldOverlapAreLeftOutButTheirLinesStay) {
  // 300 twips per character: "0.5" is wider than the 5 mm between grid lines.
  RecordingSurface s(6975, 4875, 300);
  DrawChartFrame(0, 150, 2500, 0, s, 0);
  std::vector<RecordedOp> time;
  for (const RecordedOp& op : s.Prints()) {
    if (op.Y1 > 2500) time.push_back(op);
  }
  ASSERT_GE(time.size(), 2u);
  EXPECT_LT(time.size(), GridAt(s, true).size());
  for (size_t i = 1; i < time.size(); ++i) {
    EXPECT_GE(time[i].X1, time[i - 1].X1 + s.TextWidth(time[i - 1].Text)) << time[i].Text;
  }
}

// Outside these limits the frame's 32-bit margin products and grid loops would go wrong.
TEST(ChartFrame, SurfacesAndRangesBeyondTheLimitsDrawNothing) {
  const std::pair<double, ChartValue> cases[] = {{400, 2000}, {6975, 0}, {6975, 7158278}};
  for (const auto& [width, xRight] : cases) {
    RecordingSurface s(width, 4875);
    DrawChartFrame(0, xRight, 2500, 0, s, 0);
    EXPECT_TRUE(s.Ops().empty()) << width << " wide, to " << xRight;
  }

  RecordingSurface s;
  const ChartValue high = std::numeric_limits<ChartValue>::max();
  DrawChartFrame(high - 7000000, high, 0, 100, s, 0);  // must neither overflow nor hang
  EXPECT_FALSE(s.Lines().empty());
}

TEST(DrawStripFrame, LeavesOutTheEndsAndDrawsNoLabels) {
  RecordingSurface s(6975, 495);
  DrawStripFrame(0, 2000, 600, 0, s, 12345);
  EXPECT_EQ(s.Corners(), std::vector<double>({-92, 0, 2031, 601}));
  EXPECT_EQ(GridAt(s, true), Series(100, 100, 19));  // not at 0, not within a step of 2000
  EXPECT_TRUE(GridAt(s, false).empty());
  EXPECT_TRUE(s.Prints().empty());
}

}  // namespace
}  // namespace scrb
