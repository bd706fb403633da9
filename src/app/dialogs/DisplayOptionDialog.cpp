#include "app/dialogs/DisplayOptionDialog.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/views/WindowPlacement.h"

namespace scrb {

DisplayOptionDialog::DisplayOptionDialog(int displayOption, QWidget* parent)
    : QDialog(parent), initial_(displayOption) {
  setWindowTitle(tr("Options"));
  setModal(true);
  auto* frame = new QGroupBox(tr("String to display in left pane"), this);
  frame->setObjectName("DisplayOptionGroup");
  auto* frameLayout = new QVBoxLayout(frame);
  // Each with an Alt key of its own, the first letter that no other one has.
  const QString captions[4] = {tr("&Location"), tr("&Site"), tr("L&ocation, Site"),
                               tr("S&ite, Location")};
  for (int i = 0; i < 4; ++i) {
    optionButtons_[i] = new QRadioButton(captions[i], frame);
    optionButtons_[i]->setObjectName(QString("DisplayOptionButton%1").arg(i));
    optionButtons_[i]->setChecked(i == displayOption);
    frameLayout->addWidget(optionButtons_[i]);
  }

  auto* ok = new QPushButton(tr("OK"), this);
  ok->setObjectName("OkButton");
  ok->setDefault(true);
  auto* cancel = new QPushButton(tr("Cancel"), this);
  cancel->setObjectName("CancelButton");
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* top = new QHBoxLayout;
  top->addWidget(frame);
  top->addStretch();
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addStretch();
  layout->addLayout(buttons);
  resize(TwipsToPixels(6150, this), TwipsToPixels(4920, this));
  CentreOnScreen(*this);
}

int DisplayOptionDialog::ChosenOption() const {
  for (int i = 0; i < 4; ++i) {
    if (optionButtons_[i]->isChecked()) return i;
  }
  return initial_;
}

}  // namespace scrb
