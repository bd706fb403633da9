#include "overview/Trips.h"

#include <algorithm>
#include <climits>
#include <optional>
#include <string_view>
#include <unordered_map>

#include "logbook/DiveDates.h"
#include "logbook/Translation.h"

namespace scrb {

namespace {

struct DatedDive {
  int Day;
  int Minutes;  // time of day; unknown times after the known ones of that day
  int Index;
  auto operator<=>(const DatedDive&) const = default;
};

std::string MostFrequentLocation(const std::vector<DiveRecord>& dives,
                                 const std::vector<int>& members) {
  std::unordered_map<std::string_view, int> counts;
  for (int index : members) {
    const std::string& location = dives[static_cast<size_t>(index)].Location;
    if (!location.empty()) ++counts[location];
  }
  std::string_view best;
  int bestCount = 0;
  for (int index : members) {
    const std::string& location = dives[static_cast<size_t>(index)].Location;
    // Strictly more: on a tie the location seen first in date order stays.
    if (!location.empty() && counts[location] > bestCount) {
      best = location;
      bestCount = counts[location];
    }
  }
  return std::string(best);
}

// "3 July 1996", for trips that the month alone does not tell apart.
std::string DayMonthYear(const std::string& date) {
  const std::string monthYear = MonthYearText(date);
  if (monthYear.empty()) return {};
  const int day = (date[0] - '0') * 10 + (date[1] - '0');
  return FillIn(Tr("Month", "%1 %2 %3"),
                {std::to_string(day), MonthName(std::stoi(date.substr(3, 2))), date.substr(6, 4)});
}

std::string Label(std::string location, const std::string& monthYear) {
  if (location.empty()) return monthYear;
  if (!monthYear.empty()) location += ", " + monthYear;
  return location;
}

}  // namespace

std::vector<Trip> FindTrips(const std::vector<DiveRecord>& dives) {
  std::vector<DatedDive> dated;
  std::vector<int> undated;
  for (size_t i = 0; i < dives.size(); ++i) {
    const auto day = DayNumber(dives[i].DiveDate);
    if (!day) {
      undated.push_back(static_cast<int>(i));
      continue;
    }
    dated.push_back({*day, ClockMinutes(dives[i].DiveTime).value_or(INT_MAX), static_cast<int>(i)});
  }
  std::sort(dated.begin(), dated.end());

  std::vector<Trip> trips;
  for (size_t k = 0; k < dated.size(); ++k) {
    if (k == 0 || dated[k].Day - dated[k - 1].Day > kTripGapDays) trips.emplace_back();
    trips.back().Dives.push_back(dated[k].Index);
  }
  std::vector<std::string> locations;
  std::unordered_map<std::string, int> named;
  for (Trip& trip : trips) {
    const DiveRecord& first = dives[static_cast<size_t>(trip.Dives.front())];
    locations.push_back(MostFrequentLocation(dives, trip.Dives));
    trip.Label = Label(locations.back(), MonthYearText(first.DiveDate));
    ++named[trip.Label];
  }
  // Two trips to one place in one month would read as one, in the table, the statistics' groups
  // and the exports alike: those take their first day. No two trips start on the same day.
  for (size_t t = 0; t < trips.size(); ++t) {
    if (named[trips[t].Label] < 2) continue;
    const DiveRecord& first = dives[static_cast<size_t>(trips[t].Dives.front())];
    trips[t].Label = Label(locations[t], DayMonthYear(first.DiveDate));
  }
  for (int index : undated) {
    const std::string& location = dives[static_cast<size_t>(index)].Location;
    trips.push_back({location.empty() ? Tr("Fields", "Unknown") : location, {index}, false});
  }
  return trips;
}

std::vector<int> TripOfEachDive(const std::vector<Trip>& trips, size_t diveCount) {
  std::vector<int> tripOf(diveCount, -1);
  for (size_t t = 0; t < trips.size(); ++t) {
    for (int index : trips[t].Dives) tripOf[static_cast<size_t>(index)] = static_cast<int>(t);
  }
  return tripOf;
}

}  // namespace scrb
