#pragma once

#include <QDialog>
#include <array>

#include "app/state/LogbookState.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class QScrollArea;

namespace scrb {

class ChartView;

// The model window: the user picks the decompression model, sees its tissues, and may change the
// surface pressure of the selected dive. It is created once and only hidden between openings,
// so it keeps its state. The Close button applies what was typed, and refuses to close on a text
// that is no surface pressure; Escape, the window system's close control and Ctrl+Q leave the
// dive's pressure as it was. Every way of closing announces Closed(), after which the dive must
// be shown again: the charts must never keep results of another model.
class ModelWindow : public QDialog {
  Q_OBJECT
 public:
  explicit ModelWindow(LogbookState& state, QWidget* parent = nullptr);

  // Fills the window for the loaded model and the selected dive (before it is shown).
  void Prepare();
  // Prepares the window and shows it modally until it is closed.
  void Open();

  // A model button became the selected one.
  void ChooseModel(int index);
  // The Close button. A surface pressure that cannot be taken keeps the window open and says why.
  void ApplyAndClose();

  ChartView* Legend() const { return legend_; }
  QLineEdit* SurfacePressureEdit() const { return surfacePressureEdit_; }
  // Why the typed surface pressure cannot be taken; empty while it can.
  QLabel* PressureNote() const { return pressureNote_; }
  QRadioButton* ModelButton(int index) const {
    return modelButtons_.at(static_cast<size_t>(index));
  }
  QPushButton* CloseButton() const { return closeButton_; }
  // Whether a dive after a recorded surface interval starts from the dive before; it is in
  // force as soon as it is clicked, as a model is.
  QCheckBox* RepetitiveBox() const { return repetitiveBox_; }

 signals:
  // The window has been closed and the surface pressure applied; show the current dive again.
  void Closed();

 public slots:
  // Escape, the window system's close control and Ctrl+Q end up here: they close the window and
  // leave the surface pressure as it was.
  void reject() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void DrawLegend();
  void CheckPressureText();
  // The selected dive's surface pressure in force, in the box, without a note.
  void ShowAcceptedPressure();

  LogbookState& state_;
  ChartView* legend_ = nullptr;
  QScrollArea* legendArea_ = nullptr;
  QLineEdit* surfacePressureEdit_ = nullptr;
  QLabel* pressureNote_ = nullptr;
  QButtonGroup* modelGroup_ = nullptr;
  std::array<QRadioButton*, 3> modelButtons_{};
  QPushButton* closeButton_ = nullptr;
  QCheckBox* repetitiveBox_ = nullptr;
  bool centred_ = false;
};

}  // namespace scrb
