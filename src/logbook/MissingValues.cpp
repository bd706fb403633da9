#include "logbook/MissingValues.h"

#include <charconv>
#include <string>
#include <system_error>

namespace scrb {

namespace {

// A double rounded to 15 significant digits, as digits and exponent.
std::string FifteenDigits(double value) {
  char text[32];
  const auto [end, error] =
      std::to_chars(text, text + sizeof text, value, std::chars_format::scientific, 14);
  return error == std::errc() ? std::string(text, end) : std::string();
}

}  // namespace

bool IsUnknownMeasurement(double value) {
  static const std::string mark = FifteenDigits(kUnknownMeasurement);
  return FifteenDigits(value) == mark;
}

}  // namespace scrb
