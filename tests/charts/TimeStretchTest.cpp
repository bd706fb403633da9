#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "charts/SampleTimeAxis.h"
#include "charts/TimeStretch.h"
#include "support/RecordingSurface.h"

namespace scrb {
namespace {

// A 36-minute dive: 108 samples, its axis running to 3700.
constexpr int kSamples = 108;

TEST(TimeStretch, KeptWithinTheDive) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct Case {
    TimeStretch Asked;
    TimeStretch Kept;
  } cases[] = {
      {TimeStretch::Between(1000, 1500), TimeStretch::Between(1000, 1500)},
      // Shorter than a minute: widened about its middle.
      {TimeStretch::Between(1000, 1040), TimeStretch::Between(970, 1070)},
      {TimeStretch::Between(1500, 1000), TimeStretch::Between(1000, 1500)},  // reversed
      {TimeStretch::Between(-300, 200), TimeStretch::Between(0, 500)},       // past the start
      {TimeStretch::Between(3500, 3900), TimeStretch::Between(3300, 3700)},  // past the end
      {TimeStretch::Between(3650, 3700), TimeStretch::Between(3600, 3700)},
      {TimeStretch::Between(0, 3700), TimeStretch::WholeDive()},
      {TimeStretch::Between(-50, 5000), TimeStretch::WholeDive()},
      {TimeStretch::Between(nan, 500), TimeStretch::WholeDive()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.Asked.From << ".." << c.Asked.To);
    EXPECT_EQ(KeptWithinDive(c.Asked, kSamples), c.Kept);
  }
  // A dive of a minute or less has only its whole; one without samples too.
  EXPECT_EQ(KeptWithinDive(TimeStretch::Between(0, 100), 0), TimeStretch::WholeDive());
  EXPECT_TRUE(TimesShown(TimeStretch::Between(10, 50), 0).Right > 0);
}

TEST(TimeStretch, ZoomKeepsTheTimeUnderThePointerAndStopsAtAMinute) {
  const TimeStretch half = Zoomed(TimeStretch::WholeDive(), kSamples, 1850, 0.5);
  EXPECT_EQ(half, TimeStretch::Between(925, 2775));
  // The pointer's time stays at the same place across the chart.
  const TimeStretch in = Zoomed(TimeStretch::Between(1000, 2000), kSamples, 1200, 0.5);
  EXPECT_DOUBLE_EQ((1200 - in.From) / (in.To - in.From), 0.2);
  TimeStretch s = TimeStretch::WholeDive();
  for (int step = 0; step < 40; ++step) s = Zoomed(s, kSamples, 3000, 0.8);
  EXPECT_DOUBLE_EQ(s.To - s.From, kShortestStretch);
  EXPECT_GE(3000, s.From);
  EXPECT_LE(3000, s.To);
  for (int step = 0; step < 40; ++step) s = Zoomed(s, kSamples, 3000, 1.25);
  EXPECT_EQ(s, TimeStretch::WholeDive());
  EXPECT_EQ(Zoomed(half, kSamples, 1000, 0), half);  // no factor, no change
}

TEST(TimeStretch, PanStopsAtTheEnds) {
  const TimeStretch s = TimeStretch::Between(1000, 1500);
  EXPECT_EQ(Panned(s, kSamples, 200), TimeStretch::Between(1200, 1700));
  EXPECT_EQ(Panned(s, kSamples, -5000), TimeStretch::Between(0, 500));
  EXPECT_EQ(Panned(s, kSamples, 5000), TimeStretch::Between(3200, 3700));
  EXPECT_EQ(Panned(TimeStretch::WholeDive(), kSamples, 300), TimeStretch::WholeDive());
}

TEST(TimeStretch, SamplesShownAreThoseWithinTheStretch) {
  // Sample k stands at (k + 1) * 100 / 3.
  const auto shown = SamplesShown(TimeStretch::Between(1000, 1500), kSamples);
  ASSERT_TRUE(shown);
  EXPECT_EQ(shown->first, 29);   // at 1000 exactly
  EXPECT_EQ(shown->second, 44);  // at 1500 exactly
  const auto whole = SamplesShown(TimeStretch::WholeDive(), kSamples);
  EXPECT_EQ(*whole, (std::pair<int32_t, int32_t>{0, kSamples - 1}));
  EXPECT_FALSE(SamplesShown(TimeStretch::WholeDive(), 0));
}

TEST(TimeStretch, LinesAreCutAtTheEndsAndRunsStayRuns) {
  test::RecordingSurface recording;
  ClippedToStretch clip(recording, {100, 200, true});
  clip.SetCurrentX(0);
  clip.SetCurrentY(0);
  clip.LineTo(150, 50, {});   // enters: cut at 100
  clip.LineTo(180, 80, {});   // inside
  clip.LineTo(300, 200, {});  // leaves: cut at 200
  clip.LineTo(400, 0, {});    // outside: nothing
  clip.Line(50, 10, 90, 10, {});
  clip.Line(300, 0, 0, 300, {});  // across, drawn backwards
  const auto lines = recording.Lines();
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_DOUBLE_EQ(lines[0].X1, 100);
  EXPECT_DOUBLE_EQ(lines[0].Y1, 100.0 / 3);
  EXPECT_DOUBLE_EQ(lines[1].X1, 150);
  EXPECT_DOUBLE_EQ(lines[2].X2, 200);
  EXPECT_DOUBLE_EQ(lines[2].Y2, 100);
  EXPECT_DOUBLE_EQ(lines[3].X1, 200);
  EXPECT_DOUBLE_EQ(lines[3].Y1, 100);
  EXPECT_DOUBLE_EQ(lines[3].X2, 100);
  EXPECT_DOUBLE_EQ(lines[3].Y2, 200);
  EXPECT_DOUBLE_EQ(clip.CurrentX(), 0);
  EXPECT_DOUBLE_EQ(clip.CurrentY(), 300);
}

}  // namespace
}  // namespace scrb
