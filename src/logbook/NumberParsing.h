#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace scrb {

struct ParsedNumber {
  double Value = 0;
  size_t Length = 0;  // characters of the text that make up the number
};

// The number at the very start of a text: an optional sign, digits with "." as the decimal point
// (a leading point needs a digit behind it) and an optional exponent. Read the same under every
// locale, so that what one desktop saved reads back on another. Nothing when the text does not
// start with a number or the number is too large for a double.
std::optional<ParsedNumber> ParseNumberPrefix(std::string_view text);

// The text without the blanks and tabs around it.
std::string_view TrimmedBlanks(std::string_view text);

// The whole text as a number, or nothing when anything but the number is in it.
std::optional<double> ParseWholeNumber(std::string_view text);

}  // namespace scrb
