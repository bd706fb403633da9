// The example logbook through the program as a script runs it, byte for byte against the files
// that tools/update-golden wrote into tests/golden/. A difference is either a fault or a change
// meant: then rerun tools/update-golden and review its diff as code.

#include <gtest/gtest.h>

#include <QProcess>
#include <QStringList>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "logbook/FilePath.h"
#include "logbook/LogbookReader.h"
#include "support/LogbookBuilder.h"

namespace scrb {
namespace {

// Runs the program on a logbook, the example one unless another is named; its output and exit
// status.
std::pair<std::string, int> RunCli(const std::string& command, const std::string& options,
                                   const std::string& logbook = "") {
  QStringList arguments = {
      QString::fromStdString(command),
      QString::fromStdString(logbook.empty() ? test::SourcePath("examples/sample.log") : logbook)};
  if (!options.empty()) arguments += QString::fromStdString(options).split(' ');
  QProcess cli;
  cli.start(BATHYSCRIBE_CLI, arguments);
  if (!cli.waitForFinished(60000) || cli.exitStatus() != QProcess::NormalExit) return {"", -1};
  return {cli.readAllStandardOutput().toStdString(), cli.exitCode()};
}

// The same names and arguments as tools/update-golden.
TEST(GoldenOutput, EveryTextCommandOnTheExampleLogbook) {
  std::vector<DiveRecord> dives;
  ParseLogbook(test::SampleLogbook(), dives);
  ASSERT_FALSE(dives.empty());
  std::vector<std::tuple<std::string, std::string, std::string>> cases{{"dives", "dives", ""}};
  for (const std::string display : {"0", "1", "2", "3"})
    cases.emplace_back("list-display" + display, "list", "--display " + display);
  for (size_t dive = 0; dive < dives.size(); ++dive) {
    const std::string n = std::to_string(dive);
    const std::string name = (dive < 10 ? "dive0" : "dive") + n;
    cases.emplace_back("details-" + name, "details", "--dive " + n);
    for (const std::string model : {"0", "1", "2"}) {
      cases.emplace_back("profile-" + name + "-model" + model, "profile",
                         "--dive " + n + " --model " + model);
    }
  }
  for (const auto& [file, command, options] : cases) {
    const std::string golden = test::ReadFile(test::SourcePath("tests/golden/" + file + ".txt"));
    const auto [out, status] = RunCli(command, options);
    EXPECT_EQ(status, 0) << command << " " << options;
    EXPECT_FALSE(golden.empty()) << "tests/golden/" << file << ".txt is missing";
    // Not EXPECT_EQ: a whole profile printed twice would bury the name of the file.
    EXPECT_TRUE(out == golden) << command << " " << options << " differs from " << file << ".txt";
  }
}

// A logbook in a folder and under a name with spaces and letters that no single Windows code page
// holds reads as any other: the program takes its arguments whole, as the system passed them.
TEST(GoldenOutput, ALogbookNamedInAnyLetters) {
  const std::filesystem::path folder =
      PathFromUtf8(test::WriteTempFile("unused.log", "")).parent_path() /
      PathFromUtf8("Tauchgänge Łódź");
  std::filesystem::create_directories(folder);
  const std::filesystem::path logbook = folder / PathFromUtf8("Logbuch Jürgen ΩΔ.log");
  std::ofstream(logbook, std::ios::binary) << test::SampleLogbook();
  const auto [out, status] = RunCli("dives", "", Utf8FromPath(logbook));
  EXPECT_EQ(status, 0);
  EXPECT_TRUE(out == test::ReadFile(test::SourcePath("tests/golden/dives.txt"))) << out;
}

}  // namespace
}  // namespace scrb
