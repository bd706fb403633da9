#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include "app/comparison/ComparisonWindow.h"
#include "app/views/ChartView.h"
#include "app/views/TextTableModel.h"

// The parts of the comparison window and how they share its room.

namespace scrb {

void ComparisonWindow::BuildChartArea() {
  // The charts one above the other on the same time axis, then the readout and the note on dives
  // left out. The charts take the height; the figures and heat maps only when asked.
  chartArea_ = new QWidget(splitter_);
  QWidget* chartArea = chartArea_;
  auto* chartLayout = new QVBoxLayout(chartArea);
  chartLayout->setContentsMargins(0, 0, 0, 0);
  chartLayout->setSpacing(2);
  for (const ComparisonChart chart : kComparisonCharts) {
    const auto n = static_cast<size_t>(chart);
    captions_[n] = new QLabel(chartArea);
    captions_[n]->setWordWrap(true);
    chartLayout->addWidget(captions_[n]);
    charts_[n] = new ChartView(chartArea);
    charts_[n]->setObjectName(QString("ComparisonChart%1").arg(n));
    chartLayout->addWidget(charts_[n], chart == ComparisonChart::Tank ? 2 : 3);
    FollowChart(charts_[n], chart);
  }
  readout_ = new QLabel(chartArea);
  readout_->setObjectName("ComparisonReadout");
  readout_->setTextFormat(Qt::RichText);
  readout_->setWordWrap(true);
  chartLayout->addWidget(readout_);
  note_ = new QLabel(chartArea);
  note_->setObjectName("LeftOutNote");
  note_->setWordWrap(true);
  chartLayout->addWidget(note_);
}

void ComparisonWindow::BuildDetails() {
  details_ = new QTabWidget(splitter_);
  details_->setObjectName("ComparisonDetails");
  details_->setDocumentMode(true);
  figures_ = new TextTableModel(this);
  table_ = new QTableView(details_);
  table_->setObjectName("ComparisonTable");
  table_->setModel(figures_);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionMode(QAbstractItemView::NoSelection);
  table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
  details_->addTab(table_, QString());
  // The heat maps, a dive each, in a pane of their own that scrolls: six of them stay legible in a
  // small window.
  heatScroll_ = new QScrollArea(details_);
  heatScroll_->setObjectName("HeatMapScroll");
  heatScroll_->setWidgetResizable(true);
  heatScroll_->setFrameShape(QFrame::NoFrame);
  heatScroll_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  // One map with its caption stays whole however the panes are shared.
  heatScroll_->setMinimumHeight(heatScroll_->fontMetrics().height() + 120);
  auto* heatArea = new QWidget(heatScroll_);
  heatMaps_ = new QVBoxLayout(heatArea);
  heatMaps_->setContentsMargins(0, 0, 0, 0);
  heatScroll_->setWidget(heatArea);
  details_->addTab(heatScroll_, QString());
  // The charts keep a scroll bar's width on the right so that their time axes line up with the
  // maps'.
  chartArea_->layout()->setContentsMargins(0, 0,
                                           heatScroll_->verticalScrollBar()->sizeHint().width(), 0);
  splitter_->setCollapsible(0, false);
  splitter_->setCollapsible(1, true);
  splitter_->setStretchFactor(0, 1);
  splitter_->setStretchFactor(1, 0);
}

void ComparisonWindow::BuildButtons(QVBoxLayout& layout) {
  auto* buttons = new QHBoxLayout;
  detailsButton_ = new QPushButton(this);
  detailsButton_->setObjectName("ComparisonDetailsButton");
  detailsButton_->setCheckable(true);
  connect(detailsButton_, &QPushButton::toggled, this, &ComparisonWindow::ShowDetails);
  // A drag of the splitter that closes or opens the pane says so on the button.
  connect(splitter_, &QSplitter::splitterMoved, this, [this] {
    const QSignalBlocker quiet(detailsButton_);
    detailsButton_->setChecked(splitter_->sizes().value(1) > 0);
  });
  buttons->addWidget(detailsButton_);
  buttons->addStretch(1);
  printButton_ = new QPushButton(this);
  printButton_->setObjectName("ComparisonPrintButton");
  connect(printButton_, &QPushButton::clicked, this, &ComparisonWindow::Print);
  pdfButton_ = new QPushButton(this);
  pdfButton_->setObjectName("ComparisonPdfButton");
  connect(pdfButton_, &QPushButton::clicked, this, &ComparisonWindow::SaveAsPdf);
  closeButton_ = new QPushButton(this);
  closeButton_->setObjectName("ComparisonCloseButton");
  connect(closeButton_, &QPushButton::clicked, this, &QWidget::close);
  buttons->addWidget(printButton_);
  buttons->addWidget(pdfButton_);
  buttons->addWidget(closeButton_);
  layout.addLayout(buttons);
}

}  // namespace scrb
