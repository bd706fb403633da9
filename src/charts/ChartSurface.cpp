#include "charts/ChartSurface.h"

#include <algorithm>
#include <cmath>

namespace scrb {

void ChartSurface::FillRect(double x1, double y1, double x2, double y2, Rgb color) {
  const double keptX = CurrentX();
  const double keptY = CurrentY();
  // A quarter millimetre is about a pixel on a screen, so the lines close up to a fill.
  const double step = std::fabs(ScaleY(0.25));
  const double low = std::min(y1, y2);
  const double high = std::max(y1, y2);
  if (std::isfinite(step) && step > 0 && std::isfinite(low) && std::isfinite(high) &&
      (high - low) / step < 100000) {
    for (double y = low; y <= high; y += step) Line(x1, y, x2, y, color);
  }
  Line(x1, high, x2, high, color);
  SetCurrentX(keptX);
  SetCurrentY(keptY);
}

}  // namespace scrb
