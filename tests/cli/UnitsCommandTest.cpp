// --units on the commands that show figures, on the example logbook.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/CliRun.h"
#include "support/LogbookBuilder.h"

namespace scrb::cli {
namespace {

std::string Sample() {
  return test::SourcePath("examples/sample.log");
}

std::string FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// Metric is exactly what the command wrote before it took the option; imperial differs.
TEST(UnitsOption, MetricIsTheDefaultAndImperialConverts) {
  const Args commands[] = {
      {"table", Sample(), "--columns", "number,maxdepth,watertemp,airused,tank,breathrate"},
      {"stats", Sample()},
      {"stats", Sample(), "--format", "json", "--by", "month"},
  };
  for (const Args& command : commands) {
    SCOPED_TRACE(command[0]);
    const CliRun plain = Cli(command);
    Args metric = command, imperial = command;
    metric.insert(metric.end(), {"--units", "Metric"});
    imperial.insert(imperial.end(), {"--units", "imperial"});
    EXPECT_EQ(plain.Status, kExitOk);
    EXPECT_EQ(Cli(metric).Out, plain.Out);
    const CliRun converted = Cli(imperial);
    EXPECT_EQ(converted.Status, kExitOk);
    EXPECT_NE(converted.Out, plain.Out);
  }
  // Spreadsheets get converted figures to two decimals, JSON all their digits; tanks stay litres.
  const auto table = [](const char* format) {
    return Cli({"table", Sample(), "--columns", "number,maxdepth,airused,tank,breathrate",
                "--units", "imperial", "--format", format, "--search", "101"})
        .Out;
  };
  EXPECT_EQ(table("csv"), "number,maxdepth,airused,tank,breathrate\n101,72.8,2030.53,10,0.57\n");
  EXPECT_EQ(table("tsv"),
            "number\tmaxdepth\tairused\ttank\tbreathrate\n101\t72.8\t2030.53\t10\t0.57\n");
  const std::string json = table("json");
  for (const char* figure : {"\"maxdepth\": 72.8018", "\"tank\": 10,", "\"breathrate\": 0.56593"})
    EXPECT_NE(json.find(figure), std::string::npos) << figure << "\n" << json;
  const std::string stats = Cli({"stats", Sample(), "--units", "imperial"}).Out;
  EXPECT_NE(stats.find("Deepest dive: 148 ft, dive 122"), std::string::npos) << stats;
  EXPECT_NE(stats.find("Coldest dive: 35.6 \u00B0F"), std::string::npos) << stats;
  EXPECT_NE(stats.find("\tDeepest (ft)\t"), std::string::npos) << stats;
  const std::string statsJson =
      Cli({"stats", Sample(), "--units", "imperial", "--format", "json"}).Out;
  EXPECT_NE(statsJson.find("\"max_depth_ft\": 147.6378"), std::string::npos) << statsJson;
  EXPECT_EQ(statsJson.find("_m\""), std::string::npos) << statsJson;
}

TEST(UnitsOption, ChartsAndReportsDrawInTheUnits) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "units-cli";
  std::filesystem::create_directories(folder);
  const auto render = [&](const std::string& chart, const std::string& name, Args options) {
    const std::string out = (folder / name).string();
    Args args = {"render", Sample(), "--chart", chart, "--out", out};
    args.insert(args.end(), options.begin(), options.end());
    EXPECT_EQ(Cli(args).Status, kExitOk) << chart;
    return FileBytes(out);
  };
  for (const std::string chart : {"depth", "speed", "tank", "breath", "pressure", "stats-depths"}) {
    const Args dive = chart.starts_with("stats") ? Args{} : Args{"--dive", "3"};
    Args metric = dive, imperial = dive;
    metric.insert(metric.end(), {"--units", "metric"});
    imperial.insert(imperial.end(), {"--units", "imperial"});
    const std::string plain = render(chart, chart + ".png", dive);
    EXPECT_EQ(render(chart, chart + "-metric.png", metric), plain) << chart;
    EXPECT_NE(render(chart, chart + "-imperial.png", imperial), plain) << chart;
  }
  const std::string report = (folder / "report.pdf").string();
  EXPECT_EQ(
      Cli({"report", Sample(), "--summary", "--dive", "0", "--out", report, "--units", "imperial"})
          .Status,
      kExitOk);
  EXPECT_GT(std::filesystem::file_size(report), 1000u);
  std::filesystem::remove_all(folder);
}

// A bad value is a usage error before any file is read; the commands whose texts stay metric do
// not take the option at all.
TEST(UnitsOption, BadValuesAndCommandsWithoutUnitsAreUsageErrors) {
  const Args bad[] = {
      {"table", "missing.log", "--units", "feet"},
      {"stats", "missing.log", "--units", ""},
      {"render", "missing.log", "--dive", "0", "--chart", "depth", "--out", "x.png", "--units",
       "ft"},
      {"report", "missing.log", "--dive", "0", "--out", "x.pdf", "--units", "METRICAL"},
  };
  for (const Args& args : bad) {
    const CliRun run = Cli(args);
    EXPECT_EQ(run.Status, kExitUsage) << args[0];
    EXPECT_NE(run.Err.find("--units takes metric or imperial, not \"" + args.back() + "\""),
              std::string::npos)
        << run.Err;
  }
  for (const char* command : {"list", "details", "dives", "profile", "export"}) {
    const CliRun run = Cli({command, Sample(), "--units", "imperial"});
    EXPECT_EQ(run.Status, kExitUsage) << command;
    EXPECT_NE(run.Err.find("does not take the option \"--units\""), std::string::npos) << run.Err;
  }
}

}  // namespace
}  // namespace scrb::cli
