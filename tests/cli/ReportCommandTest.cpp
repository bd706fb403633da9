// The PDF dive report from the command line, read back with pdftotext as a diver's PDF viewer
// would show it. Where things go on the page is tested on a recording surface.

#include <gtest/gtest.h>

#include <QStringList>
#include <algorithm>
#include <filesystem>
#include <sstream>

#include "support/HostTools.h"
#include "cli/CliRun.h"
#include "cli/Commands.h"
#include "support/LogbookBuilder.h"
#include "support/PdfText.h"

namespace scrb::cli {
namespace {

using test::PdfPages;

namespace fs = std::filesystem;

int Report(std::vector<std::string> arguments, std::string* err = nullptr) {
  arguments.insert(arguments.begin(), "report");
  std::ostringstream out;
  std::ostringstream errors;
  const int status = RunCli(arguments, out, errors);
  if (err != nullptr) *err = errors.str();
  return status;
}

// Dive 0: a profile with an air estimate; dive 1: no samples; dive 2: samples but no air used.
const std::string& ThreeDiveFile() {
  static const std::string path = [] {
    const test::ProfileBuilder profile{
        .Samples = test::ProfileBuilder::FromDepths({5, 12, 20, 24, 24, 22, 15, 10, 5, 3, 3, 2}),
        .Status = {0x10, 0x20, 0x30, 0x10}};
    // 30 bar of 12 l over four minutes: a breath rate the table still covers.
    test::EntryBuilder full{
        .MaxDepth = 2400, .AirConsumption = 3000, .Comment = "Octopus under the pier"};
    full.Profile = profile.Bytes();
    test::EntryBuilder empty{.Site = "Caf\x82", .DiveNumber = 12345};
    test::EntryBuilder noAir = full;
    noAir.DiveNumber = 8;
    noAir.AirConsumption = 0;
    return test::WriteTempFile("three.log", test::BuildLogbook({full, empty, noAir}));
  }();
  return path;
}

TEST(CliReport, OnePagePerDiveWithTitleDetailsSummariesAndEmptyStates) {
  SCRB_NEEDS_TOOL("pdftotext");
  const std::string out = (OutDir("all") / "logbook.pdf").string();
  ASSERT_EQ(Report({ThreeDiveFile(), "--all", "--out", out, "--model", "1", "--paper", "letter",
                    "--surface-pressure", "0.8"}),
            kExitOk);
  const std::vector<std::string> pages = PdfPages(out);
  ASSERT_EQ(pages.size(), 3u);
  for (const char* part :
       {"Dive Number: 7 \u2013 Sat 17 October 1998, 12:00 \u2013 Lake, Pier",
        "Maximum Depth:", "24 m", "Air Tank size:", "12 l", "Comment:", "Octopus under the pier",
        "Depth (meters) versus Time (minutes)", "% Allowed Nitrogen Over-Saturation coefficient",
        "Estimated air pressure (bar) versus time (min)",
        "Min:", " l/min, Max:", "Max Oversaturation = ", "on tissue",
        "Decompression model: FFESSM MN90 - French Navy (12 tissues), surface pressure 0.8 bar",
        "three.log", "Bathyscribe", "Page 1 of 3"}) {
    EXPECT_TRUE(Has(pages[0], part)) << part << "\n" << pages[0];
  }
  EXPECT_FALSE(Has(pages[0], "No Air Data available"));
  EXPECT_TRUE(Has(pages[1], "Dive Number: 12345") && Has(pages[1], "Café"));
  EXPECT_TRUE(Has(pages[1], "No Dive Data available") && Has(pages[1], "No Air Data available"));
  EXPECT_FALSE(Has(pages[1], "Max Oversaturation"));
  EXPECT_TRUE(Has(pages[2], "No Air Data available") && Has(pages[2], "Max Oversaturation = "));
  EXPECT_FALSE(Has(pages[2], "No Dive Data available"));
}

TEST(CliReport, ExitStatusesAndNoHalfFiles) {
  SCRB_NEEDS_TOOL("pdftotext");
  const fs::path dir = OutDir("status");
  const std::string out = (dir / "r.pdf").string();
  const std::string file = ThreeDiveFile();
  for (const std::vector<std::string>& usage : {std::vector<std::string>{file, "--out", out},
                                                {file, "--all", "--dive", "0", "--out", out},
                                                {file, "--dive", "3", "--out", out},
                                                {file, "--all", "--out", (dir / "r.png").string()},
                                                {file, "--all"}}) {
    EXPECT_EQ(Report(usage), kExitUsage) << testing::PrintToString(usage);
  }
  std::string err;
  EXPECT_EQ(Report({file, "--all", "--out", (dir / "missing" / "r.pdf").string()}, &err),
            kExitUnreadable);
  EXPECT_TRUE(Has(err, "cannot write")) << err;
  EXPECT_EQ(Report({"/no/b.log", "--all", "--out", out}), kExitUnreadable);
  EXPECT_TRUE(fs::is_empty(dir)) << "nothing is left behind";

  // One dive is one page.
  ASSERT_EQ(Report({file, "--dive", "2", "--out", out}), kExitOk);
  const std::vector<std::string> one = PdfPages(out);
  EXPECT_TRUE(one.size() == 1 && Has(one[0], "Dive Number: 8") && Has(one[0], "Page 1 of 1"));

  // A cut logbook reports its complete dives and says it is damaged.
  const std::string sample = test::SampleLogbook();
  const std::string cut = test::WriteTempFile("cut.log", sample.substr(0, sample.size() / 2));
  EXPECT_EQ(Report({cut, "--all", "--out", out}), kExitDamaged);
  const size_t pages = PdfPages(out).size();
  EXPECT_TRUE(pages > 5 && pages < 25) << pages;
  EXPECT_EQ(std::vector<fs::path>(fs::directory_iterator(dir), {}),
            std::vector<fs::path>{dir / "r.pdf"});
}

}  // namespace
}  // namespace scrb::cli
