#include "logbook/NumberParsing.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace scrb {

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

std::optional<ParsedNumber> ParseNumberPrefix(std::string_view text) {
  size_t pos = 0;
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
  if (!startsNumber) return std::nullopt;

  double value = 0;
  const std::from_chars_result result =
      std::from_chars(rest.data(), rest.data() + rest.size(), value, std::chars_format::general);
  if (result.ec != std::errc{} || !std::isfinite(value)) return std::nullopt;
  return ParsedNumber{negative ? -value : value,
                      pos + static_cast<size_t>(result.ptr - rest.data())};
}

std::string_view TrimmedBlanks(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::optional<double> ParseWholeNumber(std::string_view text) {
  const std::optional<ParsedNumber> number = ParseNumberPrefix(text);
  if (!number || number->Length != text.size()) return std::nullopt;
  return number->Value;
}

}  // namespace scrb
