#include <gtest/gtest.h>

#include <sstream>

#include "cli/Commands.h"
#include "support/LogbookBuilder.h"

namespace scrb::cli {
namespace {

using test::BuildLogbook;
using test::EntryBuilder;

struct CliRun {
  int Status;
  std::string Out;
  std::string Err;
};

CliRun Cli(const std::vector<std::string>& arguments) {
  std::ostringstream out;
  std::ostringstream err;
  const int status = RunCli(arguments, out, err);
  return {status, out.str(), err.str()};
}

std::string TwoDiveFile() {
  EntryBuilder a;
  a.DiveNumber = 7;
  a.Location = "Lake";
  a.Site = "Pier";
  EntryBuilder b;
  b.DiveNumber = 12345;
  b.Location = "Sea";
  b.Site = "Caf\x82";
  return test::WriteTempFile("two.log", BuildLogbook({a, b}));
}

TEST(CliList, PrintsEntriesUnderTheDisplayOption) {
  const std::string file = TwoDiveFile();
  EXPECT_EQ(Cli({"list", file}).Out, "    7 - Pier\n12345 - Café\n");
  EXPECT_EQ(Cli({"list", file, "--display", "3"}).Out, "    7 - Pier, Lake\n12345 - Café, Sea\n");
  EXPECT_EQ(Cli({"list", file, "--display=0"}).Out, "    7 - Lake\n12345 - Sea\n");
  // The first file is opened, the others merged behind it.
  const CliRun merged = Cli({"list", file, file});
  EXPECT_EQ(merged.Status, kExitOk);
  EXPECT_EQ(merged.Out, "    7 - Pier\n12345 - Café\n    7 - Pier\n12345 - Café\n");
}

TEST(CliList, UsageErrors) {
  const std::string file = TwoDiveFile();
  for (const std::vector<std::string>& arguments :
       std::vector<std::vector<std::string>>{{},
                                             {"frobnicate", file},
                                             {"list"},
                                             {"list", file, "--display", "4"},
                                             {"list", file, "--display", "1x"},
                                             {"list", file, "--display"}}) {
    const CliRun run = Cli(arguments);
    EXPECT_EQ(run.Status, kExitUsage);
    EXPECT_TRUE(run.Out.empty());
    EXPECT_NE(run.Err.find("Usage: bathyscribe-cli"), std::string::npos);
  }
}

}  // namespace
}  // namespace scrb::cli

namespace scrb::cli {
namespace {

TEST(CliReports, DetailsDivesAndProfileNameTheirDive) {
  const std::string file = TwoDiveFile();
  const CliRun details = Cli({"details", file, "--dive", "1"});
  EXPECT_EQ(details.Status, kExitOk);
  EXPECT_EQ(details.Out.rfind("Dive Number: 12345\r\n", 0), 0u);

  const CliRun dives = Cli({"dives", file});
  EXPECT_EQ(dives.Status, kExitOk);
  EXPECT_EQ(dives.Out.rfind("Dive No\tDate\tTime\tDepth\tDuration\tLocation\tSite\tAir Consumption\t"
                            "Water Temperature\tTank Size\r\n7\t17/10/1998\t12:00\t18.98\t",
                            0),
            0u);

  for (const char* model : {"0", "1", "2"}) {
    const CliRun profile = Cli({"profile", file, "--dive", "0", "--model", model});
    EXPECT_EQ(profile.Status, kExitOk);
    EXPECT_NE(profile.Out.find("\r\nNo Data available\r\n"), std::string::npos);
  }
  const CliRun fifteen = Cli({"profile", file, "--dive", "0", "--model", "2"});
  EXPECT_NE(fifteen.Out.find("\tTissue 15\r\n"), std::string::npos);
  EXPECT_EQ(Cli({"profile", file, "--dive", "0", "--surface-pressure", "0.8"}).Status, kExitOk);

  for (const std::vector<std::string>& bad : std::vector<std::vector<std::string>>{
           {"details", file},
           {"details", file, "--dive", "2"},
           {"details", file, "--dive", "-1"},
           {"profile", file, "--dive", "0", "--model", "3"},
           {"profile", file, "--dive", "0", "--surface-pressure", "0.1"},
           {"profile", file, "--dive", "0", "--surface-pressure", "abc"}}) {
    EXPECT_EQ(Cli(bad).Status, kExitUsage) << bad.back();
  }
}

}  // namespace
}  // namespace scrb::cli
