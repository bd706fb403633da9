#pragma once

#include <cmath>

#include "charts/ChartSurface.h"
#include "charts/ProfileSamples.h"
#include "logbook/SampleAccess.h"

namespace scrb {

// The time axis that the per-minute charts share; a minute's results and status byte are read at
// its last sample's index (MinuteEnd).

// Right end of the time axis: one minute past the last sample, in hundredths of a minute.
inline ChartValue MinuteAxisRight(int sampleCount) {
  return static_cast<ChartValue>(std::nearbyint((sampleCount / 3.0 + 1) * 100));
}

// Time at which sample k ends, in hundredths of a minute, as the surfaces take it.
inline double SampleEndX(int k) { return static_cast<float>((k + 1) * 100 / 3.0); }
inline double SampleStartX(int k) { return static_cast<float>(k * 100 / 3.0); }

}  // namespace scrb
