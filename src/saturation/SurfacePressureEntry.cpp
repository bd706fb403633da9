#include "saturation/SurfacePressureEntry.h"

#include <charconv>
#include <cmath>

#include "report/NumberFormat.h"

namespace scrb {

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

double LeadingNumber(std::string_view text) {
  size_t pos = 0;
  while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) ++pos;
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
    negative = text[pos] == '-';
    ++pos;
  }
  // from_chars would also take "inf", "nan" and a second sign; only digits or a point that leads
  // to digits may start the number here.
  const std::string_view rest = text.substr(pos);
  const bool startsNumber =
      !rest.empty() &&
      (IsDigit(rest[0]) || (rest[0] == '.' && rest.size() > 1 && IsDigit(rest[1])));
  if (!startsNumber) return 0;

  double value = 0;
  const std::from_chars_result result =
      std::from_chars(rest.data(), rest.data() + rest.size(), value, std::chars_format::general);
  if (result.ec != std::errc{} || !std::isfinite(value)) return 0;
  return negative ? -value : value;
}

std::string SurfacePressureText(double pressure) {
  return "  " + FormatPattern(pressure, "0.000");
}

bool ApplySurfacePressureText(DiveRecord& dive, std::string_view text) {
  const double value = LeadingNumber(text);
  if (!(value > kMinSurfacePressure) || value == dive.SurfacePressure) return false;
  dive.SurfacePressure = value;
  dive.SaturationComputed = false;
  return true;
}

}  // namespace scrb
