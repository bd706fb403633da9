#include "saturation/SaturationReadout.h"

#include <cmath>

#include "charts/SampleTimeAxis.h"
#include "logbook/Translation.h"
#include "report/FieldDecoders.h"
#include "report/NumberFormat.h"
#include "saturation/Saturation.h"
#include "saturation/SaturationCharts.h"

namespace scrb {

std::optional<int> SaturationReadoutSample(int sampleCount, float x) {
  if (sampleCount <= 0) return std::nullopt;
  if (!(x >= 0 && x <= LastSampleTime(sampleCount))) return std::nullopt;
  int sample = static_cast<int>(NearestSample(x));
  if (sample < 0) sample = 0;
  if (sample > sampleCount - 1) sample = sampleCount - 1;
  return sample;
}

std::optional<SaturationReadout> ReadSaturation(const DecodedProfile& profile,
                                                const SaturationResult& saturation,
                                                const DecoModel& model, float x, UnitSystem units) {
  // With no tissue there is no highest or lowest value to report.
  if (model.TissueCount <= 0 || !SaturationFits(profile, saturation, model)) return std::nullopt;
  // Where the charts could not be drawn there is nothing under the mouse to read.
  if (!TissuePressureRange(profile, saturation, units) || !OverSaturationRange(profile, saturation))
    return std::nullopt;
  const std::optional<int> sample = SaturationReadoutSample(profile.SampleCount, x);
  if (!sample) return std::nullopt;

  const size_t k = static_cast<size_t>(*sample);
  const double ambient = profile.SampleDepth[k] / 10 + saturation.SurfacePressure;
  double maxP = 0;
  double minP = 100000;
  double maxR = 0;
  double minR = 100000;
  int maxT = 0;
  int minT = 0;
  // Strict comparisons: of tissues with equal values the first is reported.
  for (int t = 0; t < model.TissueCount; ++t) {
    const double p = saturation.TissuePressure[static_cast<size_t>(t)][k + 1];
    if (p > maxP) maxP = p;
    if (p < minP) minP = p;
    const double r = p / ambient / model.CriticalCoefficient[static_cast<size_t>(t)];
    if (r > maxR) {
      maxR = r;
      maxT = t;
    }
    if (r < minR) {
      minR = r;
      minT = t;
    }
  }

  SaturationReadout readout;
  readout.Sample = *sample;
  const auto figure = [units](Quantity quantity, double value, std::string_view pattern) {
    return FormatIn(quantity, value, units, pattern) + " " + std::string(UnitText(quantity, units));
  };
  readout.PressureText =
      FillIn(Tr("Readouts", "Time=%1, Depth=%2, Max=%3, Min=%4"),
             {SampleTimeText(*sample), figure(Quantity::Depth, profile.SampleDepth[k], "0.0"),
              figure(Quantity::Pressure, maxP, "0.00"), figure(Quantity::Pressure, minP, "0.00")});
  readout.OverSaturationText = FillIn(Tr("Readouts", "Max=%1% tissue=%2, Min=%3% tissue=%4"),
                                      {FormatPattern(maxR, "0"), FormatPattern(maxT + 1, "0"),
                                       FormatPattern(minR, "0"), FormatPattern(minT + 1, "0")});
  return readout;
}

}  // namespace scrb
