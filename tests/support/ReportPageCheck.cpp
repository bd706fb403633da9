#include "support/ReportPageCheck.h"

#include <algorithm>
#include <cmath>

namespace scrb::test {

namespace {

std::string Describe(const SurfaceRect& r) {
  return "(" + std::to_string(r.Left) + ", " + std::to_string(r.Top) + ", " +
         std::to_string(r.Width) + " x " + std::to_string(r.Height) + ")";
}

}  // namespace

RecordingSurface PrintableArea(double paperWidthMm, double paperHeightMm) {
  constexpr double kMarginsMm = 2 * 15;
  return RecordingSurface((paperWidthMm - kMarginsMm) * RecordingSurface::kTwipsPerMillimetre,
                          (paperHeightMm - kMarginsMm) * RecordingSurface::kTwipsPerMillimetre, 90,
                          190);
}

std::vector<std::string> PageFaults(const std::vector<PlacedText>& texts,
                                    const std::vector<double>& rules,
                                    const std::vector<SurfaceRect>& charts,
                                    const RecordingSurface& page) {
  std::vector<std::string> faults;
  const SurfaceRect area{0, 0, page.Width(), page.Height()};
  const auto inChart = [&](const SurfaceRect& r) {
    return std::ranges::any_of(charts, [&](const SurfaceRect& c) { return c.Contains(r); });
  };

  // The page's blocks as laid out: none over another, all on the page.
  std::vector<SurfaceRect> blocks = charts;
  for (const PlacedText& text : texts) blocks.push_back(text.Box);
  for (size_t i = 0; i < blocks.size(); ++i) {
    if (!area.Contains(blocks[i])) faults.push_back("block off the page: " + Describe(blocks[i]));
    for (size_t j = i + 1; j < blocks.size(); ++j) {
      if (blocks[i].Overlaps(blocks[j]))
        faults.push_back("blocks overlap: " + Describe(blocks[i]) + " " + Describe(blocks[j]));
    }
  }

  // What was drawn: every text on the page, the page's own texts clear of each other and of the
  // charts; every line in a chart or a rule across the page.
  std::vector<std::pair<std::string, SurfaceRect>> pageTexts;
  for (const RecordedOp& op : page.Prints()) {
    const SurfaceRect box{op.X1, op.Y1, page.TextWidth(op.Text), page.TextHeight(op.Text)};
    if (!area.Contains(box))
      faults.push_back("text off the page: " + op.Text + " " + Describe(box));
    if (!inChart(box)) pageTexts.emplace_back(op.Text, box);
  }
  for (size_t i = 0; i < pageTexts.size(); ++i) {
    for (const SurfaceRect& chart : charts) {
      if (pageTexts[i].second.Overlaps(chart))
        faults.push_back("text over a chart: " + pageTexts[i].first + " " + Describe(chart));
    }
    for (size_t j = i + 1; j < pageTexts.size(); ++j) {
      if (pageTexts[i].second.Overlaps(pageTexts[j].second))
        faults.push_back("texts overlap: " + pageTexts[i].first + " / " + pageTexts[j].first);
    }
  }
  for (const RecordedOp& op : page.Lines()) {
    const SurfaceRect line{std::min(op.X1, op.X2), std::min(op.Y1, op.Y2), std::fabs(op.X2 - op.X1),
                           std::fabs(op.Y2 - op.Y1)};
    const bool isRule =
        std::ranges::count(rules, op.Y1) > 0 && op.Y1 == op.Y2 && area.Contains(line);
    if (!inChart(line) && !isRule) faults.push_back("line outside the charts: " + Describe(line));
  }
  for (const RecordedOp& op : page.Fills()) {
    const SurfaceRect fill{std::min(op.X1, op.X2), std::min(op.Y1, op.Y2), std::fabs(op.X2 - op.X1),
                           std::fabs(op.Y2 - op.Y1)};
    if (!inChart(fill)) faults.push_back("fill outside the charts: " + Describe(fill));
  }
  return faults;
}

CheckedReportPage DrawAndCheckReportPage(const DiveRecord& dive, const DecoModel& model,
                                         const ReportPageInfo& info, RecordingSurface& page) {
  const AnalysedDive analysed = AnalyseDive(dive, model, dive.SurfacePressure);
  DrawDiveReportPage(analysed, model, info, page);
  CheckedReportPage checked;
  checked.Layout = LayoutReportPage(ReportPageTexts(analysed, model, info), page);
  checked.Faults =
      PageFaults(checked.Layout.Texts, checked.Layout.Rules, checked.Layout.Graphics(), page);
  return checked;
}

std::vector<std::string> DrawAndCheckSummaryPage(const LogbookStatistics& stats,
                                                 const std::string& scope,
                                                 const ReportPageInfo& info,
                                                 RecordingSurface& page) {
  DrawSummaryPage(stats, scope, info, page);
  const SummaryPageLayout layout = LayoutSummaryPage(stats, scope, info, page);
  return PageFaults(layout.Texts, layout.Rules, layout.Charts, page);
}

}  // namespace scrb::test
