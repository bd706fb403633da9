#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "logbook/SampleAccess.h"

namespace scrb {

// Texts of the coded fields of a dive: code tables, bit lists, sample columns and times.
// All are pure functions; what they return is shown to the user as it stands.

inline constexpr std::string_view kUnknownText = "Unknown";

// "Unknown" in the diver's language.
std::string UnknownText();

// The value in general number format, or "Unknown" for the missing-value mark.
std::string FormatOrUnknown(double value);

// The value, a blank and the unit, or "Unknown" alone for the missing-value mark.
std::string FormatWithUnit(double value, std::string_view unit);

std::string AltitudeText(int32_t code);
std::string WeatherText(int32_t code);
std::string SuitText(int32_t code);

// Comma-separated names of the set bits; an empty set reads "No Alarms" for alarms only.
std::string AlarmText(int32_t bits);
std::string DiveTypeText(int32_t bits);
std::string ActivityText(int32_t bits);

// Fixed-width columns of one sample's event flags and of a status byte, for the raw dump.
std::string SampleFlagsText(int32_t flags);
std::string SampleStatusText(int32_t status);

// Time of sample i into the dive, as minutes'seconds" (sample 0 is 20 seconds in).
std::string SampleTimeText(int32_t sampleIndex);

// The low `count` bits of value as 0 and 1, most significant first (two's complement below 0).
std::string BitsText(int64_t value, int count);

// Two bytes as a little-endian file word (values above 32768 wrap to negative). Missing bytes
// count as 0.
int32_t WordFromChars(std::string_view bytes);

}  // namespace scrb
