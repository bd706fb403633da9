#include "report/NumberFormat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

namespace scrb {

namespace {

// std::to_chars and std::from_chars never read the locale, so a comma-decimal desktop shows the
// same "18.98" as any other.
std::string FixedText(double value, int decimals) {
  char buffer[512];
  const std::to_chars_result result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  return result.ec == std::errc{} ? std::string(buffer, result.ptr) : std::string();
}

// The value rounded to the given number of significant digits.
double RoundToSignificant(double value, int significantDigits) {
  char buffer[64];
  const std::to_chars_result written = std::to_chars(
      buffer, buffer + sizeof buffer, value, std::chars_format::scientific, significantDigits - 1);
  double rounded = value;
  if (written.ec != std::errc{}) return rounded;
  // Rounding the largest doubles up can overflow; they keep their own value.
  const std::from_chars_result read = std::from_chars(buffer, written.ptr, rounded);
  return read.ec == std::errc{} ? rounded : value;
}

// Removes trailing zeros of a fixed-point text and a point left alone at the end.
void TrimFraction(std::string& text) {
  if (text.find('.') == std::string::npos) return;
  while (!text.empty() && text.back() == '0') text.pop_back();
  if (!text.empty() && text.back() == '.') text.pop_back();
}

std::string ShortestText(double value, int significantDigits) {
  if (!std::isfinite(value)) return std::isnan(value) ? "NaN" : (value < 0 ? "-Infinity" : "Infinity");
  if (value == 0) return "0";
  // Rounding to the significant digits first keeps 0.1 + 0.2 from showing as 0.30000000000000004.
  const double rounded = RoundToSignificant(value, significantDigits);
  const int exponent = static_cast<int>(std::floor(std::log10(std::fabs(rounded))));
  const int decimals = std::max(0, significantDigits - 1 - exponent);
  std::string text = FixedText(rounded, std::min(decimals, 340));
  TrimFraction(text);
  if (text == "-0") text = "0";
  return text;
}

}  // namespace

std::string GeneralNumber(double value) { return ShortestText(value, 15); }

std::string GeneralNumberSingle(float value) { return ShortestText(static_cast<double>(value), 7); }

std::string FormatPattern(double value, std::string_view pattern) {
  if (!std::isfinite(value)) return GeneralNumber(value);
  const size_t point = pattern.find('.');
  const std::string_view integerPart = pattern.substr(0, point);
  int minIntegerDigits = 0;
  for (char c : integerPart) minIntegerDigits += (c == '0');
  const int decimals = point == std::string_view::npos ? 0 : static_cast<int>(pattern.size() - point - 1);

  const double scale = std::pow(10.0, decimals);
  // Numbers such as 0.15 are stored a hair below their decimal text; the small bias rounds them
  // the way their text reads.
  const double magnitude = std::floor(std::fabs(value) * scale * (1 + 1e-13) + 0.5);
  std::string digits = FixedText(magnitude, 0);
  if (static_cast<int>(digits.size()) < decimals + 1) {
    digits.insert(0, static_cast<size_t>(decimals + 1) - digits.size(), '0');
  }
  std::string integerDigits = digits.substr(0, digits.size() - static_cast<size_t>(decimals));
  const std::string fraction = digits.substr(digits.size() - static_cast<size_t>(decimals));
  // A lone leading zero is only kept when the pattern asks for an integer digit.
  if (integerDigits == "0" && minIntegerDigits == 0) integerDigits.clear();
  if (static_cast<int>(integerDigits.size()) < minIntegerDigits) {
    integerDigits.insert(0, static_cast<size_t>(minIntegerDigits) - integerDigits.size(), '0');
  }
  std::string text = integerDigits;
  if (decimals > 0) text += "." + fraction;
  if (value < 0 && magnitude != 0) text.insert(0, "-");
  return text;
}

std::string PadLeft(std::string_view text, size_t width) {
  std::string result;
  if (text.size() < width) result.assign(width - text.size(), ' ');
  result += text;
  return result;
}

}  // namespace scrb
