#include "app/ChartView.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>

namespace scrb {

ChartView::ChartView(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  surface_.SetChangeHandler([this] { update(); });
  surface_.SetRefreshHandler([this] { repaint(); });
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
    image_ = QImage(device, QImage::Format_ARGB32_Premultiplied);
    image_.setDevicePixelRatio(ratio);
    image_.fill(Qt::white);
  }
  surface_.Retarget(image_.isNull() ? nullptr : &image_, QSizeF(logical), logicalDpiX(),
                    logicalDpiY());
}

ChartSurface& ChartView::Surface() {
  EnsureImage();
  return surface_;
}

void ChartView::SetCursorX(double userX) {
  if (!std::isfinite(userX)) return;
  cursorX_ = userX;
  update();
}

void ChartView::HideCursor() {
  if (!cursorX_) return;
  cursorX_.reset();
  update();
}

void ChartView::Clear() {
  HideCursor();
  Surface().Cls();
}

QImage ChartView::ChartImage() {
  surface_.Finish();
  return image_;
}

void ChartView::paintEvent(QPaintEvent*) {
  surface_.Finish();
  QPainter painter(this);
  if (image_.isNull()) {
    painter.fillRect(rect(), Qt::white);
    return;
  }
  painter.drawImage(QPointF(0, 0), image_);
  // The view may have grown since the chart was drawn; keep the rest plain until the redraw.
  const QSizeF drawn = image_.deviceIndependentSize();
  if (drawn.width() < width()) {
    painter.fillRect(QRectF(drawn.width(), 0, width() - drawn.width(), height()), Qt::white);
  }
  if (drawn.height() < height()) {
    painter.fillRect(QRectF(0, drawn.height(), width(), height() - drawn.height()), Qt::white);
  }

  if (!cursorX_) return;
  const std::optional<QPointF> at = surface_.ToLogical(*cursorX_, 0);
  if (!at || at->x() < -1 || at->x() > width() + 1) return;
  // Inverting what lies under the cursor keeps it visible on the white ground, the grid and the
  // coloured profile alike, as an exclusive-or pen would.
  const qreal ratio = std::max<qreal>(1, devicePixelRatioF());
  const bool oddDevicePixels = std::lround(ratio) % 2 != 0;
  const double device = at->x() * ratio;
  const double x = (oddDevicePixels ? std::floor(device) + 0.5 : std::round(device)) / ratio;
  painter.setCompositionMode(QPainter::CompositionMode_Difference);
  painter.setPen(QPen(Qt::white, 1));
  painter.drawLine(QPointF(x, 0), QPointF(x, height()));
}

void ChartView::mouseMoveEvent(QMouseEvent* event) {
  const std::optional<QPointF> user = surface_.ToUser(event->position());
  if (user) emit MouseMoved(user->x(), user->y());
  QWidget::mouseMoveEvent(event);
}

}  // namespace scrb
