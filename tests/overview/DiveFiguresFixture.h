#pragma once

#include <optional>

#include "overview/Statistics.h"

namespace scrb::test {

// A dive of a few figures, numbered 100 up by its index; the rest as a dive computer would leave
// them.
inline DiveFigures Figures(int index, int date, std::optional<double> depth,
                           std::optional<int> minutes, std::optional<double> water = {},
                           std::optional<double> breath = {},
                           std::optional<double> oversat = {}, int tissue = 0) {
  DiveFigures d;
  d.Index = index;
  d.Number = 100 + index;
  d.Date = date;
  d.MaxDepth = depth;
  d.DiveMinutes = minutes;
  d.WaterTemperature = water;
  d.BreathRate = breath;
  d.OverSaturation = oversat;
  d.Tissue = tissue;
  return d;
}

}  // namespace scrb::test
