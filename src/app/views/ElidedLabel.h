#pragma once

#include <QLabel>

class QHBoxLayout;

namespace scrb {

// A one-line label that never pushes its window wider: when its text does not fit, it shows the
// start of it and "…", and the whole text as a tool tip.
class ElidedLabel : public QLabel {
  Q_OBJECT
 public:
  explicit ElidedLabel(const QString& text = {}, QWidget* parent = nullptr);

  // The width the label asks for is that of this text, so that a readout whose text changes with
  // every mouse move does not make the row around it jump.
  void SetWidestText(const QString& text);
  // Without text the label asks for no room at all, so that its neighbour can have the line.
  void SetHidesWhenEmpty(bool hides);
  // What the label shows at its present width.
  QString ShownText() const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  QString widestText_;
  bool hidesWhenEmpty_ = false;
};

// A right-aligned value label that asks for room for its longest text, so that the line around it
// does not jump as a readout changes with the mouse. `name` is the object name tests find it by.
ElidedLabel* NewReadoutLabel(const char* name, const char* widestText, QWidget* parent);

// A chart title on the left and its readout on the right of one line. While the readout shows
// something it keeps the room it asks for as long as there is any, and the title gives way
// first; while it is empty the title has the whole line.
QHBoxLayout* TitleAndReadoutRow(ElidedLabel* title, ElidedLabel* readout);

}  // namespace scrb
