#include "saturation/SaturationCharts.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

#include "charts/DepthChart.h"
#include "charts/SampleTimeAxis.h"
#include "logbook/Translation.h"
#include "report/FieldDecoders.h"
#include "report/NumberFormat.h"
#include "saturation/Saturation.h"
#include "saturation/TissueLegend.h"

namespace scrb {

namespace {

constexpr const char* kNoSaturationData =
    SCRB_TRANSLATE_NOOP("Charts", "No Saturation Data available");

// The frame multiplies differences of chart values by 300 in 32 bits; keeping every value within
// this bound keeps those products in range (35000 bar, 35000 %, 583 hours).
constexpr double kChartValueLimit = 3500000;

bool WithinChartLimits(double value) {
  return std::isfinite(value) && std::fabs(value) <= kChartValueLimit;
}

std::optional<SaturationChartRange> MakeRange(double xRight, double yBottom, double yTop) {
  if (!WithinChartLimits(xRight) || !WithinChartLimits(yBottom) || !WithinChartLimits(yTop)) {
    return std::nullopt;
  }
  return SaturationChartRange{0, static_cast<ChartValue>(xRight), static_cast<ChartValue>(yBottom),
                              static_cast<ChartValue>(yTop)};
}

// Step s of the saturation ends where sample s - 1 is plotted; step 0 is the start, at 0.
float StepX(size_t step) {
  return SampleStartTimeSingle(static_cast<int32_t>(step));
}

bool ShowMissingData(const DecodedProfile& profile, const SaturationResult& saturation,
                     const DecoModel& model, const std::optional<SaturationChartRange>& range,
                     ChartSurface& surface) {
  if (profile.SampleCount > 0 && range && SaturationFits(profile, saturation, model)) return false;
  ShowEmptyChart(surface, profile.SampleCount > 0 ? kNoSaturationData : kNoDiveData);
  return true;
}

// A point of a tissue's line, in hundredths, from its step.
using TissuePoint = std::function<double(size_t tissue, size_t step)>;

// One line per tissue, step 0 at time 0. The outlines of the light colours go under every line,
// so that no outline cuts through a line drawn before it.
void DrawTissueLines(const SaturationResult& saturation, const DecoModel& model,
                     ChartSurface& surface, const TissuePoint& point, const Palette& palette) {
  constexpr int kLineWidth = 2;
  const auto tissues = static_cast<size_t>(model.TissueCount);
  const auto draw = [&](size_t t, Rgb color) {
    surface.SetCurrentX(0);
    surface.SetCurrentY(static_cast<float>(point(t, 0)));
    for (size_t s = 1; s < saturation.TissuePressure[t].size(); ++s) {
      surface.LineTo(StepX(s), static_cast<float>(point(t, s)), color);
    }
  };
  surface.SetDrawWidth(OutlineWidth(kLineWidth));
  for (size_t t = 0; t < tissues; ++t) {
    if (palette.NeedsOutline(palette.Tissue(static_cast<int>(t)))) {
      draw(t, *palette.TissueOutline);
    }
  }
  surface.SetDrawWidth(kLineWidth);
  for (size_t t = 0; t < tissues; ++t) draw(t, palette.Tissue(static_cast<int>(t)));
  surface.SetDrawWidth(1);
}

double PressurePoint(const SaturationResult& saturation, size_t tissue, size_t step,
                     UnitSystem units) {
  return ToUnits(Quantity::Pressure, saturation.TissuePressure[tissue][step], units) * 100;
}

// Every point the chart draws; empty when the dive's results do not fit the model.
std::vector<double> AllPoints(const DecodedProfile& profile, const SaturationResult& saturation,
                              const DecoModel& model, const TissuePoint& point) {
  std::vector<double> points;
  if (!SaturationFits(profile, saturation, model)) return points;
  for (size_t t = 0; t < static_cast<size_t>(model.TissueCount); ++t) {
    for (size_t s = 0; s < saturation.TissuePressure[t].size(); ++s) points.push_back(point(t, s));
  }
  return points;
}

// Widens a range to every point drawn, within the limits of MakeRange.
std::optional<SaturationChartRange> Covering(std::optional<SaturationChartRange> range,
                                             const std::vector<double>& points) {
  if (!range) return range;
  ChartValue low = std::min(range->YBottom, range->YTop);
  ChartValue high = std::max(range->YBottom, range->YTop);
  WidenToCover(low, high, points);
  return MakeRange(range->XRight, low, high);
}

// The over-saturation chart's range, widened to every point it draws.
std::optional<SaturationChartRange> OverSaturationCovering(const DecodedProfile& profile,
                                                           const SaturationResult& saturation,
                                                           const DecoModel& model) {
  const TissuePoint point = [&](size_t t, size_t s) {
    return OverSaturationPoint(profile, saturation, model, t, s);
  };
  return Covering(OverSaturationRange(profile, saturation),
                  AllPoints(profile, saturation, model, point));
}

}  // namespace

// The over-saturation of a step as a percentage, in hundredths; the starting state is judged
// against the surface pressure alone.
double OverSaturationPoint(const DecodedProfile& profile, const SaturationResult& saturation,
                           const DecoModel& model, size_t tissue, size_t step) {
  const double ambient = step == 0
                             ? saturation.SurfacePressure
                             : profile.SampleDepth[step - 1] / 10 + saturation.SurfacePressure;
  return saturation.TissuePressure[tissue][step] * 100 / ambient /
         model.CriticalCoefficient[tissue];
}

bool ShowMissingOverSaturation(const DecodedProfile& profile, const SaturationResult& saturation,
                               const DecoModel& model, ChartSurface& surface) {
  return ShowMissingData(profile, saturation, model,
                         OverSaturationCovering(profile, saturation, model), surface);
}

std::optional<SaturationChartRange> TissuePressureRange(const DecodedProfile& profile,
                                                        const SaturationResult& saturation,
                                                        UnitSystem units) {
  if (profile.SampleCount <= 0) return std::nullopt;
  const double yBottom =
      std::nearbyint(ToUnits(Quantity::Pressure, saturation.SurfacePressure, units) * 79);
  double yTop =
      std::floor(ToUnits(Quantity::Pressure, saturation.MaxTissuePressure, units) * 100 + 1);
  // With no tissue above its starting pressure (no model loaded, or a surface pressure whose
  // starting level rounds up) the range would be empty or upside down.
  if (yTop <= yBottom) yTop = yBottom + 1;
  return MakeRange(TimeAxisRight(profile.SampleCount), yBottom, yTop);
}

std::optional<SaturationChartRange> OverSaturationRange(const DecodedProfile& profile,
                                                        const SaturationResult& saturation) {
  if (profile.SampleCount <= 0) return std::nullopt;
  const double yBottom = std::floor(saturation.MinOverSaturation * 100);
  double yTop = std::floor(saturation.MaxOverSaturation * 100 + 1);
  if (yTop <= kCriticalLevel) yTop = kCriticalLevel;  // the critical level is always in view
  return MakeRange(TimeAxisRight(profile.SampleCount), yBottom, yTop);
}

void DrawTissuePressureChart(const DecodedProfile& profile, const SaturationResult& saturation,
                             const DecoModel& model, ChartSurface& surface, UnitSystem units,
                             const Palette& palette, const TimeStretch& stretch) {
  const TissuePoint point = [&](size_t t, size_t s) {
    return PressurePoint(saturation, t, s, units);
  };
  // A starting pressure whose hundredths round up lies just under the rounded bottom.
  const std::optional<SaturationChartRange> range =
      Covering(TissuePressureRange(profile, saturation, units),
               AllPoints(profile, saturation, model, point));
  if (ShowMissingData(profile, saturation, model, range, surface)) return;

  surface.Cls();
  // Metric counts its grid from the starting pressure at sea level; psi ticks at round psi.
  const ChartValue origin = units == UnitSystem::Metric ? 80 : 0;
  const ShownTimes times = TimesShown(stretch, profile.SampleCount);
  DrawChartFrame(times, range->YBottom, range->YTop, surface, palette, origin);
  ClippedToStretch data(surface, times);
  DrawTissueLines(saturation, model, data, point, palette);
}

void DrawOverSaturationChart(const DecodedProfile& profile, const SaturationResult& saturation,
                             const DecoModel& model, ChartSurface& surface, const Palette& palette,
                             const TimeStretch& stretch) {
  const TissuePoint point = [&](size_t t, size_t s) {
    return OverSaturationPoint(profile, saturation, model, t, s);
  };
  const std::optional<SaturationChartRange> range =
      OverSaturationCovering(profile, saturation, model);
  if (ShowMissingData(profile, saturation, model, range, surface)) return;

  surface.Cls();
  const ShownTimes times = TimesShown(stretch, profile.SampleCount);
  DrawChartFrame(times, range->YBottom, range->YTop, surface, palette, 0);
  // The level at which a tissue reaches its critical coefficient, under the tissue lines.
  surface.Line(times.Left, kCriticalLevel, times.Right, kCriticalLevel, palette.CriticalLevel);
  ClippedToStretch data(surface, times);
  DrawTissueLines(saturation, model, data, point, palette);
}

std::string SaturationModelText(const SaturationResult& saturation, const DecoModel& model,
                                UnitSystem units) {
  return FillIn(Tr("Tissues", "%1 tissues, surface pressure %2"),
                {std::to_string(model.TissueCount),
                 FormatIn(Quantity::Pressure, saturation.SurfacePressure, units, "0.000") + " " +
                     std::string(UnitText(Quantity::Pressure, units))});
}

std::string MaxOverSaturationText(const DecodedProfile& profile, const SaturationResult& saturation,
                                  const DecoModel& model) {
  if (!SaturationFits(profile, saturation, model) || !OverSaturationRange(profile, saturation))
    return {};
  return FillIn(Tr("Tissues", "Max Oversaturation = %1 % at Time=%2 on tissue %3"),
                {FormatPattern(saturation.MaxOverSaturation, "0.00"),
                 SampleTimeText(saturation.MaxOverSaturationSample),
                 FormatPattern(saturation.MaxOverSaturationTissue + 1, "0")});
}

void DrawSaturationProgress(const DecoModel& model, ChartSurface& pressureSurface,
                            ChartSurface& overSaturationSurface, const Palette& palette) {
  DrawTissueLegend(model, pressureSurface, palette);
  pressureSurface.Refresh();
  ShowEmptyChart(overSaturationSurface, SCRB_TRANSLATE_NOOP("Charts", "  Calculating ..."));
  overSaturationSurface.Refresh();
}

}  // namespace scrb
