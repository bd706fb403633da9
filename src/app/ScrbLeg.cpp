#include "app/ScrbLeg.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

#include "app/ChartView.h"
#include "app/DialogPlacement.h"
#include "saturation/SurfacePressureEntry.h"
#include "saturation/TissueLegend.h"

namespace scrb {

ScrbLeg::ScrbLeg(AppContext& context, QWidget* parent) : QDialog(parent), context_(context) {
  setWindowTitle("Decompression Model and Tissues");
  setModal(true);

  legendPicture_ = new ChartView(this);
  legendPicture_->setObjectName("LegendPicture");
  // Fifteen rows of text need room; the legend is redrawn at whatever size it gets.
  legendPicture_->setMinimumSize(560, 300);
  legendPicture_->installEventFilter(this);

  auto* label1 = new QLabel("Surface Pressure (bar): ................", this);
  label1->setTextFormat(Qt::PlainText);
  text1_ = new QLineEdit("????", this);
  text1_->setObjectName("Text1");
  text1_->setMaximumWidth(140);
  label1->setBuddy(text1_);
  auto* pressureRow = new QHBoxLayout;
  pressureRow->setSpacing(0);
  pressureRow->addWidget(label1);
  pressureRow->addWidget(text1_);
  pressureRow->addStretch(1);

  auto* frame1 = new QGroupBox("Decompression Model", this);
  auto* frameLayout = new QVBoxLayout(frame1);
  option1Group_ = new QButtonGroup(this);
  for (int i = 0; i < kDecoModelChoices; ++i) {
    auto* button = new QRadioButton(QString::fromStdString(DecoModelCaption(i)), frame1);
    button->setObjectName(QString("Option1_%1").arg(i));
    option1_[static_cast<size_t>(i)] = button;
    option1Group_->addButton(button, i);
    frameLayout->addWidget(button);
  }
  option1_[0]->setChecked(true);
  connect(option1Group_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
    if (checked) Option1Click(id);
  });

  command1_ = new QPushButton("&Close", this);
  command1_->setObjectName("Command1");
  command1_->setDefault(true);
  connect(command1_, &QPushButton::clicked, this, &ScrbLeg::Command1Click);

  auto* bottomRow = new QHBoxLayout;
  bottomRow->addWidget(frame1);
  bottomRow->addStretch(1);
  bottomRow->addWidget(command1_, 0, Qt::AlignBottom);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(legendPicture_, 1);
  layout->addLayout(pressureRow);
  layout->addLayout(bottomRow);
}

void ScrbLeg::Prepare() {
  const int number = context_.Model.DecoModelNumber;
  const bool hasButton = number >= 0 && number < kDecoModelChoices;
  // A stored number without a button of its own (-1, or one from elsewhere) is shown and loaded
  // as model 0, so that the window always shows the model that is in force.
  const int index = hasButton ? number : 0;
  QRadioButton* button = Option1(index);
  if (!button->isChecked()) {
    button->setChecked(true);  // runs Option1Click as a click would
  } else if (!hasButton) {
    Option1Click(index);
  }
  DrawLegend();

  Logbook& book = context_.Book;
  if (book.HasCurrentDive()) {
    text1_->setText(QString::fromStdString(SurfacePressureText(book.Current().SurfacePressure)));
  } else {
    text1_->setText("No dive selected");
  }
}

void ScrbLeg::Open() {
  Prepare();
  if (!centred_) {
    adjustSize();
    CentreOnScreen(*this);
    centred_ = true;
  }
  exec();
}

void ScrbLeg::Option1Click(int index) {
  LoadDecoModel(context_.Model, index);
  // Every dive was computed with the previous tables.
  for (DiveRecord& dive : context_.Book.Dives) dive.SaturationComputed = false;
  DrawLegend();
}

void ScrbLeg::Command1Click() {
  hide();
  Logbook& book = context_.Book;
  if (book.HasCurrentDive()) {
    ApplySurfacePressureText(book.Current(), text1_->text().toStdString());
  }
  QDialog::done(QDialog::Accepted);
  emit Closed();
}

void ScrbLeg::reject() {
  Command1Click();
}

bool ScrbLeg::eventFilter(QObject* watched, QEvent* event) {
  if (watched == legendPicture_ && event->type() == QEvent::Resize) DrawLegend();
  return QDialog::eventFilter(watched, event);
}

void ScrbLeg::DrawLegend() {
  DrawTissueLegend(context_.Model, legendPicture_->Surface());
}

}  // namespace scrb
