#include "air/PhysCharts.h"

#include <functional>

#include "air/MinuteSamples.h"
#include "charts/ChartFrame.h"

namespace scrb {

namespace {

constexpr int kDataLineWidth = 3;
constexpr int kBubbleMask = 7;
constexpr int kColdBit = 8;
constexpr int kAirLevelMask = 112;

// The height of a sample's point, in hundredths, from its minute's status byte.
using PointValue = std::function<double(int status)>;

void DrawStatusChart(const DiveRecord& dive, ChartSurface& surface, ChartValue yTop, const char* emptyText,
                     const PointValue& value) {
  const int sampleCount = dive.SampleCount;
  if (sampleCount <= 0) {
    // Printed at the pen position Cls leaves, (0, 0) of the previous chart's scale.
    surface.Cls();
    surface.Print(emptyText);
    return;
  }
  surface.Cls();
  DrawChartFrame(0, MinuteAxisRight(sampleCount), 0, yTop, surface, 0);
  surface.SetCurrentX(0);
  surface.SetCurrentY(0);
  surface.SetDrawWidth(kDataLineWidth);
  for (int k = 0; k <= sampleCount; ++k) {
    const int status = EntryOr0(dive.SampleStatus, MinuteEnd(k));
    surface.LineTo(SampleEndX(k), value(status), ColorOfSegmentEndingAt(dive, k));
  }
  surface.SetDrawWidth(1);
}

}  // namespace

void DrawColdChart(const DiveRecord& dive, ChartSurface& surface) {
  // Each cold minute adds a third at each of its three samples, so the line climbs by one.
  double coldMinutes = 0;
  DrawStatusChart(dive, surface, 500, kNoTempDataText, [&coldMinutes](int status) {
    if ((status & kColdBit) != 0) coldMinutes += 1.0 / 3;
    return coldMinutes * 100;
  });
}

void DrawBubbleChart(const DiveRecord& dive, ChartSurface& surface) {
  DrawStatusChart(dive, surface, 700, kNoDecoDataText,
                  [](int status) { return static_cast<double>(status & kBubbleMask) * 100; });
}

void DrawConsumptionChart(const DiveRecord& dive, ChartSurface& surface) {
  DrawStatusChart(dive, surface, 700, kNoConsumptionDataText,
                  [](int status) { return static_cast<double>((status & kAirLevelMask) * 100) / 16; });
}

}  // namespace scrb
