#include "export/DiveReport.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "air/AirCharts.h"
#include "air/AirModel.h"
#include "charts/AlarmStrip.h"
#include "charts/DepthChart.h"
#include "export/PageText.h"
#include "logbook/ProfileDecoder.h"
#include "logbook/Translation.h"
#include "report/NumberFormat.h"
#include "report/Units.h"
#include "saturation/Saturation.h"
#include "saturation/SaturationCharts.h"
#include "saturation/TissueHeatMap.h"
#include "saturation/TissueLegend.h"

namespace scrb {

namespace {

constexpr double kCaptionGap = 2 * kTwipsPerMillimetre;
// A long comment or partner list wraps, but never pushes the charts off the page.
constexpr int kMaxValueLines = 3;
// The General page's lines from the tank on go to the right-hand column.
constexpr size_t kFirstRightDetail = 10;
// Below this a chart's frame has no room for its margins; the chart is left out.
constexpr double kEmptyChartPadding = 1.5 * kTwipsPerMillimetre;

// Shares of the height left for the charts: depth, alarm strip, air, saturation.
constexpr double kDepthShare = 0.36;
constexpr double kStripShare = 0.15;
constexpr double kAirShare = 0.245;
// The heat map's share of that height, taken from the depth, air and saturation charts; the
// alarm strip keeps its rows. Under the least height its fifteen rows would be too thin to tell
// apart, and it is left out.
constexpr double kHeatMapShare = 0.16;
constexpr double kLeastHeatMapHeight = 24 * kTwipsPerMillimetre;

std::string Trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// At least one character, so that wrapping always moves on.
size_t FittingBytesOrOne(const std::string& text, double width, const ChartSurface& surface) {
  const size_t fit = FittingBytes(text, width, surface);
  if (fit > 0 || text.empty()) return fit;
  size_t first = 1;
  while (first < text.size() && (static_cast<unsigned char>(text[first]) & 0xC0) == 0x80) ++first;
  return first;
}

std::vector<std::string> WrapText(const std::string& text, double width,
                                  const ChartSurface& surface) {
  std::vector<std::string> lines;
  std::string rest = Trimmed(text);
  while (!rest.empty()) {
    if (lines.size() + 1 == kMaxValueLines || TextWidthOn(surface, rest) <= width) {
      lines.push_back(Elided(rest, width, surface));
      break;
    }
    const size_t fit = FittingBytesOrOne(rest, width, surface);
    size_t cut = rest.rfind(' ', fit);
    if (cut == std::string::npos || cut == 0) cut = fit;
    lines.push_back(Trimmed(rest.substr(0, cut)));
    rest = Trimmed(rest.substr(cut));
  }
  return lines;
}

std::string JoinNonEmpty(const std::vector<std::string>& parts, const std::string& separator) {
  std::string joined;
  for (const std::string& part : parts) {
    if (part.empty()) continue;
    if (!joined.empty()) joined += separator;
    joined += part;
  }
  return joined;
}

std::string ModelName(const DecoModel& model) {
  if (model.TissueCount == 0) return Tr("Report", "none loaded");
  const std::string caption = DecoModelCaption(model.DecoModelNumber);
  // A number outside the choices loads the 8-tissue tables.
  return caption.empty() ? DecoModelCaption(0) : caption;
}

void DrawBox(ChartSurface& page, const SurfaceRect& box) {
  page.Line(box.Left, box.Top, box.Right(), box.Top, PaperPalette().Grid);
  page.LineTo(box.Right(), box.Bottom(), PaperPalette().Grid);
  page.LineTo(box.Left, box.Bottom(), PaperPalette().Grid);
  page.LineTo(box.Left, box.Top, PaperPalette().Grid);
}

// Draws a chart into its rectangle of the page, when the rectangle can hold one. A chart with
// nothing to show gets a light box around its one line, so that the page does not read as if
// something failed to print.
void DrawChartIn(ChartSurface& page, const SurfaceRect& area, bool empty,
                 const std::function<void(ChartSurface&)>& draw) {
  if (area.Width < kSmallestChartTwips || area.Height < kSmallestChartTwips / 2) return;
  SurfaceRect inner = area;
  if (empty) {
    DrawBox(page, area);
    inner = {area.Left + kEmptyChartPadding, area.Top + kEmptyChartPadding,
             area.Width - 2 * kEmptyChartPadding, area.Height - 2 * kEmptyChartPadding};
  }
  RegionSurface region(page, inner);
  draw(region);
  page.SetDrawWidth(1);
}

}  // namespace

DiveReportTexts ReportPageTexts(const AnalysedDive& analysed, const DecoModel& model,
                                const ReportPageInfo& info) {
  const DiveRecord& dive = analysed.Dive();
  const AirEstimate& air = *analysed.Air;
  const DiveSummary summary = SummaryTexts(dive, info.Units);
  DiveReportTexts texts;
  const auto value = [&summary](size_t line) { return Trimmed(summary.Lines[line].Value); };
  texts.Title = JoinNonEmpty({summary.Heading, JoinNonEmpty({value(0), value(1)}, ", "),
                              JoinNonEmpty({value(2), value(3)}, ", ")},
                             " \u2013 ");
  for (size_t i = 0; i < summary.Lines.size(); ++i) {
    (i < kFirstRightDetail ? texts.LeftDetails : texts.RightDetails).push_back(summary.Lines[i]);
  }
  texts.DepthCaption = DepthChartTitle(dive, info.Units);
  texts.TankCaption = Tr("Charts", TankChartCaption(info.Units));
  texts.BreathCaption = Tr("Charts", BreathRateChartCaption(info.Units));
  if (air.BaseBreathRate != 0) {
    texts.AirSummary = AirSummaryCaption(air.BaseBreathRate, air.MaxBreathRate, info.Units);
  }
  texts.SaturationCaption = Tr("Charts", kOverSaturationChartCaption);
  texts.SaturationSummary = MaxOverSaturationText(*analysed.Profile, *analysed.Saturation, model);
  if (!texts.SaturationSummary.empty()) texts.HeatMapCaption = Tr("Charts", kTissueHeatMapCaption);
  texts.ModelLine = FillIn(
      Tr("Report", "Decompression model: %1, surface pressure %2"),
      {ModelName(model),
       info.Units == UnitSystem::Metric
           ? GeneralNumber(analysed.SurfacePressure) + " bar"
           : FormatIn(Quantity::Pressure, analysed.SurfacePressure, info.Units, "0.000") + " psi"});
  texts.FooterLeft = info.LogbookName;
  texts.FooterCentre = "Bathyscribe";
  texts.FooterRight = FillIn(Tr("Report", "Page %1 of %2"),
                             {GeneralNumber(info.PageNumber), GeneralNumber(info.PageCount)});
  return texts;
}

ReportLayout LayoutReportPage(const DiveReportTexts& texts, const ChartSurface& page) {
  ReportLayout layout;
  const double width = page.Width();
  const double height = page.Height();
  const double textHeight = std::fabs(page.TextHeight("Ag"));
  const double line = textHeight * kPageLineSpacing;
  const auto place = [&](const std::string& text, double x, double y, double room) {
    PlaceText(layout.Texts, page, text, x, y, room);
  };

  double y = 0;
  place(texts.Title, 0, y, width);
  y += line;
  layout.Rules.push_back(y + kPageGap / 2);
  y += kPageGap;

  // The details in two columns of caption and value, as the General page shows them.
  const double columnWidth = (width - kPageColumnGap) / 2;
  double detailsBottom = y;
  const auto column = [&](const std::vector<SummaryLine>& lines, double x) {
    double captionWidth = 0;
    for (const SummaryLine& l : lines)
      captionWidth = std::max(captionWidth, TextWidthOn(page, l.Caption));
    captionWidth = std::min(captionWidth + kCaptionGap, columnWidth / 2);
    double cy = y;
    for (const SummaryLine& l : lines) {
      place(l.Caption, x, cy, captionWidth - kCaptionGap);
      const std::vector<std::string> values = WrapText(l.Value, columnWidth - captionWidth, page);
      for (const std::string& v : values) {
        place(v, x + captionWidth, cy, columnWidth - captionWidth);
        cy += line;
      }
      if (values.empty()) cy += line;
    }
    detailsBottom = std::max(detailsBottom, cy);
  };
  column(texts.LeftDetails, 0);
  column(texts.RightDetails, columnWidth + kPageColumnGap);
  y = detailsBottom + kPageGap;

  // What is left between the details and the footer goes to the charts; seven text lines and
  // three gaps sit between them.
  const double footerTop = height - textHeight;
  const double chartSpace = std::max(0.0, footerTop - kPageGap - y - 7 * line - 3 * kPageGap);
  const double stripHeight = chartSpace * kStripShare;
  const double heatMapHeight = chartSpace * kHeatMapShare;
  const bool heatMap = !texts.HeatMapCaption.empty() && heatMapHeight >= kLeastHeatMapHeight;
  // With the heat map and its caption on the page the other charts shrink alike.
  const double shrink =
      heatMap ? (chartSpace - stripHeight - heatMapHeight - line) / (chartSpace - stripHeight) : 1;
  const double depthHeight = chartSpace * kDepthShare * shrink;
  const double airHeight = chartSpace * kAirShare * shrink;
  const double saturationHeight =
      (chartSpace - chartSpace * kDepthShare - stripHeight - chartSpace * kAirShare) * shrink;

  place(texts.DepthCaption, 0, y, width);
  y += line;
  layout.DepthChart = {0, y, width, depthHeight};
  y += depthHeight;
  layout.AlarmStrip = {0, y, width, stripHeight};
  y += stripHeight + kPageGap;

  const double rightColumn = columnWidth + kPageColumnGap;
  place(texts.TankCaption, 0, y, columnWidth);
  place(texts.BreathCaption, rightColumn, y, columnWidth);
  y += line;
  layout.TankChart = {0, y, columnWidth, airHeight};
  layout.BreathChart = {rightColumn, y, columnWidth, airHeight};
  y += airHeight;
  place(texts.AirSummary, 0, y, width);
  y += line + kPageGap;

  place(texts.SaturationCaption, 0, y, width);
  y += line;
  layout.SaturationChart = {0, y, width, saturationHeight};
  y += saturationHeight;
  layout.TissueKey = {0, y, width, textHeight};
  y += line;
  if (heatMap) {
    place(texts.HeatMapCaption, 0, y, width);
    y += line;
    layout.HeatMap = {0, y, width, heatMapHeight};
    y += heatMapHeight;
  }
  place(texts.SaturationSummary, 0, y, width);
  y += line;
  place(texts.ModelLine, 0, y, width);

  PlaceFooter(layout.Texts, layout.Rules, page, footerTop, texts.FooterLeft, texts.FooterCentre,
              texts.FooterRight);
  return layout;
}

void DrawDiveReportPage(const AnalysedDive& analysed, const DecoModel& model,
                        const ReportPageInfo& info, ChartSurface& page) {
  const DiveRecord& dive = analysed.Dive();
  const DecodedProfile& profile = *analysed.Profile;
  const AirEstimate& air = *analysed.Air;

  StartPage(page);
  const DiveReportTexts texts = ReportPageTexts(analysed, model, info);
  const ReportLayout layout = LayoutReportPage(texts, page);
  PrintPlaced(page, layout.Texts, layout.Rules);

  const bool noSamples = profile.SampleCount <= 0;
  const bool noAir = air.BaseBreathRate == 0;
  const bool noSaturation = texts.SaturationSummary.empty();
  DrawChartIn(page, layout.DepthChart, noSamples, [&](ChartSurface& s) {
    DrawDepthChart(dive, profile, s, info.Units, PaperPalette());
  });
  DrawChartIn(page, layout.AlarmStrip, noSamples,
              [&](ChartSurface& s) { DrawAlarmStrip(profile, s, 1, PaperPalette()); });
  DrawChartIn(page, layout.TankChart, noAir, [&](ChartSurface& s) {
    DrawTankChart(dive, profile, air, s, info.Units, PaperPalette());
  });
  DrawChartIn(page, layout.BreathChart, noAir, [&](ChartSurface& s) {
    DrawBreathRateChart(profile, air, s, info.Units, PaperPalette());
  });
  DrawChartIn(page, layout.SaturationChart, noSaturation, [&](ChartSurface& s) {
    DrawOverSaturationChart(profile, *analysed.Saturation, model, s, PaperPalette());
  });
  if (!noSaturation) DrawTissueKey(model, page, layout.TissueKey, PaperPalette());
  if (layout.HeatMap.Height > 0) {
    DrawChartIn(page, layout.HeatMap, false, [&](ChartSurface& s) {
      DrawTissueHeatMap(profile, *analysed.Saturation, model, s, PaperPalette());
    });
  }
}

}  // namespace scrb
