#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "air/AirModel.h"
#include "logbook/DiveRecord.h"
#include "logbook/ProfileDecoder.h"
#include "report/Units.h"
#include "saturation/DecoModel.h"
#include "saturation/Saturation.h"

namespace scrb {

// What the ruler measures between two times of a dive. Its ends stand on the samples nearest the
// two times, so that every figure is one the charts and readouts show at those samples.
struct StretchMeasure {
  int32_t First = 0;  // the earlier end's sample
  int32_t Last = 0;
  int32_t Seconds = 0;
  double FirstDepth = 0;  // metres
  double LastDepth = 0;
  // Metres a minute, ascent positive as on the vertical speed chart; none for ends on one sample.
  std::optional<double> MeanVerticalSpeed;
  // The fall of the estimated tank pressure (bar) and the air it stands for (litres at the
  // surface); none without an air estimate.
  std::optional<double> AirPressureDrawn;
  std::optional<double> AirLitresDrawn;
  // The highest over-saturation within the band, % of allowed, and its tissue from 0; none
  // where there is no saturation.
  std::optional<double> HighestOverSaturation;
  int HighestTissue = 0;
};

// Where to measure, and with which parts of the analysis: a part left null is not measured.
struct StretchInputs {
  const DiveRecord* Dive = nullptr;
  const DecodedProfile* Profile = nullptr;
  const AirEstimate* Air = nullptr;
  const SaturationResult* Saturation = nullptr;
  const DecoModel* Model = nullptr;
};

// The samples nearest the two times (hundredths of a minute, either order), within the dive.
std::optional<std::pair<int32_t, int32_t>> RulerSamples(int32_t sampleCount, double from,
                                                        double to);

// Nothing for a dive without samples or times that are no numbers.
std::optional<StretchMeasure> MeasureStretch(const StretchInputs& inputs, double from, double to);

// The measure as the ruler's label shows it, a line a figure, in the chosen units.
std::vector<std::string> StretchMeasureTexts(const StretchMeasure& measure, UnitSystem units);

}  // namespace scrb
