#include "app/window/ReportPrinting.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QPrinter>
#include <QProgressDialog>
#include <QTimer>
#include <QWidget>
#include <numeric>

#include "app/dialogs/UserDialogs.h"
#include "app/state/LogbookState.h"
#include "overview/Statistics.h"
#include "overview/StatisticsTexts.h"
#include "render/ReportPainter.h"
#include "render/SaveFile.h"
#include "report/NumberFormat.h"

namespace scrb {
namespace {

constexpr const char* kExportTitle =
    QT_TRANSLATE_NOOP("scrb::MainWindow", "Export Dive Report as PDF");

QString WindowText(const char* text) {
  return QCoreApplication::translate("scrb::MainWindow", text);
}

QString PagesText(int pages) {
  return pages == 1 ? QCoreApplication::translate("scrb::MainWindow", "1 page")
                    : QCoreApplication::translate("scrb::MainWindow", "%1 pages").arg(pages);
}

}  // namespace

// What the user wants in the report: the dives in list order, and whether a summary page of the
// dives the table shows comes first; no pages when cancelled or none loaded.
struct ReportPrinting::Choice {
  std::vector<int> Dives;
  bool Summary = false;
  std::vector<int> Shown;
  std::string Scope;
  int Pages() const { return static_cast<int>(Dives.size()) + (Summary ? 1 : 0); }
};

// A report under way: what it prints, on what, and how far it got.
struct ReportPrinting::Run {
  std::unique_ptr<QPrinter> Printer;
  std::optional<LogbookStatistics> Summary;
  DiveReportJob Job;
  std::unique_ptr<DiveReportPainter> Painter;
  QPointer<QProgressDialog> Progress;
  int First = 1;
  int Last = 1;
  std::shared_ptr<BackgroundJob> Statistics;
};

ReportPrinting::ReportPrinting(LogbookState& state, UserDialogs& dialogs, QWidget* window,
                               ShownDives shown)
    : QObject(window),
      state_(state),
      dialogs_(dialogs),
      window_(window),
      shown_(std::move(shown)) {}

ReportPrinting::~ReportPrinting() {
  // The work reports to this object; it must not outlive it.
  if (pdfJob_) {
    pdfJob_->Cancelled = true;
    pdfJob_->Future.waitForFinished();
  }
  if (run_ && run_->Statistics) run_->Statistics->Cancelled = true;
}

bool ReportPrinting::Busy() const {
  return busy_;
}

ReportPrinting::Choice ReportPrinting::Choose(const QString& title) {
  const Logbook& book = state_.Book();
  if (Busy()) return {};
  if (book.DiveCount() == 0) {
    dialogs_.ShowMessage(
        window_, QCoreApplication::translate("scrb::MainWindow",
                                             "There is no dive loaded to put in a report."));
    return {};
  }
  std::vector<int> all(static_cast<size_t>(book.DiveCount()));
  std::iota(all.begin(), all.end(), 0);
  const std::vector<int> current =
      book.HasCurrentDive() ? std::vector<int>{book.CurrentDive} : std::vector<int>{};
  Choice choice;
  switch (dialogs_.ChooseReportScope(window_, title, book.HasCurrentDive(), book.DiveCount())) {
    case ReportScope::CurrentDive:
      choice.Dives = current;
      break;
    case ReportScope::AllDives:
      choice.Dives = all;
      break;
    case ReportScope::SummaryAndCurrentDive:
      choice.Dives = current;
      choice.Summary = true;
      break;
    case ReportScope::SummaryAndAllDives:
      choice.Dives = all;
      choice.Summary = true;
      break;
    case ReportScope::Cancelled:
      return {};
  }
  if (choice.Summary) {
    auto [shown, search] = shown_();
    choice.Scope =
        StatisticsTitle(static_cast<int>(shown.size()), book.DiveCount(), search.toStdString());
    choice.Shown = std::move(shown);
  }
  return choice;
}

// The dialog appears only when the job lasts long enough to need it.
QProgressDialog* ReportPrinting::NewProgress(const QString& text, int pages) {
  auto* dialog = new QProgressDialog(
      text, QCoreApplication::translate("scrb::MainWindow", "Cancel"), 0, pages, window_);
  dialog->setWindowTitle(QStringLiteral("Bathyscribe"));
  dialog->setWindowModality(Qt::WindowModal);
  dialog->setMinimumDuration(400);
  dialog->setAutoClose(false);
  dialog->setAutoReset(false);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->setValue(0);
  return dialog;
}

void ReportPrinting::Print() {
  const Choice choice = Choose(QCoreApplication::translate("scrb::MainWindow", "Print"));
  if (choice.Pages() == 0) return;
  const int pageCount = choice.Pages();
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setDocName(QCoreApplication::translate("scrb::MainWindow", "Bathyscribe dive report"));
  ApplyReportPageLayout(*printer);
  if (!dialogs_.RunPrintDialog(window_, *printer, pageCount)) return;
  int first = 1;
  int last = pageCount;
  if (printer->printRange() == QPrinter::PageRange && printer->fromPage() > 0) {
    first = printer->fromPage();
    last = std::max(first, printer->toPage());
  }
  // The paper may have changed in the dialog; the margins follow it, the resolution is the one
  // the pages are laid out at.
  printer->setResolution(kReportDpi);
  ApplyReportPageLayout(*printer);
  StartPrinting(std::move(printer), choice, first, last);
}

void ReportPrinting::StartPrinting(std::unique_ptr<QPrinter> printer, const Choice& choice,
                                   int first, int last) {
  busy_ = true;
  run_ = std::make_unique<Run>();
  run_->Printer = std::move(printer);
  run_->First = first;
  run_->Last = last;
  run_->Job = {
      &state_.Analysis(),
      choice.Dives,
      QFileInfo(QString::fromStdString(state_.Book().LogbookFile)).fileName().toStdString(),
      nullptr,
      choice.Scope,
      state_.Units()};
  run_->Progress =
      NewProgress(QCoreApplication::translate("scrb::MainWindow", "Printing the dive report..."),
                  last - first + 1);
  connect(run_->Progress, &QProgressDialog::canceled, this, [this] { EndPrinting(false); });
  if (!choice.Summary) {
    FeedPrinter();
    return;
  }
  // The summary is summed up first, off the interface thread.
  run_->Statistics =
      state_.SumUp(choice.Shown, StatisticsGrouping::Year, this, [this](LogbookStatistics stats) {
        if (!run_) return;
        run_->Summary = InUnits(std::move(stats), state_.Units());
        run_->Job.Summary = &*run_->Summary;
        FeedPrinter();
      });
}

// One page a turn of the event loop: the window repaints and takes the Cancel click between them.
void ReportPrinting::FeedPrinter() {
  if (!run_) return;
  if (!run_->Painter) {
    run_->Painter =
        std::make_unique<DiveReportPainter>(*run_->Printer, run_->Job, run_->First, run_->Last);
  }
  DiveReportPainter& painter = *run_->Painter;
  if (painter.AllPainted() || !painter.PaintNext()) {
    EndPrinting(painter.Finish());
    return;
  }
  if (run_->Progress) run_->Progress->setValue(painter.Done());
  QTimer::singleShot(0, this, &ReportPrinting::FeedPrinter);
}

void ReportPrinting::EndPrinting(bool painted) {
  if (!run_) return;
  const std::unique_ptr<Run> run = std::move(run_);
  const bool cancelled = run->Progress && run->Progress->wasCanceled();
  if (run->Statistics) run->Statistics->Cancelled = true;
  if (run->Progress) run->Progress->close();
  const QString pages = PagesText(run->Last - run->First + 1);
  if (painted && !run->Printer->outputFileName().isEmpty()) {
    // The print dialog's "print to file" wrote a file that the diver will look for.
    emit Status(QCoreApplication::translate("scrb::MainWindow", "Dive report written to %1: %2.")
                    .arg(QDir::toNativeSeparators(run->Printer->outputFileName()), pages));
  } else if (painted) {
    emit Status(
        QCoreApplication::translate("scrb::MainWindow", "Dive report sent to the printer: %1.")
            .arg(pages));
  } else {
    run->Painter.reset();
    run->Printer->abort();
    if (cancelled) {
      emit Status(QCoreApplication::translate("scrb::MainWindow", "Printing cancelled."));
    } else {
      dialogs_.ShowMessage(
          window_,
          QCoreApplication::translate("scrb::MainWindow", "The dive report could not be printed."));
    }
  }
  busy_ = false;
  emit Finished();
}

void ReportPrinting::ExportPdf() {
  const Choice choice = Choose(WindowText(kExportTitle));
  if (choice.Pages() == 0) return;
  const Logbook& book = state_.Book();
  const QFileInfo logbook(QString::fromStdString(book.LogbookFile));
  QString name = logbook.completeBaseName().isEmpty() ? "dive-report" : logbook.completeBaseName();
  if (choice.Dives.size() == 1) {
    name += "-dive-" + QString::fromStdString(GeneralNumber(
                           book.Dives[static_cast<size_t>(choice.Dives[0])].DiveNumber));
  }
  const QString path = dialogs_.ChoosePdfPath(window_, WindowText(kExportTitle),
                                              QString::fromStdString(book.LogbookFile), name);
  if (path.isEmpty()) return;

  busy_ = true;
  QPointer<QProgressDialog> progress =
      NewProgress(QCoreApplication::translate("scrb::MainWindow", "Writing the dive report..."),
                  choice.Pages());
  DiveReportJob job{&state_.Analysis(), choice.Dives,  logbook.fileName().toStdString(), nullptr,
                    choice.Scope,       state_.Units()};
  const QPageSize paper = LocalPaperSize();
  AnalysisCache& analysis = state_.Analysis();
  const Logbook* dives = &book;
  const UnitSystem units = state_.Units();
  pdfJob_ = state_.Run([this, job, choice, path, paper, progress, &analysis, dives,
                        units](const std::shared_ptr<BackgroundJob>& shared) mutable {
    // Written beside the target and put in its place when complete: a failed or cancelled export
    // never leaves half a report, nor costs the one that was there.
    std::optional<LogbookStatistics> summary;
    QString failure;
    if (choice.Summary) {
      std::optional<LogbookStatistics> metric =
          StatisticsOf(analysis, dives->Dives, choice.Shown, StatisticsGrouping::Year,
                       [&shared](size_t, size_t) { return !shared->Cancelled; });
      if (metric) {
        summary = InUnits(std::move(*metric), units);
        job.Summary = &*summary;
      } else {
        failure = QStringLiteral("the logbook changed while it was summed up");
      }
    }
    if (failure.isEmpty())
      failure = SaveFileThrough(path, [&](QIODevice& file) {
        return WriteDiveReportPdf(file, job, paper, [&](int done, int) {
          QMetaObject::invokeMethod(this, [progress, done] {
            if (progress) progress->setValue(done);
          });
          return !shared->Cancelled;
        });
      });
    const bool cancelled = shared->Cancelled;
    QMetaObject::invokeMethod(this, [this, progress, failure, cancelled, path,
                                     pages = choice.Pages()] {
      if (progress) progress->close();
      if (failure.isEmpty()) {
        emit Status(
            QCoreApplication::translate("scrb::MainWindow", "Dive report written to %1: %2.")
                .arg(QDir::toNativeSeparators(path), PagesText(pages)));
      } else if (cancelled) {
        emit Status(QCoreApplication::translate("scrb::MainWindow",
                                                "Export cancelled; nothing was written."));
      } else {
        dialogs_.ShowMessage(window_, QCoreApplication::translate(
                                          "scrb::MainWindow",
                                          "The dive report could not be written to %1.\r\n\r\n%2")
                                          .arg(QDir::toNativeSeparators(path), failure));
      }
      busy_ = false;
      emit Finished();
    });
  });
  std::shared_ptr<BackgroundJob> job2 = pdfJob_;
  connect(progress, &QProgressDialog::canceled, this, [job2] { job2->Cancelled = true; });
}

}  // namespace scrb
