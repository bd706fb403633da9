#include "analysis/DiveAnalysis.h"

#include <algorithm>

#include "logbook/SampleAccess.h"

namespace scrb {

std::shared_ptr<const DecodedProfile> ProfileOf(const DiveRecord& dive) {
  return std::make_shared<const DecodedProfile>(DecodeProfile(dive));
}

std::shared_ptr<const AirEstimate> AirOf(const DiveRecord& dive, const DecodedProfile& profile,
                                         double surfacePressure, const AirProgress& progress) {
  return std::make_shared<const AirEstimate>(
      ComputeAirModel(dive, profile, surfacePressure, progress));
}

std::shared_ptr<const SaturationResult> SaturationOf(const DecodedProfile& profile,
                                                     double surfacePressure, const DecoModel& model,
                                                     const SaturationProgress& progress,
                                                     const std::vector<double>& startTissues) {
  return std::make_shared<const SaturationResult>(
      ComputeSaturation(profile, surfacePressure, model, progress, startTissues));
}

AnalysedDive AnalyseDive(const DiveRecord& dive, const DecoModel& model, double surfacePressure,
                         const std::vector<double>& startTissues) {
  AnalysedDive analysed;
  analysed.Record = &dive;
  analysed.SurfacePressure = surfacePressure;
  analysed.Profile = ProfileOf(dive);
  analysed.Air = AirOf(dive, *analysed.Profile, surfacePressure);
  analysed.Saturation = SaturationOf(*analysed.Profile, surfacePressure, model, {}, startTissues);
  return analysed;
}

AnalysedDive AnalyseDive(const DiveRecord& dive, const DecoModel& model, double surfacePressure,
                         const RepetitiveStart& start) {
  AnalysedDive analysed = AnalyseDive(dive, model, surfacePressure, start.Tissues);
  analysed.Start = start;
  return analysed;
}

AnalysisSummary SummariseDive(const AnalysedDive& analysed) {
  AnalysisSummary summary;
  summary.Carry = analysed.Start.Kind;
  summary.CarriedFrom = analysed.Start.From;
  const DecodedProfile& profile = *analysed.Profile;
  summary.SampleCount = DecodedSampleCount(profile);
  for (int32_t k = 0; k < summary.SampleCount; ++k) {
    summary.DeepestSample = std::max(summary.DeepestSample, SampleDepthAt(profile, k));
  }
  if (analysed.Air) summary.BaseBreathRate = analysed.Air->BaseBreathRate;
  if (const SaturationResult* saturation = analysed.Saturation.get();
      saturation != nullptr && !saturation->TissuePressure.empty()) {
    summary.HasSaturation = true;
    summary.MaxOverSaturation = saturation->MaxOverSaturation;
    summary.MaxOverSaturationTissue = saturation->MaxOverSaturationTissue;
    summary.MaxOverSaturationSample = saturation->MaxOverSaturationSample;
    // The unused last row holds no tissue.
    for (size_t t = 0; t + 1 < saturation->TissuePressure.size(); ++t) {
      summary.EndTissuePressure.push_back(saturation->TissuePressure[t].back());
    }
  }
  return summary;
}

}  // namespace scrb
