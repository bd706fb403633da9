#pragma once

#include <string>
#include <vector>

#include "export/DiveReport.h"
#include "overview/Statistics.h"

namespace scrb {

// The logbook summary page laid out on a surface scaled in twips: its texts, rules across the
// page, and one rectangle a statistics chart, in the order the charts are listed.
struct SummaryPageLayout {
  std::vector<PlacedText> Texts;
  std::vector<double> Rules;
  std::vector<SurfaceRect> Charts;
};

// `scope` says which dives are summed up ("76 dives", "12 of 76 dives (search: Elba)").
SummaryPageLayout LayoutSummaryPage(const LogbookStatistics& stats, const std::string& scope,
                                    const ReportPageInfo& info, const ChartSurface& page);

// The summary, the yearly table and the charts on one blank page surface (its printable area).
// The table is grouped as the statistics are; years print best.
void DrawSummaryPage(const LogbookStatistics& stats, const std::string& scope,
                     const ReportPageInfo& info, ChartSurface& page);

}  // namespace scrb
