#pragma once

#include <QDialog>

class QRadioButton;

namespace scrb {

// Chooses which texts follow each dive's number in the dive list.
class DisplayOptionDialog : public QDialog {
  Q_OBJECT
 public:
  DisplayOptionDialog(int displayOption, QWidget* parent = nullptr);

  // The option chosen: the first ticked button, or the one the dialog started with.
  int ChosenOption() const;
  QRadioButton* OptionButton(int index) const { return optionButtons_[index]; }

 private:
  int initial_;
  QRadioButton* optionButtons_[4] = {};
};

}  // namespace scrb
