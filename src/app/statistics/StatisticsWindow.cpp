#include "app/statistics/StatisticsWindow.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "app/views/ChartView.h"
#include "app/views/QtText.h"
#include "app/views/TextTableModel.h"
#include "app/views/WindowPlacement.h"
#include "logbook/Translation.h"
#include "overview/StatisticsTexts.h"

namespace scrb {

StatisticsWindow::StatisticsWindow(LogbookState& state, QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state) {
  setObjectName("StatisticsWindow");
  auto* layout = new QVBoxLayout(this);
  tabs_ = new QTabWidget(this);
  layout->addWidget(tabs_, 1);

  // The summary tab: the figures, then the grouped table.
  auto* summaryTab = new QWidget(tabs_);
  auto* summaryLayout = new QVBoxLayout(summaryTab);
  summaryArea_ = new QWidget(summaryTab);
  summaryGrid_ = new QGridLayout(summaryArea_);
  summaryGrid_->setContentsMargins(0, 0, 0, 0);
  summaryGrid_->setColumnStretch(1, 1);
  auto* scroll = new QScrollArea(summaryTab);
  scroll->setWidget(summaryArea_);
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  // Enlarging the window gives the room to the group table, which has rows to fill it; the
  // summary keeps the height of its lines.
  scroll->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
  summaryScroll_ = scroll;
  summaryLayout->addWidget(scroll);
  auto* groupRow = new QHBoxLayout;
  groupLabel_ = new QLabel(summaryTab);
  auto* groupLabel = groupLabel_;
  grouping_ = new QComboBox(summaryTab);
  grouping_->setObjectName("GroupingChoice");
  // The names of another language may be longer: the box widens with them.
  grouping_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  for (const char* name : {"year", "month", "site", "location", "partner", "trip"}) {
    grouping_->addItem(QString(), name);
  }
  groupLabel->setBuddy(grouping_);
  groupRow->addWidget(groupLabel);
  groupRow->addWidget(grouping_);
  groupRow->addStretch(1);
  summaryLayout->addLayout(groupRow);
  groupModel_ = new TextTableModel(this);
  // A row a group, in the order summed up: its name, then its figures.
  groupModel_->AlignFiguresFrom(1);
  groups_ = new QTableView(summaryTab);
  groups_->setObjectName("GroupTable");
  groups_->setModel(groupModel_);
  groups_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  groups_->setSelectionBehavior(QAbstractItemView::SelectRows);
  groups_->setSelectionMode(QAbstractItemView::SingleSelection);
  groups_->verticalHeader()->hide();
  groups_->verticalHeader()->setDefaultSectionSize(groups_->fontMetrics().height() + 6);
  summaryLayout->addWidget(groups_, 1);
  tabs_->addTab(summaryTab, QString());

  // The charts tab: one chart at a time, its readout under it.
  auto* chartTab = new QWidget(tabs_);
  auto* chartLayout = new QVBoxLayout(chartTab);
  auto* chartRow = new QHBoxLayout;
  chartLabel_ = new QLabel(chartTab);
  auto* chartLabel = chartLabel_;
  chartChoice_ = new QComboBox(chartTab);
  chartChoice_->setObjectName("ChartChoice");
  chartChoice_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  for (size_t i = 0; i < StatisticsCharts().size(); ++i) chartChoice_->addItem(QString());
  chartLabel->setBuddy(chartChoice_);
  chartRow->addWidget(chartLabel);
  chartRow->addWidget(chartChoice_, 1);
  chartLayout->addLayout(chartRow);
  chart_ = new ChartView(chartTab);
  chart_->installEventFilter(this);
  chartLayout->addWidget(chart_, 1);
  readout_ = new QLabel(chartTab);
  readout_->setObjectName("StatisticsReadout");
  readout_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  chartLayout->addWidget(readout_);
  tabs_->addTab(chartTab, QString());

  auto* statusRow = new QHBoxLayout;
  stateLabel_ = new QLabel(this);
  progress_ = new QProgressBar(this);
  progress_->setObjectName("StatisticsProgress");
  progress_->setMaximumWidth(240);
  statusRow->addWidget(stateLabel_, 1);
  statusRow->addWidget(progress_);
  closeButton_ = new QPushButton(this);
  closeButton_->setObjectName("StatisticsCloseButton");
  connect(closeButton_, &QPushButton::clicked, this, &QWidget::close);
  statusRow->addWidget(closeButton_);
  layout->addLayout(statusRow);
  progress_->hide();

  connect(grouping_, &QComboBox::currentIndexChanged, this, [this] { Start(); });
  connect(chartChoice_, &QComboBox::currentIndexChanged, this, [this] { DrawChart(); });
  connect(chart_, &ChartView::MouseMoved, this, [this](double x, double) { ShowReadoutAt(x); });
  connect(groups_, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
    const int row = index.row();
    if (!shown_ || row < 0 || static_cast<size_t>(row) >= shown_->Groups.size()) return;
    const StatisticsGroup& group = shown_->Groups[static_cast<size_t>(row)];
    emit ShowOnlyDives(group.Dives, ToQt(GroupingTitle(shown_->GroupedBy) + ": " + group.Key));
  });
  // A new logbook changes everything.
  connect(&state_, &LogbookState::LogbookChanged, this, &StatisticsWindow::Start);
  connect(&state_, &LogbookState::SettingsChanged, this, [this](SettingChanges what) {
    const ShownParts stale = Invalidated(what);
    // The chart titles name units and colours.
    SetTexts();
    // Trips are named with month names: new words sum the groups up anew.
    if (stale & (ShownPart::Figures | ShownPart::Texts)) {
      Start();
    } else if (metric_) {
      Show(*metric_);
    }
  });
  connect(&state_, &LogbookState::AnalysisProgressed, this, &StatisticsWindow::ShowProgress);
  SetTexts();
  // Roomy, yet inside a small screen with the window's frame.
  const QRect screen = this->screen()->availableGeometry();
  resize(std::min(760, screen.width() * 9 / 10), std::min(760, screen.height() * 85 / 100));
  SetScope({}, {});
}

StatisticsWindow::~StatisticsWindow() {
  if (job_) job_->Cancelled = true;
}

void StatisticsWindow::SetScope(std::vector<int> dives, const QString& search) {
  // The table's order does not matter here: sorting it changes nothing to sum up again.
  std::ranges::sort(dives);
  const bool same = dives == dives_;
  dives_ = std::move(dives);
  search_ = search;
  setWindowTitle(ToQt(StatisticsTitle(static_cast<int>(dives_.size()), state_.Book().DiveCount(),
                                      search_.toStdString())));
  if (!same || (!shown_ && !job_)) Start();
}

void StatisticsWindow::ShowOver(const QWidget* pages) {
  scrb::ShowOver(*this, pages, placed_);
}

void StatisticsWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

void StatisticsWindow::FitGroupTable() {
  // The rows' height may still ask for a vertical scroll bar once the window is laid out.
  const int scrollBar = groups_->verticalScrollBar()->sizeHint().width();
  const int missing = groups_->horizontalHeader()->length() + scrollBar -
                      groups_->viewport()->width() -
                      (groups_->verticalScrollBar()->isVisible() ? scrollBar : 0);
  if (missing <= 0) return;
  const QRect screen = this->screen()->availableGeometry();
  resize(std::max(width(), std::min(width() + missing, screen.width() * 9 / 10)), height());
}

void StatisticsWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!shown_ && !job_) Start();
}

bool StatisticsWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == chart_ && event->type() == QEvent::Resize) DrawChart();
  return QWidget::eventFilter(watched, event);
}

void StatisticsWindow::Start() {
  if (job_) job_->Cancelled = true;
  job_.reset();
  shown_.reset();
  metric_.reset();
  if (!isVisible()) return;
  std::vector<int> dives;
  for (const int index : dives_) {
    if (index >= 0 && index < state_.Book().DiveCount()) dives.push_back(index);
  }
  const auto grouping = GroupingNamed(grouping_->currentData().toString().toStdString())
                            .value_or(StatisticsGrouping::Year);
  job_ = state_.SumUp(std::move(dives), grouping, this, [this](LogbookStatistics stats) {
    job_.reset();
    metric_ = std::move(stats);
    Show(*metric_);
  });
  ShowProgress();
}

void StatisticsWindow::Show(const LogbookStatistics& metric) {
  shown_ = InUnits(metric, state_.Units());
  ShowProgress();
  ShowStatistics();
}

void StatisticsWindow::SetTexts() {
  setWindowTitle(ToQt(StatisticsTitle(static_cast<int>(dives_.size()), state_.Book().DiveCount(),
                                      search_.toStdString())));
  groupLabel_->setText(tr("&Group by:"));
  chartLabel_->setText(tr("C&hart:"));
  closeButton_->setText(tr("Cl&ose"));
  closeButton_->setToolTip(tr("Close the statistics (Esc)"));
  tabs_->setTabText(0, tr("S&ummary"));
  tabs_->setTabText(1, tr("&Charts"));
  groups_->setToolTip(tr("Double-click a group to show just its dives in the dive table"));
  for (int i = 0; i < grouping_->count(); ++i) {
    const std::string name = grouping_->itemData(i).toString().toStdString();
    grouping_->setItemText(i, ToQt(GroupingTitle(*GroupingNamed(name))));
  }
  for (size_t i = 0; i < StatisticsCharts().size(); ++i) {
    chartChoice_->setItemText(
        static_cast<int>(i),
        ToQt(ChartTitle(StatisticsCharts()[i], state_.Units(), state_.ChartPalette())));
  }
}

void StatisticsWindow::ShowProgress() {
  if (!job_) {
    progress_->hide();
    stateLabel_->setText(shown_ ? QString() : tr("No dives to sum up."));
    return;
  }
  const auto [done, total] = state_.SummaryProgress();
  if (done >= total) {
    stateLabel_->setText(tr("Summing up..."));
    progress_->hide();
    return;
  }
  stateLabel_->setText(tr("Working out the analysis of %1 dives...").arg(total - done));
  progress_->setRange(0, static_cast<int>(total));
  progress_->setValue(static_cast<int>(done));
  progress_->show();
}

void StatisticsWindow::ShowStatistics() {
  FillSummary();
  FillGroups();
  DrawChart();
}

void StatisticsWindow::FillSummary() {
  while (QLayoutItem* item = summaryGrid_->takeAt(0)) {
    delete item->widget();
    delete item;
  }
  if (!shown_) return;
  int row = 0;
  for (const SummaryRow& line : SummaryRows(*shown_)) {
    auto* label = new QLabel(tr("%1:").arg(ToQt(line.Label)), summaryArea_);
    auto* value = new QLabel(summaryArea_);
    value->setWordWrap(true);
    if (line.Dive >= 0) {
      // A link, so that the dive is one click or Tab and Enter away.
      value->setText(
          QString("<a href=\"%1\">%2</a>").arg(line.Dive).arg(ToQt(line.Value).toHtmlEscaped()));
      value->setTextInteractionFlags(Qt::TextBrowserInteraction);
      value->setToolTip(tr("Select this dive"));
      connect(value, &QLabel::linkActivated, this,
              [this](const QString& link) { emit DiveChosen(link.toInt()); });
    } else {
      value->setTextFormat(Qt::PlainText);
      value->setText(ToQt(line.Value));
    }
    summaryGrid_->addWidget(label, row, 0, Qt::AlignTop);
    summaryGrid_->addWidget(value, row, 1, Qt::AlignTop);
    ++row;
  }
  summaryGrid_->setRowStretch(row, 1);
  // The summary whole where the screen has room for it and the table, and scrolled otherwise;
  // measured once its new lines are shown, which a layout only counts then.
  QTimer::singleShot(0, this, [this] {
    const int lines = summaryArea_->sizeHint().height() + 2 * summaryScroll_->frameWidth();
    summaryScroll_->setMinimumHeight(std::min(lines, screen()->availableGeometry().height() / 3));
  });
}

void StatisticsWindow::FillGroups() {
  const LogbookStatistics* statistics = Statistics();
  std::vector<QStringList> rows;
  QStringList titles;
  if (statistics != nullptr) {
    titles = ToQt(GroupColumnTitles(statistics->GroupedBy, statistics->Units));
    for (const StatisticsGroup& group : statistics->Groups)
      rows.push_back(ToQt(GroupCells(group, statistics->Units)));
  }
  groupModel_->SetTexts(titles, {}, std::move(rows));
  if (!shown_) return;
  groups_->resizeColumnsToContents();
  FitGroupTable();
}

StatisticsChart StatisticsWindow::CurrentChart() const {
  const int index = std::max(0, chartChoice_->currentIndex());
  return StatisticsCharts()[static_cast<size_t>(index)].Chart;
}

void StatisticsWindow::DrawChart() {
  chart_->HideCursor();
  readout_->clear();
  if (!shown_) {
    chart_->Clear();
    return;
  }
  chart_->UsePalette(state_.ChartPalette());
  DrawStatisticsChart(CurrentChart(), *shown_, chart_->Surface(), state_.ChartPalette());
}

void StatisticsWindow::ShowReadoutAt(double x) {
  if (!shown_) return;
  const std::optional<std::string> text = StatisticsReadout(CurrentChart(), *shown_, x);
  readout_->setText(text ? ToQt(*text) : QString());
  if (text) {
    chart_->SetCursorX(x);
  } else {
    chart_->HideCursor();
  }
}

}  // namespace scrb
