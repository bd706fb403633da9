#include <QDir>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPrinter>

#include "app/comparison/ComparisonWindow.h"
#include "app/dialogs/UserDialogs.h"
#include "render/PainterSurface.h"
#include "render/ReportPainter.h"
#include "render/SaveFile.h"

// The comparison on paper: printed, or saved as a PDF, on one landscape page.

namespace scrb {

namespace {

constexpr int kPageDpi = 300;

}  // namespace

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
  QStringList numbers;
  for (const ComparedDive& d : comparison_.Dives) numbers << QString::number(d.Number);
  const QString name =
      tr("dives-%1", "suggested file name; %1 is the dive numbers joined by hyphens")
          .arg(numbers.join('-'));
  const QString path =
      dialogs_.ChoosePdfPath(this, tr("Save the Comparison as PDF"),
                             QString::fromStdString(state_.Book().LogbookFile), name);
  if (path.isEmpty()) return;
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
