#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "logbook/ProfileDecoder.h"
#include "saturation/DecoModel.h"

namespace scrb {

// Called once, just before the tissue loops start, so that the caller can show that a
// computation is under way (nothing repaints while it runs).
using SaturationProgress = std::function<void()>;

// The nitrogen pressure of every tissue of a model over a dive, TissuePressure[tissue][step], with
// the dive's summary. The rows are one per tissue plus an unused last one, each with
// SampleCount + 2 steps; no rows when the dive has no samples or no usable surface pressure.
struct SaturationResult {
  int DecoModelNumber = -1;      // the model the pressures were computed under
  double SurfacePressure = 1.0;  // bar, the surface pressure they were computed at
  std::vector<std::vector<double>> TissuePressure;  // bar of nitrogen
  double MaxTissuePressure = 0;                     // bar
  double MaxOverSaturation = 0;                     // % of the tissue's critical ratio
  int32_t MaxOverSaturationSample = 0;
  int32_t MaxOverSaturationTissue = 0;
  double MinOverSaturation = 0;  // %
};

// The nitrogen fraction of the air breathed; a tissue at rest at the surface holds this part of
// the surface pressure.
constexpr double kNitrogenFraction = 0.79;

// Simulates the nitrogen pressure of every tissue of the model over the dive's profile, breathing
// air at the given surface pressure. Each tissue starts from `start` when it holds one pressure per
// tissue of the model, else from equilibrium at the surface.
SaturationResult ComputeSaturation(const DecodedProfile& profile, double surfacePressure,
                                   const DecoModel& model, const SaturationProgress& progress = {},
                                   const std::vector<double>& start = {});

// True when the result fits the model and the profile: one row per tissue plus the unused last
// one, each with SampleCount + 2 steps. Results of another model must never be read with this one.
bool SaturationFits(const DecodedProfile& profile, const SaturationResult& result,
                    const DecoModel& model);

}  // namespace scrb
