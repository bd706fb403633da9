#include "air/AirCharts.h"

#include <algorithm>
#include <cmath>

#include "air/MinuteSamples.h"
#include "charts/ChartFrame.h"

namespace scrb {

namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr int kDataLineWidth = 3;

// Prints at the pen position Cls leaves, (0, 0) of the previous chart's scale.
bool ShowNoEstimate(const DiveRecord& dive, ChartSurface& surface) {
  if (dive.BaseBreathRate != 0) return false;
  surface.Cls();
  surface.Print(kNoAirDataText);
  return true;
}

// A value axis needs a non-empty range even for a vanishing top.
ChartValue AtLeastOne(double value) { return static_cast<ChartValue>(std::max(1.0, value)); }

}  // namespace

void DrawTankChart(const DiveRecord& dive, ChartSurface& surface) {
  if (ShowNoEstimate(dive, surface)) return;
  const int sampleCount = dive.SampleCount;
  const ChartValue yTop = AtLeastOne(std::floor(dive.AirConsumption * 100 + 0.5));
  surface.Cls();
  DrawChartFrame(0, MinuteAxisRight(sampleCount), 0, yTop, surface, 0);

  surface.SetCurrentX(0);
  surface.SetCurrentY(dive.AirConsumption * 100);
  surface.SetDrawWidth(kDataLineWidth);
  for (int k = 0; k <= sampleCount; ++k) {
    const int end = MinuteEnd(k);
    // The first minute starts from the whole amount used.
    const double start = end >= 3 ? EntryOr0(dive.SampleTankPressure, end - 3) : dive.AirConsumption;
    const double pressure = start + (EntryOr0(dive.SampleTankPressure, end) - start) * (k % 3 + 1) / 3;
    surface.LineTo(SampleEndX(k), pressure * 100, ColorOfSegmentEndingAt(dive, k));
  }
  surface.SetDrawWidth(1);
}

void DrawBreathRateChart(const DiveRecord& dive, ChartSurface& surface) {
  if (ShowNoEstimate(dive, surface)) return;
  const int sampleCount = dive.SampleCount;
  const ChartValue yTop = AtLeastOne(std::floor(dive.MaxBreathRate * 100 + 1));
  surface.Cls();
  DrawChartFrame(0, MinuteAxisRight(sampleCount), 0, yTop, surface, 0);

  surface.SetCurrentX(0);
  surface.SetCurrentY(EntryOr0(dive.SampleBreathRate, 2) * 100);
  surface.SetDrawWidth(kDataLineWidth);
  // An alarm step keeps the previous step's colour on its riser, so the red marks the level only.
  Rgb color = kBlack;
  for (int k = 0; k <= sampleCount; ++k) {
    const double y = EntryOr0(dive.SampleBreathRate, MinuteEnd(k)) * 100;
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
