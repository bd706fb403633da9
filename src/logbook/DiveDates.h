#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace scrb {

// A date "dd/mm/yyyy" as days since 1 January 1970 (negative before); nothing for text that is
// not a real calendar date.
std::optional<int> DayNumber(std::string_view date);

// The same date as "yyyy-mm-dd"; empty for text that is not a date.
std::string IsoDateText(std::string_view date);

// Minutes of an "hh:mm" field (hours may run past two digits); nothing for "Unknown" or for any
// text that is no such time.
std::optional<int> ClockMinutes(std::string_view time);

// The month's name in the diver's language, for a month 1 to 12.
std::string MonthName(int month);

// "July 1996" for a date "dd/mm/yyyy"; empty for text that is not a date.
std::string MonthYearText(std::string_view date);

}  // namespace scrb
