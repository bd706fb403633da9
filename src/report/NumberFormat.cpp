#include "report/NumberFormat.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace scrb {

namespace {

// Removes trailing zeros of a fixed-point text and a point left alone at the end.
void TrimFraction(std::string& text) {
  if (text.find('.') == std::string::npos) return;
  while (!text.empty() && text.back() == '0') text.pop_back();
  if (!text.empty() && text.back() == '.') text.pop_back();
}

std::string ShortestText(double value, int significantDigits) {
  if (!std::isfinite(value)) return std::isnan(value) ? "NaN" : (value < 0 ? "-Infinity" : "Infinity");
  if (value == 0) return "0";
  char buffer[512];
  // Rounding to the significant digits first keeps 0.1 + 0.2 from showing as 0.30000000000000004.
  std::snprintf(buffer, sizeof buffer, "%.*e", significantDigits - 1, value);
  double rounded = std::strtod(buffer, nullptr);
  // Rounding the largest doubles up can overflow; they keep their own value.
  if (!std::isfinite(rounded)) rounded = value;
  const int exponent = static_cast<int>(std::floor(std::log10(std::fabs(rounded))));
  const int decimals = std::max(0, significantDigits - 1 - exponent);
  std::snprintf(buffer, sizeof buffer, "%.*f", std::min(decimals, 340), rounded);
  std::string text = buffer;
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
  char buffer[512];
  std::snprintf(buffer, sizeof buffer, "%.0f", magnitude);
  std::string digits = buffer;
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
