#include "report/Units.h"

#include <algorithm>
#include <cctype>

#include "logbook/MissingValues.h"
#include "report/FieldDecoders.h"
#include "report/NumberFormat.h"

namespace scrb {

namespace {

constexpr double kFeetPerMetre = 3.28084;
constexpr double kPsiPerBar = 14.5038;
constexpr double kCubicFeetPerLitre = 0.0353147;

double Factor(Quantity quantity) {
  switch (quantity) {
    case Quantity::Depth:
    case Quantity::Speed:
      return kFeetPerMetre;
    case Quantity::Temperature:
      return 9.0 / 5.0;
    case Quantity::Pressure:
      return kPsiPerBar;
    case Quantity::BreathRate:
      return kCubicFeetPerLitre;
  }
  return 1;
}

// The pattern with the integer digits of `metricPattern` and `decimals` decimals.
std::string PatternWithDecimals(std::string_view metricPattern, int decimals) {
  std::string pattern(metricPattern.substr(0, metricPattern.find('.')));
  if (decimals > 0) pattern += "." + std::string(static_cast<size_t>(decimals), '0');
  return pattern;
}

// The metric precision the imperial field texts round from with UnitDecimals: depths to a tenth
// of a foot, temperatures and pressures to whole degrees and psi, breath rates to hundredths.
std::string_view FieldPattern(Quantity quantity) {
  switch (quantity) {
    case Quantity::Temperature:
    case Quantity::Pressure:
      return "0";
    case Quantity::BreathRate:
      return "0.0";
    default:
      return "0.00";
  }
}

int DecimalsOf(std::string_view pattern) {
  const size_t point = pattern.find('.');
  return point == std::string_view::npos ? 0 : static_cast<int>(pattern.size() - point - 1);
}

}  // namespace

double ToUnits(Quantity quantity, double metricValue, UnitSystem units) {
  if (units == UnitSystem::Metric) return metricValue;
  const double converted = metricValue * Factor(quantity);
  return quantity == Quantity::Temperature ? converted + 32 : converted;
}

std::string_view UnitText(Quantity quantity, UnitSystem units) {
  const bool metric = units == UnitSystem::Metric;
  switch (quantity) {
    case Quantity::Depth:
      return metric ? "m" : "ft";
    case Quantity::Speed:
      return metric ? "m/min" : "ft/min";
    case Quantity::Temperature:
      return metric ? "C" : "\u00B0F";
    case Quantity::Pressure:
      return metric ? "bar" : "psi";
    case Quantity::BreathRate:
      return metric ? "l/min" : "cu ft/min";
  }
  return {};
}

int UnitDecimals(Quantity quantity, UnitSystem units, int metricDecimals) {
  if (units == UnitSystem::Metric) return metricDecimals;
  switch (quantity) {
    case Quantity::Depth:
    case Quantity::Speed:
    case Quantity::Pressure:
      return std::max(0, metricDecimals - 1);
    case Quantity::Temperature:
      return metricDecimals;
    case Quantity::BreathRate:
      return metricDecimals + 1;
  }
  return metricDecimals;
}

std::string FormatIn(Quantity quantity, double metricValue, UnitSystem units,
                     std::string_view metricPattern) {
  if (units == UnitSystem::Metric) return FormatPattern(metricValue, metricPattern);
  const int decimals = UnitDecimals(quantity, units, DecimalsOf(metricPattern));
  return FormatPattern(ToUnits(quantity, metricValue, units),
                       PatternWithDecimals(metricPattern, decimals));
}

std::optional<double> FieldIn(Quantity quantity, double metricValue, UnitSystem units) {
  if (IsUnknownMeasurement(metricValue)) return std::nullopt;
  return ToUnits(quantity, metricValue, units);
}

std::string FieldWithUnit(Quantity quantity, double metricValue, UnitSystem units) {
  if (units == UnitSystem::Metric) return FormatWithUnit(metricValue, UnitText(quantity, units));
  if (IsUnknownMeasurement(metricValue)) return UnknownText();
  std::string text = FormatIn(quantity, metricValue, units, FieldPattern(quantity));
  text += ' ';
  text += UnitText(quantity, units);
  return text;
}

std::string_view UnitSystemName(UnitSystem units) {
  return units == UnitSystem::Imperial ? "imperial" : "metric";
}

std::optional<UnitSystem> UnitSystemByName(std::string_view name) {
  std::string lower(name);
  std::ranges::transform(lower, lower.begin(),
                         [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (lower == "metric") return UnitSystem::Metric;
  if (lower == "imperial") return UnitSystem::Imperial;
  return std::nullopt;
}

}  // namespace scrb
