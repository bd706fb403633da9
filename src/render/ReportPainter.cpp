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

DiveReportPainter::DiveReportPainter(QPagedPaintDevice& device, const DiveReportJob& job,
                                     int firstPage, int lastPage)
    : job_(job),
      first_(std::max(firstPage, 1)),
      last_(std::min(lastPage, job.PageCount())),
      next_(first_) {
  if (job.Analysis == nullptr || first_ > last_) {
    failed_ = true;
    next_ = last_ + 1;
    return;
  }
  model_ = job.Analysis->Model();
  surface_ = std::make_unique<PainterSurface>(&device, QSizeF(device.width(), device.height()),
                                              device.logicalDpiX(), device.logicalDpiY());
  surface_->UsePalette(PaperPalette());
}

DiveReportPainter::~DiveReportPainter() = default;

bool DiveReportPainter::PaintNext() {
  if (failed_ || AllPainted()) return false;
  const int page = next_++;
  if (page > first_ && !surface_->NewPage()) return !(failed_ = true);
  const int summaryPages = job_.Summary != nullptr ? 1 : 0;
  const ReportPageInfo info{job_.LogbookName, page, job_.PageCount(), job_.Units};
  if (page <= summaryPages) {
    DrawSummaryPage(*job_.Summary, job_.SummaryScope, info, *surface_);
  } else {
    const auto dive =
        job_.Analysis->Analysed(job_.Dives[static_cast<size_t>(page - 1 - summaryPages)]);
    if (dive.Record == nullptr) return !(failed_ = true);
    DrawDiveReportPage(dive, model_, info, *surface_);
  }
  if (!surface_->Painting()) failed_ = true;
  return !failed_;
}

bool DiveReportPainter::Finish() {
  if (failed_ || !AllPainted()) return false;
  surface_->Finish();
  return true;
}

bool PaintDiveReport(QPagedPaintDevice& device, const DiveReportJob& job, int firstPage,
                     int lastPage, const ReportProgress& progress) {
  DiveReportPainter painter(device, job, firstPage, lastPage);
  while (!painter.AllPainted()) {
    if (!painter.PaintNext()) return false;
    if (progress && !progress(painter.Done(), painter.Total())) return false;
  }
  return painter.Finish();
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
