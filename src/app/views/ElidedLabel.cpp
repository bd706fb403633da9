#include "app/views/ElidedLabel.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>

namespace scrb {

ElidedLabel::ElidedLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
  setTextFormat(Qt::PlainText);
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void ElidedLabel::SetWidestText(const QString& text) {
  widestText_ = text;
  updateGeometry();
}

void ElidedLabel::SetHidesWhenEmpty(bool hides) {
  hidesWhenEmpty_ = hides;
  updateGeometry();
}

QString ElidedLabel::ShownText() const {
  return fontMetrics().elidedText(text(), Qt::ElideRight, contentsRect().width());
}

QSize ElidedLabel::sizeHint() const {
  if (text().isEmpty() && hidesWhenEmpty_) return {0, QLabel::sizeHint().height()};
  const QMargins margins = contentsMargins();
  const int textWidth = std::max(fontMetrics().horizontalAdvance(text()),
                                 fontMetrics().horizontalAdvance(widestText_));
  return {textWidth + margins.left() + margins.right() + 2 * margin(), QLabel::sizeHint().height()};
}

QSize ElidedLabel::minimumSizeHint() const {
  if (text().isEmpty() && hidesWhenEmpty_) return {0, QLabel::minimumSizeHint().height()};
  return {fontMetrics().horizontalAdvance(QStringLiteral("Mm…")),
          QLabel::minimumSizeHint().height()};
}

bool ElidedLabel::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    const auto* help = static_cast<QHelpEvent*>(event);
    if (ShownText() != text())
      QToolTip::showText(help->globalPos(), text(), this);
    else
      QToolTip::hideText();
    return true;
  }
  return QLabel::event(event);
}

void ElidedLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(palette().color(foregroundRole()));
  painter.drawText(contentsRect(), static_cast<int>(alignment()), ShownText());
}

ElidedLabel* NewReadoutLabel(const char* name, const char* widestText, QWidget* parent) {
  auto* label = new ElidedLabel(QString(), parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  label->SetWidestText(QString::fromUtf8(widestText));
  return label;
}

QHBoxLayout* TitleAndReadoutRow(ElidedLabel* title, ElidedLabel* readout) {
  title->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
  readout->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  readout->SetHidesWhenEmpty(true);
  auto* row = new QHBoxLayout;
  row->addWidget(title, 1);
  row->addWidget(readout, 0);
  return row;
}

}  // namespace scrb
