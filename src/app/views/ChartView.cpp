#include "app/views/ChartView.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <QPointer>
#include <QSemaphore>
#include <QThreadPool>
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
    keyboardSample_ = std::clamp(static_cast<int>(NearestSample(userX)), 0, sampleCount_ - 1);
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
  painter.setPen(QPen(Qt::white, palette_->ThinnestLine));
  painter.drawLine(QPointF(x, 0), QPointF(x, height()));
}

void ChartView::mouseMoveEvent(QMouseEvent* event) {
  const std::optional<QPointF> user = surface_.ToUser(event->position());
  if (!user) return QWidget::mouseMoveEvent(event);
  // The axis runs on past the last sample and starts before the first: there the readout holds
  // the nearest end of the dive instead of going stale at the last place it could read.
  double x = user->x();
  if (sampleCount_ > 0) x = std::clamp(x, SampleTime(0), SampleTime(sampleCount_ - 1));
  emit MouseMoved(x, user->y());
  QWidget::mouseMoveEvent(event);
}

void ChartView::keyPressEvent(QKeyEvent* event) {
  if (sampleCount_ == 0) {
    QWidget::keyPressEvent(event);
    return;
  }
  const int last = sampleCount_ - 1;
  // Three samples make a minute.
  const int step = event->modifiers().testFlag(Qt::ShiftModifier) ? 3 : 1;
  const std::optional<int> from = keyboardSample_;
  int to = 0;
  switch (event->key()) {
    case Qt::Key_Left:
      to = from ? *from - step : 0;
      break;
    case Qt::Key_Right:
      to = from ? *from + step : 0;
      break;
    case Qt::Key_Home:
      to = 0;
      break;
    case Qt::Key_End:
      to = last;
      break;
    default:
      QWidget::keyPressEvent(event);
      return;
  }
  keyboardSample_ = std::clamp(to, 0, last);
  emit MouseMoved(SampleTime(*keyboardSample_), 0);
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
