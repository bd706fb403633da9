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

TEST(CliList, UnreadableAndDamagedFiles) {
  const std::string file = TwoDiveFile();
  const CliRun missing = Cli({"list", file, file + ".missing"});
  EXPECT_EQ(missing.Status, kExitUnreadable);
  EXPECT_TRUE(missing.Out.empty());
  EXPECT_NE(missing.Err.find(file + ".missing"), std::string::npos);

  std::string bytes = BuildLogbook({EntryBuilder{}, EntryBuilder{}});
  bytes.resize(bytes.size() - 3);
  const CliRun damaged = Cli({"list", test::WriteTempFile("cut.log", bytes)});
  EXPECT_EQ(damaged.Status, kExitDamaged);
  EXPECT_EQ(damaged.Out, "    7 - Pier\n");
  EXPECT_NE(damaged.Err.find("the file ends inside dive 2 of 2"), std::string::npos);
}

}  // namespace
}  // namespace scrb::cli
