#pragma once

#include <string>
#include <string_view>

namespace scrb {

// Shortest decimal text of a double with at most 15 significant digits: no exponent, no trailing
// zeros or point, a leading zero before the point, "-" for negatives (20, 21.5, -1, 18.98, 0.5).
std::string GeneralNumber(double value);

// The same for single-precision values, with at most 7 significant digits.
std::string GeneralNumberSingle(float value);

// Applies a numeric pattern such as "0", "00", "0000", "0.0", "00.0", "0.00" or "#":
// the zeros before the point give the minimum integer digits, the digits after it the exact
// number of decimals; "#" asks for no minimum. Halves round away from zero.
std::string FormatPattern(double value, std::string_view pattern);

// Right-aligns text in a field of the given width with leading blanks; longer text is kept whole.
std::string PadLeft(std::string_view text, size_t width);

}  // namespace scrb
