// The report page on a recording surface: what it says, where everything goes at A4 and Letter,
// and that the charts stay inside their rectangles.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "charts/RegionSurface.h"
#include "export/DiveReport.h"
#include "support/LogbookBuilder.h"
#include "support/RecordingSurface.h"

namespace scrb {
namespace {

using test::RecordedOp;
using test::RecordingSurface;

constexpr double kTwipsPerMm = RecordingSurface::kTwipsPerMillimetre;

// The printable area inside 15 mm margins; characters 90 twips wide and 190 high, about what
// an 8-point font gives.
RecordingSurface PrintableArea(double paperWidthMm, double paperHeightMm) {
  return RecordingSurface((paperWidthMm - 30) * kTwipsPerMm, (paperHeightMm - 30) * kTwipsPerMm, 90,
                          190);
}

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
    RecordingSurface page = PrintableArea(width, height);
    const DiveRecord record = BusyDive();
    const AnalysedDive dive = AnalyseDive(record, model, record.SurfacePressure);
    DrawDiveReportPage(dive, model, {"trip.log", 1, 1}, page);

    const ReportLayout layout = LayoutReportPage(ReportPageTexts(dive, model, {}), page);
    std::vector<SurfaceRect> blocks = layout.Graphics();
    for (const PlacedText& text : layout.Texts) blocks.push_back(text.Box);
    const SurfaceRect area{0, 0, page.Width(), page.Height()};
    for (size_t i = 0; i < blocks.size(); ++i) {
      EXPECT_TRUE(area.Contains(blocks[i])) << i;
      for (size_t j = i + 1; j < blocks.size(); ++j)
        EXPECT_FALSE(blocks[i].Overlaps(blocks[j])) << i << " " << j;
    }
    // Charts get a fair share of the paper: the depth chart at least 5 cm high.
    EXPECT_GT(layout.DepthChart.Height, 50 * kTwipsPerMm);
    EXPECT_GT(layout.TankChart.Height, 30 * kTwipsPerMm);
    EXPECT_GT(layout.AlarmStrip.Height, 6 * 190);

    // Every line lies in a chart's rectangle or is a rule across the page; every text inside.
    for (const RecordedOp& op : page.Lines()) {
      const SurfaceRect line{std::min(op.X1, op.X2), std::min(op.Y1, op.Y2),
                             std::fabs(op.X2 - op.X1), std::fabs(op.Y2 - op.Y1)};
      const bool inChart = std::ranges::any_of(
          layout.Graphics(), [&](const SurfaceRect& r) { return r.Contains(line); });
      const bool isRule = std::ranges::count(layout.Rules, op.Y1) > 0 && op.Y1 == op.Y2;
      EXPECT_TRUE(inChart || isRule) << op.X1 << "," << op.Y1 << " " << op.X2 << "," << op.Y2;
    }
    for (const RecordedOp& op : page.Prints()) {
      EXPECT_TRUE(area.Contains({op.X1, op.Y1, page.TextWidth(op.Text), page.TextHeight(op.Text)}))
          << op.Text;
    }
    // The long comment wraps and ends elided rather than running over the page.
    const auto texts = page.Texts();
    EXPECT_TRUE(
        std::ranges::any_of(texts, [](const std::string& t) { return t.ends_with("\u2026"); }));
    EXPECT_TRUE(std::ranges::any_of(
        texts, [](const std::string& t) { return t.starts_with("Max Oversaturation = "); }));
  }
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
    RecordingSurface page = PrintableArea(210, 297);
    const AnalysedDive analysed = AnalyseDive(record, model, record.SurfacePressure);
    DrawDiveReportPage(analysed, model, {}, page);
    std::vector<std::string> states = page.Texts();
    std::erase_if(states, [](const std::string& t) { return !t.ends_with(" available"); });
    EXPECT_EQ(states, expected);
    EXPECT_TRUE(ReportPageTexts(analysed, model, {}).AirSummary.empty());
  }
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

}  // namespace
}  // namespace scrb
