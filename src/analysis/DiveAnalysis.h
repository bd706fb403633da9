#pragma once

#include <cstdint>
#include <memory>

#include "air/AirModel.h"
#include "analysis/RepetitiveDives.h"
#include "logbook/DiveRecord.h"
#include "logbook/ProfileDecoder.h"
#include "saturation/DecoModel.h"
#include "saturation/Saturation.h"

namespace scrb {

// A dive's record with everything derived from it: what one dive's pages, exports and report
// read. The parts are shared with the cache that made them and never change.
struct AnalysedDive {
  const DiveRecord* Record = nullptr;
  std::shared_ptr<const DecodedProfile> Profile;
  std::shared_ptr<const AirEstimate> Air;
  std::shared_ptr<const SaturationResult> Saturation;
  double SurfacePressure = 1.0;  // bar, the one the air and the saturation were computed at
  RepetitiveStart Start;         // where the saturation's tissues started

  const DiveRecord& Dive() const { return *Record; }
};

// What the whole logbook is summed up from, a few numbers a dive, so that every dive of a large
// logbook can be known without keeping its sample arrays.
struct AnalysisSummary {
  int32_t SampleCount = 0;
  double DeepestSample = 0;   // metres
  double BaseBreathRate = 0;  // litres per minute; 0: no estimate
  bool HasSaturation = false;
  double MaxOverSaturation = 0;  // %, under the model in force
  int32_t MaxOverSaturationTissue = 0;
  int32_t MaxOverSaturationSample = 0;
  std::vector<double> EndTissuePressure;  // each tissue's last step, bar of nitrogen
  CarryOver Carry = CarryOver::NotRepetitive;
  int32_t CarriedFrom = -1;  // index of the dive whose nitrogen the saturation started from
};

// Each part of a dive's analysis computed from nothing; pure, so any thread may call them.
std::shared_ptr<const DecodedProfile> ProfileOf(const DiveRecord& dive);
std::shared_ptr<const AirEstimate> AirOf(const DiveRecord& dive, const DecodedProfile& profile,
                                         double surfacePressure, const AirProgress& progress = {});
std::shared_ptr<const SaturationResult> SaturationOf(const DecodedProfile& profile,
                                                     double surfacePressure, const DecoModel& model,
                                                     const SaturationProgress& progress = {},
                                                     const std::vector<double>& startTissues = {});

// The whole analysis of one dive.
AnalysedDive AnalyseDive(const DiveRecord& dive, const DecoModel& model, double surfacePressure,
                         const std::vector<double>& startTissues = {});

// The same from a start worked out by the chain: the start goes with the result.
AnalysedDive AnalyseDive(const DiveRecord& dive, const DecoModel& model, double surfacePressure,
                         const RepetitiveStart& start);

AnalysisSummary SummariseDive(const AnalysedDive& analysed);

}  // namespace scrb
