// What each command does when an option is left out, as the user gets it: the text commands'
// output against the golden files of the option they default to, the report's paper, the chart's
// view.

#include <gtest/gtest.h>

#include <QProcess>
#include <sstream>

#include "support/HostTools.h"
#include "cli/Commands.h"
#include "support/LogbookBuilder.h"

namespace scrb::cli {
namespace {

std::string Cli(const std::vector<std::string>& arguments) {
  std::ostringstream out, err;
  EXPECT_EQ(RunCli(arguments, out, err), kExitOk) << err.str();
  return out.str();
}

std::string Golden(const std::string& name) {
  return test::ReadFile(test::SourcePath("tests/golden/" + name + ".txt"));
}

TEST(CliDefaults, TextCommandsShowDisplayOption1AndModel0) {
  const std::string sample = test::SourcePath("examples/sample.log");
  EXPECT_TRUE(Cli({"list", sample}) == Golden("list-display1"));
  EXPECT_TRUE(Cli({"profile", sample, "--dive", "2"}) == Golden("profile-dive02-model0"));
}

TEST(CliDefaults, ReportOnA4AndChartsInTheTallView) {
  SCRB_NEEDS_TOOL("pdfinfo");
  const std::string logbook = test::WriteTempFile("sample.log", test::SampleLogbook());
  const std::string pdf = logbook + ".pdf", svg = logbook + ".svg";
  Cli({"report", logbook, "--dive", "0", "--out", pdf});
  QProcess pdfinfo;
  pdfinfo.start("pdfinfo", {QString::fromStdString(pdf)});
  pdfinfo.waitForFinished(30000);
  EXPECT_TRUE(pdfinfo.readAllStandardOutput().contains("(A4)"));
  // The tall view of the alarm strip has the tx row.
  Cli({"render", logbook, "--dive", "0", "--chart", "alarms", "--out", svg});
  EXPECT_NE(test::ReadFile(svg).find(">tx</text>"), std::string::npos);
}

}  // namespace
}  // namespace scrb::cli
