#pragma once

#include <string>
#include <vector>

#include "export/DiveReport.h"
#include "export/SummaryPage.h"
#include "support/RecordingSurface.h"

namespace scrb::test {

// The printable area of a sheet inside 15 mm margins; characters 90 twips wide and 190 high,
// about what an 8-point font gives.
RecordingSurface PrintableArea(double paperWidthMm, double paperHeightMm);

// A dive's report page drawn on `page` as the report prints it, and what is wrong with it: a
// text or line outside the page, two texts or a text and a chart on top of each other, a line
// outside every chart that is not a rule across the page. The one place the tests and the fuzz
// target lay out a page.
struct CheckedReportPage {
  ReportLayout Layout;
  std::vector<std::string> Faults;
};
CheckedReportPage DrawAndCheckReportPage(const DiveRecord& dive, const DecoModel& model,
                                         const ReportPageInfo& info, RecordingSurface& page);

// What is wrong with a drawn page laid out as given: a text or line outside the page, two texts
// or a text and a chart on top of each other, a line outside every chart that is not a rule.
std::vector<std::string> PageFaults(const std::vector<PlacedText>& texts,
                                    const std::vector<double>& rules,
                                    const std::vector<SurfaceRect>& charts,
                                    const RecordingSurface& page);

// The logbook summary page drawn on `page` as the report prints it, and what is wrong with it.
std::vector<std::string> DrawAndCheckSummaryPage(const LogbookStatistics& stats,
                                                 const std::string& scope,
                                                 const ReportPageInfo& info,
                                                 RecordingSurface& page);

}  // namespace scrb::test
