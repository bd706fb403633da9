// The command line given damaged and foreign logbooks: the exit status and the error output say
// what happened, and what could be read is still listed and drawn.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <algorithm>
#include <random>
#include <sstream>

#include "cli/Commands.h"
#include "support/LogbookBuilder.h"

namespace scrb::cli {
namespace {

using test::SampleLogbook;

struct CliResult {
  int Status;
  std::string Out;
  std::string Err;
};

CliResult Cli(const std::vector<std::string>& arguments) {
  std::ostringstream out;
  std::ostringstream err;
  const int status = RunCli(arguments, out, err);
  return {status, out.str(), err.str()};
}

size_t Lines(const std::string& text) { return static_cast<size_t>(std::count(text.begin(), text.end(), '\n')); }

TEST(DamagedInputCli, ACutLogbookListsItsCompleteDivesAndFails) {
  const std::string sample = SampleLogbook();
  const std::string whole = test::WriteTempFile("sample.log", sample);
  ASSERT_EQ(Lines(Cli({"list", whole}).Out), 25u);
  const std::string cut = test::WriteTempFile("cut.log", sample.substr(0, sample.size() / 2));
  const CliResult run = Cli({"list", cut});
  EXPECT_EQ(run.Status, kExitDamaged);
  EXPECT_GT(Lines(run.Out), 5u);
  EXPECT_LT(Lines(run.Out), 25u);
  EXPECT_NE(run.Err.find("the file ends inside dive"), std::string::npos) << run.Err;
}

TEST(DamagedInputCli, EveryChartOfAFlippedLogbookRendersOrFailsCleanly) {
  const std::string sample = SampleLogbook();
  const auto out = std::filesystem::temp_directory_path() / "bathyscribe-damaged-render.png";
  for (uint32_t seed = 1; seed <= 4; ++seed) {
    std::mt19937 random(seed);
    std::string bytes = sample;
    for (int f = 0; f < 8; ++f) bytes[random() % bytes.size()] ^= static_cast<char>(1 + random() % 255);
    const std::string file = test::WriteTempFile("flipped.log", bytes);
    const CliResult list = Cli({"list", file});
    ASSERT_TRUE(list.Status == kExitOk || list.Status == kExitDamaged) << list.Err;
    const size_t dives = Lines(list.Out);
    if (dives == 0) continue;
    for (const char* chart : {"depth", "alarms", "speed", "tank", "breath", "cold", "bubbles", "consumption",
                              "pressure", "oversaturation", "legend"}) {
      const CliResult render = Cli({"render", file, "--dive", std::to_string(dives - 1), "--chart", chart, "--out",
                              out.string(), "--size", "400x200"});
      EXPECT_TRUE(render.Status == kExitOk || render.Status == kExitDamaged)
          << "seed " << seed << " chart " << chart << ": " << render.Err;
    }
    const CliResult details = Cli({"details", file, "--dive", "0"});
    EXPECT_TRUE(details.Status == kExitOk || details.Status == kExitDamaged) << details.Err;
  }
  std::filesystem::remove(out);
}

TEST(DamagedInputCli, ForeignMissingAndHugeFiles) {
  std::string text;
  while (text.size() < 20000) text += "Not a logbook at all.\n";
  const CliResult foreign = Cli({"list", test::WriteTempFile("notes.txt", text)});
  EXPECT_EQ(foreign.Status, kExitDamaged);
  EXPECT_TRUE(foreign.Out.empty());
  EXPECT_FALSE(foreign.Err.empty());

  const std::string folder = std::filesystem::temp_directory_path().string();
  const CliResult missing = Cli({"list", folder + "/no-such-logbook.log"});
  EXPECT_EQ(missing.Status, kExitUnreadable);
  EXPECT_NE(missing.Err.find("no-such-logbook.log"), std::string::npos);

  const std::string huge = test::WriteTempFile("padded.log", SampleLogbook());
  std::filesystem::resize_file(huge, 700ull << 20);
  const CliResult padded = Cli({"list", huge});
  EXPECT_EQ(padded.Status, kExitOk);
  EXPECT_EQ(Lines(padded.Out), 25u);
  std::filesystem::remove_all(std::filesystem::path(huge).parent_path());
}

}  // namespace
}  // namespace scrb::cli
