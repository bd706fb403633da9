#pragma once

#include <algorithm>
#include <vector>

#include "logbook/DiveRecord.h"
#include "support/RecordingSurface.h"

namespace scrb::test {

// A decoded dive straight from depths and flags, with the extra entry past the last sample
// holding depth 0 and no flags, as the decoder leaves it.
inline DiveRecord DiveWithSamples(const std::vector<double>& depths,
                                  const std::vector<int16_t>& flags = {}) {
  DiveRecord dive;
  dive.DiveNumber = 12;
  dive.ProfileDecoded = true;
  dive.SampleCount = static_cast<int32_t>(depths.size());
  dive.SampleDepth = depths;
  dive.SampleDepth.push_back(0);
  dive.SampleFlags = flags;
  dive.SampleFlags.resize(depths.size() + 1, 0);
  dive.MaxDepth = *std::max_element(dive.SampleDepth.begin(), dive.SampleDepth.end());
  return dive;
}

// The data lines of a chart, drawn with the thick pen, in drawing order.
inline std::vector<RecordedOp> ThickLines(const RecordingSurface& s, int width = 3) {
  std::vector<RecordedOp> lines;
  for (const RecordedOp& op : s.Lines()) {
    if (op.DrawWidth == width) lines.push_back(op);
  }
  return lines;
}

}  // namespace scrb::test
