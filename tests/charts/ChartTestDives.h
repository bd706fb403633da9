#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "charts/Palette.h"
#include "logbook/DiveRecord.h"
#include "logbook/ProfileDecoder.h"
#include "support/RecordingSurface.h"

namespace scrb::test {

// A record and its decoded profile in one value, for tests that hand either to the charts.
struct SampledDive : DiveRecord, DecodedProfile {};

// A decoded dive straight from depths and flags, with the extra entry past the last sample
// holding depth 0 and no flags, as the decoder leaves it.
inline SampledDive DiveWithSamples(const std::vector<double>& depths,
                                   const std::vector<int16_t>& flags = {}) {
  SampledDive dive;
  dive.DiveNumber = 12;
  dive.SampleCount = static_cast<int32_t>(depths.size());
  dive.SampleDepth = depths;
  dive.SampleDepth.push_back(0);
  dive.SampleFlags = flags;
  dive.SampleFlags.resize(depths.size() + 1, 0);
  dive.MaxDepth = *std::max_element(dive.SampleDepth.begin(), dive.SampleDepth.end());
  return dive;
}

// The lines other than the grid, in drawing order; given a pen width, only those drawn with it.
inline std::vector<RecordedOp> DataLines(const RecordingSurface& s, int width = 0) {
  std::vector<RecordedOp> lines;
  for (const RecordedOp& op : s.Lines()) {
    if (op.Color != Palette::Classic().Grid && (width == 0 || op.DrawWidth == width))
      lines.push_back(op);
  }
  return lines;
}

// Where a line ends and its colour, equal to a millionth: a whole data line in one value.
struct LineEnd {
  double X, Y;
  Rgb Color;
  bool operator==(const LineEnd& o) const {
    return std::abs(X - o.X) < 1e-6 && std::abs(Y - o.Y) < 1e-6 && Color == o.Color;
  }
};
inline std::vector<LineEnd> Ends(const std::vector<RecordedOp>& lines, double xUnit = 1) {
  std::vector<LineEnd> ends;
  for (const RecordedOp& op : lines) ends.push_back({op.X2 / xUnit, op.Y2, op.Color});
  return ends;
}
inline void PrintTo(const LineEnd& e, std::ostream* os) {
  *os << "(" << e.X << ", " << e.Y << ") rgb " << e.Color.R << "," << e.Color.G << "," << e.Color.B;
}

}  // namespace scrb::test
