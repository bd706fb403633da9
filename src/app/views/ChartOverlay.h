#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QRectF>
#include <QStringList>

namespace scrb {

// What a chart view paints over its chart image on every paint and never into it, so that
// moving it never redraws the chart: the readout's cursor and the ruler's band.
struct OverlayLook {
  QColor Highlight;   // the desktop's
  QColor Ground;      // the chart's background
  QColor Text;        // the chart's
  int LineWidth = 1;  // the palette's thinnest line
  QFont Font;
};

// One vertical cursor line at logical x, from the top down to the plot's bottom.
void PaintCursorLine(QPainter& painter, double x, const QRectF& plot, double pixelRatio,
                     int lineWidth);

// The ruler's band between the logical x left and right over the plot's height, with its label
// (a line a figure) beside it.
void PaintRulerBand(QPainter& painter, const QRectF& plot, double left, double right,
                    const QStringList& label, const OverlayLook& look);

}  // namespace scrb
