#include "app/pages/GeneralPage.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

#include "report/ReportTexts.h"

namespace scrb {

namespace {

// Free texts of the logbook, set apart from the recorded conditions by the second line.
constexpr int kFreeTextsFrom = 17;  // "Partners:"

QLabel* PlainLabel(QWidget* parent) {
  auto* label = new QLabel(parent);
  // Logbook texts are shown as written: a comment like "<b>" must not turn into markup.
  label->setTextFormat(Qt::PlainText);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

QFrame* SeparatorLine(QWidget* parent) {
  auto* line = new QFrame(parent);
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  return line;
}

}  // namespace

GeneralPage::GeneralPage(LogbookState& state, TimeWindow& time, QWidget* parent)
    : DivePage(state, time, parent) {
  // The captions come from the report module, so the page and the texts cannot drift apart.
  const DiveSummary blank = SummaryTexts(DiveRecord{}, state.Units());

  auto* content = new QWidget;
  auto* grid = new QGridLayout(content);
  grid->setColumnStretch(1, 1);
  grid->setHorizontalSpacing(12);

  heading_ = PlainLabel(content);
  QFont headingFont = heading_->font();
  headingFont.setBold(true);
  headingFont.setPointSizeF(headingFont.pointSizeF() * 1.2);
  heading_->setFont(headingFont);
  int row = 0;
  grid->addWidget(heading_, row++, 0, 1, 2);
  grid->addWidget(SeparatorLine(content), row++, 0, 1, 2);

  for (size_t i = 0; i < blank.Lines.size(); ++i) {
    if (static_cast<int>(i) == kFreeTextsFrom)
      grid->addWidget(SeparatorLine(content), row++, 0, 1, 2);
    auto* caption = new QLabel(QString::fromStdString(blank.Lines[i].Caption), content);
    caption->setTextFormat(Qt::PlainText);
    caption->setAlignment(Qt::AlignRight | Qt::AlignTop);
    auto* value = PlainLabel(content);
    value->setWordWrap(static_cast<int>(i) >= kFreeTextsFrom - 1);  // activities and free texts
    value->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(caption, row, 0);
    grid->addWidget(value, row, 1);
    captions_.push_back(caption);
    values_.push_back(value);
    ++row;
  }
  grid->setRowStretch(row, 1);

  // A long comment or a small window must not squeeze the labels into each other.
  auto* scroll = new QScrollArea(this);
  scroll->setWidget(content);
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(scroll);
  Clear();
}

void GeneralPage::Clear() {
  heading_->clear();
  for (QLabel* value : values_) value->clear();
}

void GeneralPage::ShowDive(const DiveRecord* dive) {
  if (dive == nullptr) {
    Clear();
    return;
  }
  const DiveSummary summary = SummaryTexts(*dive, state_.Units());
  heading_->setText(QString::fromStdString(summary.Heading));
  for (size_t i = 0; i < values_.size() && i < summary.Lines.size(); ++i) {
    values_[i]->setText(QString::fromStdString(summary.Lines[i].Value));
  }
}

}  // namespace scrb
