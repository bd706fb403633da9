#include "air/AirCharts.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "air/MinuteSamples.h"
#include "charts/ChartFrame.h"

namespace scrb {

namespace {

constexpr Rgb kBlack{0, 0, 0};

bool ShowNoEstimate(const DiveRecord& dive, ChartSurface& surface) {
  if (dive.BaseBreathRate != 0) return false;
  ShowEmptyChart(surface, kNoAirDataText);
  return true;
}

// A value axis needs a non-empty range even for a vanishing top.
ChartValue AtLeastOne(double value) {
  return static_cast<ChartValue>(std::max(1.0, value));
}

// Tank pressure at the end of every sample, interpolated within its minute, in hundredths of a
// bar; the first minute starts from the whole amount used.
std::vector<double> TankPoints(const DiveRecord& dive) {
  std::vector<double> points;
  for (int k = 0; k <= dive.SampleCount; ++k) {
    const int end = MinuteEnd(k);
    const double start =
        end >= 3 ? EntryOr0(dive.SampleTankPressure, end - 3) : dive.AirConsumption;
    const double pressure =
        start + (EntryOr0(dive.SampleTankPressure, end) - start) * (k % 3 + 1) / 3;
    points.push_back(pressure * 100);
  }
  return points;
}

// Breath rate of every sample's minute, in hundredths of a litre per minute.
std::vector<double> BreathRatePoints(const DiveRecord& dive) {
  std::vector<double> points;
  for (int k = 0; k <= dive.SampleCount; ++k) {
    points.push_back(EntryOr0(dive.SampleBreathRate, MinuteEnd(k)) * 100);
  }
  return points;
}

}  // namespace

void DrawTankChart(const DiveRecord& dive, ChartSurface& surface) {
  if (ShowNoEstimate(dive, surface)) return;
  const double start = dive.AirConsumption * 100;
  const std::vector<double> points = TankPoints(dive);
  ChartValue yBottom = 0;
  ChartValue yTop = AtLeastOne(std::floor(start + 0.5));
  WidenToCover(yBottom, yTop, points);
  WidenToCover(yBottom, yTop, {start});
  surface.Cls();
  DrawChartFrame(0, MinuteAxisRight(dive.SampleCount), yBottom, yTop, surface, 0);
  DrawMinuteLine(dive, surface, start, points);
}

void DrawBreathRateChart(const DiveRecord& dive, ChartSurface& surface) {
  if (ShowNoEstimate(dive, surface)) return;
  const double start = EntryOr0(dive.SampleBreathRate, 2) * 100;
  const std::vector<double> points = BreathRatePoints(dive);
  ChartValue yBottom = 0;
  ChartValue yTop = AtLeastOne(std::floor(dive.MaxBreathRate * 100 + 1));
  WidenToCover(yBottom, yTop, points);
  surface.Cls();
  DrawChartFrame(0, MinuteAxisRight(dive.SampleCount), yBottom, yTop, surface, 0);

  surface.SetCurrentX(0);
  surface.SetCurrentY(start);
  surface.SetDrawWidth(kDataLineWidth);
  // An alarm step keeps the previous step's colour on its riser, so the red marks the level only.
  Rgb color = kBlack;
  for (int k = 0; k <= dive.SampleCount; ++k) {
    const double y = points[static_cast<size_t>(k)];
    const Rgb sampleColor = ColorOfSegmentEndingAt(dive, k);
    if (sampleColor == kAlarmColor) {
      surface.LineTo(SampleStartX(k), y, color);
      color = sampleColor;
      surface.LineTo(SampleEndX(k), y, color);
    } else {
      color = sampleColor;
      surface.LineTo(SampleStartX(k), y, color);
      surface.LineTo(SampleEndX(k), y, color);
    }
  }
  surface.SetDrawWidth(1);
}

}  // namespace scrb
