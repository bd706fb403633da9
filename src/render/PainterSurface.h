#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QLineF>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "charts/ChartSurface.h"
#include "charts/Palette.h"
#include "render/SurfaceGeometry.h"

class QImage;
class QPaintDevice;

namespace scrb {

// A ChartSurface over QPainter, so the same chart code draws on screen, into PNG, SVG and PDF.
// Positions on the device are in device-independent pixels; lengths reported to the charts are
// twips from the device's logical DPI, so margins keep their physical size on every screen. On a
// high-DPI image the painter works at the image's device pixel ratio and lines stay crisp.
//
// The painter is opened on the first drawing operation and stays open until Finish, so a chart
// costs one QPainter::begin. Anything that reads or writes out the device calls Finish first.
class PainterSurface : public ChartSurface {
 public:
  PainterSurface() = default;
  // `logicalSize` is the drawable area in device-independent pixels, `dpiX`/`dpiY` the device's
  // logical dots per inch.
  PainterSurface(QPaintDevice* device, QSizeF logicalSize, double dpiX, double dpiY);
  // An image surface of the image's device-independent size at its logical DPI.
  explicit PainterSurface(QImage& image);
  ~PainterSurface() override;
  PainterSurface(const PainterSurface&) = delete;
  PainterSurface& operator=(const PainterSurface&) = delete;

  // The font of every chart label on a device of the given logical dots per inch, for layouts
  // that must make room for the labels.
  static QFont LabelFont(double dpiY);

  // Points the surface at another device (e.g. a resized image). The user coordinate system and
  // the pen position are kept, as the surface is still the same chart area.
  void Retarget(QPaintDevice* device, QSizeF logicalSize, double dpiX, double dpiY);
  // The background, the text colour and the thinnest line come from the palette; a new surface
  // has the classic one.
  void UsePalette(const Palette& palette);
  // Ends painting so the device can be shown or saved; the next drawing operation resumes it.
  void Finish();
  // On a paged device (PDF, printer): puts what is drawn on the page and starts the next one,
  // with painting still open, as ending it would end the document. False when the device refuses.
  bool NewPage();
  // Whether a painter is open on the device, i.e. drawing since the last Finish reached it.
  bool Painting() const { return painter_.isActive(); }

  // Called when drawing starts after a Finish (the view schedules a repaint) and on Refresh
  // (the view repaints at once).
  void SetChangeHandler(std::function<void()> handler) { onChange_ = std::move(handler); }
  void SetRefreshHandler(std::function<void()> handler) { onRefresh_ = std::move(handler); }

  // Mapping between user coordinates and device-independent pixels of the surface; nothing when
  // the coordinate system or the surface is degenerate.
  std::optional<QPointF> ToUser(QPointF logicalPoint) const;
  std::optional<QPointF> ToLogical(double x, double y) const;
  // The plot area the chart last marked, in device-independent pixels; none after a Cls.
  const std::optional<QRectF>& PlotArea() const { return plotArea_; }

  void Cls() override;
  double Width() const override;
  double Height() const override;
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
  void SetDrawWidth(int pixels) override;
  void Refresh() override;
  void MarkPlotArea(double x1, double y1, double x2, double y2) override;

 private:
  QPainter* Painter();
  bool Drawable() const;
  void ResetDefaultScale();
  double PixelsToUserX(double pixels) const;
  double PixelsToUserY(double pixels) const;
  void UsePen(Rgb color, int width, Qt::PenCapStyle cap);
  void UseAntialiasing(bool on);
  void FlushPolyline();
  void ApplyDrawWidth();

  QPaintDevice* device_ = nullptr;
  QSizeF logicalSize_{0, 0};
  double dpiX_ = 96;
  double dpiY_ = 96;
  double pixelRatio_ = 1;
  QPainter painter_;
  QFont font_;
  QFontMetricsF metrics_{QFont()};
  Rgb background_ = Palette::Classic().Background;
  Rgb foreground_ = Palette::Classic().Text;
  int thinnestLine_ = Palette::Classic().ThinnestLine;

  bool scaleSet_ = false;
  std::optional<QRectF> plotArea_;
  UserCoordinates user_;
  double currentX_ = 0;
  double currentY_ = 0;
  int requestedWidth_ = 1;
  int drawWidth_ = 1;  // as requested, but never thinner than the palette's thinnest line

  bool penValid_ = false;
  Rgb penColor_;
  int penWidth_ = 0;
  Qt::PenCapStyle penCap_ = Qt::FlatCap;
  bool antialiased_ = true;

  // The end of the last line in both coordinate systems, for the next line that starts there.
  struct MappedPoint {
    double UserX;
    double UserY;
    QPointF Logical;
  };
  std::optional<MappedPoint> lastEnd_;
  // Label widths in logical pixels, for the font of the present device.
  mutable std::unordered_map<std::string, double> textWidths_;

  // Thick segments waiting to be stroked as one run.
  std::vector<QPointF> polyline_;
  std::vector<QLineF> segments_;
  Rgb polylineColor_;
  int polylineWidth_ = 0;

  std::function<void()> onChange_;
  std::function<void()> onRefresh_;
};

}  // namespace scrb
