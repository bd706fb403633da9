#pragma once

#include <QDialog>

class QRadioButton;

namespace scrb {

// Chooses which texts follow each dive's number in the dive list.
class OptionForm : public QDialog {
  Q_OBJECT
 public:
  OptionForm(int displayOption, QWidget* parent = nullptr);

  // The option chosen: the first ticked button, or the one the dialog started with.
  int ChosenOption() const;
  QRadioButton* Option1(int index) const { return option1_[index]; }

 private:
  int initial_;
  QRadioButton* option1_[4] = {};
};

}  // namespace scrb
