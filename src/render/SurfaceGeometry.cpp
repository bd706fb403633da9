#include "render/SurfaceGeometry.h"

#include <algorithm>
#include <cmath>

namespace scrb {

namespace {

// How far a dropped point may lie from the segment that replaces it, in logical pixels: well
// under what antialiasing shows.
constexpr double kSimplifyTolerancePixels = 0.2;

// Whether (dx, dy) is at most the tolerance long, decided as std::hypot would decide it. The
// squared length settles all but a hair's breadth around the tolerance, where hypot, which is
// several times dearer, has the last word.
bool WithinTolerance(double dx, double dy) {
  constexpr double kTolerance2 = kSimplifyTolerancePixels * kSimplifyTolerancePixels;
  constexpr double kMargin = 1e-9;
  const double length2 = dx * dx + dy * dy;
  if (length2 < kTolerance2 * (1 - kMargin)) return true;
  if (length2 > kTolerance2 * (1 + kMargin)) return false;
  return std::hypot(dx, dy) <= kSimplifyTolerancePixels;
}

bool NearSegment(QPointF p, QPointF a, QPointF b) {
  const QPointF ab = b - a;
  const double length2 = QPointF::dotProduct(ab, ab);
  if (length2 == 0) return WithinTolerance(p.x() - a.x(), p.y() - a.y());
  const double t = std::clamp(QPointF::dotProduct(p - a, ab) / length2, 0.0, 1.0);
  const QPointF nearest = a + t * ab;
  return WithinTolerance(p.x() - nearest.x(), p.y() - nearest.y());
}

}  // namespace

std::optional<QPointF> LogicalToUser(const UserCoordinates& user, QSizeF size, QPointF logical) {
  if (size.width() <= 0 || size.height() <= 0) return {};
  const double x = user.X1 + logical.x() / size.width() * (user.X2 - user.X1);
  const double y = user.Y1 + logical.y() / size.height() * (user.Y2 - user.Y1);
  if (!std::isfinite(x) || !std::isfinite(y)) return {};
  return QPointF(x, y);
}

bool SnapAxisParallel(QPointF& a, QPointF& b, bool oddPixels, double ratio) {
  if (a.x() == b.x()) {
    const double x = SnapToPixels(a.x(), oddPixels, ratio);
    a.setX(x);
    b.setX(x);
    return true;
  }
  if (a.y() == b.y()) {
    const double y = SnapToPixels(a.y(), oddPixels, ratio);
    a.setY(y);
    b.setY(y);
    return true;
  }
  return false;
}

// A long data line is mostly gentle curves of points a few pixels apart, and each segment costs
// the rasteriser the same whatever its length: runs of points that stay within a fraction of a
// pixel of one straight segment are drawn as that segment. A turn, a step or a peak always keeps
// its point.
void AppendSimplifiedSegments(const std::vector<QPointF>& points, std::vector<QLineF>& segments) {
  if (points.size() < 2) return;
  size_t anchor = 0;
  for (size_t end = 2; end <= points.size(); ++end) {
    const bool last = end == points.size();
    bool fits = !last;
    for (size_t k = anchor + 1; fits && k < end; ++k) {
      fits = NearSegment(points[k], points[anchor], points[end]);
    }
    if (fits) continue;
    // points[end - 1] is the farthest point the run from the anchor can reach.
    segments.emplace_back(points[anchor], points[end - 1]);
    anchor = end - 1;
  }
}

}  // namespace scrb
