// The command line as scripts meet it: what each command prints, the exit statuses, the chart
// files, and what a damaged logbook still yields.

#include <gtest/gtest.h>

#include <QImage>
#include <QString>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/Commands.h"
#include "support/LogbookBuilder.h"

namespace scrb::cli {
namespace {

using Args = std::vector<std::string>;

struct CliRun {
  int Status;
  std::string Out;
  std::string Err;
};

CliRun Cli(const Args& arguments) {
  std::ostringstream out;
  std::ostringstream err;
  const int status = RunCli(arguments, out, err);
  return {status, out.str(), err.str()};
}

size_t LineCount(const std::string& text) {
  return static_cast<size_t>(std::ranges::count(text, '\n'));
}

// Dive 0 has a profile with an ascent alarm in the middle, dive 1 has none.
const std::string& TwoDiveFile() {
  static const std::string path = [] {
    test::ProfileBuilder profile;
    profile.Samples = test::ProfileBuilder::FromDepths({5, 12, 20, 24, 24, 22, 15, 10, 5, 3, 3, 2},
                                                       {0, 0, 0, 0, 4, 4, 0, 0, 0, 0, 32, 1});
    test::EntryBuilder withProfile;
    withProfile.Profile = profile.Bytes();
    withProfile.MaxDepth = 2400;
    test::EntryBuilder empty;
    empty.DiveNumber = 12345;
    empty.Location = "Sea";
    empty.Site = "Caf\x82";
    return test::WriteTempFile("two.log", test::BuildLogbook({withProfile, empty}));
  }();
  return path;
}

std::string OutPath(const std::string& name) {
  const auto dir = std::filesystem::temp_directory_path() / "bathyscribe-cli-test";
  std::filesystem::create_directories(dir);
  return (dir / name).string();
}

TEST(Cli, ListPrintsEntriesUnderTheDisplayOption) {
  const std::string file = TwoDiveFile();
  EXPECT_EQ(Cli({"list", file}).Out, "    7 - Pier\n12345 - Café\n");
  EXPECT_EQ(Cli({"list", file, "--display=3"}).Out, "    7 - Pier, Lake\n12345 - Café, Sea\n");
  // The first file is opened, the others merged behind it.
  const CliRun merged = Cli({"list", file, file});
  EXPECT_EQ(merged.Status, kExitOk);
  EXPECT_EQ(merged.Out, "    7 - Pier\n12345 - Café\n    7 - Pier\n12345 - Café\n");
}

TEST(Cli, ReportsNameTheirDive) {
  const std::string file = TwoDiveFile();
  const CliRun details = Cli({"details", file, "--dive", "1"});
  EXPECT_EQ(details.Status, kExitOk);
  EXPECT_TRUE(details.Out.starts_with("Dive Number: 12345\r\n"));
  EXPECT_TRUE(Cli({"dives", file})
                  .Out.starts_with("Dive No\tDate\tTime\tDepth\tDuration\tLocation\tSite\tAir "
                                   "Consumption\tWater Temperature\t"
                                   "Tank Size\r\n7\t17/10/1998\t12:00\t24\t"));
  EXPECT_NE(Cli({"profile", file, "--dive", "0", "--model", "2"}).Out.find("\tTissue 15\r\n"),
            std::string::npos);
  const CliRun empty = Cli({"profile", file, "--dive", "1", "--surface-pressure", "0.8"});
  EXPECT_EQ(empty.Status, kExitOk);
  EXPECT_NE(empty.Out.find("\r\nNo Data available\r\n"), std::string::npos);
}

TEST(Cli, BadRequestsAreUsageErrorsThatWriteNothing) {
  const std::string file = TwoDiveFile();
  const std::string out = OutPath("refused.png");
  const Args cases[] = {
      {},
      {"frobnicate", file},
      {"list", file, "--display", "1x"},
      {"details", file, "--dive", "2"},
      {"profile", file, "--dive", "0", "--model", "3"},
      {"profile", file, "--dive", "0", "--surface-pressure", "0.1"},
      {"render", file, "--dive", "0", "--chart", "sonar", "--out", out},
      {"render", file, "--dive", "0", "--chart", "depth", "--out", OutPath("x.bmp")},
      {"render", file, "--dive", "0", "--chart", "depth", "--out", out, "--size", "99999x9"},
      {"render", file, "--dive", "0", "--chart", "depth", "--out", out, "--view", "2"}};
  for (const Args& args : cases) {
    SCOPED_TRACE(testing::PrintToString(args));
    const CliRun run = Cli(args);
    EXPECT_EQ(run.Status, kExitUsage);
    EXPECT_TRUE(run.Out.empty());
    EXPECT_NE(run.Err.find("Usage: bathyscribe-cli"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(out));
  }
}

std::string Head(const std::string& path, size_t count) {
  std::ifstream in(path, std::ios::binary);
  std::string bytes(count, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(count));
  return bytes.substr(0, static_cast<size_t>(in.gcount()));
}

TEST(Cli, RenderWritesPngSvgAndPdf) {
  EXPECT_TRUE(Cli({"render", "--list-charts"}).Out.starts_with("depth\nalarms\nspeed\n"));
  const struct {
    std::string Chart;
    Args Extra;
    QSize Size;
  } pngs[] = {{"depth", {"--size", "320x200"}, QSize(320, 200)},
              {"alarms", {}, QSize(1200, 41)}};  // as high as on the Dive page
  for (const auto& c : pngs) {
    SCOPED_TRACE(c.Chart);
    const std::string out = OutPath(c.Chart + ".png");
    Args args = {"render", TwoDiveFile(), "--dive", "0", "--chart", c.Chart, "--out", out};
    args.insert(args.end(), c.Extra.begin(), c.Extra.end());
    ASSERT_EQ(Cli(args).Status, kExitOk);
    const QImage image(QString::fromStdString(out));
    EXPECT_EQ(image.size(), c.Size);
    // The ascent alarm shows in red on the profile and the strip.
    bool red = false;
    for (int y = 0; y < image.height() && !red; ++y) {
      for (int x = 0; x < image.width() && !red; ++x) red = image.pixel(x, y) == qRgb(255, 64, 64);
    }
    EXPECT_TRUE(red);
  }
  for (const auto& [name, dive, head] :
       {std::tuple{"depth.PDF", "0", "%PDF-"}, std::tuple{"empty.svg", "1", "<svg"}}) {
    const std::string out = OutPath(name);
    ASSERT_EQ(
        Cli({"render", TwoDiveFile(), "--dive", dive, "--chart", "depth", "--out", out}).Status,
        kExitOk);
    EXPECT_NE(Head(out, 400).find(head), std::string::npos) << name;
  }
}

TEST(Cli, UnreadableLogbookAndUnwritableOutput) {
  const CliRun missing = Cli({"list", "/nonexistent/no-such-logbook.log"});
  EXPECT_EQ(missing.Status, kExitUnreadable);
  EXPECT_NE(missing.Err.find("no-such-logbook.log"), std::string::npos);
  const CliRun unwritable = Cli({"render", TwoDiveFile(), "--dive", "0", "--chart", "depth",
                                 "--out", OutPath("nowhere/missing/chart.png")});
  EXPECT_EQ(unwritable.Status, kExitUnreadable);
  EXPECT_NE(unwritable.Err.find("cannot write"), std::string::npos);
}

TEST(Cli, ACutLogbookListsItsCompleteDivesAndFails) {
  const std::string sample = test::SampleLogbook();
  ASSERT_EQ(LineCount(Cli({"list", test::WriteTempFile("sample.log", sample)}).Out), 25u);
  const CliRun run =
      Cli({"list", test::WriteTempFile("cut.log", sample.substr(0, sample.size() / 2))});
  EXPECT_EQ(run.Status, kExitDamaged);
  EXPECT_GT(LineCount(run.Out), 5u);
  EXPECT_LT(LineCount(run.Out), 25u);
  EXPECT_NE(run.Err.find("the file ends inside dive"), std::string::npos) << run.Err;
}

}  // namespace
}  // namespace scrb::cli
