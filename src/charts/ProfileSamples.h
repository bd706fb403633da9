#pragma once

#include <cmath>
#include <cstdint>

#include "charts/ChartFrame.h"
#include "logbook/DiveRecord.h"

namespace scrb {

// Safe reads of a decoded profile for the charts and readouts. The sample arrays run one entry
// past the last sample (the return to the surface); a record whose arrays are shorter than its
// SampleCount says reads depth 0 and no flags there rather than failing.

inline int32_t DecodedSampleCount(const DiveRecord& dive) {
  return dive.SampleCount > 0 ? dive.SampleCount : 0;
}

inline double SampleDepthAt(const DiveRecord& dive, int64_t k) {
  if (k < 0 || k >= static_cast<int64_t>(dive.SampleDepth.size())) return 0;
  return dive.SampleDepth[static_cast<size_t>(k)];
}

// Only the low byte of a flag word carries events.
inline int SampleFlagsAt(const DiveRecord& dive, int64_t k) {
  if (k < 0 || k >= static_cast<int64_t>(dive.SampleFlags.size())) return 0;
  return dive.SampleFlags[static_cast<size_t>(k)] & 0xFF;
}

// Right end of the time axis shared by the depth chart, the alarm strip and the speed chart:
// one sample interval past the last sample, in hundredths of a minute.
inline ChartValue ProfileTimeRight(int32_t sampleCount) {
  return static_cast<ChartValue>(std::llround((sampleCount / 3.0 + 1) * 100));
}

// Plotted time of sample k in hundredths of a minute: samples are 20 s apart, the first at 20 s.
inline double SampleTime(int64_t k) {
  return static_cast<double>((k + 1) * 100) / 3;
}

inline Rgb SegmentColor(int flags) {
  return (flags & kAlarmFlagMask) != 0 ? kAlarmColor : kNormalColor;
}

}  // namespace scrb
