#pragma once

#include <cmath>
#include <cstddef>
#include <vector>

#include "charts/ChartFrame.h"
#include "charts/ChartSurface.h"
#include "logbook/DiveRecord.h"

namespace scrb {

// The per-minute charts share one time axis and one way of reading a sample's minute. A minute's
// results and status byte live at its last sample's index; entries read behind what a record
// holds count as 0, as the decoder leaves them.
template <typename T>
T EntryOr0(const std::vector<T>& values, int index) {
  if (index < 0 || static_cast<size_t>(index) >= values.size()) return T{};
  return values[static_cast<size_t>(index)];
}

// Index of the last sample of sample k's minute.
inline int MinuteEnd(int k) { return k - k % 3 + 2; }

// A segment takes the colour of the sample before it; the first two both take sample 0's.
inline Rgb SegmentColor(const DiveRecord& dive, int k) {
  const int flags = EntryOr0(dive.SampleFlags, k > 0 ? k - 1 : 0);
  return (flags & kAlarmFlagMask) != 0 ? kAlarmColor : kNormalColor;
}

// Right end of the time axis: one minute past the last sample, in hundredths of a minute.
inline ChartValue MinuteAxisRight(int sampleCount) {
  return static_cast<ChartValue>(std::nearbyint((sampleCount / 3.0 + 1) * 100));
}

// Time at which sample k ends, in hundredths of a minute, as the surfaces take it.
inline double SampleEndX(int k) { return static_cast<float>((k + 1) * 100 / 3.0); }
inline double SampleStartX(int k) { return static_cast<float>(k * 100 / 3.0); }

}  // namespace scrb
