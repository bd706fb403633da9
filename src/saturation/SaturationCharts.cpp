#include "saturation/SaturationCharts.h"

#include <cmath>

#include "report/FieldDecoders.h"
#include "report/NumberFormat.h"
#include "saturation/Saturation.h"
#include "saturation/TissueLegend.h"

namespace scrb {

namespace {

constexpr char kNoDiveData[] = "No Dive Data available";
constexpr char kNoSaturationData[] = "No Saturation Data available";

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

// The dive's duration plus one minute, in hundredths of a minute.
double TimeAxisEnd(const DiveRecord& dive) {
  return std::nearbyint((dive.SampleCount / 3.0 + 1) * 100);
}

float StepX(size_t step) {
  return static_cast<float>(static_cast<int32_t>(step) * 100 / 3.0);
}

bool ShowMissingData(const DiveRecord& dive, const DecoModel& model,
                     const std::optional<SaturationChartRange>& range, ChartSurface& surface) {
  if (dive.SampleCount > 0 && range && SaturationFits(dive, model)) return false;
  surface.Cls();
  surface.Print(dive.SampleCount > 0 ? kNoSaturationData : kNoDiveData);
  return true;
}

}  // namespace

std::optional<SaturationChartRange> TissuePressureRange(const DiveRecord& dive) {
  if (dive.SampleCount <= 0) return std::nullopt;
  const double yBottom = std::nearbyint(dive.SurfacePressure * 79);
  double yTop = std::floor(dive.MaxTissuePressure * 100 + 1);
  // With no tissue above its starting pressure (no model loaded, or a surface pressure whose
  // starting level rounds up) the range would be empty or upside down.
  if (yTop <= yBottom) yTop = yBottom + 1;
  return MakeRange(TimeAxisEnd(dive), yBottom, yTop);
}

std::optional<SaturationChartRange> OverSaturationRange(const DiveRecord& dive) {
  if (dive.SampleCount <= 0) return std::nullopt;
  const double yBottom = std::floor(dive.MinOverSaturation * 100);
  double yTop = std::floor(dive.MaxOverSaturation * 100 + 1);
  if (yTop <= 10000) yTop = 10000;  // the critical level is always in view
  return MakeRange(TimeAxisEnd(dive), yBottom, yTop);
}

void DrawTissuePressureChart(const DiveRecord& dive, const DecoModel& model,
                             ChartSurface& surface) {
  const std::optional<SaturationChartRange> range = TissuePressureRange(dive);
  if (ShowMissingData(dive, model, range, surface)) return;

  surface.Cls();
  DrawChartFrame(range->XLeft, range->XRight, range->YBottom, range->YTop, surface, 80);
  surface.SetDrawWidth(2);
  for (int t = 0; t < model.TissueCount; ++t) {
    const std::vector<double>& pressure = dive.TissuePressure[static_cast<size_t>(t)];
    const Rgb color = model.TissueColor[static_cast<size_t>(t)];
    surface.SetCurrentX(0);
    surface.SetCurrentY(static_cast<float>(pressure[0] * 100));
    for (size_t s = 1; s < pressure.size(); ++s) {
      surface.LineTo(StepX(s), static_cast<float>(pressure[s] * 100), color);
    }
  }
  surface.SetDrawWidth(1);
}

void DrawOverSaturationChart(const DiveRecord& dive, const DecoModel& model,
                             ChartSurface& surface) {
  const std::optional<SaturationChartRange> range = OverSaturationRange(dive);
  if (ShowMissingData(dive, model, range, surface)) return;

  surface.Cls();
  DrawChartFrame(range->XLeft, range->XRight, range->YBottom, range->YTop, surface, 0);
  surface.SetDrawWidth(2);
  for (int t = 0; t < model.TissueCount; ++t) {
    const std::vector<double>& pressure = dive.TissuePressure[static_cast<size_t>(t)];
    const double critical = model.CriticalCoefficient[static_cast<size_t>(t)];
    const Rgb color = model.TissueColor[static_cast<size_t>(t)];
    // The starting state is judged against the surface pressure alone.
    surface.SetCurrentX(0);
    surface.SetCurrentY(static_cast<float>(pressure[0] * 100 / dive.SurfacePressure / critical));
    for (size_t s = 1; s < pressure.size(); ++s) {
      const double ambient = dive.SampleDepth[s - 1] / 10 + dive.SurfacePressure;
      surface.LineTo(StepX(s), static_cast<float>(pressure[s] * 100 / ambient / critical), color);
    }
  }
  surface.SetDrawWidth(1);
}

std::string MaxOverSaturationText(const DiveRecord& dive, const DecoModel& model) {
  if (!SaturationFits(dive, model) || !OverSaturationRange(dive)) return {};
  return "Max Oversaturation = " + FormatPattern(dive.MaxOverSaturation, "0.00") +
         " % at Time=" + SampleTimeText(dive.MaxOverSaturationSample) + " on tissue " +
         FormatPattern(dive.MaxOverSaturationTissue + 1, "0");
}

void DrawSaturationProgress(const DecoModel& model, ChartSurface& pressureSurface,
                            ChartSurface& overSaturationSurface) {
  DrawTissueLegend(model, pressureSurface);
  pressureSurface.Refresh();
  overSaturationSurface.Cls();
  overSaturationSurface.Print("  Calculating ...");
  overSaturationSurface.Refresh();
}

}  // namespace scrb
