#include "charts/DepthChart.h"

#include <algorithm>
#include <cmath>

#include "charts/ChartFrame.h"
#include "charts/ProfileSamples.h"
#include "logbook/MissingValues.h"
#include "logbook/Translation.h"
#include "report/NumberFormat.h"

namespace scrb {

namespace {

// Deeper than any dive computer goes; keeps the depth range inside 32 bits whatever the file says.
constexpr double kDeepestChartDepth = 10000;

// The depth range comes from the logbook's maximum depth. When that is unknown or nonsense the
// deepest sample stands in, so the profile is not squeezed to the top of a 327 m chart.
double ChartDepth(const DiveRecord& dive, const DecodedProfile& profile) {
  const double logged = dive.MaxDepth;
  const bool usable = std::isfinite(logged) && logged >= 0 && !IsUnknownMeasurement(logged);
  if (usable) return std::min(logged, kDeepestChartDepth);
  double deepest = 0;
  for (int32_t k = 0; k < DecodedSampleCount(profile); ++k) {
    deepest = std::max(deepest, SampleDepthAt(profile, k));
  }
  return std::min(deepest, kDeepestChartDepth);
}

// Depth of sample k as the profile draws it: rounded to a tenth of a metre, halves up.
double DrawnDepth(const DecodedProfile& profile, int32_t k) {
  return std::floor(SampleDepthAt(profile, k) * 10 + 0.5) / 10;
}

// A sample deeper than the logbook's maximum depth widens the range, so the profile never dips
// under the plot area into the time labels.
double DepthRange(const DiveRecord& dive, const DecodedProfile& profile) {
  double depth = ChartDepth(dive, profile);
  for (int32_t k = 0; k < DecodedSampleCount(profile); ++k) {
    depth = std::max(depth, std::min(DrawnDepth(profile, k), kDeepestChartDepth));
  }
  return depth;
}

}  // namespace

std::string DepthChartTitle(const DiveRecord& dive, UnitSystem units) {
  return FillIn(units == UnitSystem::Metric
                    ? Tr("Charts", "Dive Number: %1  Depth (meters) versus Time (minutes)")
                    : Tr("Charts", "Dive Number: %1  Depth (feet) versus Time (minutes)"),
                {GeneralNumber(dive.DiveNumber)});
}

int32_t SamplesToDraw(const DecodedProfile& profile, ChartSurface& surface) {
  const int32_t count = DecodedSampleCount(profile);
  if (count == 0) ShowEmptyChart(surface, kNoDiveData);
  return count;
}

void DrawDepthChart(const DiveRecord& dive, const DecodedProfile& profile, ChartSurface& surface,
                    UnitSystem units, const Palette& palette, const TimeStretch& stretch) {
  const int32_t count = SamplesToDraw(profile, surface);
  if (count == 0) return;

  const ShownTimes times = TimesShown(stretch, count);
  const ChartValue xRight = TimeAxisRight(count);
  // Chart units are hundredths of a metre or of a foot; metric multiplies by exactly 1.
  const double perMetre = ToUnits(Quantity::Depth, 1, units) * 100;
  const auto yBottom =
      static_cast<ChartValue>(std::floor(DepthRange(dive, profile) * perMetre + 1));
  surface.Cls();
  DrawChartFrame(times, yBottom, 0, surface, palette, 0);
  ClippedToStretch data(surface, times);

  // On a shallower dive a reference depth lies under the plot area, where it would cross the
  // time labels.
  const double twenty = 20 * perMetre;
  const double forty = 40 * perMetre;
  if (yBottom >= twenty) data.Line(0, twenty, xRight, twenty, palette.TwentyMetre);
  if (yBottom >= forty) data.Line(0, forty, xRight, forty, palette.FortyMetre);

  data.SetCurrentX(0);
  data.SetCurrentY(0);
  data.SetDrawWidth(3);
  // The last point is the entry past the last sample, which brings the profile back to the
  // surface; each segment takes the colour of the sample it starts from.
  for (int32_t k = 0; k <= count; ++k) {
    data.LineTo(SampleTime(k), DrawnDepth(profile, k) * perMetre,
                ColorOfSegmentEndingAt(profile, k, palette));
  }
  surface.SetDrawWidth(1);
}

}  // namespace scrb
