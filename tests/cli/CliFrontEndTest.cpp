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
#include <regex>
#include <set>
#include <sstream>

#include "Version.h"
#include "cli/CliRun.h"
#include "cli/Commands.h"
#include "support/HostTools.h"
#include "support/LogbookBuilder.h"
#include "support/ScopedLocale.h"
#include "support/UddfSchema.h"

namespace scrb::cli {
namespace {

// Dive 0 has a profile, dive 1 has none.
const std::string& TwoDiveFile() {
  static const std::string path = [] {
    const test::ProfileBuilder profile{
        .Samples = test::ProfileBuilder::FromDepths({5, 12, 20, 24, 24, 22, 15, 10, 5, 3, 3, 2})};
    test::EntryBuilder withProfile{.MaxDepth = 2400, .Profile = profile.Bytes()};
    test::EntryBuilder empty{.Location = "Sea", .Site = "Caf\x82", .DiveNumber = 12345};
    return test::WriteTempFile("two.log", test::BuildLogbook({withProfile, empty}));
  }();
  return path;
}

std::string OutPath(const std::string& name) {
  const auto dir = std::filesystem::temp_directory_path() / "bathyscribe-cli-test";
  std::filesystem::create_directories(dir);
  return (dir / name).string();
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
      {"list", file, "--dive", "3"},  // an option of another command
      {"dives", file, "--display=1"},
      {"list", "-x.log"},  // an option until -- ends them
      {"profile", file, "--dive", "0", "--surface-pressure", "1e9"},
      {"profile", file, "--dive", "0", "--surface-pressure", "0.1"},
      {"report", file, "--dive", "0", "--out", OutPath("r.pdf"), "--surface-pressure", "-1"},
      {"--verbose"}};
  for (const Args& args : cases) {
    SCOPED_TRACE(testing::PrintToString(args));
    const CliRun run = Cli(args);
    EXPECT_EQ(run.Status, kExitUsage);
    EXPECT_TRUE(run.Out.empty());
    // The error and a pointer to --help, not the whole usage text.
    EXPECT_TRUE(std::regex_match(run.Err, std::regex("bathyscribe-cli: [^\n]+\nTry "
                                                     "'bathyscribe-cli --help' for more "
                                                     "information\\.\n")))
        << run.Err;
    EXPECT_FALSE(std::filesystem::exists(out));
  }
}

// Help and version answer on standard output, whatever else is asked.
TEST(Cli, HelpAndVersion) {
  const std::string version = std::string("bathyscribe-cli ") + kVersion + "\n";
  EXPECT_TRUE(std::regex_match(kVersion, std::regex(R"(\d+\.\d+\.\d+)")));
  for (const Args& args :
       {Args{"--version"}, Args{"list", TwoDiveFile(), "--version"}, Args{"--help"}, Args{"-h"},
        Args{"list", TwoDiveFile(), "-h"}, Args{"render", "--help"},
        Args{"list", TwoDiveFile(), "--bogus", "--help"}}) {
    SCOPED_TRACE(testing::PrintToString(args));
    const CliRun run = Cli(args);
    EXPECT_EQ(run.Status, kExitOk);
    EXPECT_EQ(run.Err, "");
    EXPECT_TRUE(args.back() == "--version" ? run.Out == version
                                           : run.Out.starts_with("Usage: bathyscribe-cli"))
        << run.Out;
  }
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
    if (!BATHYSCRIBE_SVG && std::string(name).ends_with(".svg")) {
      // A build without Qt SVG says which files it writes, and writes none.
      const CliRun refused =
          Cli({"render", TwoDiveFile(), "--dive", dive, "--chart", "depth", "--out", out});
      EXPECT_EQ(refused.Status, kExitUsage);
      EXPECT_TRUE(Has(refused.Err, "this build draws .png or .pdf files")) << refused.Err;
      EXPECT_FALSE(std::filesystem::exists(out));
      continue;
    }
    ASSERT_EQ(
        Cli({"render", TwoDiveFile(), "--dive", dive, "--chart", "depth", "--out", out}).Status,
        kExitOk);
    EXPECT_NE(test::ReadFile(out).find(head), std::string::npos) << name;
  }
}

// The heat map of one dive: the cells fill the picture with the scale's colours, the key is
// labelled, and a dive without a profile says so.
TEST(Cli, RenderDrawsTheHeatMap) {
  SCRB_NEEDS_SVG();
  const std::string png = OutPath("heatmap.png");
  ASSERT_EQ(Cli({"render", TwoDiveFile(), "--dive", "0", "--chart", "heatmap", "--out", png,
                 "--model", "2"})
                .Status,
            kExitOk);
  const QImage image(QString::fromStdString(png));
  ASSERT_EQ(image.size(), QSize(1200, 400));
  // Along the middle of the plot area every pixel is a cell, none the white ground.
  std::set<QRgb> colours;
  for (int x = 200; x < 1000; ++x) colours.insert(image.pixel(x, 150));
  EXPECT_EQ(colours.count(qRgb(255, 255, 255)), 0u);
  EXPECT_GE(colours.size(), 5u);
  for (const auto& [dive, text] :
       {std::pair{"0", "200 % and more"}, {"1", "No Dive Data available"}}) {
    const std::string svg = OutPath("heatmap.svg");
    ASSERT_EQ(
        Cli({"render", TwoDiveFile(), "--dive", dive, "--chart", "heatmap", "--out", svg}).Status,
        kExitOk);
    EXPECT_NE(test::ReadFile(svg).find(text), std::string::npos) << dive;
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
  const CliRun cut = Cli({"list", cutPath, "--display=3"});
  EXPECT_EQ(cut.Status, kExitDamaged);
  EXPECT_NE(cut.Err.find("the file ends inside dive"), std::string::npos) << cut.Err;
  const auto listed = std::ranges::count(cut.Out, '\n');
  EXPECT_TRUE(listed > 5 && listed < 26) << listed;
  EXPECT_TRUE(Cli({"list", test::SourcePath("examples/sample.log"), "--display=3"})
                  .Out.starts_with(cut.Out));
  const CliRun merged = Cli({"list", cutPath, TwoDiveFile(), "--display=3"});
  EXPECT_EQ(
      (std::tuple{merged.Status, merged.Out, merged.Err}),
      (std::tuple{kExitDamaged, cut.Out + "    7 - Pier, Lake\n12345 - Café, Sea\n", cut.Err}));

  // A text file is no logbook: the same words as the window's, the dives of the others printed.
  const std::string notes = test::WriteTempFile("notes.txt", std::string(4000, 'x'));
  const CliRun foreign = Cli({"list", TwoDiveFile(), notes});
  EXPECT_EQ(foreign.Status, kExitUnreadable);
  EXPECT_EQ(std::ranges::count(foreign.Out, '\n'), 2);
  EXPECT_NE(foreign.Err.find("The file " + notes + " holds no readable dive: it is not a logbook"),
            std::string::npos)
      << foreign.Err;
}

// The window's loading rule: a refused file is named and skipped, the files after it are still
// read, and the exit status is the most severe met (2 over 3 over 0).
TEST(Cli, RefusedFilesAreSkippedAndTheRestRead) {
  const std::string two = TwoDiveFile();
  const std::string sample = test::SampleLogbook();
  const std::string cut = test::WriteTempFile("cut.log", sample.substr(0, sample.size() / 2));
  const std::string missing = "/nonexistent/missing.log";
  const std::string bothTwo = Cli({"list", two}).Out + Cli({"list", two}).Out;
  const std::string cutList = Cli({"list", cut}).Out;
  const std::tuple<Args, int, std::string, int> cases[] = {
      {{two, missing, two}, kExitUnreadable, bothTwo, 1},
      {{missing, two, two}, kExitUnreadable, bothTwo, 1},
      {{cut, missing, two}, kExitUnreadable, cutList + Cli({"list", two}).Out, 2},
      {{two, cut}, kExitDamaged, Cli({"list", two}).Out + cutList, 1},
      {{missing, missing}, kExitUnreadable, "", 2}};
  for (const auto& [files, status, out, messages] : cases) {
    SCOPED_TRACE(testing::PrintToString(files));
    Args args = {"list"};
    args.insert(args.end(), files.begin(), files.end());
    const CliRun run = Cli(args);
    EXPECT_EQ(run.Status, status);
    EXPECT_EQ(run.Out, out);
    EXPECT_EQ(std::ranges::count(run.Err, '\n'), messages) << run.Err;
    EXPECT_EQ(run.Err.find('\r'), std::string::npos);
  }
  EXPECT_NE(Cli({"list", two, missing})
                .Err.find("bathyscribe-cli: The logbook file " + missing +
                          " cannot be read: no such file or directory."),
            std::string::npos);
  // Every command that reads logbooks goes on to its work with what was read.
  const CliRun details = Cli({"details", missing, two, "--dive", "1"});
  EXPECT_EQ(details.Status, kExitUnreadable);
  EXPECT_EQ(details.Out, Cli({"details", two, "--dive", "1"}).Out);
}

// After --, a name that begins with a dash is a file.
TEST(Cli, DoubleDashEndsTheOptions) {
  const std::filesystem::path dashed =
      std::filesystem::path(TwoDiveFile()).parent_path() / "-x.log";
  std::filesystem::copy_file(TwoDiveFile(), dashed,
                             std::filesystem::copy_options::overwrite_existing);
  std::filesystem::current_path(dashed.parent_path());
  const CliRun run = Cli({"list", "--display", "0", "--", "-x.log"});
  EXPECT_EQ(run.Status, kExitOk) << run.Err;
  EXPECT_EQ(run.Out, Cli({"list", TwoDiveFile(), "--display", "0"}).Out);
  EXPECT_EQ(Cli({"list", "-x.log"}).Status, kExitUsage);
}

// A surface pressure is taken as the model window takes it, comma and blanks included.
TEST(Cli, SurfacePressureAsTheModelWindowTakesIt) {
  const std::string two = TwoDiveFile();
  const std::string atSea = Cli({"profile", two, "--dive", "0"}).Out;
  const std::string high = Cli({"profile", two, "--dive", "0", "--surface-pressure", "0.7"}).Out;
  EXPECT_NE(high, atSea);
  for (const char* text : {"0,7", " 0.7 ", "0.700"}) {
    EXPECT_EQ(Cli({"profile", two, "--dive", "0", "--surface-pressure", text}).Out, high) << text;
  }
  for (const char* text : {"1e9", "0x1", "inf", "1.0.0", "", "0,1", "7 0"}) {
    const CliRun run =
        Cli({"profile", two, "--dive", "0", "--surface-pressure=" + std::string(text)});
    EXPECT_EQ(run.Status, kExitUsage) << text;
  }
}

// A full disk or a closed pipe is a failure, never a success: every command checks what it
// printed. The program runs itself so that its own standard output is the full device.
TEST(Cli, OutputThatCannotBeWrittenFails) {
  SCRB_NEEDS_POSIX("/dev/full, the device that is always full");
  const QString two = QString::fromStdString(TwoDiveFile());
  const QStringList commands[] = {{"list", two},
                                  {"dives", two},
                                  {"details", two, "--dive", "0"},
                                  {"profile", two, "--dive", "0"},
                                  {"export", two, "--out", "-"},
                                  {"render", "--list-charts"},
                                  {"--help"},
                                  {"--version"}};
  for (const QStringList& arguments : commands) {
    SCOPED_TRACE(arguments.join(' ').toStdString());
    QProcess cli;
    cli.setStandardOutputFile("/dev/full");
    cli.start(BATHYSCRIBE_CLI, arguments);
    ASSERT_TRUE(cli.waitForFinished(60000));
    EXPECT_EQ(cli.exitCode(), kExitUnreadable);
    EXPECT_TRUE(cli.readAllStandardError().contains("cannot write standard output: "));
  }
  std::ostream broken(nullptr);
  std::ostringstream err;
  EXPECT_EQ(RunCli({"list", TwoDiveFile()}, broken, err), kExitUnreadable);
  EXPECT_EQ(err.str(),
            "bathyscribe-cli: cannot write standard output: it was closed or the device is full\n");
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
                              "--chart", "pressure", "--out", out, "--size", "900x400"});
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
  SCRB_NEEDS_SVG();
  const QStringList pointDecimal = SvgTextsUnder("C");
  EXPECT_TRUE(pointDecimal.contains("1.05")) << pointDecimal.join(' ').toStdString();
  EXPECT_EQ(SvgTextsUnder(test::kCommaDecimalLocale), pointDecimal);
}

// The export writes the whole file or nothing: a failure leaves what was there before.
TEST(Cli, ExportWritesUddfOrLeavesTheTargetAlone) {
  const std::string out = OutPath("two.uddf");
  std::filesystem::remove(out);
  ASSERT_EQ(Cli({"export", TwoDiveFile(), "--out", out}).Status, kExitOk);
  EXPECT_EQ(test::UddfSchemaErrors(out), "");
  const std::string good = test::ReadFile(out);
  EXPECT_NE(good.find("<dive id=\"dive2\">"), std::string::npos);
  // Standard output gets the same bytes.
  const CliRun piped = Cli({"export", TwoDiveFile(), "--out", "-"});
  EXPECT_EQ(piped.Status, kExitOk);
  EXPECT_EQ(piped.Out, good);

  const std::string sample = test::SampleLogbook();
  const std::string cut = test::WriteTempFile("cut.log", sample.substr(0, sample.size() / 2));
  const CliRun damaged = Cli({"export", cut, "--out", out});
  EXPECT_EQ(damaged.Status, kExitDamaged);
  EXPECT_NE(damaged.Err.find("is damaged: the file ends inside dive"), std::string::npos);
  EXPECT_EQ(test::UddfSchemaErrors(out), "");
  EXPECT_NE(test::ReadFile(out), good);

  std::filesystem::create_directories(OutPath("folder.uddf"));
  const std::string two = TwoDiveFile();
  const std::tuple<int, const char*, Args> failures[] = {
      {kExitUnreadable, "cannot be read", {"export", "/nonexistent/no.log", "--out", out}},
      {kExitUsage, "--out must end in .uddf", {"export", two, "--out", OutPath("dives.xml")}},
      {kExitUsage, "--out PATH is required", {"export", two}},
      {kExitUnreadable,
       "missing/folder/x.uddf",
       {"export", two, "--out", OutPath("missing/folder/x.uddf")}},
      {kExitUnreadable, "cannot write ", {"export", two, "--out", OutPath("folder.uddf")}}};
  const std::string before = test::ReadFile(out);
  for (const auto& [status, says, args] : failures) {
    SCOPED_TRACE(testing::PrintToString(args));
    const CliRun run = Cli(args);
    EXPECT_EQ(run.Status, status);
    EXPECT_TRUE(run.Out.empty());
    EXPECT_NE(run.Err.find(says), std::string::npos) << run.Err;
  }
  EXPECT_EQ(test::ReadFile(out), before);
  EXPECT_FALSE(std::filesystem::exists(OutPath("dives.xml")));
  EXPECT_FALSE(std::filesystem::exists(OutPath("missing")));
  EXPECT_TRUE(std::filesystem::is_directory(OutPath("folder.uddf")));
  // No temporary file is left beside the targets.
  for (const auto& entry :
       std::filesystem::directory_iterator(std::filesystem::path(out).parent_path())) {
    EXPECT_EQ(entry.path().string().find(".uddf."), std::string::npos) << entry.path();
  }
}

// The extension chooses the format in any letter case; a failure leaves nothing behind.
TEST(Cli, ExportWritesSubsurfaceByTheExtension) {
  const std::string out = OutPath("two.SSRF");
  std::filesystem::remove(out);
  const CliRun run = Cli({"export", TwoDiveFile(), "--out", out});
  ASSERT_EQ(run.Status, kExitOk) << run.Err;
  EXPECT_EQ(test::XmlErrors({out}), "");
  const std::string text = test::ReadFile(out);
  EXPECT_NE(text.find("\n<divelog program='bathyscribe' version='3'>\n"), std::string::npos);
  EXPECT_NE(text.find("<site uuid='"), std::string::npos);
  EXPECT_EQ(text.find("<uddf"), std::string::npos);

  std::filesystem::create_directories(OutPath("folder.ssrf"));
  for (const std::string& target : {OutPath("folder.ssrf"), OutPath("missing/folder/x.ssrf")}) {
    const CliRun failed = Cli({"export", TwoDiveFile(), "--out", target});
    EXPECT_EQ(failed.Status, kExitUnreadable);
    EXPECT_NE(failed.Err.find("cannot write " + target), std::string::npos) << failed.Err;
  }
  EXPECT_TRUE(std::filesystem::is_empty(OutPath("folder.ssrf")));
  EXPECT_FALSE(std::filesystem::exists(OutPath("missing")));
  for (const auto& entry : std::filesystem::directory_iterator(OutPath(""))) {
    EXPECT_EQ(entry.path().string().find(".ssrf."), std::string::npos) << entry.path();
  }
}

}  // namespace
}  // namespace scrb::cli

namespace scrb::cli {
namespace {

// The second dive of a day in the example logbook follows the first after 2:20 at the surface.
TEST(CliRepetitive, CarriesNitrogenOverOnlyWhenAsked) {
  const std::string sample = test::SourcePath("examples/sample.log");
  const CliRun plain = Cli({"profile", sample, "--dive", "1", "--model", "1"});
  const CliRun carried = Cli({"profile", sample, "--dive", "1", "--model", "1", "--repetitive"});
  ASSERT_EQ(plain.Status, kExitOk);
  ASSERT_EQ(carried.Status, kExitOk);
  const auto firstRow = [](const std::string& text) {
    const size_t start = text.find("\r\n") + 2;
    return text.substr(start, text.find("\r\n", start) - start);
  };
  // The slow tissues still hold nitrogen from the morning; the fastest has let it go.
  EXPECT_TRUE(firstRow(plain.Out).ends_with("0.79\t0.79\t0.79")) << firstRow(plain.Out);
  EXPECT_FALSE(firstRow(carried.Out).ends_with("0.79\t0.79\t0.79")) << firstRow(carried.Out);
  // The first dive of the day is the same either way.
  EXPECT_EQ(Cli({"profile", sample, "--dive", "0", "--repetitive"}).Out,
            Cli({"profile", sample, "--dive", "0"}).Out);

  for (const std::string command : {"list", "dives", "export"}) {
    const CliRun refused = Cli({command, sample, "--repetitive"});
    EXPECT_EQ(refused.Status, kExitUsage) << command;
    EXPECT_NE(refused.Err.find("does not take the option \"--repetitive\""), std::string::npos);
  }
  // A flag: the file name after it is still a file.
  EXPECT_EQ(Cli({"profile", "--repetitive", sample, "--dive", "1", "--model", "1"}).Out,
            carried.Out);
}

}  // namespace
}  // namespace scrb::cli
