#include "report/DateFormat.h"

#include <array>
#include <cctype>
#include <chrono>

#include "logbook/DiveDates.h"
#include "logbook/Translation.h"

namespace scrb {

namespace {

// The names in the diver's language come from the catalogues, not from the C library's locale.
constexpr std::array<const char*, 7> kWeekdays{
    SCRB_TRANSLATE_NOOP("Weekday", "Mon"), SCRB_TRANSLATE_NOOP("Weekday", "Tue"),
    SCRB_TRANSLATE_NOOP("Weekday", "Wed"), SCRB_TRANSLATE_NOOP("Weekday", "Thu"),
    SCRB_TRANSLATE_NOOP("Weekday", "Fri"), SCRB_TRANSLATE_NOOP("Weekday", "Sat"),
    SCRB_TRANSLATE_NOOP("Weekday", "Sun")};
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
  // Weekday, day, month and year, in the order and with the marks the language writes them.
  return FillIn(Tr("Dates", "%1 %2 %3 %4"),
                {Tr("Weekday", kWeekdays[isoWeekday - 1]), std::to_string(day),
                 MonthName(month), std::to_string(year)});
}

}  // namespace scrb
