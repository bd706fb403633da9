#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPrinter>
#include <QProgressDialog>
#include <numeric>

#include "app/MainWindow.h"
#include "app/UserDialogs.h"
#include "render/ReportPainter.h"
#include "render/SaveFile.h"
#include "report/NumberFormat.h"

namespace scrb {
namespace {

constexpr const char* kExportTitle = "Export Dive Report as PDF";

// The dives the user wants in the report, in list order; empty when cancelled or none loaded.
std::vector<int> ChooseReportDives(QWidget* parent, UserDialogs& dialogs, const Logbook& book,
                                   const QString& title) {
  if (book.DiveCount() == 0) {
    dialogs.ShowMessage(parent, "There is no dive loaded to put in a report.");
    return {};
  }
  switch (dialogs.ChooseReportScope(parent, title, book.HasCurrentDive(), book.DiveCount())) {
    case ReportScope::CurrentDive:
      if (book.HasCurrentDive()) return {book.CurrentDive};
      return {};
    case ReportScope::AllDives: {
      std::vector<int> dives(static_cast<size_t>(book.DiveCount()));
      std::iota(dives.begin(), dives.end(), 0);
      return dives;
    }
    case ReportScope::Cancelled:
      break;
  }
  return {};
}

DiveReportJob MakeJob(AppContext& context, std::vector<int> dives) {
  return {&context.Analysis, std::move(dives),
          QFileInfo(QString::fromStdString(context.Book.LogbookFile)).fileName().toStdString()};
}

// A long logbook takes a while: the window shows how far it got and lets the user stop it. The
// dialog appears only when the job lasts long enough to need it.
class ReportProgressDialog {
 public:
  ReportProgressDialog(QWidget* parent, const QString& text, int pages)
      : dialog_(text, "Cancel", 0, pages, parent) {
    dialog_.setWindowTitle("Bathyscribe");
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
  return pages == 1 ? QStringLiteral("1 page") : QStringLiteral("%1 pages").arg(pages);
}

}  // namespace

void MainWindow::PrintReport() {
  const std::vector<int> dives = ChooseReportDives(this, dialogs_, context_.Book, "Print");
  if (dives.empty()) return;
  const int pageCount = static_cast<int>(dives.size());
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName("Bathyscribe dive report");
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
  ReportProgressDialog progress(this, "Printing the dive report...", last - first + 1);
  if (PaintDiveReport(printer, MakeJob(context_, dives), first, last, progress.Callback())) {
    statusLabel_->setText("Dive report sent to the printer: " + PagesText(last - first + 1) + ".");
    return;
  }
  printer.abort();
  if (progress.Cancelled()) {
    statusLabel_->setText("Printing cancelled.");
    return;
  }
  ShowMessage("The dive report could not be printed.");
}

void MainWindow::ExportReportPdf() {
  const std::vector<int> dives = ChooseReportDives(this, dialogs_, context_.Book, kExportTitle);
  if (dives.empty()) return;
  const QFileInfo logbook(QString::fromStdString(context_.Book.LogbookFile));
  QString name = logbook.completeBaseName().isEmpty() ? "dive-report" : logbook.completeBaseName();
  if (dives.size() == 1) {
    name += "-dive-" + QString::fromStdString(GeneralNumber(
                           context_.Book.Dives[static_cast<size_t>(dives[0])].DiveNumber));
  }
  const QString folder =
      context_.Book.LogbookFile.empty() ? QDir::homePath() : logbook.absolutePath();
  QString path = dialogs_.ChooseSaveFile(this, kExportTitle, "PDF files (*.pdf)",
                                         QDir(folder).filePath(name + ".pdf"));
  if (path.isEmpty()) return;
  if (!path.endsWith(".pdf", Qt::CaseInsensitive)) path += ".pdf";

  // Written beside the target and put in its place when complete: a failed or cancelled export
  // never leaves half a report, nor costs the one that was there.
  ReportProgressDialog progress(this, "Writing the dive report...", static_cast<int>(dives.size()));
  const QString failure = SaveFileThrough(path, [&](QIODevice& file) {
    return WriteDiveReportPdf(file, MakeJob(context_, dives), LocalPaperSize(),
                              progress.Callback());
  });
  if (failure.isEmpty()) {
    statusLabel_->setText("Dive report written to " + QDir::toNativeSeparators(path) + ": " +
                          PagesText(static_cast<int>(dives.size())) + ".");
    return;
  }
  if (progress.Cancelled()) {
    statusLabel_->setText("Export cancelled; nothing was written.");
    return;
  }
  ShowMessage("The dive report could not be written to " + QDir::toNativeSeparators(path) +
              ".\r\n\r\n" + failure);
}

}  // namespace scrb
