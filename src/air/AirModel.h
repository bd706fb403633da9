#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "logbook/DiveRecord.h"
#include "logbook/ProfileDecoder.h"
#include "report/Units.h"

namespace scrb {

// Breath rates in litres per minute by row and air level 0..7. Column 1 is the key (the diver's
// rate at the lowest air level), strictly increasing down the filled rows; column 0 stays 0.
constexpr int kBreathRateLevels = 8;
constexpr int kBreathRateTableSize = 51;
constexpr int BreathRateTableRows = 46;
using BreathRateTableData = std::array<std::array<double, kBreathRateLevels>, kBreathRateTableSize>;

// Writes the constant breath-rate values into the table; rows past the filled ones hold 0.
void FillBreathRateTable(BreathRateTableData& table);

// The table, filled on first use.
const BreathRateTableData& BreathRateTable();

// Air level 0..7 from bits 4 to 6 of a minute's status byte.
int16_t AirLevel(int16_t status);

// Breath rate at air level `level` of a diver whose level-1 rate is `base`.
double BreathRateAtLevel(double base, int level);

// The passes of the estimate stop here. Low base rates at high air levels, where the table is
// steep, make the passes settle slowly or swing to and fro for good; the estimate then takes the
// base rate at which the profile draws exactly the air used, found directly, or gives none when no
// rate fits.
constexpr int kMaxAirPasses = 100;

// Receives the text of the air summary label: the pass count while the passes run, then the
// summary, or "" when the dive turns out to have no estimate after the passes began.
using AirProgress = std::function<void(const std::string& caption)>;

// "Min:20.0 l/min, Max:31.2 l/min".
std::string AirSummaryCaption(double baseBreathRate, double maxBreathRate, UnitSystem units);

// The air model's estimate of a dive, per minute at the minute's last sample. The arrays run
// four entries past the last sample, or are empty when there is no estimate.
struct AirEstimate {
  std::vector<double> SampleBreathRate;    // litres per minute
  double BaseBreathRate = 0;               // litres per minute at air level 1; 0: no estimate
  double MaxBreathRate = 0;                // litres per minute
  std::vector<double> SampleTankPressure;  // bar above the end-of-dive pressure
};

// Estimates the breath rate and tank pressure of every whole minute of the dive from its tank
// capacity, air used and per-minute air levels, at the given surface pressure. A dive without an
// estimate has BaseBreathRate 0; so has one whose base rate lies past the table's last row.
AirEstimate ComputeAirModel(const DiveRecord& dive, const DecodedProfile& profile,
                            double surfacePressure, const AirProgress& progress = {});

}  // namespace scrb
