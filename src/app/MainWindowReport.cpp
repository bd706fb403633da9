#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPrinter>
#include <QProgressDialog>
#include <numeric>

#include "app/MainWindow.h"
#include "app/UserDialogs.h"
#include "overview/Statistics.h"
#include "overview/StatisticsTexts.h"
#include "render/ReportPainter.h"
#include "render/SaveFile.h"
#include "report/NumberFormat.h"

namespace scrb {
namespace {

constexpr const char* kExportTitle =
    QT_TRANSLATE_NOOP("scrb::MainWindow", "Export Dive Report as PDF");

// What the user wants in the report: the dives in list order, and whether a summary page comes
// first; no dives and no summary when cancelled or none loaded.
struct ReportChoice {
  std::vector<int> Dives;
  bool Summary = false;
  int Pages() const { return static_cast<int>(Dives.size()) + (Summary ? 1 : 0); }
};

ReportChoice ChooseReportDives(QWidget* parent, UserDialogs& dialogs, const Logbook& book,
                               const QString& title) {
  if (book.DiveCount() == 0) {
    dialogs.ShowMessage(parent,
                        QCoreApplication::translate("scrb::MainWindow",
                                                    "There is no dive loaded to put in a report."));
    return {};
  }
  std::vector<int> all(static_cast<size_t>(book.DiveCount()));
  std::iota(all.begin(), all.end(), 0);
  const std::vector<int> current =
      book.HasCurrentDive() ? std::vector<int>{book.CurrentDive} : std::vector<int>{};
  switch (dialogs.ChooseReportScope(parent, title, book.HasCurrentDive(), book.DiveCount())) {
    case ReportScope::CurrentDive:
      return {current, false};
    case ReportScope::AllDives:
      return {all, false};
    case ReportScope::SummaryAndCurrentDive:
      return {current, true};
    case ReportScope::SummaryAndAllDives:
      return {all, true};
    case ReportScope::Cancelled:
      break;
  }
  return {};
}

// The summary page sums up the dives the table shows, as the Statistics window does.
struct ReportSummary {
  std::optional<LogbookStatistics> Statistics;
  std::string Scope;
};

ReportSummary SummaryOf(AppContext& context, const ReportChoice& choice,
                        const std::vector<int>& shown, const QString& search) {
  if (!choice.Summary) return {};
  // Nothing stops this pass and nothing changes the analysis meanwhile: it always returns.
  const auto stats =
      StatisticsOf(context.Analysis, context.Book.Dives, shown, StatisticsGrouping::Year, {});
  if (!stats) return {};
  return {InUnits(*stats, context.Units),
          StatisticsTitle(static_cast<int>(shown.size()), context.Book.DiveCount(),
                          search.toStdString())};
}

DiveReportJob MakeJob(AppContext& context, const ReportChoice& choice,
                      const ReportSummary& summary) {
  return {&context.Analysis,
          choice.Dives,
          QFileInfo(QString::fromStdString(context.Book.LogbookFile)).fileName().toStdString(),
          summary.Statistics ? &*summary.Statistics : nullptr,
          summary.Scope,
          context.Units};
}

// A long logbook takes a while: the window shows how far it got and lets the user stop it. The
// dialog appears only when the job lasts long enough to need it.
class ReportProgressDialog {
 public:
  ReportProgressDialog(QWidget* parent, const QString& text, int pages)
      : dialog_(text, QCoreApplication::translate("scrb::MainWindow", "Cancel"), 0, pages, parent) {
    dialog_.setWindowTitle(QStringLiteral("Bathyscribe"));
    dialog_.setWindowModality(Qt::WindowModal);
    dialog_.setMinimumDuration(400);
    dialog_.setAutoClose(false);
    dialog_.setAutoReset(false);
  }
  ReportProgress Callback() {
    return [this](int done, int) {
      dialog_.setValue(done);
      QCoreApplication::processEvents();
      return !dialog_.wasCanceled();
    };
  }
  bool Cancelled() const { return dialog_.wasCanceled(); }

 private:
  QProgressDialog dialog_;
};

QString PagesText(int pages) {
  return pages == 1 ? QCoreApplication::translate("scrb::MainWindow", "1 page")
                    : QCoreApplication::translate("scrb::MainWindow", "%1 pages").arg(pages);
}

}  // namespace

void MainWindow::PrintReport() {
  const ReportChoice choice = ChooseReportDives(this, dialogs_, context_.Book, tr("Print"));
  if (choice.Pages() == 0) return;
  const int pageCount = choice.Pages();
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(tr("Bathyscribe dive report"));
  ApplyReportPageLayout(printer);
  if (!dialogs_.RunPrintDialog(this, printer, pageCount)) return;

  int first = 1;
  int last = pageCount;
  if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
    first = printer.fromPage();
    last = std::max(first, printer.toPage());
  }
  // The paper may have changed in the dialog; the margins follow it, the resolution is the one
  // the pages are laid out at.
  printer.setResolution(kReportDpi);
  ApplyReportPageLayout(printer);
  ReportProgressDialog progress(this, tr("Printing the dive report..."), last - first + 1);
  const ReportSummary summary = SummaryOf(context_, choice, ShownDives(), SearchText());
  if (PaintDiveReport(printer, MakeJob(context_, choice, summary), first, last,
                      progress.Callback())) {
    statusLabel_->setText(
        tr("Dive report sent to the printer: %1.").arg(PagesText(last - first + 1)));
    return;
  }
  printer.abort();
  if (progress.Cancelled()) {
    statusLabel_->setText(tr("Printing cancelled."));
    return;
  }
  ShowMessage(tr("The dive report could not be printed."));
}

void MainWindow::ExportReportPdf() {
  const ReportChoice choice = ChooseReportDives(this, dialogs_, context_.Book, tr(kExportTitle));
  if (choice.Pages() == 0) return;
  const std::vector<int>& dives = choice.Dives;
  const QFileInfo logbook(QString::fromStdString(context_.Book.LogbookFile));
  QString name = logbook.completeBaseName().isEmpty() ? "dive-report" : logbook.completeBaseName();
  if (dives.size() == 1) {
    name += "-dive-" + QString::fromStdString(GeneralNumber(
                           context_.Book.Dives[static_cast<size_t>(dives[0])].DiveNumber));
  }
  const QString folder =
      context_.Book.LogbookFile.empty() ? QDir::homePath() : logbook.absolutePath();
  QString path = dialogs_.ChooseSaveFile(this, tr(kExportTitle), tr("PDF files (*.pdf)"),
                                         QDir(folder).filePath(name + ".pdf"));
  if (path.isEmpty()) return;
  if (!path.endsWith(".pdf", Qt::CaseInsensitive)) path += ".pdf";

  // Written beside the target and put in its place when complete: a failed or cancelled export
  // never leaves half a report, nor costs the one that was there.
  ReportProgressDialog progress(this, tr("Writing the dive report..."), choice.Pages());
  const ReportSummary summary = SummaryOf(context_, choice, ShownDives(), SearchText());
  const QString failure = SaveFileThrough(path, [&](QIODevice& file) {
    return WriteDiveReportPdf(file, MakeJob(context_, choice, summary), LocalPaperSize(),
                              progress.Callback());
  });
  if (failure.isEmpty()) {
    statusLabel_->setText(tr("Dive report written to %1: %2.")
                              .arg(QDir::toNativeSeparators(path), PagesText(choice.Pages())));
    return;
  }
  if (progress.Cancelled()) {
    statusLabel_->setText(tr("Export cancelled; nothing was written."));
    return;
  }
  ShowMessage(tr("The dive report could not be written to %1.\r\n\r\n%2")
                  .arg(QDir::toNativeSeparators(path), failure));
}

}  // namespace scrb
