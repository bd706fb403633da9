// The statistics from the command line: the stats command, the statistics charts of render and
// the summary page of report.

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "support/HostTools.h"
#include "cli/CliRun.h"
#include "cli/Commands.h"
#include "support/LogbookBuilder.h"
#include "support/PdfText.h"

namespace scrb::cli {
namespace {

using test::PdfPages;

namespace fs = std::filesystem;

// Three dives with profiles, a year apart at the most; the second has no depth, time or water
// temperature recorded and two partners.
const std::string& ThreeDives() {
  static const std::string path = [] {
    const test::ProfileBuilder profile{
        .Samples = test::ProfileBuilder::FromDepths({5, 12, 20, 24, 24, 22, 15, 10, 5, 3, 3, 2}),
        .Status = {0x10, 0x20, 0x30, 0x10}};
    test::EntryBuilder first{.Site = "Ger\x94llhalde", .MaxDepth = 2400, .Partners = "Anna"};
    first.Profile = profile.Bytes();
    test::EntryBuilder second = first;
    second.DayCount += 1;
    second.MaxDepth = second.DivingTimeMinutes = second.WaterTemperature = 0x7FFF;
    second.Partners = "Ben, Anna";
    second.DiveNumber = 8;
    test::EntryBuilder third = first;
    third.DayCount += 365;
    third.Site = "Pier";
    third.Partners = "";
    third.DiveNumber = 9;
    return test::WriteTempFile("three.log", test::BuildLogbook({first, second, third}));
  }();
  return path;
}

TEST(CliStats, JsonOfTheDivesTheSearchFindsGroupedAsAsked) {
  const CliRun all = Cli({"stats", ThreeDives(), "--format", "json"});
  ASSERT_EQ(all.Status, kExitOk) << all.Err;
  EXPECT_TRUE(Has(all.Out,
                  "{\"dives\": 3, \"dive_minutes\": 90, \"first_date\": \"1998-10-17\", "
                  "\"last_date\": \"1999-10-17\", \"mean_max_depth_m\": 24, "))
      << all.Out;
  EXPECT_TRUE(Has(all.Out, "\"groups\": [{\"key\": \"1998\", \"dives\": 2, \"dive_minutes\": 45"));

  // The search ignores case and accents; the dive with two partners counts for each.
  const CliRun found =
      Cli({"stats", ThreeDives(), "--search", "GEROLL", "--by", "partner", "--format", "json"});
  ASSERT_EQ(found.Status, kExitOk) << found.Err;
  EXPECT_TRUE(Has(found.Out, "{\"dives\": 2,")) << found.Out;
  EXPECT_TRUE(Has(found.Out, "\"groups\": [{\"key\": \"Anna\", \"dives\": 2,")) << found.Out;
  EXPECT_TRUE(Has(found.Out, "{\"key\": \"Ben\", \"dives\": 1,")) << found.Out;

  const CliRun none = Cli({"stats", ThreeDives(), "--search", "Elba", "--format", "json"});
  EXPECT_TRUE(Has(none.Out, "{\"dives\": 0, \"dive_minutes\": null,") &&
              Has(none.Out, "\"groups\": []}"))
      << none.Out;
}

TEST(CliStats, TextTheModelAndTrips) {
  const CliRun text = Cli({"stats", ThreeDives(), "--by", "trip"});
  ASSERT_EQ(text.Status, kExitOk) << text.Err;
  EXPECT_TRUE(Has(text.Out, "Dives: 3\n")) << text.Out;
  EXPECT_TRUE(Has(text.Out, "\nTrip\tDives\t")) << text.Out;
  EXPECT_TRUE(Has(text.Out, "\nLake, October 1998\t2\t0:45\t24.0\t")) << text.Out;
  // The over-saturation follows the model, as the profile command's does.
  const std::string model0 = Cli({"stats", ThreeDives(), "--format", "json"}).Out;
  const std::string model1 = Cli({"stats", ThreeDives(), "--format", "json", "--model", "1"}).Out;
  const auto oversaturation = [](const std::string& json) {
    return json.substr(json.find("\"highest_oversaturation\""));
  };
  EXPECT_NE(oversaturation(model0), oversaturation(model1));
  EXPECT_EQ(model0, Cli({"stats", ThreeDives(), "--format", "JSON", "--model", "0"}).Out);
}

TEST(CliStats, UsageErrors) {
  const std::string file = ThreeDives();
  const std::string png = (OutDir("usage") / "c.png").string();
  for (const Args& args :
       {Args{"stats", file, "--by", "weekday"}, Args{"stats", file, "--format", "xml"},
        Args{"stats", file, "--model", "3"}, Args{"stats", file, "--dive", "0"}, Args{"stats"},
        Args{"render", file, "--chart", "depth", "--dive", "0", "--search", "x", "--out", png}}) {
    const CliRun run = Cli(args);
    EXPECT_EQ(run.Status, kExitUsage) << testing::PrintToString(args);
    EXPECT_TRUE(run.Out.empty());
  }
  EXPECT_FALSE(fs::exists(png));
}

TEST(CliStats, StatisticsChartsRenderWithoutADive) {
  const fs::path dir = OutDir("render");
  const CliRun list = Cli({"render", "--list-charts"});
  for (const char* name : {"stats-years", "stats-depths", "stats-divetimes", "stats-water",
                           "stats-breath", "stats-oversaturation"}) {
    EXPECT_TRUE(Has(list.Out, std::string(name) + "\n")) << name;
    const std::string out = (dir / (std::string(name) + ".png")).string();
    const CliRun run =
        Cli({"render", ThreeDives(), "--chart", name, "--search", "pier", "--out", out});
    EXPECT_EQ(run.Status, kExitOk) << name << run.Err;
    EXPECT_GT(fs::file_size(out), 500u) << name;
  }
}

TEST(CliStats, ReportSummaryPageBeforeTheDivePages) {
  SCRB_NEEDS_TOOL("pdftotext");
  const std::string out = (OutDir("report") / "summary.pdf").string();
  ASSERT_EQ(Cli({"report", ThreeDives(), "--summary", "--out", out}).Status, kExitOk);
  std::vector<std::string> pages = PdfPages(out);
  ASSERT_EQ(pages.size(), 1u);
  for (const char* part : {"Logbook summary", "three.log", "3 dives", "Deepest dive:", "1998",
                           "1999", "Dives by maximum depth", "Page 1 of 1"}) {
    EXPECT_TRUE(Has(pages[0], part)) << part << "\n" << pages[0];
  }
  ASSERT_EQ(
      Cli({"report", ThreeDives(), "--summary", "--all", "--paper", "letter", "--out", out}).Status,
      kExitOk);
  pages = PdfPages(out);
  ASSERT_EQ(pages.size(), 4u);
  EXPECT_TRUE(Has(pages[0], "Logbook summary") && Has(pages[0], "Page 1 of 4"));
  EXPECT_TRUE(Has(pages[1], "Dive Number: 7") && Has(pages[1], "Page 2 of 4"));
  ASSERT_EQ(Cli({"report", ThreeDives(), "--summary", "--dive", "2", "--out", out}).Status,
            kExitOk);
  pages = PdfPages(out);
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_TRUE(Has(pages[1], "Dive Number: 9"));
}

}  // namespace
}  // namespace scrb::cli
