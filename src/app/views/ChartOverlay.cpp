#include "app/views/ChartOverlay.h"

#include <QFontMetricsF>
#include <QPen>
#include <algorithm>

#include "render/SurfaceGeometry.h"

namespace scrb {

namespace {

void PaintBandLabel(QPainter& painter, const QRectF& plot, double left, double right,
                    const QStringList& label, const OverlayLook& look) {
  if (label.isEmpty()) return;
  const QFontMetricsF metrics(look.Font);
  double textWidth = 0;
  for (const QString& line : label)
    textWidth = std::max(textWidth, metrics.horizontalAdvance(line));
  const double pad = 4;
  const QSizeF box(textWidth + 2 * pad, metrics.height() * label.size() + 2 * pad);
  // Beside the band on the side with room, and within the plot, where it covers no axis label:
  // the value labels lie left of it, the time labels under it.
  double x = right + 6;
  if (x + box.width() > plot.right()) x = left - 6 - box.width();
  x = std::clamp(x, plot.left(), std::max(plot.left(), plot.right() - box.width()));
  const double y = plot.top() + 2;
  const QRectF frame(QPointF(x, y), box);
  QColor ground = look.Ground;
  ground.setAlpha(235);
  painter.fillRect(frame, ground);
  painter.setPen(QPen(look.Highlight, 1));
  painter.drawRect(frame);
  painter.setPen(look.Text);
  for (int n = 0; n < label.size(); ++n) {
    painter.drawText(QPointF(x + pad, y + pad + metrics.ascent() + n * metrics.height()), label[n]);
  }
}

}  // namespace

void PaintCursorLine(QPainter& painter, double x, const QRectF& plot, double pixelRatio,
                     int lineWidth) {
  const double snapped = SnapToPixels(x, OddPixels(pixelRatio), pixelRatio);
  // Inverting what lies under the cursor keeps it visible on any ground, the grid and the
  // coloured profile alike, as an exclusive-or pen would.
  painter.setCompositionMode(QPainter::CompositionMode_Difference);
  painter.setPen(QPen(Qt::white, lineWidth, Qt::SolidLine, Qt::FlatCap));
  // Down to the plot's bottom line and no further: through the time labels it would change a
  // figure's look ("6" reads "5").
  painter.drawLine(QPointF(snapped, 0), QPointF(snapped, plot.bottom()));
}

void PaintRulerBand(QPainter& painter, const QRectF& plot, double left, double right,
                    const QStringList& label, const OverlayLook& look) {
  // Over the plot's height only: its edges would cut through the time labels and a key below.
  const double bottom = plot.bottom();
  painter.save();
  QColor fill = look.Highlight;
  fill.setAlpha(60);
  painter.fillRect(QRectF(left, 0, std::max(1.0, right - left), bottom), fill);
  painter.setPen(QPen(look.Highlight, look.LineWidth, Qt::SolidLine, Qt::FlatCap));
  painter.drawLine(QPointF(left, 0), QPointF(left, bottom));
  painter.drawLine(QPointF(right, 0), QPointF(right, bottom));
  PaintBandLabel(painter, plot, left, right, label, look);
  painter.restore();
}

}  // namespace scrb
