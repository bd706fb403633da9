#pragma once

#include <QDialog>
#include <array>

#include "app/AppContext.h"

class QButtonGroup;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace scrb {

class ChartView;

// The model window: the user picks the decompression model, sees its tissues, and may change the
// surface pressure of the selected dive. It is created once and only hidden between openings,
// so it keeps its state. Every way of closing it applies what was typed and announces Closed(),
// after which the dive must be shown again: the charts must never keep results of another model.
class ScrbLeg : public QDialog {
  Q_OBJECT
 public:
  explicit ScrbLeg(AppContext& context, QWidget* parent = nullptr);

  // Fills the window for the loaded model and the selected dive (before it is shown).
  void Prepare();
  // Prepares the window and shows it modally until it is closed.
  void Open();

  // A model button became the selected one.
  void Option1Click(int index);
  // The Close button.
  void Command1Click();

  ChartView* LegendPicture() const { return legendPicture_; }
  QLineEdit* Text1() const { return text1_; }
  QRadioButton* Option1(int index) const { return option1_.at(static_cast<size_t>(index)); }
  QPushButton* Command1() const { return command1_; }

 signals:
  // The window has been closed and the surface pressure applied; show the current dive again.
  void Closed();

 public slots:
  // Escape and the window system's close control end up here; they close as the Close button does.
  void reject() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void DrawLegend();

  AppContext& context_;
  ChartView* legendPicture_ = nullptr;
  QLineEdit* text1_ = nullptr;
  QButtonGroup* option1Group_ = nullptr;
  std::array<QRadioButton*, 3> option1_{};
  QPushButton* command1_ = nullptr;
  bool centred_ = false;
};

}  // namespace scrb
