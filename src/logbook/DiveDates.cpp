#include "logbook/DiveDates.h"

#include <algorithm>
#include <array>
#include <chrono>

#include "logbook/Translation.h"

namespace scrb {

namespace {

constexpr std::array<const char*, 12> kMonthNames{
    SCRB_TRANSLATE_NOOP("Month", "January"),   SCRB_TRANSLATE_NOOP("Month", "February"),
    SCRB_TRANSLATE_NOOP("Month", "March"),     SCRB_TRANSLATE_NOOP("Month", "April"),
    SCRB_TRANSLATE_NOOP("Month", "May"),       SCRB_TRANSLATE_NOOP("Month", "June"),
    SCRB_TRANSLATE_NOOP("Month", "July"),      SCRB_TRANSLATE_NOOP("Month", "August"),
    SCRB_TRANSLATE_NOOP("Month", "September"), SCRB_TRANSLATE_NOOP("Month", "October"),
    SCRB_TRANSLATE_NOOP("Month", "November"),  SCRB_TRANSLATE_NOOP("Month", "December")};

// Digits only, and few enough to fit: a damaged field must not overflow.
std::optional<int> Digits(std::string_view text) {
  if (text.empty() || text.size() > 6) return std::nullopt;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

std::optional<std::chrono::year_month_day> CalendarDate(std::string_view date) {
  if (date.size() != 10 || date[2] != '/' || date[5] != '/') return std::nullopt;
  const auto day = Digits(date.substr(0, 2));
  const auto month = Digits(date.substr(3, 2));
  const auto year = Digits(date.substr(6, 4));
  if (!day || !month || !year) return std::nullopt;
  const std::chrono::year_month_day ymd{std::chrono::year{*year},
                                        std::chrono::month{static_cast<unsigned>(*month)},
                                        std::chrono::day{static_cast<unsigned>(*day)}};
  if (!ymd.ok()) return std::nullopt;
  return ymd;
}

}  // namespace

std::optional<int> DayNumber(std::string_view date) {
  const auto ymd = CalendarDate(date);
  if (!ymd) return std::nullopt;
  return static_cast<int>(std::chrono::sys_days{*ymd}.time_since_epoch().count());
}

std::string IsoDateText(std::string_view date) {
  if (!CalendarDate(date)) return {};
  std::string iso(date.substr(6, 4));
  iso += '-';
  iso += date.substr(3, 2);
  iso += '-';
  iso += date.substr(0, 2);
  return iso;
}

std::optional<int> ClockMinutes(std::string_view time) {
  const size_t colon = time.find(':');
  if (colon == std::string_view::npos || time.size() - colon != 3) return std::nullopt;
  const auto hours = Digits(time.substr(0, colon));
  const auto minutes = Digits(time.substr(colon + 1));
  if (!hours || !minutes || *minutes > 59 || *hours > 9999) return std::nullopt;
  return *hours * 60 + *minutes;
}

std::string MonthName(int month) {
  return Tr("Month", kMonthNames[static_cast<size_t>(std::clamp(month, 1, 12) - 1)]);
}

std::string MonthYearText(std::string_view date) {
  const auto ymd = CalendarDate(date);
  if (!ymd) return {};
  std::string text = MonthName(static_cast<int>(static_cast<unsigned>(ymd->month())));
  text += ' ';
  text += date.substr(6, 4);
  return text;
}

}  // namespace scrb
