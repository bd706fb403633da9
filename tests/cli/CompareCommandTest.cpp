// Dives side by side from the command line: the compare command and the comparison's charts.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "cli/CliRun.h"
#include "support/HostTools.h"
#include "support/LogbookBuilder.h"

namespace scrb::cli {
namespace {

namespace fs = std::filesystem;

// Four dives: two with profiles on one day, 50 minutes apart at the surface; a third with no
// profile and nothing measured; a fourth numbered as the first.
const std::string& FourDives() {
  static const std::string path = [] {
    const test::ProfileBuilder profile{
        .Samples = test::ProfileBuilder::FromDepths(
            {5, 12, 20, 24, 24, 24, 24, 24, 24, 22, 15, 10, 5, 3, 3, 2}),
        .Status = {0x10, 0x20, 0x30, 0x10, 0x10}};
    test::EntryBuilder first{.DiveTimeMinutes = 600, .Site = "Pier", .MaxDepth = 2400};
    first.Profile = profile.Bytes();
    first.DiveNumber = 7;
    test::EntryBuilder second = first;
    second.DiveTimeMinutes = 600 + 45 + 50;
    second.SurfaceIntervalMinutes = 50;
    second.DiveNumber = 8;
    test::EntryBuilder third = first;
    third.Profile.clear();
    third.MaxDepth = third.DivingTimeMinutes = third.WaterTemperature = 0x7FFF;
    third.DiveNumber = 9;
    third.DayCount += 1;
    test::EntryBuilder fourth = first;
    fourth.DayCount += 2;
    return test::WriteTempFile("four.log", test::BuildLogbook({first, second, third, fourth}));
  }();
  return path;
}

TEST(CliCompare, JsonInTheOrderGivenWithNullsAndTheCarriedOverDive) {
  const CliRun run = Cli({"compare", FourDives(), "--numbers", "9,8,7", "--format", "json",
                          "--repetitive", "--model", "1"});
  ASSERT_EQ(run.Status, kExitOk) << run.Err;
  EXPECT_TRUE(Has(run.Out,
                  "[{\"index\": 2, \"number\": 9, \"date\": \"1998-10-18\", \"site\": "
                  "\"Pier\", \"max_depth_m\": null, \"dive_minutes\": null, "
                  "\"water_c\": null, \"breath_rate_lpm\": null, "
                  "\"max_oversaturation_pct\": null, \"tissue\": null, "))
      << run.Out;
  EXPECT_TRUE(Has(run.Out,
                  "{\"index\": 1, \"number\": 8, \"date\": \"1998-10-17\", \"site\": "
                  "\"Pier\", \"max_depth_m\": 24, \"dive_minutes\": 45, \"water_c\": "
                  "15.48, "))
      << run.Out;
  EXPECT_TRUE(Has(run.Out, "\"surface_interval_min\": 50, \"carried\": true},\n {\"index\": 0"))
      << run.Out;
  // Without --repetitive no dive starts from the one before.
  const CliRun alone = Cli({"compare", FourDives(), "--dives", "0,1", "--format", "json"});
  EXPECT_FALSE(Has(alone.Out, "true")) << alone.Out;

  const CliRun imperial =
      Cli({"compare", FourDives(), "--dives", "0,1", "--format", "json", "--units", "imperial"});
  ASSERT_EQ(imperial.Status, kExitOk) << imperial.Err;
  for (const char* key : {"\"max_depth_ft\": 78.74016", "\"water_f\": 59.8", "breath_rate_cuftpm"})
    EXPECT_TRUE(Has(imperial.Out, key)) << key << "\n" << imperial.Out;

  const CliRun text = Cli({"compare", FourDives(), "--dives", "0,2"});
  ASSERT_EQ(text.Status, kExitOk) << text.Err;
  EXPECT_TRUE(Has(text.Out, "Dive number\t7\t9\nDate\t17/10/1998\t18/10/1998\n")) << text.Out;
  EXPECT_TRUE(Has(text.Out, "Maximum depth\t24.0 m\t-\n")) << text.Out;
}

TEST(CliCompare, RefusesWhatCannotBeCompared) {
  const struct {
    Args Arguments;
    const char* Message;
  } cases[] = {
      {{"--dives", "0"}, "at least two"},
      {{"--numbers", "7"}, "at least two"},
      {{"--dives", "0,1,2,3,0,1,2"}, "at most six"},
      {{"--dives", "0,4"},
       "bathyscribe-cli: dive 4 is not in the logbook (its dives are 0 to 3)\n"},
      {{"--numbers", "7,12"}, "bathyscribe-cli: no dive in the logbook has the number 12\n"},
      {{"--numbers", "8,8"}, "bathyscribe-cli: the dive number 8 is named twice\n"},
      // Two dives hold the number 7; the user named it twice all the same.
      {{"--numbers", "8,7,7"}, "bathyscribe-cli: the dive number 7 is named twice\n"},
      {{"--dives", "0,0"}, "bathyscribe-cli: dive 0 is named twice\n"},
      {{"--dives", "0,x"}, "--dives takes whole numbers"},
      {{"--dives", "0,,1"}, "--dives takes whole numbers"},
      {{"--dives", "0,1", "--numbers", "7,8"}, "not both"},
      {{}, "--dives I,J,... or --numbers N,M,... is required"},
      {{"--dives", "0,1", "--format", "csv"}, "--format takes text or json"},
      {{"--dives", "0,1", "--model", "3"}, "--model"},
      {{"--dives", "0,1", "--dive", "0"}, "does not take the option \"--dive\""},
  };
  for (const auto& c : cases) {
    Args arguments = {"compare", FourDives()};
    arguments.insert(arguments.end(), c.Arguments.begin(), c.Arguments.end());
    const CliRun run = Cli(arguments);
    EXPECT_EQ(run.Status, kExitUsage) << c.Message;
    EXPECT_TRUE(Has(run.Err, c.Message)) << run.Err;
    // One refusal a line, each with the way to the usage.
    EXPECT_TRUE(Has(run.Err, "\nTry 'bathyscribe-cli --help' for more information.\n")) << run.Err;
    EXPECT_EQ(std::count(run.Err.begin(), run.Err.end(), '\n'), 2) << run.Err;
    EXPECT_TRUE(run.Out.empty()) << run.Out;
  }
  // The list's length is refused before any file is read.
  EXPECT_TRUE(Has(Cli({"compare", "/no/such.log", "--dives", "1"}).Err, "at least two"));
}

// Each chart names the dives it draws in its legend, large or small; the one without a profile
// is drawn on none.
TEST(CliCompare, RendersTheThreeChartsWithTheirLegends) {
  SCRB_NEEDS_SVG();
  const fs::path dir = OutDir("charts");
  for (const char* chart : {"compare-depth", "compare-oversaturation", "compare-tank"}) {
    for (const char* size : {"640x300", "1200x600", "500x120"}) {
      const std::string out = (dir / (std::string(chart) + size + ".svg")).string();
      const CliRun run = Cli({"render", FourDives(), "--numbers", "7,8,9", "--chart", chart,
                              "--out", out, "--size", size});
      ASSERT_EQ(run.Status, kExitOk) << chart << ": " << run.Err;
      std::ifstream file(out);
      const std::string svg{std::istreambuf_iterator<char>(file), {}};
      EXPECT_TRUE(Has(svg, "7, 17/10/1998, Pier")) << chart << " " << size;
      EXPECT_TRUE(Has(svg, "8, 17/10/1998, Pier")) << chart << " " << size;
      EXPECT_FALSE(Has(svg, "9, 18/10/1998")) << chart << " " << size;
    }
  }
}

TEST(CliCompare, RenderRefusesMixedOptions) {
  const std::string out = (OutDir("refused") / "x.png").string();
  const struct {
    Args Arguments;
    const char* Message;
  } cases[] = {
      {{"--chart", "compare-depth", "--dive", "0"}, "--dives or --numbers"},
      {{"--chart", "compare-depth", "--dives", "1,5"}, "dive 5 is not"},
      {{"--chart", "depth", "--dives", "0,1"}, "compare-* charts only"},
  };
  for (const auto& c : cases) {
    Args arguments = {"render", FourDives(), "--out", out};
    arguments.insert(arguments.end(), c.Arguments.begin(), c.Arguments.end());
    const CliRun run = Cli(arguments);
    EXPECT_EQ(run.Status, kExitUsage) << c.Message;
    EXPECT_TRUE(Has(run.Err, c.Message)) << run.Err;
  }
  EXPECT_FALSE(fs::exists(out));
}

}  // namespace
}  // namespace scrb::cli
