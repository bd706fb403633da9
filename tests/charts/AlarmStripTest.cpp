#include <gtest/gtest.h>

#include <cmath>

#include "ChartTestDives.h"
#include "charts/AlarmStrip.h"
#include "charts/ChartFrame.h"

namespace scrb {
namespace {

using test::DiveWithSamples;
using test::RecordedOp;
using test::RecordingSurface;

TEST(DrawAlarmStrip, RowsAndLabelsPerView) {
  const struct {
    int View;
    double Bottom;
    std::vector<std::string> Labels;
  } cases[] = {
      {0, 601, {"sos ", "up", "rbt ", "air", "deco"}},
      {1, 701, {"sos ", "up", "rbt ", "air", "deco", "tx"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.View);
    RecordingSurface s(6975, 615);
    DrawAlarmStrip(DiveWithSamples({3, 4, 5}), s, c.View);  // xRight = 200
    EXPECT_EQ(s.ScaleTop(), 0);
    EXPECT_EQ(s.ScaleBottom(), c.Bottom);
    EXPECT_EQ(s.Texts(), c.Labels);

    std::vector<RecordedOp> rows;
    for (const RecordedOp& op : s.Lines()) {
      if (op.Y1 == op.Y2) rows.push_back(op);
    }
    ASSERT_EQ(rows.size(), c.Labels.size());
    const std::vector<RecordedOp> labels = s.Prints();
    for (size_t r = 0; r < rows.size(); ++r) {
      EXPECT_EQ(rows[r].Y1, 100.0 * (r + 1));
      EXPECT_EQ(rows[r].Color, kGridColor);
      EXPECT_DOUBLE_EQ(rows[r].X1, std::fabs(s.TextWidth("c0")));
      EXPECT_DOUBLE_EQ(rows[r].X2, 200 - std::fabs(s.TextWidth("deco")));

      // Labels alternate left and right; "deco" is placed as if it were "dec".
      const RecordedOp& label = labels[r];
      EXPECT_DOUBLE_EQ(label.Y1 + s.TextHeight(label.Text) / 2, 100.0 * (r + 1)) << label.Text;
      const std::string measured = label.Text == "deco" ? "dec" : label.Text;
      const double expectedX =
          r % 2 == 0 ? -std::fabs(s.TextWidth(measured)) : 200 - std::fabs(s.TextWidth(label.Text));
      EXPECT_DOUBLE_EQ(label.X1, expectedX) << label.Text;
    }
  }
}

TEST(DrawAlarmStrip, MarksEveryFlaggedIntervalInItsRow) {
  // sample 0: sos and deco; sample 1: only bits no row shows; sample 2: tx; sample 3 (the
  // last): up.
  const DiveRecord dive = DiveWithSamples({3, 4, 5, 6}, {8 | 1, 0x40 | 0x80 | 0x100, 32, 4});
  const struct {
    int View;
    std::vector<std::pair<double, Rgb>> Rows;  // (row y, colour) in drawing order
  } cases[] = {
      {0, {{100, kAlarmColor}, {500, kEventColor}, {200, kAlarmColor}}},
      {1, {{100, kAlarmColor}, {500, kEventColor}, {600, kEventColor}, {200, kAlarmColor}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.View);
    RecordingSurface s(6975, 615);
    DrawAlarmStrip(dive, s, c.View);
    const std::vector<RecordedOp> marks = test::ThickLines(s);
    ASSERT_EQ(marks.size(), c.Rows.size());
    for (size_t i = 0; i < marks.size(); ++i) {
      EXPECT_EQ(marks[i].Y1, c.Rows[i].first);
      EXPECT_EQ(marks[i].Y2, c.Rows[i].first);
      EXPECT_EQ(marks[i].Color, c.Rows[i].second);
    }
    // Sample k's mark runs from (k + 1) / 3 to (k + 2) / 3 minutes, the last one's too.
    EXPECT_NEAR(marks[0].X1, 100.0 / 3, 1e-9);
    EXPECT_NEAR(marks[0].X2, 200.0 / 3, 1e-9);
    EXPECT_NEAR(marks.back().X1, 400.0 / 3, 1e-9);
    EXPECT_NEAR(marks.back().X2, 500.0 / 3, 1e-9);
    EXPECT_EQ(s.DrawWidth(), 1);
  }
}

}  // namespace
}  // namespace scrb
