// The PDF dive report from the command line, read back with pdftotext as a diver's PDF viewer
// would show it.

#include <gtest/gtest.h>

#include <QProcess>
#include <QStringList>
#include <algorithm>
#include <filesystem>
#include <sstream>

#include "cli/Commands.h"
#include "support/LogbookBuilder.h"

namespace scrb::cli {
namespace {

namespace fs = std::filesystem;

int Report(const std::vector<std::string>& arguments, std::string* err = nullptr) {
  std::vector<std::string> all{"report"};
  all.insert(all.end(), arguments.begin(), arguments.end());
  std::ostringstream out;
  std::ostringstream errors;
  const int status = RunCli(all, out, errors);
  if (err != nullptr) *err = errors.str();
  return status;
}

// The pages' texts, each page ending in a form feed.
std::string PdfText(const std::string& path) {
  QProcess pdftotext;
  pdftotext.start("pdftotext", {"-enc", "UTF-8", QString::fromStdString(path), "-"});
  pdftotext.waitForFinished(30000);
  return pdftotext.readAllStandardOutput().toStdString();
}

bool Has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

// Dive 0: a profile with an air estimate; dive 1: no samples; dive 2: samples but no air used.
const std::string& ThreeDiveFile() {
  static const std::string path = [] {
    test::ProfileBuilder profile;
    profile.Samples = test::ProfileBuilder::FromDepths({5, 12, 20, 24, 24, 22, 15, 10, 5, 3, 3, 2});
    profile.Status = {0x10, 0x20, 0x30, 0x10};
    test::EntryBuilder full;
    full.Profile = profile.Bytes();
    full.MaxDepth = 2400;
    full.Comment = "Octopus under the pier";
    test::EntryBuilder empty;
    empty.DiveNumber = 12345;
    empty.Site = "Caf\x82";
    test::EntryBuilder noAir = full;
    noAir.DiveNumber = 8;
    noAir.AirConsumption = 0;
    return test::WriteTempFile("three.log", test::BuildLogbook({full, empty, noAir}));
  }();
  return path;
}

fs::path OutDir(const std::string& name) {
  const fs::path dir = fs::temp_directory_path() / "bathyscribe-report-test" / name;
  fs::remove_all(dir);
  fs::create_directories(dir);
  return dir;
}

TEST(CliReport, OneDiveShowsItsTitleDetailsAndSummaries) {
  const std::string out = (OutDir("one") / "dive.pdf").string();
  ASSERT_EQ(Report({ThreeDiveFile(), "--dive", "0", "--out", out, "--model", "1"}), kExitOk);
  const std::string text = PdfText(out);
  EXPECT_EQ(std::ranges::count(text, '\f'), 1);
  for (const char* part :
       {"Dive Number: 7 \u2013 Sat 17 October 1998, 12:00 \u2013 Lake, Pier",
        "Maximum Depth:", "24 m", "Air Tank size:", "12 l", "Comment:", "Octopus under the pier",
        "Depth (meters) versus Time (minutes)", "% Allowed Nitrogen Over-Saturation coefficient",
        "Estimated air pressure (bar) versus time (min)",
        "Min:", " l/min, Max:", "Max Oversaturation = ", "on tissue",
        "Decompression model: FFESSM MN90 - French Navy (12 tissues), surface pressure 1 bar",
        "three.log", "Bathyscribe", "Page 1 of 1"}) {
    EXPECT_TRUE(Has(text, part)) << part << "\n" << text;
  }
  EXPECT_FALSE(Has(text, "No Air Data available"));
}

TEST(CliReport, AllDivesGiveOnePageEachWithTheEmptyStates) {
  const std::string out = (OutDir("all") / "logbook.pdf").string();
  ASSERT_EQ(Report({ThreeDiveFile(), "--all", "--out", out, "--paper", "letter",
                    "--surface-pressure", "0.8"}),
            kExitOk);
  const std::string text = PdfText(out);
  std::vector<std::string> pages;
  std::istringstream stream(text);
  for (std::string page; std::getline(stream, page, '\f');) pages.push_back(page);
  ASSERT_GE(pages.size(), 3u);
  EXPECT_TRUE(Has(pages[0], "Page 1 of 3") && Has(pages[0], "surface pressure 0.8 bar"));
  EXPECT_TRUE(Has(pages[1], "Dive Number: 12345") && Has(pages[1], "Café"));
  EXPECT_EQ(std::ranges::count(text, '\f'), 3);
  EXPECT_TRUE(Has(pages[1], "No Dive Data available") && Has(pages[1], "No Air Data available"));
  EXPECT_FALSE(Has(pages[1], "Max Oversaturation"));
  EXPECT_TRUE(Has(pages[2], "No Air Data available") && Has(pages[2], "Max Oversaturation = "));
  EXPECT_FALSE(Has(pages[2], "No Dive Data available"));
}

TEST(CliReport, ExitStatusesAndNoHalfFiles) {
  const fs::path dir = OutDir("status");
  const std::string out = (dir / "r.pdf").string();
  for (const std::vector<std::string>& usage :
       {std::vector<std::string>{ThreeDiveFile(), "--out", out},
        {ThreeDiveFile(), "--all", "--dive", "0", "--out", out},
        {ThreeDiveFile(), "--dive", "3", "--out", out},
        {ThreeDiveFile(), "--all", "--out", (dir / "r.png").string()},
        {ThreeDiveFile(), "--all"}}) {
    EXPECT_EQ(Report(usage), kExitUsage) << testing::PrintToString(usage);
  }
  std::string err;
  EXPECT_EQ(Report({ThreeDiveFile(), "--all", "--out", (dir / "missing" / "r.pdf").string()}, &err),
            kExitUnreadable);
  EXPECT_TRUE(Has(err, "cannot write")) << err;
  EXPECT_EQ(Report({"/nonexistent/logbook.log", "--all", "--out", out}), kExitUnreadable);
  EXPECT_TRUE(fs::is_empty(dir)) << "nothing is left behind";

  // A cut logbook reports its complete dives and says it is damaged.
  const std::string sample = test::SampleLogbook();
  const std::string cut = test::WriteTempFile("cut.log", sample.substr(0, sample.size() / 2));
  EXPECT_EQ(Report({cut, "--all", "--out", out}), kExitDamaged);
  const auto pages = std::ranges::count(PdfText(out), '\f');
  EXPECT_TRUE(pages > 5 && pages < 25) << pages;
  std::vector<std::string> left;
  for (const auto& entry : fs::directory_iterator(dir))
    left.push_back(entry.path().filename().string());
  EXPECT_EQ(left, std::vector<std::string>{"r.pdf"});
}

}  // namespace
}  // namespace scrb::cli
