#include "saturation/SurfacePressureEntry.h"

#include "logbook/NumberParsing.h"
#include "report/NumberFormat.h"

namespace scrb {

double LeadingNumber(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return 0;
  const std::optional<ParsedNumber> number = ParseNumberPrefix(text.substr(first));
  return number ? number->Value : 0;
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
