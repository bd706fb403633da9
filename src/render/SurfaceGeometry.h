#pragma once

#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <optional>
#include <vector>

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
std::optional<QPointF> UserToLogical(const UserCoordinates& user, QSizeF size, double x, double y);
// The user point at a logical pixel of the area; nothing on an empty area.
std::optional<QPointF> LogicalToUser(const UserCoordinates& user, QSizeF size, QPointF logical);

// Keeps the part of the segment a-b inside the rectangle, as the report's chart regions do;
// false when none of it is.
bool ClipSegment(QPointF& a, QPointF& b, const QRectF& r);

// Whether a pen this many device pixels wide covers an odd number of them.
bool OddPixels(double penDevicePixels);

// Puts an axis-parallel line on the device pixel grid: an odd number of device pixels wide is
// centred on a pixel, an even number on a pixel boundary, so antialiasing never smears it.
double SnapToPixels(double logical, bool oddPixels, double ratio);
QPointF SnapToPixels(QPointF logical, bool oddPixels, double ratio);
// Snaps a segment that runs along an axis onto the pixel grid, where it needs no antialiasing;
// false, and the segment left as it is, for one that does not.
bool SnapAxisParallel(QPointF& a, QPointF& b, bool oddPixels, double ratio);

// The segments a run of connected points is drawn with on a raster device: the points that stay
// within a fifth of a pixel of a straight segment through their neighbours are left out.
void AppendSimplifiedSegments(const std::vector<QPointF>& points, std::vector<QLineF>& segments);

}  // namespace scrb
