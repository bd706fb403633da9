#include "charts/DepthChart.h"

#include <algorithm>
#include <cmath>

#include "charts/ChartFrame.h"
#include "charts/ProfileSamples.h"
#include "logbook/MissingValues.h"
#include "report/NumberFormat.h"

namespace scrb {

namespace {

// Deeper than any dive computer goes; keeps the depth range inside 32 bits whatever the file says.
constexpr double kDeepestChartDepth = 10000;

// The depth range comes from the logbook's maximum depth. When that is unknown or nonsense the
// deepest sample stands in, so the profile is not squeezed to the top of a 327 m chart.
double ChartDepth(const DiveRecord& dive) {
  const double logged = dive.MaxDepth;
  const bool usable = std::isfinite(logged) && logged >= 0 && !IsUnknownMeasurement(logged);
  if (usable) return std::min(logged, kDeepestChartDepth);
  double deepest = 0;
  for (int32_t k = 0; k < DecodedSampleCount(dive); ++k) {
    deepest = std::max(deepest, SampleDepthAt(dive, k));
  }
  return std::min(deepest, kDeepestChartDepth);
}

}  // namespace

std::string DepthChartTitle(const DiveRecord& dive) {
  return "Dive Number: " + GeneralNumber(dive.DiveNumber) +
         "  Depth (meters) versus Time (minutes)";
}

int32_t SamplesToDraw(const DiveRecord& dive, ChartSurface& surface) {
  const int32_t count = DecodedSampleCount(dive);
  if (count == 0) {
    surface.Cls();
    surface.Print(kNoDiveData);
  }
  return count;
}

void DrawDepthChart(const DiveRecord& dive, ChartSurface& surface) {
  const int32_t count = SamplesToDraw(dive, surface);
  if (count == 0) return;

  const ChartValue xRight = ProfileTimeRight(count);
  const auto yBottom = static_cast<ChartValue>(std::floor(ChartDepth(dive) * 100 + 1));
  surface.Cls();
  DrawChartFrame(0, xRight, yBottom, 0, surface, 0);

  surface.Line(0, 2000, xRight, 2000, kTwentyMetreColor);
  surface.Line(0, 4000, xRight, 4000, kFortyMetreColor);

  surface.SetCurrentX(0);
  surface.SetCurrentY(0);
  surface.SetDrawWidth(3);
  // The last point is the entry past the last sample, which brings the profile back to the
  // surface; each segment takes the colour of the sample it starts from.
  for (int32_t k = 0; k <= count; ++k) {
    const double depth = std::floor(SampleDepthAt(dive, k) * 10 + 0.5) / 10;
    surface.LineTo(SampleTime(k), depth * 100, ColorOfSegmentEndingAt(dive, k));
  }
  surface.SetDrawWidth(1);
}

}  // namespace scrb
