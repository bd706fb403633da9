#include "saturation/SurfacePressureEntry.h"

#include <algorithm>
#include <string>

#include "logbook/NumberParsing.h"
#include "logbook/Translation.h"
#include "report/NumberFormat.h"

namespace scrb {

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
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
  const std::string_view number = TrimmedBlanks(text);
  if (!CouldBecomeSurfacePressure(number)) return std::nullopt;
  // Left are digits, blanks and at most one separator; a blank inside the number is refused by
  // the parser, which must read all of it.
  std::string withPoint(number);
  std::ranges::replace(withPoint, ',', '.');
  return ParseWholeNumber(withPoint);
}

std::optional<std::string> SurfacePressureProblem(std::string_view text) {
  const std::optional<double> value = TypedSurfacePressure(text);
  if (!value) {
    return Tr("Tissues",
              "Type the surface pressure in bar as a number, such as 1.013 (with a point or a "
              "comma before the decimals).");
  }
  if (!(*value > kMinSurfacePressure)) {
    return Tr("Tissues", "The surface pressure must be above 0.1 bar.");
  }
  return std::nullopt;
}

std::string SurfacePressureText(double pressure) {
  return "  " + FormatPattern(pressure, "0.000");
}

std::optional<double> AcceptedSurfacePressure(std::string_view text) {
  if (SurfacePressureProblem(text)) return std::nullopt;
  return TypedSurfacePressure(text);
}

}  // namespace scrb
