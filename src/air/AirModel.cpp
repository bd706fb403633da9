#include "air/AirModel.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "logbook/SampleAccess.h"
#include "logbook/Translation.h"
#include "report/NumberFormat.h"

namespace scrb {

namespace {

// Rows 0..45, levels 1..7.
constexpr double kBreathRates[BreathRateTableRows][kBreathRateLevels - 1] = {
    {7.9, 7.9, 7.9, 7.9, 7.9, 7.9, 7.9},           {8.5, 8.9, 9.3, 9.7, 10, 10.4, 10.7},
    {10.6, 13, 15.3, 17.4, 19.4, 21.4, 23.2},      {11, 13.8, 16.5, 19, 21.3, 23.5, 25.7},
    {11.5, 14.8, 18, 20.9, 23.7, 26.3, 28.8},      {12, 15.8, 19.3, 22.6, 25.8, 28.8, 31.6},
    {12.5, 16.7, 20.6, 24.4, 27.9, 31.2, 34.4},    {12.7, 17.2, 21.2, 25.1, 28.8, 32.3, 35.6},
    {13, 17.7, 22.1, 26.3, 30.2, 34, 37.5},        {13.5, 18.7, 23.6, 28.2, 32.6, 36.7, 40.6},
    {14, 19.6, 24.8, 29.8, 34.5, 38.9, 43.1},      {14.5, 20.6, 26.3, 31.7, 36.8, 41.7, 46.2},
    {14.8, 21.2, 27.2, 32.9, 38.2, 43.3, 48.1},    {15, 21.6, 27.8, 33.7, 39.2, 44.4, 49.3},
    {15.5, 22.6, 29.3, 35.6, 41.5, 47.1, 52.5},    {15.9, 23.2, 30.2, 36.7, 42.9, 48.8, 54.3},
    {16, 23.4, 30.5, 37.1, 43.4, 49.3, 55},        {16.5, 24.5, 32, 39.1, 45.8, 52.1, 58.1},
    {17, 25.5, 33.5, 41, 48.1, 54.8, 61.2},        {17.5, 26.4, 34.8, 42.7, 50.2, 57.3, 64},
    {18, 27.3, 36.2, 44.5, 52.3, 59.8, 66.8},      {18.5, 28.4, 37.7, 46.4, 54.7, 62.5, 69.9},
    {19, 29.4, 39.2, 48.3, 57, 65.2, 73},          {19.5, 30.2, 40.3, 49.9, 58.9, 67.4, 75.5},
    {20, 31.2, 41.8, 51.8, 61.3, 70.2, 78.6},      {20.5, 32.3, 43.3, 53.8, 63.6, 72.9, 81.8},
    {21, 33.3, 44.8, 55.7, 66, 75.7, 84.9},        {21.1, 33.5, 45.1, 56.1, 66.4, 76.2, 85.5},
    {21.5, 34.1, 46, 57.2, 67.8, 77.9, 87.4},      {22, 35.1, 47.5, 59.2, 70.2, 80.6, 90.5},
    {22.5, 36.2, 49, 61.1, 72.5, 83.4, 93.6},      {23, 37.1, 50.3, 62.8, 74.7, 85.8, 96.4},
    {23.3, 37.6, 51.1, 63.8, 75.8, 87.2, 98},      {23.5, 38, 51.7, 64.6, 76.8, 88.3, 99.2},
    {24, 39, 53.2, 66.5, 79.1, 91, 102.3},         {24.5, 40.1, 54.7, 68.5, 81.5, 93.8, 105.4},
    {25, 40.9, 55.9, 70, 83.3, 96, 107.9},         {25.5, 41.9, 57.4, 71.9, 85.7, 98.7, 111.1},
    {26, 42.9, 58.9, 73.9, 88, 101.5, 114.2},      {26.4, 43.8, 60, 75.4, 89.9, 103.7, 116.7},
    {27, 44.8, 61.5, 77.3, 92.3, 106.4, 119.8},    {28.5, 47.9, 66, 83.1, 99.3, 114.6, 129.1},
    {31.7, 54, 75, 94.8, 113.4, 131.1, 147.8},     {37, 64.3, 89.9, 114.1, 136.9, 158.5, 179},
    {42.3, 74.5, 104.8, 133.4, 160.4, 186, 210.2}, {105.7, 197.5, 284, 365.4, 442.4, 515.2, 584.1},
};

// Below this base rate the diver breathes the same at every level.
constexpr double kRestingRate = 8.0;
constexpr double kStartingGuess = 20.0;
constexpr double kSettledChange = 0.1;
constexpr double kMetresPerBar = 10.0;
constexpr double kMaxAirConsumption = 300;
constexpr double kMaxTankCapacity = 100;

double SmallestDepthOfMinute(const DecodedProfile& profile, int lastIndex) {
  return std::min({SampleDepthAt(profile, lastIndex - 2), SampleDepthAt(profile, lastIndex - 1),
                   SampleDepthAt(profile, lastIndex)});
}

void Report(const AirProgress& progress, const std::string& caption) {
  if (progress) progress(caption);
}

// What a pass needs of each whole minute, which does not change from pass to pass.
struct Minute {
  int lastIndex;
  int16_t level;
  double ambientPressure;
};

std::vector<Minute> WholeMinutes(const DecodedProfile& profile, double surfacePressure) {
  std::vector<Minute> minutes;
  minutes.reserve(static_cast<size_t>(profile.SampleCount / kSamplesPerMinute + 1));
  for (int i = MinuteEnd(0); i <= profile.SampleCount; i += kSamplesPerMinute) {
    const double ambient = SmallestDepthOfMinute(profile, i) / kMetresPerBar + surfacePressure;
    minutes.push_back({i, AirLevel(EntryOr0(profile.SampleStatus, i)), ambient});
  }
  return minutes;
}

// Every level's rate at one base rate: a pass looks the table up once per level, not per minute.
struct LevelRates {
  explicit LevelRates(double base) {
    for (int level = 0; level < kBreathRateLevels; ++level) {
      rate[static_cast<size_t>(level)] = BreathRateAtLevel(base, level);
    }
  }
  double operator[](int16_t level) const { return rate[static_cast<size_t>(level)]; }
  std::array<double, kBreathRateLevels> rate{};
};

// One pass: the air that every minute's rate at this base rate draws (surface litres).
double AirDrawnAtBaseRate(const std::vector<Minute>& minutes, double base) {
  const LevelRates rates(base);
  double sum = 0;
  for (const Minute& m : minutes) sum += m.ambientPressure * rates[m.level];
  return sum;
}

// Every minute's rate, and the highest, at the base rate finally kept.
void StoreBreathRates(AirEstimate& air, const std::vector<Minute>& minutes) {
  const LevelRates rates(air.BaseBreathRate);
  air.MaxBreathRate = 0;
  for (const Minute& m : minutes) {
    const double rate = rates[m.level];
    air.SampleBreathRate[static_cast<size_t>(m.lastIndex)] = rate;
    air.MaxBreathRate = std::max(air.MaxBreathRate, rate);
  }
}

void DropEstimate(AirEstimate& air) {
  air.BaseBreathRate = 0;
  air.MaxBreathRate = 0;
  std::fill(air.SampleBreathRate.begin(), air.SampleBreathRate.end(), 0.0);
  std::fill(air.SampleTankPressure.begin(), air.SampleTankPressure.end(), 0.0);
}

// The rate at which the profile draws exactly the air used, for a dive whose passes swing about
// it without settling (at high air levels just above the resting rate the table is so steep that
// each pass overshoots). Above the resting rate the air drawn rises with the base rate, so halving
// the interval finds it. False when no base rate fits: the air used falls into the step the table
// makes at the resting rate.
bool SolveBaseBreathRate(AirEstimate& air, const std::vector<Minute>& minutes, double airUsed) {
  if (!(AirDrawnAtBaseRate(minutes, kRestingRate) <= airUsed)) return false;
  // No level above 0 breathes less than level 1, so at this rate the dive draws at least the air
  // used.
  double breathingPressure = 0;
  for (const Minute& m : minutes) {
    if (m.level > 0) breathingPressure += m.ambientPressure;
  }
  if (!(breathingPressure > 0)) return false;
  double low = kRestingRate;
  double high = std::max(kRestingRate, airUsed / breathingPressure);
  if (!std::isfinite(high)) return false;
  constexpr int kHalvings = 64;
  for (int step = 0; step < kHalvings && high - low > 1e-9; ++step) {
    const double middle = (low + high) / 2;
    (AirDrawnAtBaseRate(minutes, middle) < airUsed ? low : high) = middle;
  }
  air.BaseBreathRate = (low + high) / 2;
  return true;
}

// Iterates the base rate until the air the profile would draw matches the air the logbook says
// was used. Returns false when there is no sound estimate.
bool SettleBaseBreathRate(const DiveRecord& dive, AirEstimate& air,
                          const std::vector<Minute>& minutes, const AirProgress& progress) {
  const double airUsed = dive.TankCapacity * dive.AirConsumption;
  air.BaseBreathRate = kStartingGuess;
  for (int pass = 1; pass <= kMaxAirPasses; ++pass) {
    Report(progress, std::to_string(pass));
    const double sum = AirDrawnAtBaseRate(minutes, air.BaseBreathRate);
    // Nothing drawn (no whole minute, or every minute at a level that breathes nothing): no rate
    // can account for the air used.
    if (!(sum > 0) || !std::isfinite(sum)) return false;
    const double next = airUsed * air.BaseBreathRate / sum;
    if (!std::isfinite(next) || !(next > 0)) return false;
    if (std::fabs(air.BaseBreathRate - next) <= kSettledChange) return true;
    air.BaseBreathRate = next;
  }
  return SolveBaseBreathRate(air, minutes, airUsed);
}

void ComputeTankPressures(const DiveRecord& dive, AirEstimate& air,
                          const std::vector<Minute>& minutes) {
  double pressure = dive.AirConsumption;
  for (const Minute& m : minutes) {
    const size_t i = static_cast<size_t>(m.lastIndex);
    pressure -= m.ambientPressure * air.SampleBreathRate[i] / dive.TankCapacity;
    air.SampleTankPressure[i] = pressure;
  }
}

}  // namespace

void FillBreathRateTable(BreathRateTableData& table) {
  for (auto& row : table) row.fill(0.0);
  for (int row = 0; row < BreathRateTableRows; ++row) {
    for (int level = 1; level < kBreathRateLevels; ++level) {
      table[static_cast<size_t>(row)][static_cast<size_t>(level)] = kBreathRates[row][level - 1];
    }
  }
}

const BreathRateTableData& BreathRateTable() {
  static const BreathRateTableData table = [] {
    BreathRateTableData filled{};
    FillBreathRateTable(filled);
    return filled;
  }();
  return table;
}

int16_t AirLevel(int16_t status) {
  return static_cast<int16_t>((status & kAirLevelMask) / kAirLevelUnit);
}

double BreathRateAtLevel(double base, int level) {
  if (level == 1) return base;
  if (base < kRestingRate) return base;
  if (level < 0 || level >= kBreathRateLevels) return 0;  // no such level: breathes nothing
  if (!std::isfinite(base)) return base;
  const auto& table = BreathRateTable();
  const auto& lastRow = table[BreathRateTableRows - 1];
  // Beyond the last row the levels keep the proportions of that row, which continues the table
  // without a jump for the passes to cross; an estimate that settles there is dropped.
  if (base >= lastRow[1]) return base * lastRow[static_cast<size_t>(level)] / lastRow[1];
  // The rows whose keys bracket the base: the first key above it and the row before.
  const auto above = std::ranges::upper_bound(table.begin(), table.begin() + BreathRateTableRows,
                                              base, {}, [](const auto& row) { return row[1]; });
  const auto& upper = *above;
  const auto& lower = *(above - 1);
  const size_t column = static_cast<size_t>(level);
  if (base == lower[1]) return lower[column];
  return lower[column] +
         (upper[column] - lower[column]) * (base - lower[1]) / (upper[1] - lower[1]);
}

std::string AirSummaryCaption(double baseBreathRate, double maxBreathRate, UnitSystem units) {
  const std::string unit(UnitText(Quantity::BreathRate, units));
  return FillIn(Tr("Readouts", "Min:%1, Max:%2"),
                {FormatIn(Quantity::BreathRate, baseBreathRate, units, "0.0") + " " + unit,
                 FormatIn(Quantity::BreathRate, maxBreathRate, units, "0.0") + " " + unit});
}

AirEstimate ComputeAirModel(const DiveRecord& dive, const DecodedProfile& profile,
                            double surfacePressure, const AirProgress& progress) {
  AirEstimate air;
  // The negated comparisons also refuse NaN.
  if (!(dive.AirConsumption > 0 && dive.AirConsumption <= kMaxAirConsumption)) return air;
  if (!(dive.TankCapacity > 0 && dive.TankCapacity <= kMaxTankCapacity)) return air;
  if (profile.SampleCount <= 0) return air;

  const size_t size = static_cast<size_t>(profile.SampleCount) + 4;
  air.SampleBreathRate.assign(size, 0.0);
  air.SampleTankPressure.assign(size, 0.0);

  const std::vector<Minute> minutes = WholeMinutes(profile, surfacePressure);
  // The passes may look beyond the table on their way, but a base rate that ends there is no
  // estimate: nothing the table knows bears it out, and it runs to thousands of litres a minute.
  const double lastKey = BreathRateTable()[BreathRateTableRows - 1][1];
  if (!SettleBaseBreathRate(dive, air, minutes, progress) || !(air.BaseBreathRate <= lastKey)) {
    DropEstimate(air);
    Report(progress, "");
    return air;
  }
  StoreBreathRates(air, minutes);
  // The page shows the summary again in the diver's units once the estimate is back.
  Report(progress, AirSummaryCaption(air.BaseBreathRate, air.MaxBreathRate, UnitSystem::Metric));
  ComputeTankPressures(dive, air, minutes);
  return air;
}

}  // namespace scrb
