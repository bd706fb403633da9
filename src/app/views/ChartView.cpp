#include "app/views/ChartView.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <QPointer>
#include <QSemaphore>
#include <QThreadPool>
#include <QWheelEvent>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>
#include <cmath>
#include <exception>

#include "charts/SampleTimeAxis.h"

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
}

namespace {

// A pool of its own: the shared one may be busy with the table's or the statistics' summaries, and
// a dive must not wait for those. The application owns it, so that its threads end, and free the
// fonts they drew with, while Qt is still there to free them.
QThreadPool* ChartDrawingPool() {
  static QPointer<QThreadPool> pool;
  if (pool.isNull()) pool = new QThreadPool(QCoreApplication::instance());
  return pool.data();
}

}  // namespace

void DrawChartsTogether(const std::vector<ChartDrawing>& drawings) {
  if (drawings.empty()) return;
  std::vector<PainterSurface*> surfaces;
  for (const ChartDrawing& drawing : drawings) surfaces.push_back(&drawing.View->DetachSurface());
  std::vector<std::exception_ptr> failures(drawings.size());
  const auto draw = [&](size_t k) {
    try {
      drawings[k].Draw(*surfaces[k]);
      // The last data line is still waiting to be stroked: it is stroked here, on this chart's
      // thread, rather than by the interface thread after all are drawn.
      surfaces[k]->Finish();
    } catch (...) {
      failures[k] = std::current_exception();
    }
  };
  // Qt's raster engine hands every large fill to the shared pool and waits for it, unless it runs
  // on one of that pool's threads: with two charts drawing at once on two cores, those hand-offs
  // cost more than they save. So each chart goes to a free thread of the shared pool and fills
  // its spans there itself; what finds none busy with a summary is drawn as before, here and on
  // the pool of our own.
  QSemaphore shared;
  int onShared = 0;
  std::vector<size_t> left;
  for (size_t k = 0; k < drawings.size(); ++k) {
    const bool started = QThreadPool::globalInstance()->tryStart([&draw, &shared, k] {
      draw(k);
      shared.release();
    });
    if (started) {
      ++onShared;
    } else {
      left.push_back(k);
    }
  }
  std::vector<QFuture<void>> others;
  for (size_t n = 1; n < left.size(); ++n) {
    others.push_back(QtConcurrent::run(ChartDrawingPool(), [&draw, k = left[n]] { draw(k); }));
  }
  if (!left.empty()) draw(left.front());
  for (QFuture<void>& other : others) other.waitForFinished();
  shared.acquire(onShared);
  for (const ChartDrawing& drawing : drawings) drawing.View->AttachSurface();
  for (const std::exception_ptr& failure : failures) {
    if (failure) std::rethrow_exception(failure);
  }
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
  if (sampleCount_ > 0)
    keyboardSample_ = std::clamp(static_cast<int>(NearestSample(userX)), firstShown_,
                                 lastShown_.value_or(sampleCount_ - 1));
  update();
}

void ChartView::SetShownSamples(int first, int last) {
  if (sampleCount_ <= 0) return;
  firstShown_ = std::clamp(first, 0, sampleCount_ - 1);
  lastShown_ = std::clamp(last, firstShown_, sampleCount_ - 1);
  if (keyboardSample_) keyboardSample_ = std::clamp(*keyboardSample_, firstShown_, *lastShown_);
}

void ChartView::SetBand(std::optional<std::pair<double, double>> band, const QStringList& label) {
  if (band == band_ && label == bandLabel_) return;
  band_ = band;
  bandLabel_ = band ? label : QStringList();
  update();
}

void ChartView::HideCursor() {
  keyboardSample_.reset();
  if (!cursorX_) return;
  cursorX_.reset();
  update();
}

void ChartView::Clear() {
  HideCursor();
  Surface().Cls();
}

void ChartView::SetSampleCount(int count) {
  sampleCount_ = std::max(0, count);
  keyboardSample_.reset();
  firstShown_ = 0;
  lastShown_.reset();
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
  // Inverting what lies under the cursor keeps it visible on any ground, the grid and the
  // coloured profile alike, as an exclusive-or pen would.
  const qreal ratio = std::max<qreal>(1, devicePixelRatioF());
  const bool oddDevicePixels = std::lround(ratio) % 2 != 0;
  const double device = at->x() * ratio;
  const double x = (oddDevicePixels ? std::floor(device) + 0.5 : std::round(device)) / ratio;
  painter.setCompositionMode(QPainter::CompositionMode_Difference);
  painter.setPen(QPen(Qt::white, palette_->ThinnestLine, Qt::SolidLine, Qt::FlatCap));
  // Down to the plot's bottom line and no further: through the time labels it would change a
  // figure's look ("6" reads "5").
  painter.drawLine(QPointF(x, 0), QPointF(x, plot->bottom()));
}

double ChartView::ReadoutX(double userX) const {
  // The axis runs on past the last sample and starts before the first, and a stretch cuts the
  // dive: there the readout holds the nearest sample shown instead of going stale at the last
  // place it could read.
  if (sampleCount_ <= 0) return userX;
  return std::clamp(userX, SampleTime(firstShown_),
                    SampleTime(lastShown_.value_or(sampleCount_ - 1)));
}

std::optional<double> ChartView::TimeUnderPointer() const {
  if (!pointer_ || !PlotArea()) return std::nullopt;
  const std::optional<QPointF> user = surface_.ToUser(*pointer_);
  if (!user) return std::nullopt;
  return ReadoutX(user->x());
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
  emit MouseMoved(ReadoutX(user->x()), user->y());
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
  if (!timeGestures_ || sampleCount_ == 0 || !user || !PlotArea())
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
  if (!timeGestures_ || sampleCount_ == 0 || !user || !PlotArea())
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
  if (!timeGestures_ || sampleCount_ == 0 || !PlotArea() || event->button() != Qt::LeftButton)
    return QWidget::mouseDoubleClickEvent(event);
  emit WholeDiveAsked();
  event->accept();
}

bool ChartView::KeyGesture(QKeyEvent* event) {
  if (!timeGestures_ || sampleCount_ == 0 || !PlotArea()) return false;
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
  // Over the plot's height only: its edges would cut through the time labels and a key below.
  const double bottom = plot.bottom();
  painter.save();
  QColor fill = palette().color(QPalette::Highlight);
  fill.setAlpha(60);
  painter.fillRect(QRectF(left, 0, std::max(1.0, right - left), bottom), fill);
  painter.setPen(QPen(palette().color(QPalette::Highlight), palette_->ThinnestLine, Qt::SolidLine,
                      Qt::FlatCap));
  painter.drawLine(QPointF(left, 0), QPointF(left, bottom));
  painter.drawLine(QPointF(right, 0), QPointF(right, bottom));
  PaintBandLabel(painter, plot, left, right);
  painter.restore();
}

void ChartView::PaintBandLabel(QPainter& painter, const QRectF& plot, double left, double right) {
  if (bandLabel_.isEmpty()) return;
  const QFontMetricsF metrics(font());
  double textWidth = 0;
  for (const QString& line : bandLabel_)
    textWidth = std::max(textWidth, metrics.horizontalAdvance(line));
  const double pad = 4;
  const QSizeF box(textWidth + 2 * pad, metrics.height() * bandLabel_.size() + 2 * pad);
  // Beside the band on the side with room, and within the plot, where it covers no axis label:
  // the value labels lie left of it, the time labels under it.
  double x = right + 6;
  if (x + box.width() > plot.right()) x = left - 6 - box.width();
  x = std::clamp(x, plot.left(), std::max(plot.left(), plot.right() - box.width()));
  const double y = plot.top() + 2;
  const QRectF frame(QPointF(x, y), box);
  QColor ground = Background();
  ground.setAlpha(235);
  painter.fillRect(frame, ground);
  painter.setPen(QPen(palette().color(QPalette::Highlight), 1));
  painter.drawRect(frame);
  painter.setPen(QColor(palette_->Text.R, palette_->Text.G, palette_->Text.B));
  for (int n = 0; n < bandLabel_.size(); ++n) {
    painter.drawText(QPointF(x + pad, y + pad + metrics.ascent() + n * metrics.height()),
                     bandLabel_[n]);
  }
}

void ChartView::keyPressEvent(QKeyEvent* event) {
  if (KeyGesture(event)) {
    event->accept();
    return;
  }
  if (sampleCount_ == 0 || !PlotArea()) {
    QWidget::keyPressEvent(event);
    return;
  }
  const int first = firstShown_;
  const int last = lastShown_.value_or(sampleCount_ - 1);
  // Three samples make a minute.
  const int step = event->modifiers().testFlag(Qt::ShiftModifier) ? 3 : 1;
  const std::optional<int> from = keyboardSample_;
  int to = 0;
  switch (event->key()) {
    case Qt::Key_Left:
      to = from ? *from - step : first;
      break;
    case Qt::Key_Right:
      to = from ? *from + step : first;
      break;
    case Qt::Key_Home:
      to = first;
      break;
    case Qt::Key_End:
      to = last;
      break;
    default:
      QWidget::keyPressEvent(event);
      return;
  }
  keyboardSample_ = std::clamp(to, first, last);
  // The keys have the readout now; a redraw must not send it back under the resting mouse.
  pointer_.reset();
  emit MouseMoved(SampleTime(*keyboardSample_), pointerUserY_);
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
