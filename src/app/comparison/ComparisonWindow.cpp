#include "app/comparison/ComparisonWindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "analysis/StretchMeasure.h"
#include "app/dialogs/UserDialogs.h"
#include "app/views/WindowPlacement.h"
#include "app/views/ChartView.h"
#include "app/views/QtText.h"
#include "app/views/TextTableModel.h"
#include "app/views/TimeWindow.h"
#include "charts/SampleTimeAxis.h"
#include "logbook/SampleAccess.h"
#include "logbook/Translation.h"

namespace scrb {

namespace {

// Below this a chart's axes lose their labels; the window keeps the charts above it.
constexpr int kLeastChartHeight = 110;
// A window this tall shows the figures and heat maps from the start.
constexpr int kRoomForDetails = 900;

QString ColorName(Rgb color) {
  return QColor(color.R, color.G, color.B).name();
}

std::string IdentityOf(const DiveRecord& dive) {
  return std::to_string(dive.DiveNumber) + "|" + dive.DiveDate + "|" + dive.DiveTime + "|" +
         dive.Site + "|" + std::to_string(dive.ProfileData.size());
}

}  // namespace

ComparisonWindow::ComparisonWindow(LogbookState& state, UserDialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), dialogs_(dialogs) {
  setObjectName("ComparisonWindow");
  auto* layout = new QVBoxLayout(this);
  splitter_ = new QSplitter(Qt::Vertical, this);
  splitter_->setObjectName("ComparisonSplitter");
  layout->addWidget(splitter_, 1);
  time_ = new TimeWindow([this] { return comparison_.LongestSampleCount(); }, this);
  connect(time_, &TimeWindow::StretchChanged, this, [this] { redraw_.Ask(); });
  connect(time_, &TimeWindow::RulerChanged, this, &ComparisonWindow::ShowRuler);

  BuildChartArea();
  BuildDetails();
  BuildButtons(*layout);

  connect(&state_, &LogbookState::SettingsChanged, this, [this](SettingChanges what) {
    if (Invalidated(what) & ShownPart::Figures) {
      Refresh();
      return;
    }
    // The table shows figures in units, words and each dive's colour, as the charts do.
    SetTexts();
    FillTable();
    DrawCharts();
  });
  // Another logbook, or dives merged in: the compared dives are looked for where they were; when
  // any is gone the comparison means nothing any more.
  connect(&state_, &LogbookState::LogbookChanged, this, [this] {
    if (StillHoldsDives()) {
      Refresh();
    } else {
      dives_.clear();
      identities_.clear();
      comparison_ = {};
      close();
    }
  });
  auto* print = new QAction(this);
  print->setShortcut(QKeySequence::Print);
  connect(print, &QAction::triggered, this, &ComparisonWindow::Print);
  addAction(print);

  // As large as the screen allows, less the frame the window manager puts round the main window:
  // on a small screen the charts need every line. Only a tall window has room for the figures
  // and heat maps beside them from the start.
  const QRect screen = this->screen()->availableGeometry();
  const QSize frame = parent != nullptr && parent->isVisible()
                          ? parent->frameGeometry().size() - parent->geometry().size()
                          : QSize(0, 0);
  resize(screen.size() - frame);
  SetTexts();
  ShowDetails(height() >= kRoomForDetails);
}

void ComparisonWindow::ShowDetails(bool shown) {
  const QSignalBlocker quiet(detailsButton_);
  detailsButton_->setChecked(shown);
  const int whole = std::max(splitter_->height(), height());
  // Room for every figure, but never more than two fifths of the window: the charts come first.
  const int figures = details_->tabBar()->sizeHint().height() +
                      table_->horizontalHeader()->sizeHint().height() +
                      table_->verticalHeader()->length() + 2 * table_->frameWidth() +
                      table_->horizontalScrollBar()->sizeHint().height();
  const int details =
      shown ? std::max(details_->minimumSizeHint().height(), std::min(figures, whole * 2 / 5)) : 0;
  splitter_->setSizes({whole - details, details});
}

// The texts stand in the menu's own context, where the window's other entries are translated.
void ComparisonWindow::OfferFor(QAction& entry, int chosen) {
  const bool fits = chosen >= kFewestComparedDives && chosen <= kMostComparedDives;
  entry.setEnabled(fits);
  if (fits) {
    entry.setToolTip(
        QCoreApplication::translate("scrb::MainWindow", "Compare the %1 dives chosen in the table")
            .arg(chosen));
  } else if (chosen < kFewestComparedDives) {
    entry.setToolTip(QCoreApplication::translate(
        "scrb::MainWindow",
        "Choose two to six dives in the table (Ctrl+click, Shift+click) to compare them"));
  } else {
    entry.setToolTip(
        QCoreApplication::translate("scrb::MainWindow",
                                    "At most six dives can be compared; %1 are chosen in the table")
            .arg(chosen));
  }
}

void ComparisonWindow::Compare(std::vector<int> dives) {
  dives_ = std::move(dives);
  identities_.clear();
  for (const int index : dives_) {
    const DiveRecord* dive = state_.Book().DiveAt(index);
    identities_.push_back(dive != nullptr ? IdentityOf(*dive) : std::string());
  }
  time_->Forget();
  Refresh();
  // Another comparison starts afresh: the first map in view, no pointer line from the last one,
  // an open pane as high as the new figures need.
  heatScroll_->verticalScrollBar()->setValue(0);
  HideCursors();
  if (detailsButton_->isChecked()) ShowDetails(true);
}

void ComparisonWindow::HideCursors() {
  for (ChartView* view : charts_) view->HideCursor();
  for (ChartView* view : heatMapViews_) view->HideCursor();
}

bool ComparisonWindow::StillHoldsDives() const {
  for (size_t n = 0; n < dives_.size(); ++n) {
    const DiveRecord* dive = state_.Book().DiveAt(dives_[n]);
    if (dive == nullptr || IdentityOf(*dive) != identities_[n]) return false;
  }
  return true;
}

// The first time maximised: the window manager knows its frame, and the charts get every line of
// the screen. After that where the user left it.
void ComparisonWindow::ShowOver(const QWidget* pages) {
  if (!placed_) setWindowState(windowState() | Qt::WindowMaximized);
  scrb::ShowOver(*this, pages, placed_);
}

void ComparisonWindow::FollowChart(ChartView* view, ComparisonChart readAs) {
  time_->Attach(view);
  connect(view, &ChartView::Resized, this, [this] { redraw_.Ask(); });
  connect(view, &ChartView::MouseMoved, this,
          [this, readAs](double x, double) { ShowReadoutAt(readAs, x); });
}

// The band on every chart and heat map; on the top chart a label with the time between its ends
// and, for each dive that reaches into it, its depths there.
void ComparisonWindow::ShowRuler() {
  const auto& ruler = time_->Ruler();
  const auto ends =
      ruler ? RulerSamples(comparison_.LongestSampleCount(), ruler->first, ruler->second)
            : std::nullopt;
  if (!ends) {
    time_->ShowBand(std::nullopt);
    return;
  }
  QStringList label;
  label << ToQt(
      FillIn(Tr("Readouts", "Time: %1"),
             {StretchTimeLabel((ends->second - ends->first) * kSampleSeconds, kSampleSeconds)}));
  for (const ComparedDive& dive : comparison_.Dives) {
    const AnalysedDive& a = dive.Analysed;
    if (a.Record == nullptr || !a.Profile || a.Profile->SampleCount <= ends->first) continue;
    const auto m = MeasureStretch({a.Record, a.Profile.get()}, SampleTime(ends->first),
                                  SampleTime(ends->second));
    if (!m) continue;
    const std::vector<std::string> lines = StretchMeasureTexts(*m, state_.Units());
    label << ToQt(FillIn(Tr("Compare", "Dive %1: %2"),
                         {std::to_string(dive.Number), lines.size() > 1 ? lines[1] : ""}));
  }
  time_->ShowBand(std::pair{SampleTime(ends->first), SampleTime(ends->second)}, label);
}

void ComparisonWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

void ComparisonWindow::Refresh() {
  comparison_ = CompareDives(state_.Analysis(), dives_);
  time_->KeepWithinAxis();
  for (const ComparisonChart chart : kComparisonCharts) {
    ChartView* view = charts_[static_cast<size_t>(chart)];
    view->SetSampleCount(comparison_.LongestSampleCount());
    // A chart with nothing to draw keeps the one line that says so and leaves its height to the
    // others.
    const bool empty = !DrawsAnyDive(chart, comparison_);
    view->setMinimumHeight(empty ? 0 : kLeastChartHeight);
    view->setMaximumHeight(empty ? view->fontMetrics().height() + 8 : QWIDGETSIZE_MAX);
  }
  MakeHeatMaps();
  SetTexts();
  FillTable();
  DrawCharts();
}

void ComparisonWindow::SetTexts() {
  std::string numbers;
  for (const ComparedDive& d : comparison_.Dives) {
    numbers += (numbers.empty() ? "" : ", ") + std::to_string(d.Number);
  }
  setWindowTitle(ToQt(FillIn(Tr("Compare", "Dives compared: %1"), {numbers})));
  for (const ComparisonChart chart : kComparisonCharts) {
    captions_[static_cast<size_t>(chart)]->setText(
        ToQt(Tr("Charts", ComparisonCaption(chart, state_.Units()))));
  }
  details_->setTabText(0, tr("&Figures"));
  details_->setTabText(1, tr("Heat &Maps"));
  detailsButton_->setText(tr("Figures and &Heat Maps"));
  detailsButton_->setToolTip(tr("Shows the table of figures and the heat maps under the charts"));
  printButton_->setText(tr("&Print..."));
  printButton_->setToolTip(tr("Print the comparison (Ctrl+P)"));
  pdfButton_->setText(tr("&Save as PDF..."));
  closeButton_->setText(tr("Cl&ose"));
  closeButton_->setToolTip(tr("Close the comparison (Esc)"));
  const std::string note = scrb::LeftOutNote(comparison_);
  note_->setText(ToQt(note));
  note_->setVisible(!note.empty());
  readout_->setText(tr("Point at a chart to read each dive's value."));
}

void ComparisonWindow::FillTable() {
  const std::vector<std::vector<std::string>> rows = ComparisonTable(comparison_, state_.Units());
  const Palette& palette = state_.ChartPalette();
  QStringList headings;
  std::vector<QIcon> swatches;
  for (size_t c = 1; c < rows[0].size(); ++c) {
    headings << tr("Dive %1").arg(ToQt(rows[0][c]));
    // A swatch of the dive's colour ties the column to its lines.
    QPixmap swatch(14, 14);
    const Rgb color = palette.ComparedDive(static_cast<int>(c - 1));
    swatch.fill(QColor(color.R, color.G, color.B));
    swatches.emplace_back(swatch);
  }
  QStringList figures;
  std::vector<QStringList> cells;
  for (size_t r = 1; r < rows.size(); ++r) {
    figures << ToQt(rows[r][0]);
    QStringList& cellRow = cells.emplace_back();
    for (size_t c = 1; c < rows[r].size(); ++c) cellRow << ToQt(rows[r][c]);
  }
  figures_->SetTexts(headings, figures, std::move(cells), std::move(swatches));
  table_->resizeColumnsToContents();
}

void ComparisonWindow::ShowReadoutAt(ComparisonChart chart, double x) {
  const std::vector<ComparisonReadoutLine> lines =
      ComparisonReadout(comparison_, chart, x, state_.Units());
  if (lines.empty() || x < 0) return HideCursors();
  // The same moment on every chart: the time axis is shared.
  for (ChartView* view : charts_) view->SetCursorX(x);
  for (ChartView* view : heatMapViews_) view->SetCursorX(x);
  QString text = ToQt(ComparisonTimeText(x)).toHtmlEscaped();
  for (const ComparisonReadoutLine& line : lines) {
    text += QString("&nbsp;&nbsp; <span style=\"color:%1\">&#9632;</span>&nbsp;%2")
                .arg(ColorName(state_.ChartPalette().ComparedDive(line.Dive)),
                     ToQt(line.Text).toHtmlEscaped());
  }
  readout_->setText(text);
}

}  // namespace scrb
