#include "saturation/SurfacePressureEntry.h"

#include <charconv>
#include <cmath>
#include <string>

#include "logbook/NumberParsing.h"
#include "report/NumberFormat.h"

namespace scrb {

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace

bool CouldBecomeSurfacePressure(std::string_view text) {
  int separators = 0;
  for (const char c : text) {
    if (c == '.' || c == ',')
      ++separators;
    else if (!IsDigit(c) && !IsBlank(c))
      return false;
  }
  return separators <= 1;
}

std::optional<double> TypedSurfacePressure(std::string_view text) {
  const std::string_view number = Trimmed(text);
  if (!CouldBecomeSurfacePressure(number) || number.find_first_of("0123456789") == number.npos) {
    return std::nullopt;
  }
  std::string withPoint(number);
  for (char& c : withPoint) {
    if (IsBlank(c)) return std::nullopt;  // blanks only around the number, never inside it
    if (c == ',') c = '.';
  }
  double value = 0;
  const char* end = withPoint.data() + withPoint.size();
  const std::from_chars_result result =
      std::from_chars(withPoint.data(), end, value, std::chars_format::fixed);
  if (result.ec != std::errc{} || result.ptr != end || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::optional<std::string> SurfacePressureProblem(std::string_view text) {
  const std::optional<double> value = TypedSurfacePressure(text);
  if (!value) {
    return "Type the surface pressure in bar as a number, such as 1.013 (with a point or a comma "
           "before the decimals).";
  }
  if (!(*value > kMinSurfacePressure)) return "The surface pressure must be above 0.1 bar.";
  return std::nullopt;
}

std::string SurfacePressureText(double pressure) {
  return "  " + FormatPattern(pressure, "0.000");
}

bool ApplySurfacePressureText(DiveRecord& dive, std::string_view text) {
  if (SurfacePressureProblem(text)) return false;
  const double value = *TypedSurfacePressure(text);
  if (value == dive.SurfacePressure) return false;
  dive.SurfacePressure = value;
  dive.SaturationComputed = false;
  return true;
}

}  // namespace scrb
