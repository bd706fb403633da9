#pragma once

#include <cmath>
#include <cstddef>
#include <vector>

#include "charts/ChartSurface.h"
#include "charts/ProfileSamples.h"
#include "logbook/SampleAccess.h"

namespace scrb {

// The per-minute charts read a minute's results and status byte at its last sample's index
// (MinuteEnd).

inline constexpr int kDataLineWidth = 3;

// The data line from (0, startY) to the end of every sample at its point, one point per sample
// and one for the entry past the last.
inline void DrawMinuteLine(const DecodedProfile& profile, ChartSurface& surface, double startY,
                           const std::vector<double>& points, const Palette& palette) {
  surface.SetCurrentX(0);
  surface.SetCurrentY(startY);
  surface.SetDrawWidth(kDataLineWidth);
  for (size_t k = 0; k < points.size(); ++k) {
    const int sample = static_cast<int>(k);
    surface.LineTo(SampleTimeSingle(sample), points[k],
                   ColorOfSegmentEndingAt(profile, sample, palette));
  }
  surface.SetDrawWidth(1);
}

}  // namespace scrb
