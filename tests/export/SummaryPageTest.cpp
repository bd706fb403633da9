// The logbook summary page on a recording surface: inside the printable area at A4 and Letter,
// whatever the logbook, and a yearly table that never pushes the charts off the page.

#include <gtest/gtest.h>

#include <algorithm>

#include "export/SummaryPage.h"
#include "logbook/Translation.h"
#include "overview/StatisticsCharts.h"
#include "support/RecordingSurface.h"
#include "support/ReportPageCheck.h"

namespace scrb {
namespace {

constexpr double kTwipsPerMm = test::RecordingSurface::kTwipsPerMillimetre;

// `years` years of dives at sites with long names, partners and every figure known.
LogbookStatistics Logbook(int years) {
  std::vector<DiveFigures> dives;
  for (int i = 0; i < years * 5; ++i) {
    DiveFigures d;
    d.Index = i;
    d.Number = 1000 + i;
    d.Date = (1970 + i / 5) * 10000 + (1 + i % 12) * 100 + 1 + i % 28;
    d.MaxDepth = 5 + i % 50;
    d.DiveMinutes = 20 + i % 70;
    d.WaterTemperature = 4 + i % 25;
    d.BreathRate = 12 + i % 15;
    d.OverSaturation = 50 + i % 60;
    d.Tissue = 1 + i % 8;
    d.Site = "North-eastern wall past the lighthouse " + std::to_string(i % 7);
    d.Partners = {"Anna-Katharina Oberhollenzer", "Ben"};
    dives.push_back(d);
  }
  return SumUp(dives, StatisticsGrouping::Year);
}

// Paper cannot be widened: every text of the page stands whole, wrapped where its room is narrow,
// chart titles too.
void ExpectNothingCut(const test::RecordingSurface& page) {
  for (const std::string& text : page.Texts()) {
    EXPECT_EQ(text.find("\u2026"), std::string::npos) << text;
    EXPECT_FALSE(text.ends_with("...")) << text;
  }
}

TEST(SummaryPage, InsideThePrintableAreaAtA4AndLetter) {
  for (const auto& [paper, width, height] :
       {std::tuple{"A4", 210.0, 297.0}, std::tuple{"Letter", 215.9, 279.4}}) {
    for (const int years : {0, 1, 12, 60}) {
      SCOPED_TRACE(testing::Message() << paper << ", " << years << " years");
      test::RecordingSurface page = test::PrintableArea(width, height);
      const LogbookStatistics stats = Logbook(years);
      EXPECT_EQ(test::DrawAndCheckSummaryPage(stats, "12 of 76 dives (search: Terlinden)",
                                              {"a-logbook-with-a-long-name.log", 1, 77}, page),
                std::vector<std::string>{});
      const SummaryPageLayout layout = LayoutSummaryPage(stats, "", {"x.log", 1, 1}, page);
      ASSERT_EQ(layout.Charts.size(), StatisticsCharts().size());
      for (const SurfaceRect& chart : layout.Charts) EXPECT_GT(chart.Height, 35 * kTwipsPerMm);
      const auto texts = page.Texts();
      const bool cut =
          std::ranges::any_of(texts, [](const std::string& t) { return t.ends_with(" more"); });
      // Twelve years fit whole under the wrapped summary on A4; the shorter Letter sheet keeps
      // its charts' height and shows fewer of them.
      if (years != 12 || std::string(paper) == "A4") EXPECT_EQ(cut, years == 60);
      ExpectNothingCut(page);
    }
  }
}

// Half as long again as English, as German often is.
std::string Longer(const char*, const char* text) {
  const std::string english(text);
  return english + " " + std::string(english.size() / 2, 'w');
}

TEST(SummaryPage, ALongerLanguageStaysInsideThePrintableArea) {
  SetTranslator(&Longer);
  struct Restore {
    ~Restore() { SetTranslator(nullptr); }
  } restore;
  for (const int years : {1, 60}) {
    test::RecordingSurface page = test::PrintableArea(210, 297);
    EXPECT_EQ(test::DrawAndCheckSummaryPage(Logbook(years), "12 of 76 dives",
                                            {"a-logbook-with-a-long-name.log", 1, 77}, page),
              std::vector<std::string>{})
        << years;
    ExpectNothingCut(page);
  }
}

}  // namespace
}  // namespace scrb
