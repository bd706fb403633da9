#include "app/ScrbWrng.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/DialogPlacement.h"

namespace scrb {

ScrbWrng::ScrbWrng(QWidget* parent) : QDialog(parent) {
  setWindowTitle("Bathyscribe");
  setModal(true);
  auto* label1 = new QLabel(
      "Important notice: There is no guarantee that the calculations made by this program are "
      "correct. Users should NOT use this programme to calculate their dives.",
      this);
  label1->setObjectName("Label1");
  label1->setWordWrap(true);
  QFont font = label1->font();
  font.setPointSize(12);
  font.setBold(true);
  label1->setFont(font);

  auto* agree = new QPushButton("I &agree", this);
  agree->setObjectName("Command1");
  auto* refuse = new QPushButton("I do &not Agree", this);
  refuse->setObjectName("Command2");
  check1_ = new QCheckBox("Do not display this warning anymore", this);
  check1_->setObjectName("Check1");

  // Agreeing only hides the dialog so that the start-up can still read the check box.
  connect(agree, &QPushButton::clicked, this, &QDialog::accept);
  connect(refuse, &QPushButton::clicked, this, &QDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(agree);
  buttons->addWidget(refuse);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label1, 1);
  layout->addLayout(buttons);
  layout->addSpacing(12);
  layout->addWidget(check1_);
  resize(4680 / 15 + 40, 3630 / 15);
  CentreOnScreen(*this);
}

int ScrbWrng::CheckValue() const { return check1_->isChecked() ? 1 : 0; }

}  // namespace scrb
