#pragma once

#include <cmath>
#include <cstdint>

#include "charts/ChartFrame.h"
#include "logbook/SampleAccess.h"

namespace scrb {

// The time axis and the alarm colouring that the profile charts share.

// Right end of the time axis shared by the depth chart, the alarm strip and the speed chart:
// one sample interval past the last sample, in hundredths of a minute.
inline ChartValue ProfileTimeRight(int32_t sampleCount) {
  return static_cast<ChartValue>(std::llround((sampleCount / 3.0 + 1) * 100));
}

// Plotted time of sample k in hundredths of a minute: samples are 20 s apart, the first at 20 s.
inline double SampleTime(int64_t k) {
  return static_cast<double>((k + 1) * 100) / 3;
}

// The colour that a sample's event flags give a data line.
inline Rgb ColorForFlags(int flags) {
  return (flags & kAlarmFlagMask) != 0 ? kAlarmColor : kNormalColor;
}

// The colour of the data segment that ends at sample k: that of the sample it starts from, so
// the first two segments both take sample 0's.
inline Rgb ColorOfSegmentEndingAt(const DecodedProfile& profile, int64_t k) {
  return ColorForFlags(SampleFlagsAt(profile, k > 0 ? k - 1 : 0));
}

}  // namespace scrb
