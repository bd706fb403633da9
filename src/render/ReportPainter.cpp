#include "render/ReportPainter.h"

#include <QLocale>
#include <QPagedPaintDevice>
#include <QPdfWriter>
#include <algorithm>

#include "export/DiveReport.h"
#include "export/SummaryPage.h"
#include "render/PainterSurface.h"

namespace scrb {

void ApplyReportPageLayout(QPagedPaintDevice& device, const QPageSize& paper) {
  QPageLayout layout = device.pageLayout();
  if (paper.isValid()) layout.setPageSize(paper);
  layout.setOrientation(QPageLayout::Portrait);
  layout.setUnits(QPageLayout::Millimeter);
  const QMarginsF least = layout.minimumMargins();
  const auto margin = [](double needed) { return std::max(kReportMarginMillimetres, needed); };
  layout.setMargins(QMarginsF(margin(least.left()), margin(least.top()), margin(least.right()),
                              margin(least.bottom())));
  device.setPageLayout(layout);
}

bool PaintDiveReport(QPagedPaintDevice& device, const DiveReportJob& job, int firstPage,
                     int lastPage, const ReportProgress& progress) {
  const int pageCount = job.PageCount();
  const int summaryPages = job.Summary != nullptr ? 1 : 0;
  firstPage = std::max(firstPage, 1);
  lastPage = std::min(lastPage, pageCount);
  if (job.Analysis == nullptr || firstPage > lastPage) return false;
  const DecoModel model = job.Analysis->Model();

  PainterSurface surface(&device, QSizeF(device.width(), device.height()), device.logicalDpiX(),
                         device.logicalDpiY());
  for (int page = firstPage; page <= lastPage; ++page) {
    if (page > firstPage && !surface.NewPage()) return false;
    const ReportPageInfo info{job.LogbookName, page, pageCount, job.Units};
    if (page <= summaryPages) {
      DrawSummaryPage(*job.Summary, job.SummaryScope, info, surface);
    } else {
      const auto dive =
          job.Analysis->Analysed(job.Dives[static_cast<size_t>(page - 1 - summaryPages)]);
      if (dive.Record == nullptr) return false;
      DrawDiveReportPage(dive, model, info, surface);
    }
    if (!surface.Painting()) return false;
    if (progress && !progress(page - firstPage + 1, lastPage - firstPage + 1)) return false;
  }
  surface.Finish();
  return true;
}

bool WriteDiveReportPdf(QIODevice& out, const DiveReportJob& job, const QPageSize& paper,
                        const ReportProgress& progress) {
  if (job.PageCount() == 0) return false;
  QPdfWriter writer(&out);
  writer.setResolution(kReportDpi);
  writer.setCreator(QStringLiteral("Bathyscribe"));
  writer.setTitle(QStringLiteral("Dive report - ") + QString::fromStdString(job.LogbookName));
  ApplyReportPageLayout(writer, paper);
  return PaintDiveReport(writer, job, 1, job.PageCount(), progress);
}

QPageSize LocalPaperSize() {
  const QLocale::Territory territory = QLocale().territory();
  const bool letter = territory == QLocale::UnitedStates || territory == QLocale::Canada ||
                      territory == QLocale::Mexico || territory == QLocale::Chile ||
                      territory == QLocale::Colombia || territory == QLocale::Philippines;
  return QPageSize(letter ? QPageSize::Letter : QPageSize::A4);
}

}  // namespace scrb
