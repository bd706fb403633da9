#pragma once

#include <cstdint>
#include <string>

#include "charts/Rgb.h"

namespace scrb {

// Surfaces measure lengths in twips (1/1440 inch) and ScaleX/ScaleY take millimetres.
constexpr double kTwipsPerMillimetre = 1440 / 25.4;

// A rectangular drawing area with its own user coordinate system. Widths and heights are in
// layout units (twips, 1/1440 inch); everything else is in the user units set by Scale. Either
// axis may run either way, so ScaleX, ScaleY, TextWidth and TextHeight are signed.
class ChartSurface {
 public:
  virtual ~ChartSurface() = default;

  // Clears to the background and puts the pen at (0, 0) of the coordinate system in force.
  virtual void Cls() = 0;
  virtual double Width() const = 0;
  virtual double Height() const = 0;
  // Upper-left corner gets (x1, y1), lower-right (x2, y2); kept until the next Scale, across Cls.
  virtual void Scale(double x1, double y1, double x2, double y2) = 0;
  // A physical length in millimetres as user units along x or y (negative when the axis grows
  // leftward or upward).
  virtual double ScaleX(double millimetres) const = 0;
  virtual double ScaleY(double millimetres) const = 0;
  // Draws with the current pen width; the pen ends at (x2, y2).
  virtual void Line(double x1, double y1, double x2, double y2, Rgb color) = 0;
  virtual void LineTo(double x2, double y2, Rgb color) = 0;
  // Fills the rectangle between two opposite corners without an outline; the pen stays where it
  // is. Surfaces that cannot fill hatch it with lines of the current pen width.
  virtual void FillRect(double x1, double y1, double x2, double y2, Rgb color);
  virtual double CurrentX() const = 0;
  virtual double CurrentY() const = 0;
  virtual void SetCurrentX(double x) = 0;
  virtual void SetCurrentY(double y) = 0;
  // Draws UTF-8 text with the upper-left corner of its first line at the pen position.
  virtual void Print(const std::string& text) = 0;
  virtual double TextWidth(const std::string& text) const = 0;
  virtual double TextHeight(const std::string& text) const = 0;
  // Pen width in device-independent pixels.
  virtual void SetDrawWidth(int pixels) = 0;
  // Makes what has been drawn so far visible; used by long computations to show progress.
  virtual void Refresh() {}
  // Where the chart plots its data, between two corners in the user coordinates in force; Cls
  // forgets it. A window points at times and lays stretches only over a chart that has one, and
  // ends its lines at the plot's bottom, above the axis labels: a chart without data has none.
  virtual void MarkPlotArea(double /*x1*/, double /*y1*/, double /*x2*/, double /*y2*/) {}
};

}  // namespace scrb
