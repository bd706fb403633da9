#pragma once

#include <QImage>
#include <QStringList>
#include <QWidget>
#include <limits>
#include <optional>

#include "app/views/ReadoutSamples.h"
#include "render/PainterSurface.h"

namespace scrb {

// A chart area of the main window. Charts draw into the view's own image through Surface(); the
// mouse position is reported in the coordinate system the chart set, and a readout cursor is an
// overlay line, so moving it never redraws the chart. With the keyboard focus, the arrow keys
// step the readout from sample to sample of the dive on the chart: they report the sample's
// time as a mouse over it would.
//
// A time chart also takes the gestures of a stretch of the dive: the wheel zooms about the time
// under the pointer, Shift+wheel or a sideways wheel and a drag with the left button pan, a
// double-click or 0 shows the whole dive, + and - zoom about the cursor; a drag with the right
// button, or with Shift and the left, lays a ruler that Esc or a click clears. The view only asks
// for these through its signals: the stretch and the ruler belong to the logbook's state.
class ChartView : public QWidget {
  Q_OBJECT
 public:
  explicit ChartView(QWidget* parent = nullptr);

  // The surface to draw on, sized to the widget as it is now (at the screen's pixel ratio).
  ChartSurface& Surface();
  // Shows one vertical cursor line at user x from the top down to the plot's bottom, above the
  // time labels, replacing the previous one.
  void SetCursorX(double userX);
  void HideCursor();
  // The background, text and line widths of what is drawn from now on; the charts take the
  // palette's other colours as an argument.
  void UsePalette(const Palette& palette);
  // An empty chart area, as before any chart was drawn.
  void Clear();
  std::optional<double> CursorX() const { return cursorX_; }
  const std::optional<std::pair<double, double>>& Band() const { return band_; }
  const QStringList& BandLabel() const { return bandLabel_; }
  // The samples of the dive on the chart, for the keyboard cursor and to keep the mouse's x
  // between the first and the last sample; 0 when it has none.
  void SetSampleCount(int count);
  // The logical pixel at which a user x lies, once the chart has set its coordinates.
  std::optional<QPointF> ToPixels(double userX) const { return surface_.ToLogical(userX, 0); }
  // Where the chart plots its data, in logical pixels; none for a chart without data, which
  // then shows no cursor and no band and reports no time under the mouse.
  std::optional<QRectF> PlotArea() const { return surface_.PlotArea(); }
  // The time under the mouse resting on the chart as the chart stands now, as a mouse move there
  // would report it; none when the mouse is elsewhere or the keys moved the readout last.
  std::optional<double> TimeUnderPointer() const;
  // The samples of a stretch the chart shows: the mouse's readout and the arrow keys stay on them.
  void SetShownSamples(int first, int last);
  // Zoom, pan and ruler gestures, for the charts over a dive's time.
  void SetTimeGestures(bool on) { timeGestures_ = on; }
  // The ruler's band between two user x with its label (a line a figure); nothing removes it.
  void SetBand(std::optional<std::pair<double, double>> band, const QStringList& label = {});

  // Between these two calls the chart may be drawn on another thread, which then alone uses the
  // surface: the view neither paints nor asks for a paint until it is attached again.
  PainterSurface& DetachSurface();
  void AttachSurface();

  // What the view shows, without the cursor: for tests and snapshots.
  QImage ChartImage();

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 signals:
  void MouseMoved(double userX, double userY);
  // The view's size changed: what it shows was drawn for the old one.
  void Resized();
  // A picture drawn apart (DetachSurface) is in place and shown.
  void Drawn();
  // Gestures over a time chart, in the chart's user x.
  void ZoomAsked(double aroundX, double factor);
  void PanAsked(double byX);
  void WholeDiveAsked();
  void RulerAsked(double fromX, double toX);
  void RulerClearAsked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void EnsureImage();

  QColor Background() const;
  // User x per logical pixel along the time axis; 0 before a chart set its coordinates.
  double UserPerPixel() const;
  bool KeyGesture(QKeyEvent* event);
  void PaintBand(QPainter& painter, const QRectF& plot);

  enum class Drag { None, Pan, Ruler };

  QImage image_;
  PainterSurface surface_;
  const Palette* palette_ = &Palette::Classic();
  std::optional<double> cursorX_;
  ReadoutSamples samples_;
  bool timeGestures_ = false;
  Drag drag_ = Drag::None;
  QPointF pressPosition_;
  double pressUserX_ = 0;
  double lastDragX_ = 0;
  bool dragMoved_ = false;
  std::optional<QPointF> pointer_;  // the mouse over the view, in logical pixels
  double pointerUserY_ = std::numeric_limits<double>::quiet_NaN();  // none yet
  std::optional<std::pair<double, double>> band_;
  QStringList bandLabel_;
};

}  // namespace scrb
