#include "charts/VerticalSpeedChart.h"

#include <algorithm>
#include <cmath>

#include "charts/ChartFrame.h"
#include "charts/DepthChart.h"
#include "charts/ProfileSamples.h"
#include "logbook/SampleAccess.h"

namespace scrb {

namespace {

constexpr ChartValue kSmallestTopSpeed = 1300;
constexpr ChartValue kAscentLimit = 1200;

}  // namespace

std::vector<double> VerticalSpeeds(const DecodedProfile& profile) {
  const int32_t count = DecodedSampleCount(profile);
  std::vector<double> speeds(static_cast<size_t>(count) + 1, 0.0);
  for (int32_t k = 1; k < count; ++k) {
    speeds[static_cast<size_t>(k)] = VerticalSpeedAt(profile, k);
  }
  return speeds;
}

void DrawVerticalSpeedChart(const DecodedProfile& profile, ChartSurface& surface, UnitSystem units,
                            const Palette& palette, const TimeStretch& stretch) {
  const int32_t count = SamplesToDraw(profile, surface);
  if (count == 0) return;

  std::vector<double> speeds = VerticalSpeeds(profile);
  for (double& speed : speeds) speed = ToUnits(Quantity::Speed, speed, units);
  double fastestAscent = 0;
  double fastestDescent = 0;
  for (int32_t k = 1; k < count; ++k) {
    fastestAscent = std::max(fastestAscent, speeds[static_cast<size_t>(k)]);
    fastestDescent = std::min(fastestDescent, speeds[static_cast<size_t>(k)]);
  }

  const ShownTimes times = TimesShown(stretch, count);
  // The whole metre at or below the fastest descent, so its step stays inside the plot area.
  const auto yBottom = static_cast<ChartValue>(std::floor(fastestDescent)) * 100;
  // The limit line keeps its speed; the top leaves room above it in either unit.
  const double ascentLimit = ToUnits(Quantity::Speed, kAscentLimit, units);
  const auto smallestTop = static_cast<ChartValue>(
      std::ceil(ToUnits(Quantity::Speed, kSmallestTopSpeed / 100.0, units)) * 100);
  const ChartValue yTop =
      std::max(static_cast<ChartValue>(std::floor(fastestAscent + 1)) * 100, smallestTop);
  surface.Cls();
  DrawChartFrame(times, yBottom, yTop, surface, palette, 0);

  surface.Line(times.Left, 0, times.Right, 0, palette.ZeroSpeed);
  surface.Line(times.Left, ascentLimit, times.Right, ascentLimit, palette.AscentLimit);

  ClippedToStretch data(surface, times);
  data.SetCurrentX(0);
  data.SetCurrentY(speeds[1] * 100);
  data.SetDrawWidth(3);
  // A step after a flagged sample is red, but its riser keeps the colour of the step before, so
  // the red marks exactly the levels that follow the alarm.
  Rgb color = palette.FirstRiser;
  for (int32_t k = 1; k <= count; ++k) {
    const double y = speeds[static_cast<size_t>(k)] * 100;
    const double riserX = SampleStartTime(k);
    const double levelEndX = SampleTime(k);
    if (IsAlarm(SampleFlagsAt(profile, k - 1))) {
      data.LineTo(riserX, y, color);
      color = palette.Alarm;
      data.LineTo(levelEndX, y, color);
    } else {
      color = palette.Data;
      data.LineTo(riserX, y, color);
      data.LineTo(levelEndX, y, color);
    }
  }
  data.SetDrawWidth(1);
}

}  // namespace scrb
