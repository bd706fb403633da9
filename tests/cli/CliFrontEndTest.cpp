// The command line as scripts meet it: what each command prints, the exit statuses and the
// chart files.

#include <gtest/gtest.h>

#include <QImage>
#include <QString>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/Commands.h"
#include "support/LogbookBuilder.h"
#include "support/UddfSchema.h"

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

// Dive 0 has a profile, dive 1 has none.
const std::string& TwoDiveFile() {
  static const std::string path = [] {
    test::ProfileBuilder profile;
    profile.Samples = test::ProfileBuilder::FromDepths({5, 12, 20, 24, 24, 22, 15, 10, 5, 3, 3, 2});
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

TEST(Cli, EachCommandPrintsItsText) {
  const std::string file = TwoDiveFile();
  EXPECT_EQ(Cli({"list", file, "--display=3"}).Out, "    7 - Pier, Lake\n12345 - Café, Sea\n");
  // The first file is opened, the others merged behind it.
  const CliRun merged = Cli({"list", file, file});
  EXPECT_EQ(merged.Status, kExitOk);
  EXPECT_EQ(merged.Out, "    7 - Pier\n12345 - Café\n    7 - Pier\n12345 - Café\n");
  const CliRun details = Cli({"details", file, "--dive", "1"});
  EXPECT_EQ(details.Status, kExitOk);
  EXPECT_TRUE(details.Out.starts_with("Dive Number: 12345\r\n"));
  EXPECT_TRUE(Cli({"dives", file})
                  .Out.starts_with("Dive No\tDate\tTime\tDepth\tDuration\tLocation\tSite\tAir "
                                   "Consumption\tWater Temperature\t"
                                   "Tank Size\r\n7\t17/10/1998\t12:00\t24\t"));
  const CliRun empty = Cli({"profile", file, "--dive", "1", "--surface-pressure", "0.8"});
  EXPECT_EQ(empty.Status, kExitOk);
  EXPECT_NE(empty.Out.find("\r\nNo Data available\r\n"), std::string::npos);
}

TEST(Cli, BadRequestsAreUsageErrorsThatWriteNothing) {
  const std::string file = TwoDiveFile();
  const std::string out = OutPath("refused.png");
  const Args cases[] = {
      {},
      {"details", file, "--dive", "2"},
      {"profile", file, "--dive", "0", "--model", "3"},
      {"render", file, "--dive", "0", "--chart", "depth", "--out", OutPath("x.bmp")},
      {"render", file, "--dive", "0", "--chart", "depth", "--out", out, "--size", "99999x9"},
      {"list", file, "--display", "1x"}};
  for (const Args& args : cases) {
    SCOPED_TRACE(testing::PrintToString(args));
    const CliRun run = Cli(args);
    EXPECT_EQ(run.Status, kExitUsage);
    EXPECT_TRUE(run.Out.empty());
    EXPECT_NE(run.Err.find("Usage: bathyscribe-cli"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(out));
  }
}

TEST(Cli, RenderWritesPngSvgAndPdf) {
  const std::string png = OutPath("alarms.png");
  ASSERT_EQ(Cli({"render", TwoDiveFile(), "--dive", "0", "--chart", "alarms", "--out", png}).Status,
            kExitOk);
  const QImage image(QString::fromStdString(png));
  EXPECT_EQ(image.size(), QSize(1200, 41));  // as high as on the Dive page
  for (const auto& [name, dive, head] :
       {std::tuple{"depth.PDF", "0", "%PDF-"}, std::tuple{"empty.svg", "1", "<svg"}}) {
    const std::string out = OutPath(name);
    ASSERT_EQ(
        Cli({"render", TwoDiveFile(), "--dive", dive, "--chart", "depth", "--out", out}).Status,
        kExitOk);
    std::ifstream file(out, std::ios::binary);
    EXPECT_NE(std::string(std::istreambuf_iterator<char>(file), {}).find(head), std::string::npos)
        << name;
  }
}

TEST(Cli, UnreadableAndDamagedFilesHaveTheirOwnExitStatus) {
  const CliRun missing = Cli({"list", "/nonexistent/no-such-logbook.log"});
  EXPECT_EQ(missing.Status, kExitUnreadable);
  EXPECT_NE(missing.Err.find("no-such-logbook.log"), std::string::npos);
  const CliRun unwritable = Cli({"render", TwoDiveFile(), "--dive", "0", "--chart", "depth",
                                 "--out", OutPath("nowhere/missing/chart.png")});
  EXPECT_EQ(unwritable.Status, kExitUnreadable);
  EXPECT_NE(unwritable.Err.find("cannot write"), std::string::npos);

  // A cut logbook lists its complete dives and fails.
  const std::string sample = test::SampleLogbook();
  const CliRun cut =
      Cli({"list", test::WriteTempFile("cut.log", sample.substr(0, sample.size() / 2))});
  EXPECT_EQ(cut.Status, kExitDamaged);
  const auto listed = std::ranges::count(cut.Out, '\n');
  EXPECT_TRUE(listed > 5 && listed < 25) << listed;
  EXPECT_NE(cut.Err.find("the file ends inside dive"), std::string::npos) << cut.Err;
}

std::string FileBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), {}};
}

// The export writes the whole file or nothing: a failure leaves what was there before.
TEST(Cli, ExportWritesUddfOrLeavesTheTargetAlone) {
  const std::string out = OutPath("two.uddf");
  std::filesystem::remove(out);
  ASSERT_EQ(Cli({"export", TwoDiveFile(), "--out", out}).Status, kExitOk);
  EXPECT_EQ(test::UddfSchemaErrors(out), "");
  const std::string good = FileBytes(out);
  EXPECT_NE(good.find("<dive id=\"dive2\">"), std::string::npos);
  // Standard output gets the same bytes.
  const CliRun piped = Cli({"export", TwoDiveFile(), "--out", "-"});
  EXPECT_EQ(piped.Status, kExitOk);
  EXPECT_EQ(piped.Out, good);

  const std::string sample = test::SampleLogbook();
  const std::string cut = test::WriteTempFile("cut.log", sample.substr(0, sample.size() / 2));
  const CliRun damaged = Cli({"export", cut, "--out", out});
  EXPECT_EQ(damaged.Status, kExitDamaged);
  EXPECT_NE(damaged.Err.find("reading stopped"), std::string::npos);
  EXPECT_EQ(test::UddfSchemaErrors(out), "");
  EXPECT_NE(FileBytes(out), good);

  std::filesystem::create_directories(OutPath("folder.uddf"));
  const struct {
    Args Arguments;
    int Status;
    const char* Says;
  } failures[] = {{{"export", "/nonexistent/no-such-logbook.log", "--out", out},
                   kExitUnreadable,
                   "cannot be read"},
                  {{"export", TwoDiveFile(), "--out", OutPath("dives.xml")},
                   kExitUsage,
                   "--out must end in .uddf"},
                  {{"export", TwoDiveFile()}, kExitUsage, "--out PATH is required"},
                  {{"export", TwoDiveFile(), "--out", OutPath("missing/folder/x.uddf")},
                   kExitUnreadable,
                   "missing/folder/x.uddf"},
                  {{"export", TwoDiveFile(), "--out", OutPath("folder.uddf")},
                   kExitUnreadable,
                   "cannot be exported to"}};
  const std::string before = FileBytes(out);
  for (const auto& failure : failures) {
    SCOPED_TRACE(testing::PrintToString(failure.Arguments));
    const CliRun run = Cli(failure.Arguments);
    EXPECT_EQ(run.Status, failure.Status);
    EXPECT_TRUE(run.Out.empty());
    EXPECT_NE(run.Err.find(failure.Says), std::string::npos) << run.Err;
  }
  EXPECT_EQ(FileBytes(out), before);
  EXPECT_FALSE(std::filesystem::exists(OutPath("dives.xml")));
  EXPECT_FALSE(std::filesystem::exists(OutPath("missing")));
  EXPECT_TRUE(std::filesystem::is_directory(OutPath("folder.uddf")));
  // No temporary file is left beside the targets.
  for (const auto& entry :
       std::filesystem::directory_iterator(std::filesystem::path(out).parent_path())) {
    EXPECT_EQ(entry.path().string().find(".uddf."), std::string::npos) << entry.path();
  }
}

}  // namespace
}  // namespace scrb::cli
