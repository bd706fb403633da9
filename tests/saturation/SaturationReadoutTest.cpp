#include <gtest/gtest.h>

#include <vector>

#include "saturation/Saturation.h"
#include "saturation/SaturationFixtures.h"
#include "saturation/SaturationReadout.h"

namespace scrb {
namespace {

DiveRecord Computed(const std::vector<double>& depths, const DecoModel& model,
                    double surface = 1.0) {
  DiveRecord dive = test::DiveWithDepths(depths, surface);
  ComputeSaturation(dive, model);
  return dive;
}

TEST(SaturationReadout, SampleUnderTheMouse) {
  const struct {
    int SampleCount;
    float X;
    std::optional<int> Sample;
  } cases[] = {
      {30, 0, 0},      // round(-1) raised to 0: step 1
      {30, 50, 0},     // round(0.5): half to even
      {30, 51, 1},     // round(0.53)
      {30, 150, 4},    // round(3.5): half to even
      {30, 1000, 29},  // T: the last sample; the surface step is never shown
      {30, 1000.1f, std::nullopt},
      {30, 1050, std::nullopt},  // the chart's last minute
      {30, -0.01f, std::nullopt},
      {1, 33.333332f, 0},
      {0, 0, std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SaturationReadoutSample(c.SampleCount, c.X), c.Sample)
        << c.SampleCount << " samples at " << c.X;
  }
}

TEST(SaturationReadout, LabelTexts) {
  const DecoModel model = test::Model(0);
  const std::optional<SaturationReadout> flat =
      ReadSaturation(Computed({0, 0, 0}, model), model, 0);
  ASSERT_TRUE(flat);
  EXPECT_EQ(flat->Sample, 0);
  EXPECT_EQ(flat->PressureText, "Time=00'20\", Depth=0.0 m, Max=0.79 bar, Min=0.79 bar");
  // Equal pressures: the slowest tissue has the lowest coefficient, the fastest the highest.
  EXPECT_EQ(flat->OverSaturationText, "Max=56% tissue=8, Min=29% tissue=1");

  const DiveRecord dive = Computed({10, 18.4}, model);
  const std::optional<SaturationReadout> first = ReadSaturation(dive, model, 10);
  ASSERT_TRUE(first);
  EXPECT_EQ(first->PressureText, "Time=00'20\", Depth=10.0 m, Max=0.84 bar, Min=0.79 bar");
  EXPECT_EQ(first->OverSaturationText, "Max=28% tissue=8, Min=15% tissue=1");
  const std::optional<SaturationReadout> second = ReadSaturation(dive, model, 60);
  ASSERT_TRUE(second);
  EXPECT_EQ(second->Sample, 1);
  EXPECT_EQ(second->PressureText.substr(0, 32), "Time=00'40\", Depth=18.4 m, Max=0");
}

// Where the charts show no results, moving the mouse must not read stale or missing ones.
TEST(SaturationReadout, NothingToReadLeavesTheLabels) {
  const DecoModel model = test::Model(0);
  EXPECT_FALSE(ReadSaturation(Computed({10, 10}, test::Model(2)), model, 10));
  EXPECT_FALSE(ReadSaturation(Computed({10, 10}, DecoModel{}), DecoModel{}, 10));
  EXPECT_FALSE(ReadSaturation(Computed({10, 10}, model, 1e6), model, 10));
  EXPECT_FALSE(ReadSaturation(Computed({}, model), model, 0));
}

}  // namespace
}  // namespace scrb
