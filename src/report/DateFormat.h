#pragma once

#include <string>
#include <string_view>

namespace scrb {

// A dive date "dd/mm/yyyy" as the General page shows it: abbreviated weekday, day without
// leading zero, full month name, year ("Sat 17 October 1998"). Text that is not such a date is
// returned unchanged.
std::string LongDateText(std::string_view date);

}  // namespace scrb
