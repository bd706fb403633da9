#include "report/DateFormat.h"

#include <array>
#include <cctype>
#include <chrono>

namespace scrb {

namespace {

constexpr std::array<std::string_view, 7> kWeekdays{"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
constexpr std::array<std::string_view, 12> kMonths{
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

bool ParseNumber(std::string_view text, int& value) {
  if (text.empty()) return false;
  value = 0;
  for (char c : text) {
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    value = value * 10 + (c - '0');
  }
  return true;
}

}  // namespace

std::string LongDateText(std::string_view date) {
  int day = 0, month = 0, year = 0;
  if (date.size() != 10 || date[2] != '/' || date[5] != '/' ||
      !ParseNumber(date.substr(0, 2), day) || !ParseNumber(date.substr(3, 2), month) ||
      !ParseNumber(date.substr(6, 4), year)) {
    return std::string(date);
  }
  const std::chrono::year_month_day calendarDate{std::chrono::year{year},
                                                 std::chrono::month{static_cast<unsigned>(month)},
                                                 std::chrono::day{static_cast<unsigned>(day)}};
  if (!calendarDate.ok()) return std::string(date);
  const unsigned isoWeekday =
      std::chrono::weekday{std::chrono::sys_days{calendarDate}}.iso_encoding();
  std::string text(kWeekdays[isoWeekday - 1]);
  text += ' ' + std::to_string(day) + ' ';
  text += kMonths[static_cast<size_t>(month - 1)];
  text += ' ' + std::to_string(year);
  return text;
}

}  // namespace scrb
