#include "app/views/ChartView.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "app/views/ChartOverlay.h"

namespace scrb {

ChartView::ChartView(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  AttachSurface();
}

PainterSurface& ChartView::DetachSurface() {
  EnsureImage();
  surface_.SetChangeHandler(nullptr);
  surface_.SetRefreshHandler(nullptr);
  return surface_;
}

void ChartView::AttachSurface() {
  surface_.Finish();
  surface_.SetChangeHandler([this] { update(); });
  surface_.SetRefreshHandler([this] { repaint(); });
  update();
  emit Drawn();
}

QSize ChartView::sizeHint() const {
  return {465, 160};
}

QSize ChartView::minimumSizeHint() const {
  return {60, 20};
}

void ChartView::EnsureImage() {
  const qreal ratio = std::max<qreal>(1, devicePixelRatioF());
  const QSize logical = size();
  const QSize device(static_cast<int>(std::ceil(logical.width() * ratio)),
                     static_cast<int>(std::ceil(logical.height() * ratio)));
  if (!image_.isNull() && image_.size() == device && image_.devicePixelRatio() == ratio) return;

  surface_.Finish();
  if (device.isEmpty()) {
    image_ = QImage();
  } else {
    // Opaque, so painting it on the window is a plain copy rather than a blend.
    image_ = QImage(device, QImage::Format_RGB32);
    image_.setDevicePixelRatio(ratio);
    image_.fill(Background());
  }
  surface_.Retarget(image_.isNull() ? nullptr : &image_, QSizeF(logical), logicalDpiX(),
                    logicalDpiY());
}

void ChartView::UsePalette(const Palette& palette) {
  if (&palette == palette_) return;
  palette_ = &palette;
  surface_.UsePalette(palette);
  update();
}

QColor ChartView::Background() const {
  return QColor(palette_->Background.R, palette_->Background.G, palette_->Background.B);
}

ChartSurface& ChartView::Surface() {
  EnsureImage();
  return surface_;
}

void ChartView::SetCursorX(double userX) {
  if (!std::isfinite(userX)) return;
  cursorX_ = userX;
  samples_.Follow(userX);
  update();
}

void ChartView::SetShownSamples(int first, int last) {
  samples_.SetShown(first, last);
}

void ChartView::SetBand(std::optional<std::pair<double, double>> band, const QStringList& label) {
  if (band == band_ && label == bandLabel_) return;
  band_ = band;
  bandLabel_ = band ? label : QStringList();
  update();
}

void ChartView::HideCursor() {
  samples_.Forget();
  if (!cursorX_) return;
  cursorX_.reset();
  update();
}

void ChartView::Clear() {
  HideCursor();
  Surface().Cls();
}

void ChartView::SetSampleCount(int count) {
  samples_.SetCount(count);
}

void ChartView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  emit Resized();
}

QImage ChartView::ChartImage() {
  surface_.Finish();
  return image_;
}

void ChartView::paintEvent(QPaintEvent*) {
  surface_.Finish();
  QPainter painter(this);
  if (image_.isNull()) {
    painter.fillRect(rect(), Background());
    return;
  }
  painter.drawImage(QPointF(0, 0), image_);
  // The view may have grown since the chart was drawn; keep the rest plain until the redraw.
  const QSizeF drawn = image_.deviceIndependentSize();
  if (drawn.width() < width()) {
    painter.fillRect(QRectF(drawn.width(), 0, width() - drawn.width(), height()), Background());
  }
  if (drawn.height() < height()) {
    painter.fillRect(QRectF(0, drawn.height(), width(), height() - drawn.height()), Background());
  }

  if (hasFocus()) {
    // Where the arrow keys act: a frame in the desktop's highlight colour.
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
  }

  const std::optional<QRectF> plot = PlotArea();
  if (!plot) return;
  PaintBand(painter, *plot);
  if (!cursorX_) return;
  const std::optional<QPointF> at = surface_.ToLogical(*cursorX_, 0);
  if (!at || at->x() < -1 || at->x() > width() + 1) return;
  PaintCursorLine(painter, at->x(), *plot, std::max<qreal>(1, devicePixelRatioF()),
                  palette_->ThinnestLine);
}

std::optional<double> ChartView::TimeUnderPointer() const {
  if (!pointer_ || !PlotArea()) return std::nullopt;
  const std::optional<QPointF> user = surface_.ToUser(*pointer_);
  if (!user) return std::nullopt;
  return samples_.Clamp(user->x());
}

void ChartView::leaveEvent(QEvent* event) {
  pointer_.reset();
  QWidget::leaveEvent(event);
}

void ChartView::hideEvent(QHideEvent* event) {
  pointer_.reset();
  QWidget::hideEvent(event);
}

void ChartView::mouseMoveEvent(QMouseEvent* event) {
  const std::optional<QPointF> user = surface_.ToUser(event->position());
  if (!user || !PlotArea()) return QWidget::mouseMoveEvent(event);
  pointer_ = event->position();
  pointerUserY_ = user->y();
  if (drag_ != Drag::None) {
    const QPointF moved = event->position() - pressPosition_;
    dragMoved_ = dragMoved_ || std::fabs(moved.x()) + std::fabs(moved.y()) >= 3;
    if (drag_ == Drag::Pan) {
      // In pixels: the coordinates move under the pointer with every step of the pan.
      const double by = (lastDragX_ - event->position().x()) * UserPerPixel();
      lastDragX_ = event->position().x();
      if (by != 0) emit PanAsked(by);
    } else if (dragMoved_) {
      emit RulerAsked(pressUserX_, user->x());
    }
  }
  emit MouseMoved(samples_.Clamp(user->x()), user->y());
  QWidget::mouseMoveEvent(event);
}

double ChartView::UserPerPixel() const {
  const std::optional<QPointF> a = surface_.ToUser(QPointF(0, 0));
  const std::optional<QPointF> b = surface_.ToUser(QPointF(1, 0));
  if (!a || !b) return 0;
  const double perPixel = b->x() - a->x();
  return std::isfinite(perPixel) ? perPixel : 0;
}

void ChartView::wheelEvent(QWheelEvent* event) {
  const std::optional<QPointF> user = surface_.ToUser(event->position());
  if (!timeGestures_ || samples_.Count() == 0 || !user || !PlotArea())
    return QWidget::wheelEvent(event);
  const QPoint delta = event->angleDelta();
  // Many desktops turn Shift+wheel into a sideways wheel themselves.
  const bool sideways = delta.x() != 0 || event->modifiers().testFlag(Qt::ShiftModifier);
  const int notches = delta.y() != 0 ? delta.y() : delta.x();
  if (notches == 0) return event->accept();
  if (sideways) {
    // A notch moves a tenth of the chart, towards the end for a turn down or to the right.
    emit PanAsked(-notches / 120.0 * width() / 10.0 * UserPerPixel());
  } else {
    emit ZoomAsked(user->x(), std::pow(0.8, notches / 120.0));
  }
  event->accept();
}

void ChartView::mousePressEvent(QMouseEvent* event) {
  const std::optional<QPointF> user = surface_.ToUser(event->position());
  if (!timeGestures_ || samples_.Count() == 0 || !user || !PlotArea())
    return QWidget::mousePressEvent(event);
  const bool shift = event->modifiers().testFlag(Qt::ShiftModifier);
  if (event->button() == Qt::RightButton || (event->button() == Qt::LeftButton && shift)) {
    drag_ = Drag::Ruler;
  } else if (event->button() == Qt::LeftButton) {
    drag_ = Drag::Pan;
    setCursor(Qt::ClosedHandCursor);
  } else {
    return QWidget::mousePressEvent(event);
  }
  pressPosition_ = event->position();
  pressUserX_ = user->x();
  lastDragX_ = event->position().x();
  dragMoved_ = false;
  setFocus(Qt::MouseFocusReason);
  event->accept();
}

void ChartView::mouseReleaseEvent(QMouseEvent* event) {
  if (drag_ == Drag::None) return QWidget::mouseReleaseEvent(event);
  // A plain left click, not a drag, clears the ruler.
  if (drag_ == Drag::Pan && !dragMoved_) emit RulerClearAsked();
  drag_ = Drag::None;
  unsetCursor();
  event->accept();
}

void ChartView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (!timeGestures_ || samples_.Count() == 0 || !PlotArea() || event->button() != Qt::LeftButton)
    return QWidget::mouseDoubleClickEvent(event);
  emit WholeDiveAsked();
  event->accept();
}

bool ChartView::KeyGesture(QKeyEvent* event) {
  if (!timeGestures_ || samples_.Count() == 0 || !PlotArea()) return false;
  const auto around = [this] {
    if (cursorX_) return *cursorX_;
    const std::optional<QPointF> middle = surface_.ToUser(QPointF(width() / 2.0, 0));
    return middle ? middle->x() : 0.0;
  };
  switch (event->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
      emit ZoomAsked(around(), 0.5);
      return true;
    case Qt::Key_Minus:
      emit ZoomAsked(around(), 2);
      return true;
    case Qt::Key_0:
      emit WholeDiveAsked();
      return true;
    case Qt::Key_Escape:
      if (!band_) return false;
      emit RulerClearAsked();
      return true;
    default:
      return false;
  }
}

void ChartView::PaintBand(QPainter& painter, const QRectF& plot) {
  if (!band_) return;
  const std::optional<QPointF> a = surface_.ToLogical(band_->first, 0);
  const std::optional<QPointF> b = surface_.ToLogical(band_->second, 0);
  if (!a || !b) return;
  const double left = std::clamp(std::min(a->x(), b->x()), -1.0, width() + 1.0);
  const double right = std::clamp(std::max(a->x(), b->x()), -1.0, width() + 1.0);
  const OverlayLook look{palette().color(QPalette::Highlight), Background(),
                         QColor(palette_->Text.R, palette_->Text.G, palette_->Text.B),
                         palette_->ThinnestLine, font()};
  PaintRulerBand(painter, plot, left, right, bandLabel_, look);
}

void ChartView::keyPressEvent(QKeyEvent* event) {
  if (KeyGesture(event)) {
    event->accept();
    return;
  }
  if (samples_.Count() == 0 || !PlotArea()) {
    QWidget::keyPressEvent(event);
    return;
  }
  const std::optional<double> time =
      samples_.Key(event->key(), event->modifiers().testFlag(Qt::ShiftModifier));
  if (!time) {
    QWidget::keyPressEvent(event);
    return;
  }
  // The keys have the readout now; a redraw must not send it back under the resting mouse.
  pointer_.reset();
  emit MouseMoved(*time, pointerUserY_);
  event->accept();
}

void ChartView::focusInEvent(QFocusEvent* event) {
  update();
  QWidget::focusInEvent(event);
}

void ChartView::focusOutEvent(QFocusEvent* event) {
  update();
  QWidget::focusOutEvent(event);
}

}  // namespace scrb
