#pragma once

#include <optional>
#include <string>

#include "air/AirModel.h"

namespace scrb {

// The sample whose stored minute results the readout shows for the mouse at x: the last sample of
// the whole minute before the mouse, or sample 0 in the first minute.
int AirReadoutSample(float x);

// The air label's text for the mouse at x on either air chart, or nothing when the readout
// leaves the label and the cursors alone (no estimate, x outside the dive).
std::optional<std::string> AirReadoutCaption(const DiveRecord& dive, const DecodedProfile& profile,
                                             const AirEstimate& air, float x, UnitSystem units);

}  // namespace scrb
