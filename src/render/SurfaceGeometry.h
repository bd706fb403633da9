#pragma once

#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <cmath>
#include <optional>
#include <vector>

#include "charts/RegionSurface.h"

// Pure geometry of drawing on pixels. The mapping, clipping and snapping are inline: every point
// of a chart's data line passes through them.

namespace scrb {

// A user coordinate system laid over an area of logical pixels: (X1, Y1) at its upper-left
// corner and (X2, Y2) at its lower-right, either axis running either way.
struct UserCoordinates {
  double X1 = 0;
  double Y1 = 0;
  double X2 = 0;
  double Y2 = 0;
};

// Where the user point (x, y) lies on an area of `size` logical pixels; nothing when the
// coordinate system is degenerate or the point lies beyond any number.
inline std::optional<QPointF> UserToLogical(const UserCoordinates& user, QSizeF size, double x,
                                            double y) {
  const double spanX = user.X2 - user.X1;
  const double spanY = user.Y2 - user.Y1;
  if (spanX == 0 || spanY == 0 || !std::isfinite(spanX) || !std::isfinite(spanY)) return {};
  const double px = (x - user.X1) / spanX * size.width();
  const double py = (y - user.Y1) / spanY * size.height();
  if (!std::isfinite(px) || !std::isfinite(py)) return {};
  return QPointF(px, py);
}

// The user point at a logical pixel of the area; nothing on an empty area.
std::optional<QPointF> LogicalToUser(const UserCoordinates& user, QSizeF size, QPointF logical);

// Keeps the part of the segment a-b inside the rectangle, as the report's chart regions do;
// false when none of it is.
inline bool ClipSegment(QPointF& a, QPointF& b, const QRectF& r) {
  const SurfaceRect rect{r.left(), r.top(), r.width(), r.height()};
  const auto inside = [&rect](QPointF p) {
    return p.x() >= rect.Left && p.x() <= rect.Right() && p.y() >= rect.Top &&
           p.y() <= rect.Bottom();
  };
  if (inside(a) && inside(b)) {
    // Nearly every data point lies inside; this is what clipping computes for them, with the
    // same rounding, without its four divisions.
    b = QPointF(a.x() + (b.x() - a.x()), a.y() + (b.y() - a.y()));
    return true;
  }
  double ax = a.x(), ay = a.y(), bx = b.x(), by = b.y();
  if (!ClipToRect(ax, ay, bx, by, rect)) return false;
  a = QPointF(ax, ay);
  b = QPointF(bx, by);
  return true;
}

// Whether a pen this many device pixels wide covers an odd number of them.
inline bool OddPixels(double penDevicePixels) {
  return static_cast<long long>(std::llround(penDevicePixels)) % 2 != 0;
}

// Puts an axis-parallel line on the device pixel grid: an odd number of device pixels wide is
// centred on a pixel, an even number on a pixel boundary, so antialiasing never smears it.
inline double SnapToPixels(double logical, bool oddPixels, double ratio) {
  const double device = logical * ratio;
  const double snapped = oddPixels ? std::floor(device) + 0.5 : std::round(device);
  return snapped / ratio;
}

inline QPointF SnapToPixels(QPointF logical, bool oddPixels, double ratio) {
  return {SnapToPixels(logical.x(), oddPixels, ratio), SnapToPixels(logical.y(), oddPixels, ratio)};
}

// Snaps a segment that runs along an axis onto the pixel grid, where it needs no antialiasing;
// false, and the segment left as it is, for one that does not.
bool SnapAxisParallel(QPointF& a, QPointF& b, bool oddPixels, double ratio);

// The segments a run of connected points is drawn with on a raster device: the points that stay
// within a fifth of a pixel of a straight segment through their neighbours are left out.
void AppendSimplifiedSegments(const std::vector<QPointF>& points, std::vector<QLineF>& segments);

}  // namespace scrb
