#include "saturation/Saturation.h"

#include <cmath>

#include "logbook/SampleAccess.h"

namespace scrb {

namespace {

// Ambient pressure of every step from 1 to n + 1, in bar (10 m of water per bar). Step n + 1 is
// the final 20 seconds at the surface; a depth array that stops short reads as the surface too.
std::vector<double> AmbientPressures(const DecodedProfile& profile, double surfacePressure) {
  const size_t steps = static_cast<size_t>(profile.SampleCount) + 2;
  std::vector<double> ambient(steps, 0.0);
  for (size_t s = 1; s < steps; ++s) {
    ambient[s] = SampleDepthAt(profile, static_cast<int64_t>(s) - 1) / 10 + surfacePressure;
  }
  return ambient;
}

}  // namespace

SaturationResult ComputeSaturation(const DecodedProfile& profile, double surfacePressure,
                                   const DecoModel& model, const SaturationProgress& progress,
                                   const std::vector<double>& start) {
  SaturationResult result;
  result.DecoModelNumber = model.DecoModelNumber;
  result.SurfacePressure = surfacePressure;
  if (profile.SampleCount <= 0) return result;

  // Every ratio below divides by the ambient pressure; without a positive surface pressure there
  // is nothing meaningful to show, so the dive is left without results instead of with NaNs.
  if (!(surfacePressure > 0) || !std::isfinite(surfacePressure)) return result;

  if (progress) progress();

  const int tissueCount = model.TissueCount;
  const size_t steps = static_cast<size_t>(profile.SampleCount) + 2;
  const std::vector<double> ambient = AmbientPressures(profile, surfacePressure);
  const bool carried = start.size() == static_cast<size_t>(tissueCount);
  // The last row stays 0: readers size their loops by the model's tissue count plus one.
  result.TissuePressure.assign(static_cast<size_t>(tissueCount) + 1,
                               std::vector<double>(steps, 0.0));

  for (int t = 0; t < tissueCount; ++t) {
    std::vector<double>& pressure = result.TissuePressure[static_cast<size_t>(t)];
    const double decay = model.TissueDecay[static_cast<size_t>(t)];
    const double critical = model.CriticalCoefficient[static_cast<size_t>(t)];
    pressure[0] = carried ? start[static_cast<size_t>(t)] : surfacePressure * kNitrogenFraction;
    for (size_t s = 1; s < steps; ++s) {
      const double a = ambient[s];
      const double inspired = a * kNitrogenFraction;
      // Exact solution over 20 s with the inspired pressure held for the whole step.
      const double p = (pressure[s - 1] - inspired) * decay + inspired;
      pressure[s] = p;
      if (p > result.MaxTissuePressure) result.MaxTissuePressure = p;
      const double r = p / a / critical;
      // Strict comparisons: of equal values the first tissue, then the first step, is reported.
      if (r > result.MaxOverSaturation) {
        result.MaxOverSaturation = r;
        result.MaxOverSaturationSample = static_cast<int32_t>(s - 1);
        result.MaxOverSaturationTissue = t;
      }
      if (r < result.MinOverSaturation) result.MinOverSaturation = r;
    }
  }
  return result;
}

bool SaturationFits(const DecodedProfile& profile, const SaturationResult& result,
                    const DecoModel& model) {
  if (profile.SampleCount <= 0 || result.DecoModelNumber != model.DecoModelNumber) return false;
  const size_t steps = static_cast<size_t>(profile.SampleCount) + 2;
  if (result.TissuePressure.size() != static_cast<size_t>(model.TissueCount) + 1) return false;
  if (model.CriticalCoefficient.size() < static_cast<size_t>(model.TissueCount)) return false;
  if (model.TissueColor.size() < static_cast<size_t>(model.TissueCount)) return false;
  for (const std::vector<double>& row : result.TissuePressure) {
    if (row.size() != steps) return false;
  }
  return profile.SampleDepth.size() > static_cast<size_t>(profile.SampleCount);
}

}  // namespace scrb
