#include <gtest/gtest.h>

#include <algorithm>

#include "analysis/StretchMeasure.h"
#include "charts/ChartTestDives.h"
#include "charts/DepthReadout.h"
#include "charts/VerticalSpeedChart.h"
#include "logbook/SampleAccess.h"
#include "report/Units.h"

namespace scrb {
namespace {

TEST(SampleAccess, ReadsOutsideTheArraysGiveZeroAndFlagsKeepTheirLowByte) {
  DecodedProfile dive;
  dive.SampleCount = 5;  // more than the arrays hold, as a damaged record may claim
  dive.SampleDepth = {1.5, 3.0};
  dive.SampleFlags = {static_cast<int16_t>(0x7F21), 2};
  dive.SampleStatus = {-1, -1, 0x51};
  EXPECT_EQ((std::vector<double>{SampleDepthAt(dive, -1), SampleDepthAt(dive, 1),
                                 SampleDepthAt(dive, 2), SampleDepthAt(dive, int64_t{1} << 40)}),
            (std::vector<double>{0, 3.0, 0, 0}));
  EXPECT_EQ(
      (std::vector<int>{SampleFlagsAt(dive, 0), SampleFlagsAt(dive, 1), SampleFlagsAt(dive, 2)}),
      (std::vector<int>{0x21, 2, 0}));
  EXPECT_EQ((std::vector<int>{EntryOr0(dive.SampleStatus, MinuteEnd(0)),
                              EntryOr0(dive.SampleStatus, MinuteEnd(2)),
                              EntryOr0(dive.SampleStatus, MinuteEnd(3))}),
            (std::vector<int>{0x51, 0x51, 0}));
  dive.SampleCount = -3;
  EXPECT_EQ(DecodedSampleCount(dive), 0);
}

// The Vertical Speed chart's step, the depth readout and the ruler laid over one sample interval
// say the same speed for the same two samples: descents, ascents, a level stretch and a last
// sample, at the decoder's depth step of 0.15625 m.
TEST(SampleAccess, TheChartTheReadoutAndTheRulerGiveTheSameSpeed) {
  std::vector<double> depths;
  for (const int raw : {0, 20, 52, 96, 96, 93, 61, 30, 3, 1}) depths.push_back(raw * 0.15625);
  const test::SampledDive dive = test::DiveWithSamples(depths);
  test::RecordingSurface chart;
  DrawVerticalSpeedChart(dive, chart, UnitSystem::Metric, Palette::Classic());
  const std::vector<test::RecordedOp> lines = chart.Lines();
  for (int32_t k = 1; k < dive.SampleCount; ++k) {
    SCOPED_TRACE(k);
    const auto ruler = MeasureStretch({&dive, &dive}, SampleTime(k - 1), SampleTime(k));
    ASSERT_TRUE(ruler && ruler->MeanVerticalSpeed);
    const double speed = *ruler->MeanVerticalSpeed;
    // The step's level ends where sample k is plotted.
    const auto level = std::find_if(lines.begin(), lines.end(), [&](const test::RecordedOp& op) {
      return op.DrawWidth == 3 && op.X2 == SampleTime(k) && op.Y1 == op.Y2;
    });
    ASSERT_NE(level, lines.end());
    EXPECT_EQ(level->Y2, speed * 100);
    for (const UnitSystem units : {UnitSystem::Metric, UnitSystem::Imperial}) {
      const std::string shown = "=" + FormatIn(Quantity::Speed, speed, units, "0.0") + " ";
      EXPECT_NE(SpeedReadoutText(dive, k, units).value_or("").find(shown), std::string::npos);
    }
  }
}

}  // namespace
}  // namespace scrb
