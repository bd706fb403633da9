#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "air/AirReadout.h"
#include "air/AirTestDives.h"

namespace scrb {
namespace {

TEST(AirReadoutCaption, ShowsTheLastWholeMinuteBeforeTheMouse) {
  // Nine samples, three computed minutes; sample k lies at 10 + k metres.
  DiveRecord dive = test::DiveWithAirResults(9, {14.16, 19.93, 17.5}, {100.04, 50.0, 0.56});
  for (int k = 0; k < 9; ++k) dive.SampleDepth[static_cast<size_t>(k)] = 10 + k;
  const std::string summary = "Min:14.2 l/min, Max:19.9 l/min";
  const struct {
    float X;
    std::optional<std::string> Caption;
  } cases[] = {
      // The first minute: sample 0, nothing stored yet, the tank at the amount used.
      {0, summary + ", Time=00'20\", Depth=10.0 m, Tank=150.0 bar, Breath=0.0 l/min"},
      {100, summary + ", Time=01'00\", Depth=12.0 m, Tank=100.0 bar, Breath=14.2 l/min"},
      {300, summary + ", Time=03'00\", Depth=18.0 m, Tank=0.6 bar, Breath=17.5 l/min"},  // T
      {300.5f, std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(AirReadoutCaption(dive, c.X), c.Caption) << c.X;

  dive.BaseBreathRate = 0;
  EXPECT_EQ(AirReadoutCaption(dive, 100), std::nullopt);
}

}  // namespace
}  // namespace scrb
