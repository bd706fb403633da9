#pragma once

#include <cstdint>

#include "logbook/DiveRecord.h"

namespace scrb::test {

// A decoded dive as the decoder leaves it: `sampleCount` samples at one depth, every minute's
// status byte at its last sample, -1 at the others, 0 behind the last sample.
inline DiveRecord UniformDive(int sampleCount, double depth, int status, double tank = 12,
                              double used = 150) {
  DiveRecord dive;
  dive.ProfileDecoded = true;
  dive.SampleCount = sampleCount;
  dive.TankCapacity = tank;
  dive.AirConsumption = used;
  dive.SurfacePressure = 1.0;
  const size_t count = static_cast<size_t>(sampleCount);
  dive.SampleDepth.assign(count + 2, 0.0);
  dive.SampleFlags.assign(count + 2, 0);
  dive.SampleStatus.assign(count + 3, 0);
  for (size_t i = 0; i < count; ++i) {
    dive.SampleDepth[i] = depth;
    dive.SampleStatus[i] = static_cast<int16_t>(i % 3 == 2 ? status : -1);
  }
  return dive;
}

}  // namespace scrb::test
