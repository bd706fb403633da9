#include "air/PhysCharts.h"

#include <functional>
#include <vector>

#include "air/MinuteSamples.h"
#include "charts/ChartFrame.h"
#include "logbook/SampleAccess.h"

namespace scrb {

namespace {

// The height of a sample's point, in hundredths, from its minute's status byte.
using PointValue = std::function<double(int status)>;

void DrawStatusChart(const DecodedProfile& profile, ChartSurface& surface, ChartValue yTop,
                     const char* emptyText, const PointValue& value, const Palette& palette,
                     const TimeStretch& stretch) {
  const int sampleCount = profile.SampleCount;
  if (sampleCount <= 0) {
    ShowEmptyChart(surface, emptyText);
    return;
  }
  std::vector<double> points;
  for (int k = 0; k <= sampleCount; ++k)
    points.push_back(value(EntryOr0(profile.SampleStatus, MinuteEnd(k))));
  // A cold total beyond the usual top raises it rather than running out of the chart.
  ChartValue yBottom = 0;
  WidenToCover(yBottom, yTop, points);

  surface.Cls();
  const ShownTimes times = TimesShown(stretch, sampleCount);
  DrawChartFrame(times, yBottom, yTop, surface, palette, 0);
  ClippedToStretch data(surface, times);
  DrawMinuteLine(profile, data, 0, points, palette);
}

}  // namespace

void DrawColdChart(const DecodedProfile& profile, ChartSurface& surface, const Palette& palette,
                   const TimeStretch& stretch) {
  // Each cold minute adds a third at each of its three samples, so the line climbs by one.
  double coldMinutes = 0;
  DrawStatusChart(
      profile, surface, 500, kNoTempDataText,
      [&coldMinutes](int status) {
        if ((status & kColdBit) != 0) coldMinutes += 1.0 / kSamplesPerMinute;
        return coldMinutes * 100;
      },
      palette, stretch);
}

void DrawBubbleChart(const DecodedProfile& profile, ChartSurface& surface, const Palette& palette,
                     const TimeStretch& stretch) {
  DrawStatusChart(
      profile, surface, 700, kNoDecoDataText,
      [](int status) { return static_cast<double>(status & kBubbleMask) * 100; }, palette, stretch);
}

void DrawConsumptionChart(const DecodedProfile& profile, ChartSurface& surface,
                          const Palette& palette, const TimeStretch& stretch) {
  DrawStatusChart(
      profile, surface, 700, kNoConsumptionDataText,
      [](int status) {
        return static_cast<double>((status & kAirLevelMask) * 100) / kAirLevelUnit;
      },
      palette, stretch);
}

}  // namespace scrb
