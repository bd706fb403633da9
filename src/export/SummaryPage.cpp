#include "export/SummaryPage.h"

#include <algorithm>
#include <cmath>
#include <limits>

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
// The charts keep this height where the page has it: the table gives way to them, as it shows
// fewer groups and says how many more there are.
constexpr double kChartHeightWanted = 36 * kTwipsPerMillimetre;
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
  // Paper cannot be widened: every text of the summary is wrapped to its room, never cut short.
  const auto place = [&](const std::string& text, double x, double y, double room) {
    return static_cast<double>(PlaceWrapped(layout.Texts, page, text, x, y, room, line));
  };
  const auto lines = [&](const std::string& text, double room) {
    return static_cast<double>(WrappedLines(text, room, page).size());
  };

  double y = 0;
  y += place(FillIn(Tr("Report", "Logbook summary – %1"), {info.LogbookName}), 0, y, width) * line;
  y += place(scope, 0, y, width) * line;
  layout.Rules.push_back(y + kPageGap / 2);
  y += kPageGap;

  // The summary in two columns of caption and value, each row as high as its longer text. The
  // columns split where they come out most nearly as high, so that a long list of sites in one
  // does not leave the other half empty.
  const std::vector<SummaryRow> rows = SummaryRows(stats);
  const double columnWidth = (width - kPageColumnGap) / 2;
  double captionWidth = 0;
  for (const SummaryRow& row : rows)
    captionWidth = std::max(captionWidth, TextWidthOn(page, row.Label + ":"));
  captionWidth = std::min(captionWidth + kCellGap, columnWidth * 0.45);
  std::vector<double> rowLines;
  for (const SummaryRow& row : rows) {
    rowLines.push_back(std::max({lines(row.Label + ":", captionWidth - kCellGap),
                                 lines(row.Value, columnWidth - captionWidth), 1.0}));
  }
  size_t leftRows = 0;
  double best = std::numeric_limits<double>::infinity();
  for (size_t split = 0; split <= rows.size(); ++split) {
    double left = 0, right = 0;
    for (size_t n = 0; n < rows.size(); ++n) (n < split ? left : right) += rowLines[n];
    if (std::max(left, right) < best) {
      best = std::max(left, right);
      leftRows = split;
    }
  }
  double summaryBottom = y;
  for (size_t part = 0; part < 2; ++part) {
    const size_t from = part == 0 ? 0 : leftRows;
    const size_t to = part == 0 ? leftRows : rows.size();
    const double x = part == 0 ? 0 : columnWidth + kPageColumnGap;
    double rowY = y;
    for (size_t n = from; n < to; ++n) {
      place(rows[n].Label + ":", x, rowY, captionWidth - kCellGap);
      place(rows[n].Value, x + captionWidth, rowY, columnWidth - captionWidth);
      rowY += rowLines[n] * line;
    }
    summaryBottom = std::max(summaryBottom, rowY);
  }
  y = summaryBottom;
  layout.Rules.push_back(y + kPageGap / 2);
  y += kPageGap;

  // The grouped table. The figures' columns take the room of their widest word or cell; the
  // group's name takes the rest and wraps in it.
  const double footerTop = height - textHeight;
  const double room = std::max(0.0, footerTop - kPageGap - y);
  const std::vector<std::string> headings = GroupColumnTitles(stats.GroupedBy, stats.Units);
  std::vector<std::vector<std::string>> cells;
  for (const StatisticsGroup& group : stats.Groups) cells.push_back(GroupCells(group, stats.Units));
  // The widest piece between the places where a line may break.
  const auto widestWord = [&](const std::string& text) {
    double widest = 0;
    size_t start = 0;
    for (size_t i = 0; i <= text.size(); ++i) {
      if (i < text.size() && text[i] != ' ' && !(i > 0 && text[i - 1] == '-')) continue;
      widest = std::max(widest, TextWidthOn(page, text.substr(start, i - start)));
      start = i < text.size() && text[i] == ' ' ? i + 1 : i;
    }
    return widest;
  };
  // A heading's words on one line where the page has the room, else broken between them.
  std::vector<double> columnWidths(headings.size(), 0);
  double figures = 0;
  for (const bool whole : {true, false}) {
    figures = 0;
    for (size_t c = 1; c < headings.size(); ++c) {
      const std::string words = HeadingLines(headings[c]).first;
      double need = whole ? TextWidthOn(page, words) : widestWord(words);
      need = std::max(need, TextWidthOn(page, HeadingLines(headings[c]).second));
      for (const auto& row : cells) need = std::max(need, TextWidthOn(page, row[c]));
      columnWidths[c] = need + kCellGap;
      figures += columnWidths[c];
    }
    if (figures <= width * (1 - kFirstColumnShare)) break;
  }
  // The names take what they need, at least their share; the figures share what is left over
  // or, where they need more than the names leave them, give up room in proportion.
  double names = widestWord(headings[0]);
  for (const auto& row : cells) names = std::max(names, TextWidthOn(page, row[0]));
  const double first = std::clamp(width - figures, width * kFirstColumnShare,
                                  std::max(width * kFirstColumnShare, names + kCellGap));
  const double spread = figures > 0 ? (width - first) / figures : 1.0;
  columnWidths[0] = first;
  for (size_t c = 1; c < headings.size(); ++c) columnWidths[c] *= spread;
  std::vector<double> columnX(headings.size(), 0);
  for (size_t c = 1; c < headings.size(); ++c) columnX[c] = columnX[c - 1] + columnWidths[c - 1];
  const auto columnRoom = [&](size_t c) { return columnWidths[c] - kCellGap; };

  // A heading "Deepest (m)" has the unit on a line of its own under the words.
  double headingLines = 1;
  for (size_t c = 0; c < headings.size(); ++c) {
    const auto [words, unit] = HeadingLines(headings[c]);
    headingLines = std::max(headingLines, lines(words, columnRoom(c)) + lines(unit, columnRoom(c)));
  }
  const size_t chartRows = (StatisticsCharts().size() + kChartColumns - 1) / kChartColumns;
  const double chartsWanted = static_cast<double>(chartRows) * (kChartHeightWanted + kPageGap);
  const double tableRoom = std::max(0.0, std::min(room * kTableShare, room - chartsWanted));
  if ((headingLines + 1) * line <= tableRoom) {
    for (size_t c = 0; c < headings.size(); ++c) {
      const auto [words, unit] = HeadingLines(headings[c]);
      const double wordLines = place(words, columnX[c], y, columnRoom(c));
      place(unit, columnX[c], y + wordLines * line, columnRoom(c));
    }
    const double tableTop = y;
    y += headingLines * line;
    const auto rowLines = [&](size_t g) {
      double most = 1;
      for (size_t c = 0; c < cells[g].size(); ++c)
        most = std::max(most, lines(cells[g][c], columnRoom(c)));
      return most;
    };
    // As many groups as the share holds, keeping a line for "and N more" when some are left.
    size_t shown = 0;
    double used = y - tableTop;
    while (shown < cells.size()) {
      const double next = rowLines(shown) * line;
      const double reserve = shown + 1 < cells.size() ? line : 0;
      if (used + next + reserve > tableRoom) break;
      used += next;
      ++shown;
    }
    for (size_t g = 0; g < shown; ++g) {
      for (size_t c = 0; c < cells[g].size(); ++c) place(cells[g][c], columnX[c], y, columnRoom(c));
      y += rowLines(g) * line;
    }
    if (shown < cells.size()) {
      y += place(FillIn(Tr("Report", "and %1 more"), {std::to_string(cells.size() - shown)}), 0, y,
                 width) *
           line;
    }
  }
  y += kPageGap;

  // The charts, two a row, in what is left above the footer.
  const size_t charts = StatisticsCharts().size();
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
  StartPage(page);
  const SummaryPageLayout layout = LayoutSummaryPage(stats, scope, info, page);
  PrintPlaced(page, layout.Texts, layout.Rules);
  for (size_t n = 0; n < layout.Charts.size(); ++n) {
    RegionSurface region(page, layout.Charts[n]);
    DrawStatisticsChart(StatisticsCharts()[n].Chart, stats, region, PaperPalette());
    page.SetDrawWidth(1);
  }
}

}  // namespace scrb
