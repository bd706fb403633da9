#pragma once

#include <cmath>
#include <cstdint>

#include "charts/ChartFrame.h"
#include "charts/SampleTimeAxis.h"
#include "logbook/SampleAccess.h"

namespace scrb {

// The colour of the data segment that ends at sample k: that of the sample it starts from, so
// the first two segments both take sample 0's.
inline Rgb ColorOfSegmentEndingAt(const DecodedProfile& profile, int64_t k,
                                  const Palette& palette) {
  return palette.ForFlags(SampleFlagsAt(profile, k > 0 ? k - 1 : 0));
}

}  // namespace scrb
