#pragma once

#include <optional>
#include <string>

#include "report/Units.h"
#include "saturation/DecoModel.h"
#include "saturation/Saturation.h"

namespace scrb {

// What the saturation readout shows for one position over the charts.
struct SaturationReadout {
  int Sample = 0;                  // depth sample under the mouse; its step is Sample + 1
  std::string PressureText;        // beside the tissue pressure chart's title
  std::string OverSaturationText;  // beside the over-saturation chart's title
};

// The depth sample whose step lies nearest to x (hundredths of a minute); empty outside the
// dive's samples. The last minute of the chart, the final surface step, gives no readout.
std::optional<int> SaturationReadoutSample(int sampleCount, float x);

// The readout at x; empty where there is nothing to read, which leaves the labels as they are.
std::optional<SaturationReadout> ReadSaturation(const DecodedProfile& profile,
                                                const SaturationResult& saturation,
                                                const DecoModel& model, float x, UnitSystem units);

}  // namespace scrb
