#include "app/dialogs/DisclaimerDialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/views/WindowPlacement.h"

namespace scrb {

DisclaimerDialog::DisclaimerDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle("Bathyscribe");
  setModal(true);
  auto* notice = new QLabel(
      tr("Important notice: There is no guarantee that the calculations made by this program are "
         "correct. Users should NOT use this programme to calculate their dives."),
      this);
  notice->setObjectName("NoticeLabel");
  notice->setWordWrap(true);
  QFont font = notice->font();
  font.setPointSize(12);
  font.setBold(true);
  notice->setFont(font);

  auto* agree = new QPushButton(tr("I &agree"), this);
  agree->setObjectName("AgreeButton");
  auto* refuse = new QPushButton(tr("I do &not Agree"), this);
  refuse->setObjectName("RefuseButton");
  noWarningCheck_ = new QCheckBox(tr("&Do not display this warning anymore"), this);
  noWarningCheck_->setObjectName("NoWarningCheck");

  // Agreeing only hides the dialog so that the start-up can still read the check box.
  connect(agree, &QPushButton::clicked, this, &QDialog::accept);
  connect(refuse, &QPushButton::clicked, this, &QDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(agree);
  buttons->addWidget(refuse);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(notice, 1);
  layout->addLayout(buttons);
  layout->addSpacing(12);
  layout->addWidget(noWarningCheck_);
  resize(TwipsToPixels(4680, this) + 40, TwipsToPixels(3630, this));
  CentreOnScreen(*this);
}

int DisclaimerDialog::CheckValue() const {
  return noWarningCheck_->isChecked() ? 1 : 0;
}

}  // namespace scrb
