// The report page on a recording surface: what it says, where everything goes at A4 and Letter,
// and that the charts stay inside their rectangles.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "charts/RegionSurface.h"
#include "export/DiveReport.h"
#include "export/ExportTexts.h"
#include "logbook/LogbookReader.h"
#include "logbook/Translation.h"
#include "report/ReportTexts.h"
#include "support/LogbookBuilder.h"
#include "support/RecordingSurface.h"
#include "support/ReportPageCheck.h"

namespace scrb {
namespace {

using test::RecordedOp;
using test::RecordingSurface;

constexpr double kTwipsPerMm = RecordingSurface::kTwipsPerMillimetre;

// A dive deeper than its logged maximum, with long free texts and every alarm flag somewhere.
DiveRecord BusyDive() {
  test::ProfileBuilder profile{.Status = std::vector<int>(40, 0x2B)};
  for (int k = 0; k < 120; ++k) {
    const double depth = std::min(45.0, k * 1.5) * (k < 100 ? 1 : (120 - k) / 20.0);
    profile.Samples.push_back({static_cast<int>(depth / 0.15625), k % 7 == 0 ? 63 : 0});
  }
  DiveRecord dive = test::MakeDecodedDive(profile);
  dive.MaxDepth = 30;  // samples reach 45 m: the chart draws past its plot area
  dive.DiveNumber = 1234;
  dive.Location = "Roatan, Bay Islands, Honduras, at the far end of the long northern wall";
  dive.Partners = "Anna, Ben, Chris, Dana, Eve, Frank, Gina, Hugo, Ines, Jack, Kim, Lou";
  dive.Comment = std::string(400, 'x') + " a turtle at the end of the reef";
  return dive;
}

TEST(DiveReport, EverythingStaysInsideThePrintableAreaWithoutOverlapAtA4AndLetter) {
  DecoModel model;
  LoadDecoModel(model, 2);
  for (const auto& [paper, width, height] :
       {std::tuple{"A4", 210.0, 297.0}, std::tuple{"Letter", 215.9, 279.4}}) {
    SCOPED_TRACE(paper);
    RecordingSurface page = test::PrintableArea(width, height);
    const DiveRecord dive = BusyDive();
    const auto [layout, faults] =
        test::DrawAndCheckReportPage(dive, model, {"trip.log", 1, 1}, page);
    EXPECT_EQ(faults, std::vector<std::string>{});
    // Charts get a fair share of the paper, the heat map under the over-saturation chart too;
    // the alarm strip keeps a text line a row.
    EXPECT_GT(layout.DepthChart.Height, 40 * kTwipsPerMm);
    EXPECT_GT(layout.TankChart.Height, 25 * kTwipsPerMm);
    EXPECT_GT(layout.AlarmStrip.Height, 6 * 190);
    EXPECT_GE(layout.HeatMap.Height, 24 * kTwipsPerMm);
    EXPECT_GT(layout.HeatMap.Top, layout.TissueKey.Bottom());
    EXPECT_FALSE(page.Fills().empty());

    // The long comment wraps and ends elided rather than running over the page.
    const auto texts = page.Texts();
    EXPECT_TRUE(
        std::ranges::any_of(texts, [](const std::string& t) { return t.ends_with("\u2026"); }));
    EXPECT_TRUE(std::ranges::any_of(
        texts, [](const std::string& t) { return t.starts_with("Max Oversaturation = "); }));
  }
}

// A language half as long again as English, as German often is, with the figures in place.
std::string Longer(const char*, const char* text) {
  const std::string english(text);
  return english + " " + std::string(english.size() / 2, 'w');
}

// On a page too short for its rows the heat map is left out and the charts keep the room they
// have without it; a dive without saturation results never gets one.
TEST(DiveReport, HeatMapOnlyWhereItFits) {
  DecoModel model;
  LoadDecoModel(model, 2);
  RecordingSurface small = test::PrintableArea(148, 210);
  const auto [layout, faults] = test::DrawAndCheckReportPage(BusyDive(), model, {}, small);
  EXPECT_EQ(faults, std::vector<std::string>{});
  EXPECT_EQ(layout.HeatMap.Height, 0);
  EXPECT_TRUE(small.Fills().empty());
  EXPECT_NEAR(layout.DepthChart.Height / layout.SaturationChart.Height, 0.36 / 0.245, 1e-9);
  RecordingSurface a4 = test::PrintableArea(210, 297);
  DiveRecord noSamples;
  EXPECT_EQ(test::DrawAndCheckReportPage(noSamples, model, {}, a4).Layout.HeatMap.Height, 0);
}

TEST(DiveReport, ALongerLanguageStaysOnThePageWhileExportsStayEnglish) {
  DecoModel model;
  LoadDecoModel(model, 0);
  Logbook book;
  book.Dives = {BusyDive()};
  const std::string english = AllDivesText(book) + DetailsText(book.Dives[0]);
  SetTranslator(&Longer);
  struct Restore {
    ~Restore() { SetTranslator(nullptr); }
  } restore;
  RecordingSurface page = test::PrintableArea(210, 297);
  const auto [layout, faults] =
      test::DrawAndCheckReportPage(book.Dives[0], model, {"trip.log", 1, 2}, page);
  EXPECT_EQ(faults, std::vector<std::string>{});
  const auto texts = page.Texts();
  EXPECT_TRUE(std::ranges::any_of(
      texts, [](const std::string& t) { return t.starts_with("Page 1 of 2 wwwww"); }));
  EXPECT_EQ(SummaryTexts(book.Dives[0], UnitSystem::Metric).Lines[0].Caption, "Date: ww");
  {
    const EnglishTexts exported;
    EXPECT_EQ(AllDivesText(book) + DetailsText(book.Dives[0]), english);
    EXPECT_EQ(SummaryTexts(book.Dives[0], UnitSystem::Metric).Lines[0].Caption, "Date:");
  }
  EXPECT_NE(AllDivesText(book) + DetailsText(book.Dives[0]), english);
}

TEST(DiveReport, DivesWithoutSamplesOrAirEstimateShowTheChartsEmptyStates) {
  DiveRecord noSamples;
  noSamples.DiveNumber = 3;
  DiveRecord noAir = BusyDive();
  noAir.AirConsumption = 0;
  DecoModel model;
  LoadDecoModel(model, 0);
  const std::string dive = "No Dive Data available", air = "No Air Data available";
  for (const auto& [record, expected] :
       {std::pair{noSamples, std::vector{dive, dive, air, air, dive}},
        std::pair{noAir, std::vector{air, air}}}) {
    RecordingSurface page = test::PrintableArea(210, 297);
    const AnalysedDive analysed = AnalyseDive(record, model, record.SurfacePressure);
    DrawDiveReportPage(analysed, model, {}, page);
    std::vector<std::string> states = page.Texts();
    std::erase_if(states, [](const std::string& t) { return !t.ends_with(" available"); });
    EXPECT_EQ(states, expected);
    EXPECT_TRUE(ReportPageTexts(analysed, model, {}).AirSummary.empty());
  }
}

// The surface pressure of each altitude class, as the page's model line states it; a class the
// logbook should not hold is taken as the highest.
TEST(DiveReport, ModelLineStatesEachAltitudeClassesSurfacePressure) {
  std::vector<test::EntryBuilder> entries(8);
  for (size_t c = 0; c < entries.size(); ++c) entries[c].AltitudeClass = static_cast<int>(c);
  std::vector<DiveRecord> dives;
  ParseLogbook(test::BuildLogbook(entries), dives);
  DecoModel model;
  LoadDecoModel(model, 0);
  std::string pressures;
  for (const DiveRecord& dive : dives) {
    const std::string line =
        ReportPageTexts(AnalyseDive(dive, model, dive.SurfacePressure), model, {}).ModelLine;
    pressures += line.substr(line.find("pressure ") + 9) + "|";
  }
  EXPECT_EQ(pressures, "1 bar|1 bar|0.815 bar|0.725 bar|0.61 bar|0.5 bar|0.5 bar|0.5 bar|");
}

TEST(RegionSurface, MapsTheChartsScaleOntoItsRectangleAndCutsWhatLeavesIt) {
  RecordingSurface page(10000, 10000, 100, 200);
  RegionSurface region(page, {1000, 2000, 4000, 1000});
  EXPECT_EQ(region.Width(), 4000);
  region.Scale(0, 100, 400, 0);  // y grows upward
  EXPECT_DOUBLE_EQ(region.TextWidth("ab"), 20);
  EXPECT_DOUBLE_EQ(region.TextHeight("ab"), -20);
  region.Line(0, 0, 400, 100, {1, 2, 3});
  region.Line(200, 50, 200, 250, {1, 2, 3});  // leaves through the top edge
  region.Line(500, 0, 600, 0, {1, 2, 3});     // wholly outside
  region.SetCurrentX(390);
  region.SetCurrentY(50);
  region.Print("label");      // would reach past the right edge
  std::vector<double> drawn;  // line ends, then the text's place
  for (const RecordedOp& op : page.Lines()) drawn.insert(drawn.end(), {op.X1, op.Y1, op.X2, op.Y2});
  for (const RecordedOp& op : page.Prints()) drawn.insert(drawn.end(), {op.X1, op.Y1});
  EXPECT_EQ(drawn,
            (std::vector<double>{1000, 3000, 5000, 2000, 3000, 2500, 3000, 2000, 4500, 2500}));
}

// Each byte is one character width here, the ellipsis three: a cut never splits "ü", never ends
// on a blank, and a room too small for the ellipsis gets nothing rather than an overflow.
TEST(PageText, ElidedFitsTheRoomAndCutsBetweenCharacters) {
  const RecordingSurface page;
  for (const auto& [text, room, shown] :
       {std::tuple{"K\u00fcsnacht", 900.0, "K\u00fcsnacht"},
        std::tuple{"K\u00fcsnacht", 899.0, "K\u00fcsn\u2026"},
        std::tuple{"K\u00fcsnacht", 500.0, "K\u2026"}, std::tuple{"ab cdef", 600.0, "ab\u2026"},
        std::tuple{"K\u00fcsnacht", 300.0, "\u2026"}, std::tuple{"K\u00fcsnacht", 299.0, ""}}) {
    EXPECT_EQ(Elided(text, room, page), shown) << text << " in " << room;
  }
}

}  // namespace
}  // namespace scrb
