#include "report/DateFormat.h"

#include <array>
#include <cctype>

namespace scrb {

namespace {

constexpr std::array<std::string_view, 7> kWeekdays{"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
constexpr std::array<std::string_view, 12> kMonths{
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static constexpr std::array<int, 12> kDays{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[static_cast<size_t>(month - 1)];
}

// Days since 1 January 1970 in the proleptic Gregorian calendar (Howard Hinnant's algorithm).
long DaysFromCivil(int year, int month, int day) {
  year -= month <= 2;
  const long era = (year >= 0 ? year : year - 399) / 400;
  const long yearOfEra = year - era * 400;
  const long dayOfYear = (153L * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

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
  if (date.size() != 10 || date[2] != '/' || date[5] != '/' || !ParseNumber(date.substr(0, 2), day) ||
      !ParseNumber(date.substr(3, 2), month) || !ParseNumber(date.substr(6, 4), year) || month < 1 ||
      month > 12 || day < 1 || day > DaysInMonth(year, month)) {
    return std::string(date);
  }
  // 1 January 1970 was a Thursday.
  const long weekday = ((DaysFromCivil(year, month, day) % 7) + 7 + 3) % 7;
  std::string text(kWeekdays[static_cast<size_t>(weekday)]);
  text += ' ' + std::to_string(day) + ' ';
  text += kMonths[static_cast<size_t>(month - 1)];
  text += ' ' + std::to_string(year);
  return text;
}

}  // namespace scrb
