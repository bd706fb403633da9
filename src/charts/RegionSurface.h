#pragma once

#include <optional>

#include "charts/ChartSurface.h"

namespace scrb {

// A rectangle in twips from the upper-left corner of a surface.
struct SurfaceRect {
  double Left = 0;
  double Top = 0;
  double Width = 0;
  double Height = 0;

  double Right() const { return Left + Width; }
  double Bottom() const { return Top + Height; }
  bool Contains(const SurfaceRect& inner, double tolerance = 1e-6) const;
  bool Overlaps(const SurfaceRect& other) const;
};

// Keeps the part of the segment (ax, ay)-(bx, by) inside the rectangle; false when none is.
bool ClipToRect(double& ax, double& ay, double& bx, double& by, const SurfaceRect& r);

// A rectangle of a larger surface that a chart takes for its whole surface, so that several
// charts share one page: the chart's coordinate system maps onto the rectangle. Charts draw past
// their plot area on purpose (a sample deeper than the logged maximum, the 40 m line of a shallow
// dive); lines are cut at the rectangle's edge so that nothing reaches a neighbour, and a text is
// moved inside it rather than lost. The parent must be scaled in twips from its upper-left corner.
//
// Cls only puts the pen home: the page under a region is blank, and clearing the parent would
// wipe the neighbours.
class RegionSurface : public ChartSurface {
 public:
  RegionSurface(ChartSurface& parent, SurfaceRect area);

  void Cls() override;
  double Width() const override { return area_.Width; }
  double Height() const override { return area_.Height; }
  void Scale(double x1, double y1, double x2, double y2) override;
  double ScaleX(double millimetres) const override;
  double ScaleY(double millimetres) const override;
  void Line(double x1, double y1, double x2, double y2, Rgb color) override;
  void LineTo(double x2, double y2, Rgb color) override;
  void FillRect(double x1, double y1, double x2, double y2, Rgb color) override;
  double CurrentX() const override { return currentX_; }
  double CurrentY() const override { return currentY_; }
  void SetCurrentX(double x) override { currentX_ = x; }
  void SetCurrentY(double y) override { currentY_ = y; }
  void Print(const std::string& text) override;
  double TextWidth(const std::string& text) const override;
  double TextHeight(const std::string& text) const override;
  void SetDrawWidth(int pixels) override { parent_.SetDrawWidth(pixels); }

  // Scales the parent so that the region's coordinates name the same points on it, for a reader
  // of the parent's coordinates (a pointer over the chart) once the region is drawn.
  void ScaleParentAlike() const;

 private:
  struct Point {
    double X;
    double Y;
  };
  std::optional<Point> ToParent(double x, double y) const;
  double TwipsToUserX(double twips) const { return twips * (x2_ - x1_) / area_.Width; }
  double TwipsToUserY(double twips) const { return twips * (y2_ - y1_) / area_.Height; }

  ChartSurface& parent_;
  SurfaceRect area_;
  double x1_ = 0;
  double y1_ = 0;
  double x2_ = 1;
  double y2_ = 1;
  double currentX_ = 0;
  double currentY_ = 0;
};

}  // namespace scrb
