// The table command and dives named by their number, as scripts meet them.

#include <gtest/gtest.h>

#include <sstream>

#include "cli/Commands.h"
#include "support/LogbookBuilder.h"

namespace scrb::cli {
namespace {

struct CliResult {
  int Status;
  std::string Out, Err;
};

CliResult Cli(const std::vector<std::string>& arguments) {
  std::ostringstream out, err;
  const int status = RunCli(arguments, out, err);
  return {status, out.str(), err.str()};
}

// Dive 0 has a profile and a comment that needs quoting in CSV; dive 1 recorded no depth or
// water temperature; dives 1 and 2 share their number. DOS byte 0x94 is "ö".
const std::string& TableFile() {
  static const std::string path = [] {
    const test::ProfileBuilder profile{
        .Samples = test::ProfileBuilder::FromDepths({5, 12, 20, 24, 24, 22, 15, 10, 5, 3, 3, 2})};
    test::EntryBuilder first{.Location = "Elba",
                             .MaxDepth = 2400,
                             .Comment = "Sun, \"calm\"\r\nsea",
                             .DiveNumber = 41,
                             .Profile = profile.Bytes()};
    test::EntryBuilder second{.DayCount = 145659,
                              .Location = "Ger\x94llhalde",
                              .MaxDepth = 0x7FFF,
                              .WaterTemperature = 0x7FFF,
                              .DiveNumber = 7};
    test::EntryBuilder third{.DayCount = 145700, .Location = "Elba", .DiveNumber = 7};
    return test::WriteTempFile("table.log", test::BuildLogbook({first, second, third}));
  }();
  return path;
}

TEST(TableCommand, DefaultColumnsAsTsv) {
  const CliResult run = Cli({"table", TableFile()});
  EXPECT_EQ(run.Status, kExitOk);
  EXPECT_EQ(run.Out,
            "number\tdate\ttime\tlocation\tsite\tmaxdepth\tdivetime\twatertemp\n"
            "41\t1998-10-17\t12:00\tElba\tPier\t24\t45\t15.48\n"
            "7\t1998-10-20\t12:00\tGeröllhalde\tPier\t\t45\t\n"
            "7\t1998-11-30\t12:00\tElba\tPier\t18.98\t45\t15.48\n");
}

TEST(TableCommand, CsvQuotingSortSearchAndJson) {
  EXPECT_EQ(Cli({"table", TableFile(), "--columns", "index,comment", "--format", "csv"}).Out,
            "index,comment\n0,\"Sun, \"\"calm\"\"\r\nsea\"\n1,\n2,\n");
  EXPECT_EQ(Cli({"table", TableFile(), "--columns", "index", "--sort", "maxdepth"}).Out,
            "index\n2\n0\n1\n");
  EXPECT_EQ(Cli({"table", TableFile(), "--columns", "index", "--sort", "maxdepth:desc"}).Out,
            "index\n0\n2\n1\n");
  EXPECT_EQ(
      Cli({"table", TableFile(), "--columns", "index,trip", "--search", "GEROLL 1998-10"}).Out,
      "index\ttrip\n1\tGeröllhalde, October 1998\n");
  const CliResult json =
      Cli({"table", TableFile(), "--columns", "number,maxdepth,breathrate,maxoversat", "--format",
           "json", "--model", "2", "--sort", "number"});
  EXPECT_EQ(json.Status, kExitOk);
  EXPECT_NE(json.Out.find("{\"number\": 7, \"maxdepth\": null, \"breathrate\": null, "
                          "\"maxoversat\": null}"),
            std::string::npos)
      << json.Out;
  EXPECT_NE(json.Out.find("{\"number\": 41, \"maxdepth\": 24, \"breathrate\": "), std::string::npos)
      << json.Out;
}

TEST(TableCommand, BadOptionsAreUsageErrors) {
  for (const std::vector<std::string>& args :
       std::vector<std::vector<std::string>>{{"table", TableFile(), "--columns", "number,depth"},
                                             {"table", TableFile(), "--sort", "number:up"},
                                             {"table", TableFile(), "--format", "xml"},
                                             {"table", TableFile(), "--model", "3"},
                                             {"table", TableFile(), "--dive", "0"}}) {
    const CliResult run = Cli(args);
    EXPECT_EQ(std::pair(run.Status, run.Out), std::pair(kExitUsage, std::string())) << args[2];
  }
}

// --number names the first dive with that number; a number no dive has is an error of its own.
TEST(TableCommand, DivesByTheirNumber) {
  EXPECT_EQ(Cli({"details", TableFile(), "--number", "7"}).Out,
            Cli({"details", TableFile(), "--dive", "1"}).Out);
  EXPECT_EQ(Cli({"profile", TableFile(), "--number", "41"}).Out,
            Cli({"profile", TableFile(), "--dive", "0"}).Out);
  const CliResult none = Cli({"details", TableFile(), "--number", "8"});
  EXPECT_EQ(std::tuple(none.Status, none.Out, none.Err),
            std::tuple(kExitUsage, std::string(),
                       std::string("bathyscribe-cli: No dive has the number 8.\n")));
  const CliResult both = Cli({"details", TableFile(), "--number", "7", "--dive", "1"});
  EXPECT_EQ(both.Status, kExitUsage);
  EXPECT_EQ(Cli({"report", TableFile(), "--number", "7", "--all", "--out", "x.pdf"}).Status,
            kExitUsage);
}

}  // namespace
}  // namespace scrb::cli
