#include "app/statistics/ComparisonWindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPixmap>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "analysis/StretchMeasure.h"
#include "app/dialogs/UserDialogs.h"
#include "app/views/WindowPlacement.h"
#include "app/views/ChartView.h"
#include "charts/SampleTimeAxis.h"
#include "logbook/SampleAccess.h"
#include "logbook/Translation.h"
#include "render/PainterSurface.h"
#include "render/ReportPainter.h"
#include "render/SaveFile.h"
#include "saturation/TissueHeatMap.h"

namespace scrb {

namespace {

constexpr int kPageDpi = 300;
// Below this a chart's axes lose their labels; the window keeps the charts above it.
constexpr int kLeastChartHeight = 110;
// A window this tall shows the figures and heat maps from the start.
constexpr int kRoomForDetails = 900;

QString ToQt(const std::string& text) {
  return QString::fromStdString(text);
}

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
  stretch_ = TimeStretch::WholeDive();
  ruler_.reset();
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

void ComparisonWindow::SetStretch(const TimeStretch& stretch) {
  const TimeStretch kept = KeptWithinDive(stretch, comparison_.LongestSampleCount());
  if (kept == stretch_) return;
  stretch_ = kept;
  AskForRedraw();
}

void ComparisonWindow::AskForRedraw() {
  redraw_.Ask();
}

void ComparisonWindow::FollowGestures(ChartView* chart) {
  chart->SetTimeGestures(true);
  const auto longest = [this] { return comparison_.LongestSampleCount(); };
  connect(chart, &ChartView::ZoomAsked, this, [this, longest](double around, double factor) {
    SetStretch(Zoomed(stretch_, longest(), around, factor));
  });
  connect(chart, &ChartView::PanAsked, this,
          [this, longest](double by) { SetStretch(Panned(stretch_, longest(), by)); });
  connect(chart, &ChartView::WholeDiveAsked, this,
          [this] { SetStretch(TimeStretch::WholeDive()); });
  connect(chart, &ChartView::RulerAsked, this, [this](double from, double to) {
    ruler_ = std::pair{from, to};
    ShowRuler();
  });
  connect(chart, &ChartView::RulerClearAsked, this, [this] {
    ruler_.reset();
    ShowRuler();
  });
}

// The band on every chart and heat map; on the top chart a label with the time between its ends
// and, for each dive that reaches into it, its depths there.
void ComparisonWindow::ShowRuler() {
  std::vector<ChartView*> views(charts_.begin(), charts_.end());
  views.insert(views.end(), heatMapViews_.begin(), heatMapViews_.end());
  const auto ends =
      ruler_ ? RulerSamples(comparison_.LongestSampleCount(), ruler_->first, ruler_->second)
             : std::nullopt;
  if (!ends) {
    for (ChartView* view : views) view->SetBand(std::nullopt);
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
  const std::pair band{SampleTime(ends->first), SampleTime(ends->second)};
  for (ChartView* view : views) {
    view->SetBand(band, view == charts_.front() ? label : QStringList());
  }
}

// One heat map a dive with its tissues worked out, under the charts on their time axis.
void ComparisonWindow::MakeHeatMaps() {
  heatMapDives_.clear();
  for (const ComparedDive& dive : comparison_.Dives) {
    if (dive.Analysed.Profile && dive.Analysed.Profile->SampleCount > 0)
      heatMapDives_.push_back(&dive);
  }
  // The maps there are serve again: a new comparison only renames them.
  while (heatMapViews_.size() > heatMapDives_.size()) {
    delete heatMapViews_.back();
    delete heatMapCaptions_.back();
    heatMapViews_.pop_back();
    heatMapCaptions_.pop_back();
  }
  while (heatMapViews_.size() < heatMapDives_.size()) {
    auto* caption = new QLabel(heatMaps_->parentWidget());
    heatMaps_->addWidget(caption);
    heatMapCaptions_.push_back(caption);
    auto* view = new ChartView(heatMaps_->parentWidget());
    view->setObjectName(QString("ComparisonHeatMap%1").arg(heatMapViews_.size()));
    view->setMinimumHeight(112);
    heatMaps_->addWidget(view, 1);
    connect(view, &ChartView::Resized, this, [this] { AskForRedraw(); });
    connect(view, &ChartView::MouseMoved, this,
            [this](double x, double) { ShowReadoutAt(ComparisonChart::OverSaturation, x); });
    FollowGestures(view);
    heatMapViews_.push_back(view);
  }
  for (size_t n = 0; n < heatMapDives_.size(); ++n) {
    const ComparedDive& dive = *heatMapDives_[n];
    // Each map is named as the legend names its dive.
    heatMapCaptions_[n]->setText(
        ToQt(FillIn(Tr("Compare", "Dive %1: %2"), {std::to_string(dive.Number), dive.Site})));
    heatMapViews_[n]->SetSampleCount(comparison_.LongestSampleCount());
  }
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
  stretch_ = KeptWithinDive(stretch_, comparison_.LongestSampleCount());
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
  table_->clear();
  table_->setRowCount(static_cast<int>(rows.size()) - 1);
  table_->setColumnCount(static_cast<int>(comparison_.Dives.size()));
  QStringList headings;
  QStringList figures;
  for (size_t c = 1; c < rows[0].size(); ++c) {
    headings << tr("Dive %1").arg(ToQt(rows[0][c]));
  }
  table_->setHorizontalHeaderLabels(headings);
  for (size_t c = 0; c < comparison_.Dives.size(); ++c) {
    // A swatch of the dive's colour ties the column to its lines.
    QPixmap swatch(14, 14);
    const Rgb color = palette.ComparedDive(static_cast<int>(c));
    swatch.fill(QColor(color.R, color.G, color.B));
    table_->horizontalHeaderItem(static_cast<int>(c))->setIcon(QIcon(swatch));
  }
  for (size_t r = 1; r < rows.size(); ++r) {
    figures << ToQt(rows[r][0]);
    for (size_t c = 1; c < rows[r].size(); ++c) {
      table_->setItem(static_cast<int>(r - 1), static_cast<int>(c - 1),
                      new QTableWidgetItem(ToQt(rows[r][c])));
    }
  }
  table_->setVerticalHeaderLabels(figures);
  table_->resizeColumnsToContents();
}

void ComparisonWindow::DrawCharts() {
  const Palette& palette = state_.ChartPalette();
  const UnitSystem units = state_.Units();
  // Every chart and map is a picture of its own: they are drawn side by side on the chart
  // threads, as a page's charts are.
  std::vector<ChartDrawing> drawings;
  for (const ComparisonChart chart : kComparisonCharts) {
    ChartView* view = charts_[static_cast<size_t>(chart)];
    view->HideCursor();
    view->UsePalette(palette);
    drawings.push_back({view, [this, chart, units, &palette](ChartSurface& surface) {
                          DrawComparisonChart(chart, comparison_, surface, units, palette,
                                              stretch_);
                        }});
  }
  const ShownTimes times = TimesShown(stretch_, comparison_.LongestSampleCount());
  const DecoModel model = state_.Analysis().Model();
  std::vector<AnalysedDive> dives;
  for (const ComparedDive* compared : heatMapDives_) {
    // The cache has the saturation under the model in force, worked out now if need be.
    dives.push_back(state_.Analysis().Analysed(compared->Index));
  }
  for (size_t n = 0; n < heatMapViews_.size(); ++n) {
    ChartView* view = heatMapViews_[n];
    view->UsePalette(palette);
    const AnalysedDive& dive = dives[n];
    if (!dive.Profile || !dive.Saturation) {
      view->Clear();
      continue;
    }
    drawings.push_back({view, [&times, &dive, &model, &palette](ChartSurface& surface) {
                          DrawTissueHeatMapOver(times, *dive.Profile, *dive.Saturation, model,
                                                surface, palette);
                        }});
  }
  DrawChartsTogether(drawings);
  const auto shown = SamplesShown(stretch_, comparison_.LongestSampleCount());
  std::vector<ChartView*> views(charts_.begin(), charts_.end());
  views.insert(views.end(), heatMapViews_.begin(), heatMapViews_.end());
  for (ChartView* view : views) {
    if (shown) view->SetShownSamples(shown->first, shown->second);
  }
  // Under a mouse resting on a chart that moved (a pan by wheel or drag), the readout shows the
  // time now under it; the heat maps read as the over-saturation chart.
  for (ChartView* view : views) {
    const auto at = view->TimeUnderPointer();
    if (!at) continue;
    const auto chart = std::find(charts_.begin(), charts_.end(), view);
    ShowReadoutAt(chart != charts_.end() ? static_cast<ComparisonChart>(chart - charts_.begin())
                                         : ComparisonChart::OverSaturation,
                  *at);
    break;
  }
  ShowRuler();
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

bool ComparisonWindow::PaintPage(QPagedPaintDevice& device) const {
  device.setPageOrientation(QPageLayout::Landscape);
  PainterSurface surface(&device, QSizeF(device.width(), device.height()), device.logicalDpiX(),
                         device.logicalDpiY());
  DrawComparisonPage(comparison_, surface, state_.Units());
  surface.Finish();
  return true;
}

void ComparisonWindow::Print() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageOrientation(QPageLayout::Landscape);
  if (!dialogs_.RunPrintDialog(this, printer, 1)) return;
  PaintPage(printer);
}

void ComparisonWindow::SaveAsPdf() {
  const QFileInfo logbook(QString::fromStdString(state_.Book().LogbookFile));
  const QString folder =
      state_.Book().LogbookFile.empty() ? QDir::homePath() : logbook.absolutePath();
  QStringList numbers;
  for (const ComparedDive& d : comparison_.Dives) numbers << QString::number(d.Number);
  const QString name =
      tr("dives-%1", "suggested file name; %1 is the dive numbers joined by hyphens")
          .arg(numbers.join('-'));
  QString path =
      dialogs_.ChooseSaveFile(this, tr("Save the Comparison as PDF"),
                              QCoreApplication::translate("scrb::MainWindow", "PDF files (*.pdf)"),
                              QDir(folder).filePath(name + ".pdf"));
  if (path.isEmpty()) return;
  if (!path.endsWith(".pdf", Qt::CaseInsensitive)) path += ".pdf";
  // Written beside the target and put in its place when complete.
  const QString failure = SaveFileThrough(path, [this](QIODevice& file) {
    QPdfWriter writer(&file);
    writer.setResolution(kPageDpi);
    writer.setCreator(QStringLiteral("Bathyscribe"));
    writer.setTitle(windowTitle());
    writer.setPageSize(LocalPaperSize());
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    return PaintPage(writer);
  });
  if (!failure.isEmpty()) {
    dialogs_.ShowMessage(this, tr("The comparison could not be written to %1.\r\n\r\n%2")
                                   .arg(QDir::toNativeSeparators(path), failure));
  }
}

}  // namespace scrb
