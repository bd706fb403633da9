#include "charts/AxisSteps.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

#include "report/NumberFormat.h"

namespace scrb {

namespace {

constexpr std::array<int32_t, 11> kGridSeries{1, 2, 5, 10, 20, 50, 100, 200, 500, 1000, 2000};
constexpr int32_t kLargestGridStep = 5000;

// The next value of the series 1, 2, 5, 10, 20, 50, ...
int64_t NextNiceStep(int64_t step) {
  int64_t decade = 1;
  while (step >= decade * 10) decade *= 10;
  const int64_t mantissa = step / decade;
  return mantissa < 2 ? 2 * decade : mantissa < 5 ? 5 * decade : 10 * decade;
}

// The round times a stretch's axis ticks at, in seconds; past half an hour it goes on in hours.
constexpr std::array<int64_t, 8> kStretchSteps{20, 30, 60, 120, 300, 600, 900, 1800};

int64_t StretchStep(size_t n) {
  if (n < kStretchSteps.size()) return kStretchSteps[n];
  const int64_t hours = static_cast<int64_t>(n - kStretchSteps.size());
  constexpr std::array<int64_t, 3> kHours{1, 2, 5};
  int64_t decade = 1;
  for (int64_t d = 0; d < hours / 3; ++d) decade *= 10;
  return 3600 * kHours[static_cast<size_t>(hours % 3)] * decade;
}

}  // namespace

int32_t GridStep(double spacing) {
  const double magnitude = std::fabs(spacing);
  int32_t step = kLargestGridStep;
  for (int32_t candidate : kGridSeries) {
    if (candidate > magnitude) {
      step = candidate;
      break;
    }
  }
  return spacing < 0 ? -step : step;
}

int64_t AxisStep(double spacing) {
  int64_t step = std::llabs(GridStep(spacing));
  while (static_cast<double>(step) <= std::fabs(spacing) && step < kLargestRange)
    step = NextNiceStep(step);
  return spacing < 0 ? -step : step;
}

int64_t FirstOnStep(int64_t from, int64_t origin, int64_t step) {
  const int64_t s = std::llabs(step);
  const int64_t distance = from - origin;
  return origin + (distance >= 0 ? (distance + s - 1) / s : -(-distance / s)) * s;
}

bool NotPassed(int64_t value, int64_t limit, int64_t step) {
  return step > 0 ? value <= limit : value >= limit;
}

std::vector<int64_t> ValueGrid(int64_t bottom, int64_t top, int64_t origin, int64_t step) {
  const int64_t high = std::max(bottom, top);
  const int64_t s = std::llabs(step);
  std::vector<int64_t> values;
  for (int64_t j = FirstOnStep(std::min(bottom, top), origin, s); j <= high; j += s)
    values.push_back(j);
  return values;
}

int64_t LabelStep(int64_t from, int64_t to, int64_t origin, int64_t gridStep,
                  const AxisMarks& marks, const ChartSurface& surface) {
  const int64_t s = std::llabs(gridStep);
  const int64_t span = std::llabs(to - from);
  const double gap = std::fabs(surface.TextWidth("0"));
  int64_t candidate = s;
  while (candidate <= span) {
    if (candidate % s == 0) {
      const int64_t signedStep = gridStep > 0 ? candidate : -candidate;
      const int64_t first = origin == from ? from : FirstOnStep(from, origin, signedStep);
      double widest = 0;
      for (int64_t i = first; NotPassed(i, to, signedStep); i += signedStep) {
        widest = std::max(widest, std::fabs(surface.TextWidth(marks.Label(i))));
      }
      if (static_cast<double>(candidate) * std::fabs(marks.X(1) - marks.X(0)) >= widest + gap)
        return candidate;
    }
    candidate = NextNiceStep(candidate);
  }
  return candidate;
}

StretchTimeSteps StretchTimeStepsFor(double twipsPerSecond, double widestLabelTwips,
                                     double gapTwips) {
  const double gridTwips = kGridSpacingMillimetres * kTwipsPerMillimetre;
  size_t n = 0;
  while (static_cast<double>(StretchStep(n)) * twipsPerSecond < gridTwips && n < 30) ++n;
  const int64_t grid = StretchStep(n);
  int64_t label = grid;
  for (size_t m = n; m < 30; ++m) {
    label = StretchStep(m);
    if (label % grid != 0) continue;
    if (static_cast<double>(label) * twipsPerSecond >= widestLabelTwips + gapTwips) break;
  }
  return {grid, label};
}

std::string StretchTimeLabel(int64_t seconds, int64_t labelStep) {
  if (labelStep >= 60 && seconds % 60 == 0) return GeneralNumber(static_cast<double>(seconds / 60));
  const int64_t minutes = seconds >= 0 ? seconds / 60 : -((-seconds + 59) / 60);
  const int64_t rest = seconds - minutes * 60;
  return FormatPattern(static_cast<double>(minutes), "00") + "'" +
         FormatPattern(static_cast<double>(rest), "00") + "\"";
}

}  // namespace scrb
