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
  // The first minute: sample 0, nothing stored yet, the tank at the amount used.
  EXPECT_EQ(AirReadoutCaption(dive, 0),
            summary + ", Time=00'20\", Depth=10.0 m, Tank=150.0 bar, Breath=0.0 l/min");
  // The end of the dive still shows its last minute, past it nothing does.
  EXPECT_EQ(AirReadoutCaption(dive, 300),
            summary + ", Time=03'00\", Depth=18.0 m, Tank=0.6 bar, Breath=17.5 l/min");
  EXPECT_EQ(AirReadoutCaption(dive, 300.5f), std::nullopt);

  dive.BaseBreathRate = 0;
  EXPECT_EQ(AirReadoutCaption(dive, 0), std::nullopt);
}

}  // namespace
}  // namespace scrb
