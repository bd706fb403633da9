#include <gtest/gtest.h>

#include <limits>
#include <string>
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
  DrawChartFrame(0, 2000, 2500, 0, s, 0);
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
  DrawChartFrame(0, 133, 95, 102, s, 80);  // 0.95 to 1.02 bar, counted from 0.80
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
    DrawChartFrame(0, c.XRight, 2500, 0, s, 0);
    std::vector<std::string> time, expected;
    for (const RecordedOp& op : s.Prints()) {
      if (op.Y1 > 2500) time.push_back(op.Text);
    }
    for (int t = 0; t <= c.Last; t += c.Step) expected.push_back(std::to_string(t));
    EXPECT_EQ(time, expected) << c.XRight;
    EXPECT_EQ(GridAt(s, true).size(), size_t(c.GridLines));
  }
  RecordingSurface wide;
  DrawChartFrame(0, 2000, -3000000, 3000000, wide, 0);  // "-30000" is six characters
  EXPECT_EQ(wide.Corners()[0], -213);                   // 2000 * 660 / 6215
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
  DrawStripFrame(0, 2000, 600, 0, s);
  EXPECT_EQ(s.Corners(), std::vector<double>({-178, 0, 2032, 601}));  // the chart's margins
  EXPECT_EQ(GridAt(s, true), Series(100, 100, 19));  // not at 0, not within a step of 2000
  EXPECT_TRUE(GridAt(s, false).empty());
  EXPECT_TRUE(s.Prints().empty());
}

}  // namespace
}  // namespace scrb
