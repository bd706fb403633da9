#include "app/dialogs/ModelWindow.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>
#include <QValidator>
#include <algorithm>

#include "app/views/ChartView.h"
#include "app/views/WindowPlacement.h"
#include "saturation/SurfacePressureEntry.h"
#include "saturation/TissueLegend.h"

namespace scrb {

namespace {

// Lets into the surface pressure box only what can still become a number; the note next to the
// box says why anything else is refused.
class PressureValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int&) const override {
    const std::string text = input.toStdString();
    if (!CouldBecomeSurfacePressure(text)) return Invalid;
    return SurfacePressureProblem(text) ? Intermediate : Acceptable;
  }
};

constexpr const char* kOnlyNumbersNote = QT_TRANSLATE_NOOP(
    "scrb::ModelWindow",
    "Only digits and one point or comma can be typed here: the surface pressure in bar.");

}  // namespace

ModelWindow::ModelWindow(LogbookState& state, QWidget* parent) : QDialog(parent), state_(state) {
  setWindowTitle(tr("Decompression Model and Tissues"));
  setModal(true);

  legend_ = new ChartView(this);
  legend_->setObjectName("TissueLegend");
  // Fifteen rows of text need room; the legend is redrawn at whatever size it gets.
  legend_->setMinimumSize(560, 300);
  legend_->installEventFilter(this);
  // The legend is a picture to look at; the keys belong to the box and the buttons.
  legend_->setFocusPolicy(Qt::NoFocus);

  auto* notice = new QLabel(tr("Surface Pressure (bar): ................"), this);
  notice->setTextFormat(Qt::PlainText);
  surfacePressureEdit_ = new QLineEdit("????", this);
  surfacePressureEdit_->setObjectName("SurfacePressureEdit");
  surfacePressureEdit_->setMaximumWidth(140);
  notice->setBuddy(surfacePressureEdit_);
  auto* pressureRow = new QHBoxLayout;
  pressureRow->setSpacing(0);
  pressureRow->addWidget(notice);
  pressureRow->addWidget(surfacePressureEdit_);
  pressureRow->addStretch(1);
  surfacePressureEdit_->setValidator(new PressureValidator(surfacePressureEdit_));
  pressureNote_ = new QLabel(this);
  pressureNote_->setObjectName("PressureNote");
  pressureNote_->setTextFormat(Qt::PlainText);
  pressureNote_->setWordWrap(true);
  connect(surfacePressureEdit_, &QLineEdit::textEdited, this, &ModelWindow::CheckPressureText);
  connect(surfacePressureEdit_, &QLineEdit::inputRejected, this,
          [this] { pressureNote_->setText(tr(kOnlyNumbersNote)); });

  auto* frame = new QGroupBox(tr("Decompression Model"), this);
  auto* frameLayout = new QVBoxLayout(frame);
  modelGroup_ = new QButtonGroup(this);
  for (int i = 0; i < kDecoModelChoices; ++i) {
    auto* button = new QRadioButton(QString::fromStdString(DecoModelCaption(i)), frame);
    button->setObjectName(QString("ModelButton%1").arg(i));
    modelButtons_[static_cast<size_t>(i)] = button;
    modelGroup_->addButton(button, i);
    frameLayout->addWidget(button);
  }
  modelButtons_[0]->setChecked(true);
  connect(modelGroup_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
    if (checked) ChooseModel(id);
  });

  repetitiveBox_ = new QCheckBox(tr("Carry nitrogen over from the dive before"), this);
  repetitiveBox_->setObjectName("RepetitiveBox");
  connect(repetitiveBox_, &QCheckBox::toggled, this, [this](bool on) { state_.SetRepetitive(on); });

  closeButton_ = new QPushButton(tr("&Close"), this);
  closeButton_->setObjectName("CloseButton");
  closeButton_->setDefault(true);
  connect(closeButton_, &QPushButton::clicked, this, &ModelWindow::ApplyAndClose);

  // The window is modal, so the main window's Exit key cannot reach it: here it leaves the window
  // as Escape does, and then the program.
  auto* exitProgram = new QAction(this);
  exitProgram->setShortcut(QKeySequence("Ctrl+Q"));
  addAction(exitProgram);
  connect(exitProgram, &QAction::triggered, this, [this] {
    reject();
    if (parentWidget() != nullptr) parentWidget()->window()->close();
  });

  auto* bottomRow = new QHBoxLayout;
  bottomRow->addWidget(frame);
  bottomRow->addStretch(1);
  bottomRow->addWidget(closeButton_, 0, Qt::AlignBottom);

  // On a small screen the tissue rows keep their spacing and scroll, so that the models and Close
  // below them stay within reach.
  legendArea_ = new QScrollArea(this);
  legendArea_->setObjectName("TissueLegendArea");
  legendArea_->setWidget(legend_);
  legendArea_->setWidgetResizable(true);
  legendArea_->setFrameShape(QFrame::NoFrame);
  legendArea_->setFocusPolicy(Qt::NoFocus);
  legendArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  legendArea_->setMinimumHeight(100);
  legendArea_->setMinimumWidth(legend_->minimumWidth() +
                               style()->pixelMetric(QStyle::PM_ScrollBarExtent));

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(legendArea_, 1);
  layout->addLayout(pressureRow);
  layout->addWidget(pressureNote_);
  layout->addWidget(repetitiveBox_);
  layout->addLayout(bottomRow);
}

void ModelWindow::Prepare() {
  const int number = state_.Analysis().Model().DecoModelNumber;
  const bool hasButton = number >= 0 && number < kDecoModelChoices;
  // A stored number without a button of its own (-1, or one from elsewhere) is shown and loaded
  // as model 0, so that the window always shows the model that is in force.
  const int index = hasButton ? number : 0;
  QRadioButton* button = ModelButton(index);
  if (!button->isChecked()) {
    button->setChecked(true);  // runs ChooseModel as a click would
  } else if (!hasButton) {
    ChooseModel(index);
  }
  DrawLegend();
  const Rgb warning = state_.ChartPalette().Warning;
  pressureNote_->setStyleSheet(
      QStringLiteral("color: %1").arg(QColor(warning.R, warning.G, warning.B).name()));
  ShowAcceptedPressure();
  repetitiveBox_->setChecked(state_.Analysis().Repetitive());
}

void ModelWindow::ShowAcceptedPressure() {
  const Logbook& book = state_.Book();
  if (book.HasCurrentDive()) {
    surfacePressureEdit_->setText(QString::fromStdString(
        SurfacePressureText(state_.Analysis().SurfacePressure(book.CurrentDive))));
  } else {
    surfacePressureEdit_->setText(tr("No dive selected"));
  }
  // Without a dive there is nothing the pressure could apply to: nothing can be typed in vain.
  surfacePressureEdit_->setEnabled(book.HasCurrentDive());
  pressureNote_->clear();
}

void ModelWindow::CheckPressureText() {
  const std::optional<std::string> problem =
      SurfacePressureProblem(surfacePressureEdit_->text().toStdString());
  pressureNote_->setText(problem ? QString::fromStdString(*problem) : QString());
}

void ModelWindow::Open() {
  Prepare();
  if (!centred_) {
    // The whole legend where the screen has room for it; CentreOnScreen keeps the window within
    // a small screen, and the legend then scrolls.
    const QSize hint = sizeHint();
    resize(hint.width(), hint.height() + std::max(0, legend_->minimumHeight() -
                                                         legendArea_->sizeHint().height()));
    CentreOnScreen(*this);
    centred_ = true;
  }
  exec();
}

void ModelWindow::ChooseModel(int index) {
  state_.SetModel(index);
  DrawLegend();
}

void ModelWindow::ApplyAndClose() {
  const Logbook& book = state_.Book();
  if (book.HasCurrentDive()) {
    const std::string text = surfacePressureEdit_->text().toStdString();
    if (SurfacePressureProblem(text)) {
      CheckPressureText();
      surfacePressureEdit_->setFocus();
      surfacePressureEdit_->selectAll();
      return;
    }
    state_.SetSurfacePressure(book.CurrentDive, *AcceptedSurfacePressure(text));
  }
  hide();
  QDialog::done(QDialog::Accepted);
  emit Closed();
}

void ModelWindow::reject() {
  // The typed text is dropped, whether it could be taken or not; a model chosen meanwhile is in
  // force already, so the dive is shown again all the same.
  ShowAcceptedPressure();
  hide();
  QDialog::done(QDialog::Rejected);
  emit Closed();
}

bool ModelWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == legend_ && event->type() == QEvent::Resize) DrawLegend();
  return QDialog::eventFilter(watched, event);
}

void ModelWindow::DrawLegend() {
  legend_->UsePalette(state_.ChartPalette());
  DrawTissueLegend(state_.Analysis().Model(), legend_->Surface(), state_.ChartPalette());
}

}  // namespace scrb
