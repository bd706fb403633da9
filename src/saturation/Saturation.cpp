#include "saturation/Saturation.h"

#include <cmath>

#include "logbook/SampleAccess.h"

namespace scrb {

namespace {

constexpr double kNitrogenFraction = 0.79;  // air, no water-vapour correction

// Ambient pressure of every step from 1 to n + 1, in bar (10 m of water per bar). Step n + 1 is
// the final 20 seconds at the surface; a depth array that stops short reads as the surface too.
std::vector<double> AmbientPressures(const DiveRecord& dive) {
  const size_t steps = static_cast<size_t>(dive.SampleCount) + 2;
  std::vector<double> ambient(steps, 0.0);
  for (size_t s = 1; s < steps; ++s) {
    ambient[s] = SampleDepthAt(dive, static_cast<int64_t>(s) - 1) / 10 + dive.SurfacePressure;
  }
  return ambient;
}

void ClearResults(DiveRecord& dive) {
  dive.TissuePressure.clear();
  dive.MaxTissuePressure = 0;
  dive.MaxOverSaturation = 0;
  dive.MinOverSaturation = 0;
  dive.MaxOverSaturationSample = 0;
  dive.MaxOverSaturationTissue = 0;
}

}  // namespace

void ComputeSaturation(DiveRecord& dive, const DecoModel& model,
                       const SaturationProgress& progress) {
  if (dive.SaturationComputed) return;
  dive.SaturationComputed = true;
  if (dive.SampleCount <= 0) return;

  // Every ratio below divides by the ambient pressure; without a positive surface pressure there
  // is nothing meaningful to show, so the dive is left without results instead of with NaNs.
  if (!(dive.SurfacePressure > 0) || !std::isfinite(dive.SurfacePressure)) {
    ClearResults(dive);
    return;
  }

  if (progress) progress();

  const int tissueCount = model.TissueCount;
  const size_t steps = static_cast<size_t>(dive.SampleCount) + 2;
  const std::vector<double> ambient = AmbientPressures(dive);
  // Rebuilt from nothing, so no value of an earlier model survives. The last row stays 0:
  // readers size their loops by the model's tissue count plus one.
  ClearResults(dive);
  dive.TissuePressure.assign(static_cast<size_t>(tissueCount) + 1, std::vector<double>(steps, 0.0));

  for (int t = 0; t < tissueCount; ++t) {
    std::vector<double>& pressure = dive.TissuePressure[static_cast<size_t>(t)];
    const double decay = model.TissueDecay[static_cast<size_t>(t)];
    const double critical = model.CriticalCoefficient[static_cast<size_t>(t)];
    pressure[0] = dive.SurfacePressure * kNitrogenFraction;
    for (size_t s = 1; s < steps; ++s) {
      const double a = ambient[s];
      const double inspired = a * kNitrogenFraction;
      // Exact solution over 20 s with the inspired pressure held for the whole step.
      const double p = (pressure[s - 1] - inspired) * decay + inspired;
      pressure[s] = p;
      if (p > dive.MaxTissuePressure) dive.MaxTissuePressure = p;
      const double r = p / a / critical;
      // Strict comparisons: of equal values the first tissue, then the first step, is reported.
      if (r > dive.MaxOverSaturation) {
        dive.MaxOverSaturation = r;
        dive.MaxOverSaturationSample = static_cast<int32_t>(s - 1);
        dive.MaxOverSaturationTissue = t;
      }
      if (r < dive.MinOverSaturation) dive.MinOverSaturation = r;
    }
  }
}

bool SaturationFits(const DiveRecord& dive, const DecoModel& model) {
  if (!dive.SaturationComputed || dive.SampleCount <= 0) return false;
  const size_t steps = static_cast<size_t>(dive.SampleCount) + 2;
  if (dive.TissuePressure.size() != static_cast<size_t>(model.TissueCount) + 1) return false;
  if (model.CriticalCoefficient.size() < static_cast<size_t>(model.TissueCount)) return false;
  if (model.TissueColor.size() < static_cast<size_t>(model.TissueCount)) return false;
  for (const std::vector<double>& row : dive.TissuePressure) {
    if (row.size() != steps) return false;
  }
  return dive.SampleDepth.size() > static_cast<size_t>(dive.SampleCount);
}

void ComputeSaturationUnderModel(DiveRecord& dive, const DecoModel& model,
                                 const SaturationProgress& progress) {
  ComputeSaturation(dive, model, progress);
  if (model.TissueCount > 0 && !SaturationFits(dive, model)) {
    dive.SaturationComputed = false;
    ComputeSaturation(dive, model, progress);
  }
}

}  // namespace scrb
