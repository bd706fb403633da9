#include "air/AirCharts.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "air/MinuteSamples.h"
#include "charts/ChartFrame.h"
#include "logbook/SampleAccess.h"

namespace scrb {

namespace {

bool ShowNoEstimate(const AirEstimate& air, ChartSurface& surface) {
  if (air.BaseBreathRate != 0) return false;
  ShowEmptyChart(surface, kNoAirDataText);
  return true;
}

// A value axis needs a non-empty range even for a vanishing top.
ChartValue AtLeastOne(double value) {
  return static_cast<ChartValue>(std::max(1.0, value));
}

// Breath rate of every sample's minute, in hundredths of a litre per minute.
std::vector<double> BreathRatePoints(const DecodedProfile& profile, const AirEstimate& air,
                                     UnitSystem units) {
  std::vector<double> points;
  for (int k = 0; k <= profile.SampleCount; ++k) {
    points.push_back(
        ToUnits(Quantity::BreathRate, EntryOr0(air.SampleBreathRate, MinuteEnd(k)), units) * 100);
  }
  return points;
}

}  // namespace

double TankPressureAtSample(const DiveRecord& dive, const AirEstimate& air, int k) {
  const int end = MinuteEnd(k);
  // The tank falls evenly over the minute, from the end of the minute before.
  const int before = end - kSamplesPerMinute;
  const double start = before >= 0 ? EntryOr0(air.SampleTankPressure, before) : dive.AirConsumption;
  return start + (EntryOr0(air.SampleTankPressure, end) - start) * (k % kSamplesPerMinute + 1) /
                     kSamplesPerMinute;
}

// The first minute starts from the whole amount used.
std::vector<double> TankPoints(const DiveRecord& dive, const DecodedProfile& profile,
                               const AirEstimate& air, UnitSystem units) {
  std::vector<double> points;
  for (int k = 0; k <= profile.SampleCount; ++k) {
    points.push_back(ToUnits(Quantity::Pressure, TankPressureAtSample(dive, air, k), units) * 100);
  }
  return points;
}

void DrawTankChart(const DiveRecord& dive, const DecodedProfile& profile, const AirEstimate& air,
                   ChartSurface& surface, UnitSystem units, const Palette& palette,
                   const TimeStretch& stretch) {
  if (ShowNoEstimate(air, surface)) return;
  const double start = ToUnits(Quantity::Pressure, dive.AirConsumption, units) * 100;
  const std::vector<double> points = TankPoints(dive, profile, air, units);
  ChartValue yBottom = 0;
  ChartValue yTop = AtLeastOne(std::floor(start + 0.5));
  WidenToCover(yBottom, yTop, points);
  WidenToCover(yBottom, yTop, {start});
  surface.Cls();
  const ShownTimes times = TimesShown(stretch, profile.SampleCount);
  DrawChartFrame(times, yBottom, yTop, surface, palette, 0);
  ClippedToStretch data(surface, times);
  DrawMinuteLine(profile, data, start, points, palette);
}

void DrawBreathRateChart(const DecodedProfile& profile, const AirEstimate& air,
                         ChartSurface& surface, UnitSystem units, const Palette& palette,
                         const TimeStretch& stretch) {
  if (ShowNoEstimate(air, surface)) return;
  const double start =
      ToUnits(Quantity::BreathRate, EntryOr0(air.SampleBreathRate, 2), units) * 100;
  const std::vector<double> points = BreathRatePoints(profile, air, units);
  ChartValue yBottom = 0;
  ChartValue yTop =
      AtLeastOne(std::floor(ToUnits(Quantity::BreathRate, air.MaxBreathRate, units) * 100 + 1));
  WidenToCover(yBottom, yTop, points);
  surface.Cls();
  const ShownTimes times = TimesShown(stretch, profile.SampleCount);
  DrawChartFrame(times, yBottom, yTop, surface, palette, 0);

  ClippedToStretch data(surface, times);
  data.SetCurrentX(0);
  data.SetCurrentY(start);
  data.SetDrawWidth(kDataLineWidth);
  // An alarm step keeps the previous step's colour on its riser, so the red marks the level only.
  Rgb color = palette.FirstRiser;
  for (int k = 0; k <= profile.SampleCount; ++k) {
    const double y = points[static_cast<size_t>(k)];
    const Rgb sampleColor = ColorOfSegmentEndingAt(profile, k, palette);
    if (sampleColor == palette.Alarm) {
      data.LineTo(SampleStartTimeSingle(k), y, color);
      color = sampleColor;
      data.LineTo(SampleTimeSingle(k), y, color);
    } else {
      color = sampleColor;
      data.LineTo(SampleStartTimeSingle(k), y, color);
      data.LineTo(SampleTimeSingle(k), y, color);
    }
  }
  data.SetDrawWidth(1);
}

}  // namespace scrb
