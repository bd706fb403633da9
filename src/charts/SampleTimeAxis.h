#pragma once

#include <cmath>
#include <cstdint>

#include "charts/ChartFrame.h"
#include "logbook/SampleAccess.h"

namespace scrb {

// The time axis that every chart of a dive shares, in hundredths of a minute: sample k is
// plotted at the end of its 20 s, SampleTime(k).

// The same two in single precision, the precision in which the chart surfaces keep a pen position:
// the per-minute and tissue lines are drawn to exactly these points.
inline float SampleTimeSingle(int64_t k) {
  return static_cast<float>(SampleTime(k));
}
inline float SampleStartTimeSingle(int64_t k) {
  return static_cast<float>(SampleStartTime(k));
}

// The time of the last of `sampleCount` samples, in single precision as a mouse position arrives:
// the readouts act from 0 up to here.
inline float LastSampleTime(int64_t sampleCount) {
  return static_cast<float>(SampleStartTime(sampleCount));
}

// Right end of the time axis: one sample interval past the last sample, rounded to a whole
// hundredth (never a half: the fraction is 0, 1/3 or 2/3).
inline ChartValue TimeAxisRight(int64_t sampleCount) {
  return static_cast<ChartValue>(
      std::llround((static_cast<double>(sampleCount) / kSamplesPerMinute + 1) * 100));
}

// The sample plotted nearest to x, by the mouse or the keyboard cursor; halves go to the even
// neighbour. Not clamped to the dive.
inline double NearestSample(double x) {
  return std::nearbyint(kSamplesPerMinute * x / 100 - 1);
}

// The last sample of the whole minute before x: where the per-minute results of the minute the
// mouse is in were stored. -1 in the first minute.
inline int LastSampleOfMinuteBefore(float x) {
  return kSamplesPerMinute * static_cast<int>(std::floor(x / 100)) - 1;
}

}  // namespace scrb
