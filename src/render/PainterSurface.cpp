#include "render/PainterSurface.h"

#include <QImage>
#include <QPagedPaintDevice>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPen>
#include <QString>
#include <algorithm>
#include <cmath>

#include "render/SurfaceGeometry.h"

namespace scrb {

namespace {

constexpr double kTwipsPerInch = 1440;
constexpr double kMillimetresPerInch = 25.4;
constexpr double kLabelPointSize = 8;
// Segments are clipped to the device plus this margin before they reach the painter, so a
// coordinate far outside the chart can neither overflow the raster engine nor slow it down.
constexpr double kClipMarginPixels = 64;

double SaneDpi(double dpi) {
  return std::isfinite(dpi) && dpi >= 1 ? dpi : 96;
}

}  // namespace

PainterSurface::PainterSurface(QPaintDevice* device, QSizeF logicalSize, double dpiX, double dpiY) {
  Retarget(device, logicalSize, dpiX, dpiY);
}

PainterSurface::PainterSurface(QImage& image) {
  Retarget(&image, image.deviceIndependentSize(), image.logicalDpiX(), image.logicalDpiY());
}

QFont PainterSurface::LabelFont(double dpiY) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(
      std::max(1, static_cast<int>(std::lround(kLabelPointSize * SaneDpi(dpiY) / 72))));
  return font;
}

PainterSurface::~PainterSurface() {
  Finish();
}

void PainterSurface::Retarget(QPaintDevice* device, QSizeF logicalSize, double dpiX, double dpiY) {
  Finish();
  polyline_.clear();
  lastEnd_.reset();
  textWidths_.clear();
  device_ = device;
  const bool sizeKnown = logicalSize.isValid() && std::isfinite(logicalSize.width()) &&
                         std::isfinite(logicalSize.height());
  logicalSize_ = sizeKnown ? logicalSize : QSizeF(0, 0);
  dpiX_ = SaneDpi(dpiX);
  dpiY_ = SaneDpi(dpiY);
  pixelRatio_ = device != nullptr ? std::max(1.0, device->devicePixelRatioF()) : 1.0;

  font_ = LabelFont(dpiY_);
  // Ligatures on paper would come back from a PDF as one odd character ("coeﬃcient"), so copied
  // or searched text would not match what the program says.
  if (dynamic_cast<QPagedPaintDevice*>(device) != nullptr) {
    font_.setStyleStrategy(QFont::PreferNoShaping);
  }
  metrics_ = QFontMetricsF(font_);
  ApplyDrawWidth();
  if (!scaleSet_) ResetDefaultScale();
}

void PainterSurface::ResetDefaultScale() {
  lastEnd_.reset();
  user_ = {0, 0, Width(), Height()};
}

bool PainterSurface::Drawable() const {
  return device_ != nullptr && logicalSize_.width() >= 1 && logicalSize_.height() >= 1;
}

QPainter* PainterSurface::Painter() {
  if (painter_.isActive()) return &painter_;
  if (!Drawable() || !painter_.begin(device_)) return nullptr;
  painter_.setRenderHint(QPainter::Antialiasing, true);
  painter_.setRenderHint(QPainter::TextAntialiasing, true);
  painter_.setFont(font_);
  antialiased_ = true;
  penValid_ = false;
  if (onChange_) onChange_();
  return &painter_;
}

bool PainterSurface::NewPage() {
  FlushPolyline();
  auto* paged = dynamic_cast<QPagedPaintDevice*>(device_);
  return paged != nullptr && paged->newPage();
}

void PainterSurface::Finish() {
  FlushPolyline();
  if (painter_.isActive()) painter_.end();
}

double PainterSurface::Width() const {
  return logicalSize_.width() * kTwipsPerInch / dpiX_;
}

double PainterSurface::Height() const {
  return logicalSize_.height() * kTwipsPerInch / dpiY_;
}

void PainterSurface::Scale(double x1, double y1, double x2, double y2) {
  lastEnd_.reset();
  user_ = {x1, y1, x2, y2};
  scaleSet_ = true;
}

double PainterSurface::PixelsToUserX(double pixels) const {
  if (logicalSize_.width() <= 0) return 0;
  return pixels * (user_.X2 - user_.X1) / logicalSize_.width();
}

double PainterSurface::PixelsToUserY(double pixels) const {
  if (logicalSize_.height() <= 0) return 0;
  return pixels * (user_.Y2 - user_.Y1) / logicalSize_.height();
}

double PainterSurface::ScaleX(double millimetres) const {
  return PixelsToUserX(millimetres * dpiX_ / kMillimetresPerInch);
}

double PainterSurface::ScaleY(double millimetres) const {
  return PixelsToUserY(millimetres * dpiY_ / kMillimetresPerInch);
}

std::optional<QPointF> PainterSurface::ToLogical(double x, double y) const {
  return UserToLogical(user_, logicalSize_, x, y);
}

std::optional<QPointF> PainterSurface::ToUser(QPointF logicalPoint) const {
  return LogicalToUser(user_, logicalSize_, logicalPoint);
}

void PainterSurface::Cls() {
  // The pen goes to (0, 0) of the coordinate system, not to its corner: charts print their
  // "no data" line there.
  currentX_ = 0;
  currentY_ = 0;
  plotArea_.reset();
  polyline_.clear();
  QPainter* painter = Painter();
  if (painter == nullptr) return;
  painter->fillRect(QRectF(QPointF(0, 0), logicalSize_),
                    QColor(background_.R, background_.G, background_.B));
}

void PainterSurface::MarkPlotArea(double x1, double y1, double x2, double y2) {
  const std::optional<QPointF> a = ToLogical(x1, y1);
  const std::optional<QPointF> b = ToLogical(x2, y2);
  if (a && b) plotArea_ = QRectF(*a, *b).normalized();
}

void PainterSurface::UsePen(Rgb color, int width, Qt::PenCapStyle cap) {
  if (penValid_ && penColor_ == color && penWidth_ == width && penCap_ == cap) return;
  QPen pen(QColor(color.R, color.G, color.B));
  pen.setWidthF(width);
  pen.setCapStyle(cap);
  pen.setJoinStyle(Qt::MiterJoin);
  painter_.setPen(pen);
  penValid_ = true;
  penColor_ = color;
  penWidth_ = width;
  penCap_ = cap;
}

void PainterSurface::UseAntialiasing(bool on) {
  if (antialiased_ == on) return;
  painter_.setRenderHint(QPainter::Antialiasing, on);
  antialiased_ = on;
}

void PainterSurface::FlushPolyline() {
  if (polyline_.size() >= 2 && painter_.isActive()) {
    UseAntialiasing(true);
    if (painter_.paintEngine() != nullptr &&
        painter_.paintEngine()->type() == QPaintEngine::Raster) {
      // The raster engine has a thick-line rasteriser for separate square-capped segments that
      // is several times faster than its general stroker; the square ends overlap at the joins,
      // which in one opaque colour looks the same as a joined polyline.
      segments_.clear();
      AppendSimplifiedSegments(polyline_, segments_);
      UsePen(polylineColor_, polylineWidth_, Qt::SquareCap);
      painter_.drawLines(segments_.data(), static_cast<int>(segments_.size()));
    } else {
      // Vector files keep the run as one polyline with smooth ends.
      UsePen(polylineColor_, polylineWidth_, Qt::RoundCap);
      painter_.drawPolyline(polyline_.data(), static_cast<int>(polyline_.size()));
    }
  }
  polyline_.clear();
}

void PainterSurface::Line(double x1, double y1, double x2, double y2, Rgb color) {
  currentX_ = x2;
  currentY_ = y2;
  // A data line's segment starts where the one before it ended: that point is mapped already.
  // (Exact comparison: QPointF's own is fuzzy.)
  const bool fromLastEnd = lastEnd_ && lastEnd_->UserX == x1 && lastEnd_->UserY == y1;
  const std::optional<QPointF> from = fromLastEnd ? lastEnd_->Logical : ToLogical(x1, y1);
  const std::optional<QPointF> to = ToLogical(x2, y2);
  lastEnd_.reset();
  if (to) lastEnd_ = MappedPoint{x2, y2, *to};
  if (!from || !to) return;
  QPointF a = *from;
  QPointF b = *to;
  const QRectF bounds =
      QRectF(QPointF(0, 0), logicalSize_)
          .adjusted(-kClipMarginPixels, -kClipMarginPixels, kClipMarginPixels, kClipMarginPixels);
  const QPointF unclippedEnd = b;
  if (!ClipSegment(a, b, bounds)) {
    FlushPolyline();
    return;
  }
  const bool endClipped = b != unclippedEnd;
  if (Painter() == nullptr) return;
  const bool oddPixels = OddPixels(drawWidth_ * pixelRatio_);

  if (drawWidth_ > 1) {
    // Data lines come as runs of connected segments, collected here and drawn together. Every
    // point sits on the pixel grid so level stretches stay crisp.
    a = SnapToPixels(a, oddPixels, pixelRatio_);
    b = SnapToPixels(b, oddPixels, pixelRatio_);
    const bool continues = !polyline_.empty() && polyline_.back() == a && polylineColor_ == color &&
                           polylineWidth_ == drawWidth_;
    if (!continues) {
      FlushPolyline();
      polyline_.push_back(a);
      polylineColor_ = color;
      polylineWidth_ = drawWidth_;
    }
    polyline_.push_back(b);
    // A run cut by the clip border must not join up with what comes back in elsewhere.
    if (endClipped) FlushPolyline();
    return;
  }

  FlushPolyline();
  UsePen(color, drawWidth_, Qt::FlatCap);
  // Grid lines and reference lines are parallel to an axis: on the pixel grid they need no
  // antialiasing, which is both sharper and faster.
  UseAntialiasing(!SnapAxisParallel(a, b, oddPixels, pixelRatio_));
  painter_.drawLine(a, b);
}

void PainterSurface::FillRect(double x1, double y1, double x2, double y2, Rgb color) {
  const std::optional<QPointF> a = ToLogical(x1, y1);
  const std::optional<QPointF> b = ToLogical(x2, y2);
  if (!a || !b) return;
  const QRectF rect = QRectF(*a, *b).normalized() & QRectF(QPointF(0, 0), logicalSize_);
  if (rect.isEmpty()) return;
  QPainter* painter = Painter();
  if (painter == nullptr) return;
  FlushPolyline();
  // Without antialiasing neighbouring fills meet on the pixel grid, with no seam between them.
  UseAntialiasing(false);
  painter->fillRect(rect, QColor(color.R, color.G, color.B));
}

void PainterSurface::LineTo(double x2, double y2, Rgb color) {
  Line(currentX_, currentY_, x2, y2, color);
}

void PainterSurface::Print(const std::string& text) {
  const double x = currentX_;
  const double y = currentY_;
  // As on a picture box, the pen moves to the start of the next line.
  currentX_ = user_.X1;
  currentY_ = y + TextHeight(text);
  const std::optional<QPointF> at = ToLogical(x, y);
  if (!at) return;
  const QRectF bounds = QRectF(QPointF(0, 0), logicalSize_).adjusted(-1e4, -1e4, 1e4, 1e4);
  if (!bounds.contains(*at)) return;
  QPainter* painter = Painter();
  if (painter == nullptr) return;
  FlushPolyline();
  painter->setPen(QColor(foreground_.R, foreground_.G, foreground_.B));
  penValid_ = false;
  painter->drawText(QPointF(at->x(), at->y() + metrics_.ascent()), QString::fromStdString(text));
}

double PainterSurface::TextWidth(const std::string& text) const {
  // A chart measures its axis labels over and over to fit them, and the same labels come back
  // with the next dive: shaping them each time was a tenth of drawing a chart.
  constexpr size_t kRememberedWidths = 512;
  auto known = textWidths_.find(text);
  if (known == textWidths_.end()) {
    if (textWidths_.size() >= kRememberedWidths) textWidths_.clear();
    known =
        textWidths_.emplace(text, metrics_.horizontalAdvance(QString::fromStdString(text))).first;
  }
  return PixelsToUserX(known->second);
}

double PainterSurface::TextHeight(const std::string&) const {
  return PixelsToUserY(metrics_.height());
}

void PainterSurface::SetDrawWidth(int pixels) {
  requestedWidth_ = pixels;
  ApplyDrawWidth();
}

void PainterSurface::UsePalette(const Palette& palette) {
  background_ = palette.Background;
  foreground_ = palette.Text;
  thinnestLine_ = palette.ThinnestLine;
  ApplyDrawWidth();
}

void PainterSurface::ApplyDrawWidth() {
  // A thicker thinnest line grows with the screen's resolution; one pixel stays one pixel, so
  // a classic chart is drawn the same on every device.
  const int thinnest =
      thinnestLine_ > 1 ? static_cast<int>(std::lround(thinnestLine_ * dpiY_ / 96)) : 1;
  drawWidth_ = std::clamp(std::max(requestedWidth_, thinnest), 1, 100);
}

void PainterSurface::Refresh() {
  Finish();
  if (onRefresh_) onRefresh_();
}

}  // namespace scrb
