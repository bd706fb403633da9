#include <gtest/gtest.h>

#include <cmath>

#include "ChartTestDives.h"
#include "charts/AlarmStrip.h"
#include "charts/ChartFrame.h"
#include "support/RecordingSurface.h"

namespace scrb {
namespace {

using test::DiveWithSamples;
using test::RecordedOp;
using test::RecordingSurface;

std::vector<RecordedOp> Marks(const RecordingSurface& s) {
  std::vector<RecordedOp> marks;
  for (const RecordedOp& op : s.Lines()) {
    if (op.DrawWidth == 3) marks.push_back(op);
  }
  return marks;
}

std::vector<RecordedOp> RowLines(const RecordingSurface& s) {
  std::vector<RecordedOp> rows;
  for (const RecordedOp& op : s.Lines()) {
    if (op.DrawWidth == 1 && op.Y1 == op.Y2) rows.push_back(op);
  }
  return rows;
}

TEST(DrawAlarmStrip, EmptyDiveOnlyPrintsTheMessage) {
  for (int view : {0, 1}) {
    RecordingSurface s(6975, 495);
    DrawAlarmStrip(DiveWithSamples({}), s, view);
    ASSERT_EQ(s.Ops().size(), 2u);
    EXPECT_EQ(s.Ops()[0].Type, RecordedOp::Kind::Cls);
    EXPECT_EQ(s.Ops()[1].Text, "No Dive Data available");
  }
}

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
    RecordingSurface s(6975, 615);
    DrawAlarmStrip(DiveWithSamples({3, 4, 5}), s, c.View);  // xRight = 200
    EXPECT_EQ(s.ScaleTop(), 0);
    EXPECT_EQ(s.ScaleBottom(), c.Bottom);
    EXPECT_EQ(s.Texts(), c.Labels);

    const std::vector<RecordedOp> rows = RowLines(s);
    ASSERT_EQ(rows.size(), c.Labels.size());
    for (size_t r = 0; r < rows.size(); ++r) {
      EXPECT_EQ(rows[r].Y1, 100.0 * (r + 1));
      EXPECT_EQ(rows[r].Color, kGridColor);
      EXPECT_DOUBLE_EQ(rows[r].X1, std::fabs(s.TextWidth("c0")));
      EXPECT_DOUBLE_EQ(rows[r].X2, 200 - std::fabs(s.TextWidth("deco")));
    }

    const std::vector<RecordedOp> labels = s.Prints();
    for (size_t r = 0; r < labels.size(); ++r) {
      const RecordedOp& label = labels[r];
      EXPECT_DOUBLE_EQ(label.Y1 + s.TextHeight(label.Text) / 2, 100.0 * (r + 1)) << label.Text;
      const bool left = r % 2 == 0;
      const std::string measured = label.Text == "deco" ? "dec" : label.Text;
      const double expectedX =
          left ? -std::fabs(s.TextWidth(measured)) : 200 - std::fabs(s.TextWidth(label.Text));
      EXPECT_DOUBLE_EQ(label.X1, expectedX) << label.Text;
    }
  }
}

TEST(DrawAlarmStrip, MarksEveryFlaggedIntervalInItsRow) {
  // sample 0: sos and deco; sample 2: tx; sample 3 (the last): up
  const DiveRecord dive = DiveWithSamples({3, 4, 5, 6}, {8 | 1, 0, 32, 4});
  const struct {
    int View;
    std::vector<std::pair<double, Rgb>> Rows;  // (row y, colour) in drawing order
  } cases[] = {
      {0, {{100, kAlarmColor}, {500, kEventColor}, {200, kAlarmColor}}},
      {1, {{100, kAlarmColor}, {500, kEventColor}, {600, kEventColor}, {200, kAlarmColor}}},
  };
  for (const auto& c : cases) {
    RecordingSurface s(6975, 615);
    DrawAlarmStrip(dive, s, c.View);
    const std::vector<RecordedOp> marks = Marks(s);
    ASSERT_EQ(marks.size(), c.Rows.size()) << "view " << c.View;
    for (size_t i = 0; i < marks.size(); ++i) {
      EXPECT_EQ(marks[i].Y1, c.Rows[i].first);
      EXPECT_EQ(marks[i].Y2, c.Rows[i].first);
      EXPECT_EQ(marks[i].Color, c.Rows[i].second);
    }
    EXPECT_NEAR(marks[0].X1, 100.0 / 3, 1e-9);
    EXPECT_NEAR(marks[0].X2, 200.0 / 3, 1e-9);
    // The last sample's mark runs from N / 3 to (N + 1) / 3 minutes.
    EXPECT_NEAR(marks.back().X1, 400.0 / 3, 1e-9);
    EXPECT_NEAR(marks.back().X2, 500.0 / 3, 1e-9);
    EXPECT_EQ(s.DrawWidth(), 1);
  }
}

TEST(DrawAlarmStrip, BitsAboveTheSixFlagsNeverMark) {
  const DiveRecord dive = DiveWithSamples({3, 4}, {0x40 | 0x80, 0x100 | 0x800});
  RecordingSurface s(6975, 615);
  DrawAlarmStrip(dive, s, 1);
  EXPECT_TRUE(Marks(s).empty());
}

}  // namespace
}  // namespace scrb
