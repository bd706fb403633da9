#include "app/state/ReadableIndicators.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyleFactory>
#include <QStyleOption>
#include <algorithm>

namespace scrb {

namespace {

// An indicator's ground and outline: pressed in the mid shade, with the focus in the highlight,
// otherwise outlined in the text colour.
void UseIndicatorFrame(const QStyleOption& option, QPainter& painter) {
  const QPalette& palette = option.palette;
  const bool sunken = option.state.testFlag(QStyle::State_Sunken);
  painter.setBrush(sunken ? palette.color(QPalette::Mid) : palette.color(QPalette::Base));
  painter.setPen(QPen(option.state.testFlag(QStyle::State_HasFocus)
                          ? palette.color(QPalette::Highlight)
                          : palette.color(QPalette::Text),
                      1));
}

void DrawCheckBox(const QStyleOption& option, QPainter& painter) {
  const QPalette& palette = option.palette;
  const QColor mark = palette.color(QPalette::Text);
  const QRectF box = QRectF(option.rect).adjusted(0.5, 0.5, -0.5, -0.5);
  UseIndicatorFrame(option, painter);
  painter.drawRect(box);
  const double pad = std::max(2.0, box.width() * 0.2);
  const QRectF inner = box.adjusted(pad, pad, -pad, -pad);
  painter.setPen(
      QPen(mark, std::max(1.5, box.width() / 7), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  if (option.state.testFlag(QStyle::State_NoChange)) {
    painter.drawLine(QPointF(inner.left(), inner.center().y()),
                     QPointF(inner.right(), inner.center().y()));
  } else if (option.state.testFlag(QStyle::State_On)) {
    QPainterPath tick;
    tick.moveTo(inner.left(), inner.center().y());
    tick.lineTo(inner.left() + inner.width() * 0.4, inner.bottom());
    tick.lineTo(inner.right(), inner.top());
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(tick);
  }
}

void DrawRadioButton(const QStyleOption& option, QPainter& painter) {
  const QPalette& palette = option.palette;
  const QColor mark = palette.color(QPalette::Text);
  const double side = std::min(option.rect.width(), option.rect.height()) - 1.0;
  const QRectF circle(QPointF(option.rect.center()) - QPointF(side / 2 - 0.5, side / 2 - 0.5),
                      QSizeF(side, side));
  UseIndicatorFrame(option, painter);
  painter.drawEllipse(circle);
  if (!option.state.testFlag(QStyle::State_On)) return;
  const double pad = side * 0.28;
  painter.setPen(Qt::NoPen);
  painter.setBrush(mark);
  painter.drawEllipse(circle.adjusted(pad, pad, -pad, -pad));
}

// A text field's frame in the palette's light shade, which stands out from the window; with the
// focus the base style's own, in the highlight colour.
void DrawTextFieldFrame(const QStyleOption& option, QPainter& painter) {
  painter.setPen(QPen(option.palette.color(QPalette::Light), 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawRoundedRect(QRectF(option.rect).adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
}

}  // namespace

void ReadableIndicators::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                       QPainter* painter, const QWidget* widget) const {
  const bool field =
      element == PE_FrameLineEdit && option != nullptr && !option->state.testFlag(State_HasFocus);
  const bool ours = element == PE_IndicatorCheckBox || element == PE_IndicatorRadioButton || field;
  if (!ours || option == nullptr || painter == nullptr) {
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    return;
  }
  painter->save();
  painter->setRenderHint(QPainter::Antialiasing, true);
  if (element == PE_IndicatorCheckBox) {
    DrawCheckBox(*option, *painter);
  } else if (element == PE_IndicatorRadioButton) {
    DrawRadioButton(*option, *painter);
  } else {
    DrawTextFieldFrame(*option, *painter);
  }
  painter->restore();
}

bool UsesStyle(const QStyle* style, const QString& name, bool readableIndicators) {
  const auto* readable = qobject_cast<const ReadableIndicators*>(style);
  if ((readable != nullptr) != readableIndicators) return false;
  const QStyle* base = readable != nullptr ? readable->baseStyle() : style;
  return base != nullptr && base->name().compare(name, Qt::CaseInsensitive) == 0;
}

QStyle* CreateStyle(const QString& name, bool readableIndicators) {
  QStyle* style = QStyleFactory::create(name);
  if (!readableIndicators || style == nullptr) return style;
  return new ReadableIndicators(style);
}

}  // namespace scrb
