#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace scrb {

// The units the diver reads figures in. The core computes in metric units; texts, chart axes and
// reports convert at the moment they show a figure. Tank sizes stay in litres either way: the
// file holds the tank's water volume only.
enum class UnitSystem { Metric, Imperial };

// What a figure measures; each kind converts and rounds in its own way. In imperial:
// - Depth, m to ft: one decimal fewer than metric (0.1 m is about 0.3 ft).
// - Speed, m/min to ft/min: as depth.
// - Temperature, C to °F: as many decimals as metric; whole degrees in the texts.
// - Pressure, bar to psi: one decimal fewer (1 psi is 0.07 bar), so tank figures are whole psi.
// - BreathRate, l/min to cu ft/min: one decimal more (0.01 cu ft is 0.28 l).
enum class Quantity { Depth, Speed, Temperature, Pressure, BreathRate };

// The metric value in the unit system's unit; a temperature difference would not take the 32.
double ToUnits(Quantity quantity, double metricValue, UnitSystem units);

// "m", "m/min", "C", "bar", "l/min"; "ft", "ft/min", "°F", "psi", "cu ft/min".
std::string_view UnitText(Quantity quantity, UnitSystem units);

// Decimals a figure of this kind takes in the unit system when metric shows `metricDecimals`.
int UnitDecimals(Quantity quantity, UnitSystem units, int metricDecimals);

// The value under a metric pattern such as "0.0": metric exactly FormatPattern(value, pattern);
// imperial converted, with the integer digits of the pattern and UnitDecimals of its decimals.
std::string FormatIn(Quantity quantity, double metricValue, UnitSystem units,
                     std::string_view metricPattern);

// The logbook figure, a blank and the unit; "Unknown" for the missing-value mark in either
// system. Metric is the general number format, as every text showed it; imperial rounds depths
// to one decimal, temperatures and pressures to whole units, breath rates to two decimals.
std::string FieldWithUnit(Quantity quantity, double metricValue, UnitSystem units);

// The same without the unit, for table cells; nothing for the missing-value mark.
std::optional<double> FieldIn(Quantity quantity, double metricValue, UnitSystem units);

// "metric" or "imperial", as the settings and the command line spell them.
std::string_view UnitSystemName(UnitSystem units);
// Either name in any letter case; nothing for any other text.
std::optional<UnitSystem> UnitSystemByName(std::string_view name);

}  // namespace scrb
