#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "air/AirModel.h"
#include "air/AirReadout.h"
#include "air/AirTestDives.h"

namespace scrb {
namespace {

// Nine samples, three computed minutes; sample k lies at 10 + k metres.
DiveRecord ReadoutDive() {
  DiveRecord dive = test::DiveWithAirResults(9, {14.16, 19.93, 17.5}, {100.04, 50.0, 0.56});
  dive.MaxBreathRate = 19.93;
  for (int k = 0; k < 9; ++k) dive.SampleDepth[static_cast<size_t>(k)] = 10 + k;
  return dive;
}

TEST(AirReadoutCaption, ShowsTheLastWholeMinuteBeforeTheMouse) {
  const std::string summary = "Min:14.2 l/min, Max:19.9 l/min";
  struct Case {
    float X;
    std::optional<std::string> Caption;
  };
  const Case cases[] = {
      {0, summary + ", Time=00'20\", Depth=10.0 m, Tank=150.0 bar, Breath=0.0 l/min"},
      {99.9f, summary + ", Time=00'20\", Depth=10.0 m, Tank=150.0 bar, Breath=0.0 l/min"},
      {100, summary + ", Time=01'00\", Depth=12.0 m, Tank=100.0 bar, Breath=14.2 l/min"},
      {250, summary + ", Time=02'00\", Depth=15.0 m, Tank=50.0 bar, Breath=19.9 l/min"},
      {300, summary + ", Time=03'00\", Depth=18.0 m, Tank=0.6 bar, Breath=17.5 l/min"},  // T, sample 8
      {300.5f, std::nullopt},
      {-0.1f, std::nullopt},
  };
  const DiveRecord dive = ReadoutDive();
  for (const Case& c : cases) EXPECT_EQ(AirReadoutCaption(dive, c.X), c.Caption) << c.X;
}

TEST(AirReadoutCaption, NothingWithoutAnEstimate) {
  DiveRecord dive = ReadoutDive();
  dive.BaseBreathRate = 0;
  EXPECT_EQ(AirReadoutCaption(dive, 100), std::nullopt);
}

TEST(AirReadoutSample, LastSampleOfThePreviousWholeMinute) {
  EXPECT_EQ(AirReadoutSample(0), 0);
  EXPECT_EQ(AirReadoutSample(99.9f), 0);
  EXPECT_EQ(AirReadoutSample(100), 2);
  EXPECT_EQ(AirReadoutSample(300), 8);
  EXPECT_FLOAT_EQ(AirReadoutLimit(9), 300);
  EXPECT_FLOAT_EQ(AirReadoutLimit(10), 1000 / 3.0f);
}

TEST(AirReadoutCaption, ReadsTheModelsOwnResults) {
  // The worked dive at air level 1: 145 bar left after the first minute.
  DiveRecord dive = test::UniformDive(90, 20, 0x10);
  ComputeAirModel(dive);
  EXPECT_EQ(AirReadoutCaption(dive, 150),
            "Min:20.0 l/min, Max:20.0 l/min, Time=01'00\", Depth=20.0 m, Tank=145.0 bar, Breath=20.0 l/min");
}

}  // namespace
}  // namespace scrb
