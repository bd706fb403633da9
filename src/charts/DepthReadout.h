#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "logbook/ProfileDecoder.h"
#include "report/Units.h"

namespace scrb {

// The sample under a mouse position x (a time in hundredths of a minute, on the depth chart, the
// alarm strip or the speed chart): the sample whose plotted time is nearest. Nothing when the dive
// has no samples or x lies outside 0 .. the time of the last sample.
std::optional<int32_t> DepthReadoutSample(const DecodedProfile& profile, float x);

// Time and depth of sample k, e.g. Time=05'20" Depth=12.3 m (Depth=40 ft in imperial).
std::string DepthReadoutText(const DecodedProfile& profile, int32_t k, UnitSystem units);

// Vertical speed of sample k, e.g. " Vertical Speed=-9.0 m/min"; nothing for sample 0, which has
// no sample before it.
std::optional<std::string> SpeedReadoutText(const DecodedProfile& profile, int32_t k,
                                            UnitSystem units);

}  // namespace scrb
