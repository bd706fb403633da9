#pragma once

#include <algorithm>
#include <vector>

#include "logbook/DiveRecord.h"

namespace scrb::test {

// A decoded dive straight from depths and flags, with the extra entry past the last sample
// holding depth 0 and no flags, as the decoder leaves it.
inline DiveRecord DiveWithSamples(const std::vector<double>& depths,
                                  const std::vector<int16_t>& flags = {}, double maxDepth = -1) {
  DiveRecord dive;
  dive.DiveNumber = 12;
  dive.ProfileDecoded = true;
  dive.SampleCount = static_cast<int32_t>(depths.size());
  dive.SampleDepth = depths;
  dive.SampleDepth.push_back(0);
  dive.SampleFlags = flags;
  dive.SampleFlags.resize(depths.size() + 1, 0);
  double deepest = 0;
  for (double d : depths) deepest = std::max(deepest, d);
  dive.MaxDepth = maxDepth >= 0 ? maxDepth : deepest;
  return dive;
}

}  // namespace scrb::test
