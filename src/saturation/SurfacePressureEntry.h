#pragma once

#include <string>
#include <string_view>

#include "logbook/DiveRecord.h"

namespace scrb {

// A typed surface pressure must be above this to be taken, so that no ambient pressure can come
// near 0.
constexpr double kMinSurfacePressure = 0.1;

// The number at the start of a text: leading blanks, an optional sign, digits with "." as the
// decimal point and an optional exponent; reading stops at the first character that cannot
// continue the number. No number, or one too large for a double, gives 0.
double LeadingNumber(std::string_view text);

// The surface pressure as the model window shows it: two blanks, then three decimals.
std::string SurfacePressureText(double pressure);

// Takes a typed surface pressure for the dive when it is a number above kMinSurfacePressure that
// differs from the dive's own, and marks the dive's saturation for recomputation. Returns whether
// the pressure changed; anything else is ignored without a word.
bool ApplySurfacePressureText(DiveRecord& dive, std::string_view text);

}  // namespace scrb
