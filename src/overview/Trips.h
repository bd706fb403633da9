#pragma once

#include <string>
#include <vector>

#include "logbook/DiveRecord.h"

namespace scrb {

// Dives close together in time: each dive at most kTripGapDays after the one before it in date
// order belongs to the same trip.
inline constexpr int kTripGapDays = 2;

struct Trip {
  // Its most frequent location (the first dive's on a tie) and the month and year of its first
  // dive: "Elba, July 1996". A trip without a readable date is named by its location alone.
  std::string Label;
  std::vector<int> Dives;  // list indices, in date order (time of day, then logbook order)
  bool Dated = true;       // false for a dive whose date cannot be read: a trip of its own
};

// Every dive in exactly one trip. Dated trips come first in date order, then each undated dive
// as a trip of its own, in logbook order.
std::vector<Trip> FindTrips(const std::vector<DiveRecord>& dives);

// For each dive, the position of its trip in what FindTrips gives.
std::vector<int> TripOfEachDive(const std::vector<Trip>& trips, size_t diveCount);

}  // namespace scrb
