// The command line as scripts meet it: what each command prints, the exit statuses and the
// chart files.

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "Version.h"
#include "cli/Commands.h"
#include "support/LogbookBuilder.h"
#include "support/ScopedLocale.h"
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
  // Details, dives and profiles of real dives are compared whole in the golden test.
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
      {"list", file, "--display", "1x"},
      {"list", file, "--dsplay", "2"},
      {"--verbose"}};
  for (const Args& args : cases) {
    SCOPED_TRACE(testing::PrintToString(args));
    const CliRun run = Cli(args);
    EXPECT_EQ(run.Status, kExitUsage);
    EXPECT_TRUE(run.Out.empty());
    EXPECT_NE(run.Err.find("Usage: bathyscribe-cli"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(out));
  }
}

TEST(Cli, HelpAndVersionAnswerOnStandardOutput) {
  const std::string version = std::string("bathyscribe-cli ") + kVersion + "\n";
  const struct {
    Args Arguments;
    std::string Expected;  // the whole output, or "" for the usage text
  } cases[] = {{{"--version"}, version},   {{"list", TwoDiveFile(), "--version"}, version},
               {{"--help"}, ""},           {{"-h"}, ""},
               {{"render", "--help"}, ""}, {{"list", TwoDiveFile(), "--bogus", "--help"}, ""}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.Arguments));
    const CliRun run = Cli(c.Arguments);
    EXPECT_EQ(run.Status, kExitOk);
    EXPECT_EQ(run.Err, "");
    if (c.Expected.empty()) {
      EXPECT_EQ(run.Out.rfind("Usage: bathyscribe-cli", 0), 0u);
    } else {
      EXPECT_EQ(run.Out, c.Expected);
    }
  }
  EXPECT_TRUE(std::regex_match(kVersion, std::regex(R"(\d+\.\d+\.\d+)")));
}

TEST(Cli, RenderWritesPngSvgAndPdf) {
  const std::string png = OutPath("alarms.png");
  ASSERT_EQ(Cli({"render", TwoDiveFile(), "--dive", "0", "--chart", "alarms", "--out", png}).Status,
            kExitOk);
  const QImage image(QString::fromStdString(png));
  EXPECT_EQ(image.size(), QSize(1200, 106));  // as high as on the Dive page at the least
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

  // A cut logbook lists its complete dives and fails; a good logbook named after it is still
  // read, its dives behind those complete ones, and the status still says damaged.
  const std::string sample = test::SampleLogbook();
  const std::string cutPath = test::WriteTempFile("cut.log", sample.substr(0, sample.size() / 2));
  const CliRun cut = Cli({"list", cutPath});
  EXPECT_EQ(cut.Status, kExitDamaged);
  const std::string whole = Cli({"list", test::WriteTempFile("sample.log", sample)}).Out;
  const auto listed = std::ranges::count(cut.Out, '\n');
  EXPECT_TRUE(listed > 5 && listed < 26) << listed;
  EXPECT_TRUE(whole.starts_with(cut.Out)) << cut.Out;
  EXPECT_NE(cut.Err.find("the file ends inside dive"), std::string::npos) << cut.Err;
  const CliRun merged = Cli({"list", cutPath, TwoDiveFile()});
  EXPECT_EQ(merged.Status, kExitDamaged);
  EXPECT_EQ(merged.Out, cut.Out + "    7 - Pier\n12345 - Café\n");
  EXPECT_EQ(merged.Err, cut.Err);

  // A text file is no logbook: the same words as the window's, the dives of the others printed.
  const std::string notes = test::WriteTempFile("notes.txt", std::string(4000, 'x'));
  const CliRun foreign = Cli({"list", TwoDiveFile(), notes});
  EXPECT_EQ(foreign.Status, kExitDamaged);
  EXPECT_EQ(std::ranges::count(foreign.Out, '\n'), 2);
  EXPECT_NE(foreign.Err.find("The file " + notes + " holds no readable dive: it is not a logbook"),
            std::string::npos)
      << foreign.Err;
}

// The texts of a chart rendered by the program itself under the given LC_ALL: the off-screen
// application it starts takes the locale from the environment, as on a desktop.
QStringList SvgTextsUnder(const QString& locale) {
  const QString out = QString::fromStdString(OutPath("labels-" + locale.toStdString() + ".svg"));
  QProcess cli;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("LC_ALL", locale);
  cli.setProcessEnvironment(environment);
  cli.start(BATHYSCRIBE_CLI, {"render", QString::fromStdString(TwoDiveFile()), "--dive", "0",
                                   "--chart", "depth", "--out", out, "--size", "900x400"});
  EXPECT_TRUE(cli.waitForFinished(60000));
  EXPECT_EQ(cli.exitCode(), kExitOk) << cli.readAllStandardError().toStdString();
  QFile file(out);
  if (!file.open(QIODevice::ReadOnly)) return {"cannot read " + out};
  QStringList texts;
  const QRegularExpression text(">([^<>]*)</text>");
  for (const QRegularExpressionMatch& m : text.globalMatch(QString::fromUtf8(file.readAll()))) {
    texts << m.captured(1).trimmed();
  }
  return texts;
}

TEST(Cli, RenderDrawsTheSameLabelsUnderACommaDecimalLocale) {
  const QStringList pointDecimal = SvgTextsUnder("C");
  EXPECT_TRUE(pointDecimal.contains("2.4")) << pointDecimal.join(' ').toStdString();
  EXPECT_EQ(SvgTextsUnder(test::kCommaDecimalLocale), pointDecimal);
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
