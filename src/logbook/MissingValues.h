#pragma once

#include <cstdint>

namespace scrb {

// Where the dive computer recorded nothing it writes the word 0x7FFF: 327.67 in a measured
// (hundredths) field, 32767 in a minutes field.
inline constexpr int32_t kMissingWord = 0x7FFF;
inline constexpr double kUnknownMeasurement = kMissingWord / 100.0;
inline constexpr int32_t kUnknownMinutes = kMissingWord;

// True for a value that prints as the mark in the general number format (15 significant digits),
// so that a chart treats as unknown exactly what every text shows as "Unknown". The negative mark
// is an ordinary value.
bool IsUnknownMeasurement(double value);

constexpr bool IsUnknownMinutes(int32_t minutes) {
  return minutes == kUnknownMinutes;
}

}  // namespace scrb
