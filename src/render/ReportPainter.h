#pragma once

#include <QPageSize>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "analysis/AnalysisCache.h"
#include "logbook/Logbook.h"
#include "overview/Statistics.h"

class QIODevice;
class QPagedPaintDevice;

namespace scrb {

class PainterSurface;

// Pages are laid out at this resolution: the charts' pen widths, counted in its pixels, read well
// on paper (a 3-pixel data line is 0.8 mm), and the output stays vector at any resolution.
constexpr int kReportDpi = 96;
// No printer cuts this close to the edge, and the paper can be hole-punched.
constexpr double kReportMarginMillimetres = 15;

// The dives of one report, one page each, in the order given (indices into the dives of the
// analysis cache), each under the cache's model.
struct DiveReportJob {
  AnalysisCache* Analysis = nullptr;
  std::vector<int> Dives;
  std::string LogbookName;  // shown in every page's footer
  // When given, a logbook summary page of these statistics comes first; Scope names its dives.
  const LogbookStatistics* Summary = nullptr;
  std::string SummaryScope;
  UnitSystem Units = UnitSystem::Metric;  // of the dive pages; the summary carries its own

  int PageCount() const { return static_cast<int>(Dives.size()) + (Summary != nullptr ? 1 : 0); }
};

// Called after each page with the pages done and the pages to do; returning false stops the job.
using ReportProgress = std::function<bool(int done, int total)>;

// Portrait, the margins of the report (wider where the device needs more), on the given paper or,
// when it is invalid, on the paper the device already has (a printer's own choice).
void ApplyReportPageLayout(QPagedPaintDevice& device, const QPageSize& paper = QPageSize());

// Paints pages firstPage..lastPage (1-based, of the job's pages) one at a time, so that a printer
// that must be fed from the interface thread can be fed a page per turn of its event loop.
class DiveReportPainter {
 public:
  DiveReportPainter(QPagedPaintDevice& device, const DiveReportJob& job, int firstPage,
                    int lastPage);
  ~DiveReportPainter();
  DiveReportPainter(const DiveReportPainter&) = delete;
  DiveReportPainter& operator=(const DiveReportPainter&) = delete;

  // The next page; false when it could not be painted, after which nothing more is painted.
  bool PaintNext();
  // Ends the document once every page is painted; false when any page failed.
  bool Finish();
  bool AllPainted() const { return next_ > last_; }
  int Done() const { return next_ - first_; }
  int Total() const { return last_ - first_ + 1; }

 private:
  const DiveReportJob& job_;
  std::unique_ptr<PainterSurface> surface_;
  DecoModel model_;
  int first_;
  int last_;
  int next_;
  bool failed_ = false;
};

// Paints pages firstPage..lastPage (1-based, of the job's pages) on a device laid out by
// ApplyReportPageLayout at kReportDpi, one page drawn and handed on at a time. False when the
// device could not be painted on or the progress stopped the job.
bool PaintDiveReport(QPagedPaintDevice& device, const DiveReportJob& job, int firstPage,
                     int lastPage, const ReportProgress& progress = {});

// The whole report as a PDF into `out`, on A4 or Letter. False when there is nothing to write,
// the device could not be written, or the progress stopped the job.
bool WriteDiveReportPdf(QIODevice& out, const DiveReportJob& job, const QPageSize& paper,
                        const ReportProgress& progress = {});

// The paper a desktop in this locale expects: Letter in the United States and its neighbours,
// A4 elsewhere.
QPageSize LocalPaperSize();

}  // namespace scrb
