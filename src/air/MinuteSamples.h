#pragma once

#include <cmath>
#include <cstddef>
#include <vector>

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
inline double SampleEndX(int k) {
  return static_cast<float>((k + 1) * 100 / 3.0);
}
inline double SampleStartX(int k) {
  return static_cast<float>(k * 100 / 3.0);
}

inline constexpr int kDataLineWidth = 3;

// The data line from (0, startY) to the end of every sample at its point, one point per sample
// and one for the entry past the last.
inline void DrawMinuteLine(const DecodedProfile& profile, ChartSurface& surface, double startY,
                           const std::vector<double>& points) {
  surface.SetCurrentX(0);
  surface.SetCurrentY(startY);
  surface.SetDrawWidth(kDataLineWidth);
  for (size_t k = 0; k < points.size(); ++k) {
    const int sample = static_cast<int>(k);
    surface.LineTo(SampleEndX(sample), points[k], ColorOfSegmentEndingAt(profile, sample));
  }
  surface.SetDrawWidth(1);
}

}  // namespace scrb
