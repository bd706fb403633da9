#pragma once

#include <cmath>
#include <cstdint>

#include "charts/ChartFrame.h"
#include "charts/SampleTimeAxis.h"
#include "logbook/SampleAccess.h"

namespace scrb {

// The alarm colouring that the profile charts share.

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
