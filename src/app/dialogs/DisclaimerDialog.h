#pragma once

#include <QDialog>

class QCheckBox;

namespace scrb {

// The notice shown before the program is used: the user agrees (optionally never to see it
// again) or refuses, which ends the program before anything is read.
class DisclaimerDialog : public QDialog {
  Q_OBJECT
 public:
  explicit DisclaimerDialog(QWidget* parent = nullptr);

  // 0 when the check box is clear, 1 when it is ticked.
  int CheckValue() const;
  QCheckBox* NoWarningCheck() const { return noWarningCheck_; }

 private:
  QCheckBox* noWarningCheck_ = nullptr;
};

}  // namespace scrb
