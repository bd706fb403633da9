#pragma once

#include <vector>

#include "logbook/DiveRecord.h"
#include "saturation/DecoModel.h"

namespace scrb::test {

// A decoded dive with the given sample depths in metres, followed by the surface entry that the
// decoder leaves behind the last sample.
inline DiveRecord DiveWithDepths(const std::vector<double>& depths, double surfacePressure = 1.0) {
  DiveRecord dive;
  dive.ProfileDecoded = true;
  dive.SampleCount = static_cast<int32_t>(depths.size());
  dive.SampleDepth = depths;
  dive.SampleDepth.push_back(0);
  dive.SampleFlags.assign(depths.size() + 1, 0);
  dive.SampleStatus.assign(depths.size() + 2, 0);
  dive.SurfacePressure = surfacePressure;
  return dive;
}

inline DecoModel Model(int number) {
  DecoModel model;
  LoadDecoModel(model, number);
  return model;
}

}  // namespace scrb::test
