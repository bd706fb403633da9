#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "logbook/DiveRecord.h"

namespace scrb::test {

// A decoded dive as the decoder leaves it: `sampleCount` samples at one depth, every minute's
// status byte at its last sample, -1 at the others, 0 behind the last sample.
inline DiveRecord UniformDive(int sampleCount, double depth, int status, double tank = 12, double used = 150) {
  DiveRecord dive;
  dive.ProfileDecoded = true;
  dive.SampleCount = sampleCount;
  dive.TankCapacity = tank;
  dive.AirConsumption = used;
  dive.SurfacePressure = 1.0;
  dive.SampleDepth.assign(static_cast<size_t>(sampleCount) + 2, 0.0);
  dive.SampleFlags.assign(static_cast<size_t>(sampleCount) + 2, 0);
  dive.SampleStatus.assign(static_cast<size_t>(sampleCount) + 3, 0);
  for (int i = 0; i < sampleCount; ++i) {
    dive.SampleDepth[static_cast<size_t>(i)] = depth;
    dive.SampleStatus[static_cast<size_t>(i)] = static_cast<int16_t>(i % 3 == 2 ? status : -1);
  }
  return dive;
}

// A dive with hand-set air results, for the charts and the readout: `rates` and `tank` give the
// values of minutes 0, 1, ... at indices 2, 5, ...
inline DiveRecord DiveWithAirResults(int sampleCount, const std::vector<double>& rates,
                                     const std::vector<double>& tank) {
  DiveRecord dive = UniformDive(sampleCount, 10, 0x10);
  dive.AirComputed = true;
  dive.BaseBreathRate = rates.empty() ? 0 : rates.front();
  dive.SampleBreathRate.assign(static_cast<size_t>(sampleCount) + 4, 0.0);
  dive.SampleTankPressure.assign(static_cast<size_t>(sampleCount) + 4, 0.0);
  for (size_t minute = 0; minute < rates.size(); ++minute) {
    dive.SampleBreathRate[3 * minute + 2] = rates[minute];
    dive.MaxBreathRate = std::max(dive.MaxBreathRate, rates[minute]);
  }
  for (size_t minute = 0; minute < tank.size(); ++minute) dive.SampleTankPressure[3 * minute + 2] = tank[minute];
  return dive;
}

}  // namespace scrb::test
