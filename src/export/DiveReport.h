#pragma once

#include <string>
#include <vector>

#include "analysis/DiveAnalysis.h"
#include "charts/ChartSurface.h"
#include "charts/RegionSurface.h"
#include "export/PageText.h"
#include "logbook/DiveRecord.h"
#include "report/ReportTexts.h"
#include "saturation/DecoModel.h"

namespace scrb {

// Where a page sits in the printed set, for its footer.
struct ReportPageInfo {
  std::string LogbookName;  // the file name alone, without its folder
  int PageNumber = 1;
  int PageCount = 1;
  UnitSystem Units = UnitSystem::Metric;  // of the figures, captions and chart axes
};

// Everything a report page says in words, for a dive whose profile, air estimate and saturation
// have been worked out.
struct DiveReportTexts {
  std::string Title;
  std::vector<SummaryLine> LeftDetails;
  std::vector<SummaryLine> RightDetails;
  std::string DepthCaption;
  std::string TankCaption;
  std::string BreathCaption;
  std::string AirSummary;  // empty without an air estimate
  std::string SaturationCaption;
  std::string SaturationSummary;  // empty without saturation results
  std::string HeatMapCaption;
  std::string ModelLine;
  std::string FooterLeft;
  std::string FooterCentre;
  std::string FooterRight;
};

DiveReportTexts ReportPageTexts(const AnalysedDive& analysed, const DecoModel& model,
                                const ReportPageInfo& info);

// A report page laid out on a surface scaled in twips: every text with its box, the rules
// across the page, and the rectangles the charts are drawn into. Sizes come from the page and
// the surface's font alone, so the same layout serves A4, Letter and any printer's page.
struct ReportLayout {
  std::vector<PlacedText> Texts;
  std::vector<double> Rules;  // y of a thin line across the page
  SurfaceRect DepthChart;
  SurfaceRect AlarmStrip;
  SurfaceRect TankChart;
  SurfaceRect BreathChart;
  SurfaceRect SaturationChart;
  SurfaceRect TissueKey;  // the colour of each tissue's line, under the over-saturation chart
  // The tissue heat map under the key, where the page has room for it; else of no height.
  SurfaceRect HeatMap;

  // Everything that is drawn rather than written.
  std::vector<SurfaceRect> Graphics() const {
    std::vector<SurfaceRect> graphics{DepthChart,  AlarmStrip,      TankChart,
                                      BreathChart, SaturationChart, TissueKey};
    if (HeatMap.Height > 0) graphics.push_back(HeatMap);
    return graphics;
  }
};

ReportLayout LayoutReportPage(const DiveReportTexts& texts, const ChartSurface& page);

// One page of the dive report on a blank page surface (its printable area): the title, the
// logbook details, the depth chart with its alarm strip, the air charts, the over-saturation
// chart and, where it fits, the tissue heat map under the model, and a footer.
void DrawDiveReportPage(const AnalysedDive& analysed, const DecoModel& model,
                        const ReportPageInfo& info, ChartSurface& page);

}  // namespace scrb
