#pragma once

#include <QProxyStyle>

namespace scrb {

// A style that draws check boxes and radio buttons with a frame in the text colour and the mark
// (tick, dash, dot) in the text colour at full strength, and text fields with a frame that stands
// out. Fusion frames them a shade darker than the window and greys the marks: on a dark window,
// or for a reader who needs high contrast, an empty box or field is then hard to find and a chosen
// radio button hard to tell. Everything else is the base style's.
class ReadableIndicators : public QProxyStyle {
  Q_OBJECT
 public:
  explicit ReadableIndicators(QStyle* base) : QProxyStyle(base) {}

  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
};

// The style an appearance runs under: its name (as QStyleFactory knows it) and whether the
// indicators are drawn readably over it.
bool UsesStyle(const QStyle* style, const QString& name, bool readableIndicators);
QStyle* CreateStyle(const QString& name, bool readableIndicators);

}  // namespace scrb
