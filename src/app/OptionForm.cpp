#include "app/OptionForm.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/DialogPlacement.h"

namespace scrb {

OptionForm::OptionForm(int displayOption, QWidget* parent)
    : QDialog(parent), initial_(displayOption) {
  setWindowTitle("Options");
  setModal(true);
  auto* frame1 = new QGroupBox("String to display in left pane", this);
  frame1->setObjectName("Frame1");
  auto* frameLayout = new QVBoxLayout(frame1);
  const char* captions[4] = {"Location", "Site", "Location, Site", "Site, Location"};
  for (int i = 0; i < 4; ++i) {
    option1_[i] = new QRadioButton(captions[i], frame1);
    option1_[i]->setObjectName(QString("Option1_%1").arg(i));
    option1_[i]->setChecked(i == displayOption);
    frameLayout->addWidget(option1_[i]);
  }

  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("cmdOK");
  ok->setDefault(true);
  auto* cancel = new QPushButton("Cancel", this);
  cancel->setObjectName("cmdCancel");
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* top = new QHBoxLayout;
  top->addWidget(frame1);
  top->addStretch();
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addStretch();
  layout->addLayout(buttons);
  resize(6150 / 15, 4920 / 15);
  CentreOnScreen(*this);
}

int OptionForm::ChosenOption() const {
  for (int i = 0; i < 4; ++i) {
    if (option1_[i]->isChecked()) return i;
  }
  return initial_;
}

}  // namespace scrb
