#include "charts/RegionSurface.h"

#include <algorithm>
#include <cmath>

namespace scrb {

// Liang-Barsky.
bool ClipToRect(double& ax, double& ay, double& bx, double& by, const SurfaceRect& r) {
  double t0 = 0;
  double t1 = 1;
  const double dx = bx - ax;
  const double dy = by - ay;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {ax - r.Left, r.Right() - ax, ay - r.Top, r.Bottom() - ay};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0)
      t0 = std::max(t0, t);
    else
      t1 = std::min(t1, t);
    if (t0 > t1) return false;
  }
  const double startX = ax;
  const double startY = ay;
  ax = startX + t0 * dx;
  ay = startY + t0 * dy;
  bx = startX + t1 * dx;
  by = startY + t1 * dy;
  return true;
}

bool SurfaceRect::Contains(const SurfaceRect& inner, double tolerance) const {
  return inner.Left >= Left - tolerance && inner.Top >= Top - tolerance &&
         inner.Right() <= Right() + tolerance && inner.Bottom() <= Bottom() + tolerance;
}

bool SurfaceRect::Overlaps(const SurfaceRect& other) const {
  return Left < other.Right() && other.Left < Right() && Top < other.Bottom() &&
         other.Top < Bottom();
}

RegionSurface::RegionSurface(ChartSurface& parent, SurfaceRect area)
    : parent_(parent), area_(area), x2_(area.Width), y2_(area.Height) {}

void RegionSurface::Cls() {
  currentX_ = 0;
  currentY_ = 0;
}

void RegionSurface::Scale(double x1, double y1, double x2, double y2) {
  x1_ = x1;
  y1_ = y1;
  x2_ = x2;
  y2_ = y2;
}

void RegionSurface::ScaleParentAlike() const {
  if (area_.Width <= 0 || area_.Height <= 0) return;
  const double perTwipX = (x2_ - x1_) / area_.Width;
  const double perTwipY = (y2_ - y1_) / area_.Height;
  parent_.Scale(x1_ - area_.Left * perTwipX, y1_ - area_.Top * perTwipY,
                x1_ + (parent_.Width() - area_.Left) * perTwipX,
                y1_ + (parent_.Height() - area_.Top) * perTwipY);
}

double RegionSurface::ScaleX(double millimetres) const {
  return TwipsToUserX(millimetres * kTwipsPerMillimetre);
}

double RegionSurface::ScaleY(double millimetres) const {
  return TwipsToUserY(millimetres * kTwipsPerMillimetre);
}

std::optional<RegionSurface::Point> RegionSurface::ToParent(double x, double y) const {
  const double px = area_.Left + (x - x1_) / (x2_ - x1_) * area_.Width;
  const double py = area_.Top + (y - y1_) / (y2_ - y1_) * area_.Height;
  if (!std::isfinite(px) || !std::isfinite(py)) return std::nullopt;
  return Point{px, py};
}

void RegionSurface::Line(double x1, double y1, double x2, double y2, Rgb color) {
  currentX_ = x2;
  currentY_ = y2;
  std::optional<Point> a = ToParent(x1, y1);
  std::optional<Point> b = ToParent(x2, y2);
  if (!a || !b || !ClipToRect(a->X, a->Y, b->X, b->Y, area_)) return;
  parent_.Line(a->X, a->Y, b->X, b->Y, color);
}

void RegionSurface::FillRect(double x1, double y1, double x2, double y2, Rgb color) {
  const std::optional<Point> a = ToParent(x1, y1);
  const std::optional<Point> b = ToParent(x2, y2);
  if (!a || !b) return;
  // Cut to the region like a line, so that a fill never reaches a neighbour.
  const double left = std::max(std::min(a->X, b->X), area_.Left);
  const double right = std::min(std::max(a->X, b->X), area_.Right());
  const double top = std::max(std::min(a->Y, b->Y), area_.Top);
  const double bottom = std::min(std::max(a->Y, b->Y), area_.Bottom());
  if (!(left < right) || !(top < bottom)) return;
  parent_.FillRect(left, top, right, bottom, color);
}

void RegionSurface::LineTo(double x2, double y2, Rgb color) {
  Line(currentX_, currentY_, x2, y2, color);
}

void RegionSurface::Print(const std::string& text) {
  const std::optional<Point> at = ToParent(currentX_, currentY_);
  currentY_ += TextHeight(text);
  currentX_ = x1_;
  if (!at) return;
  const double width = std::fabs(parent_.TextWidth(text));
  const double height = std::fabs(parent_.TextHeight(text));
  // A label that reaches past the edge is moved in; one wider than the region starts at its left.
  const double left = std::max(area_.Left, std::min(at->X, area_.Right() - width));
  const double top = std::max(area_.Top, std::min(at->Y, area_.Bottom() - height));
  parent_.SetCurrentX(left);
  parent_.SetCurrentY(top);
  parent_.Print(text);
}

double RegionSurface::TextWidth(const std::string& text) const {
  return TwipsToUserX(std::fabs(parent_.TextWidth(text)));
}

double RegionSurface::TextHeight(const std::string& text) const {
  return TwipsToUserY(std::fabs(parent_.TextHeight(text)));
}

}  // namespace scrb
