#include "analysis/StretchMeasure.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "air/AirCharts.h"
#include "charts/ChartFrame.h"
#include "charts/SampleTimeAxis.h"
#include "logbook/SampleAccess.h"
#include "logbook/Translation.h"
#include "report/NumberFormat.h"
#include "saturation/SaturationCharts.h"

namespace scrb {

namespace {

constexpr double kLitresPerCubicFoot = 28.316846592;

std::string Figure(Quantity quantity, double value, UnitSystem units) {
  return FormatIn(quantity, value, units, "0.0") + " " + std::string(UnitText(quantity, units));
}

// A figure of one decimal in metric as the label shows it, in the unit system's unit and
// rounding, and the value that text reads as: differences are taken between what the diver
// reads, so that they add up.
struct ShownFigure {
  std::string Text;
  double Value = 0;
};

ShownFigure Shown(Quantity quantity, double metric, UnitSystem units) {
  const std::string number = FormatIn(quantity, metric, units, "0.0");
  ShownFigure shown{number + " " + std::string(UnitText(quantity, units))};
  std::from_chars(number.data(), number.data() + number.size(), shown.Value);
  return shown;
}

// A value already in the unit system's unit, rounded as a one-decimal metric figure would be.
std::string InUnits(Quantity quantity, double value, UnitSystem units) {
  const int decimals = UnitDecimals(quantity, units, 1);
  const std::string pattern = decimals > 0 ? "0." + std::string(decimals, '0') : "0";
  return FormatPattern(value, pattern) + " " + std::string(UnitText(quantity, units));
}

// The depth line and the mean speed line, signed as the vertical speed chart signs a speed:
// ascent positive, and said in words, as a minus sign alone is easily taken the other way.
void AddDepthChange(const StretchMeasure& m, UnitSystem units, std::vector<std::string>& lines) {
  const ShownFigure first = Shown(Quantity::Depth, m.FirstDepth, units);
  const ShownFigure last = Shown(Quantity::Depth, m.LastDepth, units);
  const double rise = first.Value - last.Value;
  const char* depthLine =
      rise > 0   ? SCRB_TRANSLATE_NOOP("Readouts", "Depth: %1 to %2, difference %3 (ascent)")
      : rise < 0 ? SCRB_TRANSLATE_NOOP("Readouts", "Depth: %1 to %2, difference %3 (descent)")
                 : SCRB_TRANSLATE_NOOP("Readouts", "Depth: %1 to %2, difference %3");
  lines.push_back(FillIn(Tr("Readouts", depthLine),
                         {first.Text, last.Text, InUnits(Quantity::Depth, rise, units)}));
  if (m.Seconds <= 0) return;
  const std::string speed =
      InUnits(Quantity::Speed, VerticalSpeed(first.Value, last.Value, m.Seconds), units);
  // A speed that rounds to nothing has no direction to name.
  const bool none = speed.find_first_of("123456789") == std::string::npos;
  const char* speedLine =
      none       ? SCRB_TRANSLATE_NOOP("Readouts", "Mean vertical speed: %1")
      : rise > 0 ? SCRB_TRANSLATE_NOOP("Readouts", "Mean vertical speed: %1 (ascent)")
                 : SCRB_TRANSLATE_NOOP("Readouts", "Mean vertical speed: %1 (descent)");
  lines.push_back(
      FillIn(Tr("Readouts", speedLine), {none ? InUnits(Quantity::Speed, 0, units) : speed}));
}

}  // namespace

std::optional<std::pair<int32_t, int32_t>> RulerSamples(int32_t sampleCount, double from,
                                                        double to) {
  if (sampleCount <= 0 || !std::isfinite(from) || !std::isfinite(to)) return std::nullopt;
  const auto sample = [sampleCount](double x) {
    return static_cast<int32_t>(std::clamp(NearestSample(x), 0.0, sampleCount - 1.0));
  };
  const int32_t a = sample(from);
  const int32_t b = sample(to);
  return std::pair{std::min(a, b), std::max(a, b)};
}

std::optional<StretchMeasure> MeasureStretch(const StretchInputs& in, double from, double to) {
  if (in.Dive == nullptr || in.Profile == nullptr) return std::nullopt;
  const int32_t count = DecodedSampleCount(*in.Profile);
  const auto ends = RulerSamples(count, from, to);
  if (!ends) return std::nullopt;
  StretchMeasure m;
  m.First = ends->first;
  m.Last = ends->second;
  m.Seconds = (m.Last - m.First) * kSampleSeconds;
  m.FirstDepth = SampleDepthAt(*in.Profile, m.First);
  m.LastDepth = SampleDepthAt(*in.Profile, m.Last);
  if (m.Seconds > 0) m.MeanVerticalSpeed = VerticalSpeed(m.FirstDepth, m.LastDepth, m.Seconds);

  if (in.Air != nullptr && in.Air->BaseBreathRate != 0) {
    const double drawn = TankPressureAtSample(*in.Dive, *in.Air, m.First) -
                         TankPressureAtSample(*in.Dive, *in.Air, m.Last);
    m.AirPressureDrawn = drawn;
    m.AirLitresDrawn = drawn * in.Dive->TankCapacity;
  }

  if (in.Saturation != nullptr && in.Model != nullptr &&
      SaturationFits(*in.Profile, *in.Saturation, *in.Model)) {
    // Step s + 1 of the saturation ends at sample s.
    for (size_t t = 0; t < static_cast<size_t>(in.Model->TissueCount); ++t) {
      for (int32_t k = m.First; k <= m.Last; ++k) {
        // The chart's points are in hundredths of a percent.
        const double value = OverSaturationPoint(*in.Profile, *in.Saturation, *in.Model, t,
                                                 static_cast<size_t>(k) + 1) /
                             100;
        if (!m.HighestOverSaturation || value > *m.HighestOverSaturation) {
          m.HighestOverSaturation = value;
          m.HighestTissue = static_cast<int>(t);
        }
      }
    }
  }
  return m;
}

std::vector<std::string> StretchMeasureTexts(const StretchMeasure& m, UnitSystem units) {
  std::vector<std::string> lines;
  lines.push_back(
      FillIn(Tr("Readouts", "Time: %1"), {StretchTimeLabel(m.Seconds, kSampleSeconds)}));
  AddDepthChange(m, units, lines);
  if (m.AirPressureDrawn && m.AirLitresDrawn) {
    const bool metric = units == UnitSystem::Metric;
    const double volume = metric ? *m.AirLitresDrawn : *m.AirLitresDrawn / kLitresPerCubicFoot;
    lines.push_back(
        FillIn(Tr("Readouts", "Air drawn: %1 (%2)"),
               {Figure(Quantity::Pressure, *m.AirPressureDrawn, units),
                FormatPattern(volume, metric ? "0" : "0.0") + (metric ? " l" : " cu ft")}));
  }
  if (m.HighestOverSaturation) {
    lines.push_back(FillIn(
        Tr("Readouts", "Highest over-saturation: %1 % on tissue %2"),
        {FormatPattern(*m.HighestOverSaturation, "0.0"), std::to_string(m.HighestTissue + 1)}));
  }
  return lines;
}

}  // namespace scrb
