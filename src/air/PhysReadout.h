#pragma once

#include <optional>
#include <string>

#include "logbook/ProfileDecoder.h"

namespace scrb {

// What the readouts of the three physiology charts show for one mouse position.
struct PhysReadout {
  int Sample = 0;
  std::string ColdText;         // e.g. Time=12'00" Cold=2: cold minutes so far
  std::string BubbleText;       // e.g. Time=12'00" Bubbles=3: the bubble level 0 to 7
  std::string ConsumptionText;  // e.g. Time=12'00" Air=3: the air level 0 to 7
};

// The readouts at x (hundredths of a minute) on any of the three charts, which share their time
// axis. As on the air charts, they read the whole minute at or before x, since the dive computer
// recorded these values once a minute. Nothing when the dive has no samples or x lies outside
// 0 .. the time of the last sample.
std::optional<PhysReadout> ReadPhysData(const DecodedProfile& profile, float x);

}  // namespace scrb
