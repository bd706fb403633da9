#include "export/SummaryPage.h"

#include <algorithm>
#include <cmath>

#include "export/PageText.h"
#include "logbook/Translation.h"
#include "overview/StatisticsCharts.h"
#include "overview/StatisticsTexts.h"

namespace scrb {

namespace {

constexpr double kCellGap = 1.5 * kTwipsPerMillimetre;
// The table never takes the room the charts need: at most this share of what is left.
constexpr double kTableShare = 0.4;
constexpr double kFirstColumnShare = 0.16;
constexpr int kChartColumns = 2;

// A heading "Deepest (m)" as two lines, the unit under the words.
std::pair<std::string, std::string> HeadingLines(const std::string& heading) {
  const size_t unit = heading.rfind(" (");
  if (unit == std::string::npos) return {heading, ""};
  return {heading.substr(0, unit), heading.substr(unit + 1)};
}

}  // namespace

SummaryPageLayout LayoutSummaryPage(const LogbookStatistics& stats, const std::string& scope,
                                    const ReportPageInfo& info, const ChartSurface& page) {
  SummaryPageLayout layout;
  const double width = page.Width();
  const double height = page.Height();
  const double textHeight = std::fabs(page.TextHeight("Ag"));
  const double line = textHeight * kPageLineSpacing;
  const auto place = [&](const std::string& text, double x, double y, double room) {
    PlaceText(layout.Texts, page, text, x, y, room);
  };

  double y = 0;
  place(FillIn(Tr("Report", "Logbook summary – %1"), {info.LogbookName}), 0, y, width);
  y += line;
  place(scope, 0, y, width);
  y += line;
  layout.Rules.push_back(y + kPageGap / 2);
  y += kPageGap;

  // The summary in two columns of caption and value.
  const std::vector<SummaryRow> rows = SummaryRows(stats);
  const size_t leftRows = (rows.size() + 1) / 2;
  const double columnWidth = (width - kPageColumnGap) / 2;
  for (size_t part = 0; part < 2; ++part) {
    const size_t from = part == 0 ? 0 : leftRows;
    const size_t to = part == 0 ? leftRows : rows.size();
    const double x = part == 0 ? 0 : columnWidth + kPageColumnGap;
    double captionWidth = 0;
    for (size_t n = from; n < to; ++n)
      captionWidth = std::max(captionWidth, TextWidthOn(page, rows[n].Label + ":"));
    captionWidth = std::min(captionWidth + kCellGap, columnWidth / 2);
    for (size_t n = from; n < to; ++n) {
      const double rowY = y + static_cast<double>(n - from) * line;
      place(rows[n].Label + ":", x, rowY, captionWidth - kCellGap);
      place(rows[n].Value, x + captionWidth, rowY, columnWidth - captionWidth);
    }
  }
  y += static_cast<double>(leftRows) * line;
  layout.Rules.push_back(y + kPageGap / 2);
  y += kPageGap;

  // The grouped table: a heading of two lines, then as many groups as its share holds.
  const double footerTop = height - textHeight;
  const double room = std::max(0.0, footerTop - kPageGap - y);
  const std::vector<std::string> headings = GroupColumnTitles(stats.GroupedBy, stats.Units);
  const double firstColumn = width * kFirstColumnShare;
  const double otherColumn = (width - firstColumn) / static_cast<double>(headings.size() - 1);
  const auto columnX = [&](size_t c) {
    return c == 0 ? 0 : firstColumn + otherColumn * static_cast<double>(c - 1);
  };
  const auto columnRoom = [&](size_t c) { return (c == 0 ? firstColumn : otherColumn) - kCellGap; };
  for (size_t c = 0; c < headings.size(); ++c) {
    const auto [words, unit] = HeadingLines(headings[c]);
    place(words, columnX(c), y, columnRoom(c));
    place(unit, columnX(c), y + line, columnRoom(c));
  }
  y += 2 * line;
  const int fitting = std::max(0, static_cast<int>((room * kTableShare - 2 * line) / line));
  const size_t groups = stats.Groups.size();
  const size_t shown = groups <= static_cast<size_t>(fitting)
                           ? groups
                           : static_cast<size_t>(std::max(0, fitting - 1));
  for (size_t g = 0; g < shown; ++g) {
    const std::vector<std::string> cells = GroupCells(stats.Groups[g], stats.Units);
    for (size_t c = 0; c < cells.size(); ++c) place(cells[c], columnX(c), y, columnRoom(c));
    y += line;
  }
  if (shown < groups && fitting > 0) {
    place(FillIn(Tr("Report", "and %1 more"), {std::to_string(groups - shown)}), 0, y, width);
    y += line;
  }
  y += kPageGap;

  // The charts, two a row, in what is left above the footer.
  const size_t charts = StatisticsCharts().size();
  const size_t chartRows = (charts + kChartColumns - 1) / kChartColumns;
  const double chartsBottom = footerTop - kPageGap;
  const double cellHeight = (chartsBottom - y - kPageGap * static_cast<double>(chartRows - 1)) /
                            static_cast<double>(chartRows);
  const double cellWidth = (width - kPageColumnGap) / kChartColumns;
  for (size_t n = 0; n < charts; ++n) {
    const double x = static_cast<double>(n % kChartColumns) * (cellWidth + kPageColumnGap);
    const double top = y + static_cast<double>(n / kChartColumns) * (cellHeight + kPageGap);
    if (cellHeight >= kSmallestChartTwips && cellWidth >= kSmallestChartTwips) {
      layout.Charts.push_back({x, top, cellWidth, cellHeight});
    }
  }

  PlaceFooter(layout.Texts, layout.Rules, page, footerTop, info.LogbookName, "Bathyscribe",
              FillIn(Tr("Report", "Page %1 of %2"),
                     {std::to_string(info.PageNumber), std::to_string(info.PageCount)}));
  return layout;
}

void DrawSummaryPage(const LogbookStatistics& stats, const std::string& scope,
                     const ReportPageInfo& info, ChartSurface& page) {
  page.Cls();
  page.Scale(0, 0, page.Width(), page.Height());
  page.SetDrawWidth(1);
  const SummaryPageLayout layout = LayoutSummaryPage(stats, scope, info, page);
  for (const PlacedText& text : layout.Texts) {
    page.SetCurrentX(text.Box.Left);
    page.SetCurrentY(text.Box.Top);
    page.Print(text.Text);
  }
  for (const double rule : layout.Rules)
    page.Line(0, rule, page.Width(), rule, PaperPalette().PageRule);
  for (size_t n = 0; n < layout.Charts.size(); ++n) {
    RegionSurface region(page, layout.Charts[n]);
    DrawStatisticsChart(StatisticsCharts()[n].Chart, stats, region, PaperPalette());
    page.SetDrawWidth(1);
  }
}

}  // namespace scrb
