// render --from and --to: exactly the stretch asked for, and a refusal naming the option for
// anything that is no stretch.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/CliRun.h"
#include "support/HostTools.h"
#include "support/LogbookBuilder.h"

namespace scrb::cli {
namespace {

std::string Svg(const std::filesystem::path& out, const Args& extra,
                const std::string& chart = "depth") {
  Args args = {"render", FourMinuteDive(), "--dive",   "0",     "--chart",
               chart,    "--size",         "1200x400", "--out", out.string()};
  args.insert(args.end(), extra.begin(), extra.end());
  const CliRun run = Cli(args);
  EXPECT_EQ(run.Status, kExitOk) << run.Err;
  std::ifstream in(out);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Whether the SVG prints the label, whose closing quote it writes as an entity.
bool Labelled(const std::string& svg, std::string label) {
  if (label.back() == '"') label = label.substr(0, label.size() - 1) + "&quot;";
  return svg.find(">" + label + "<") != std::string::npos;
}

TEST(StretchOption, DrawsExactlyTheStretchAskedFor) {
  SCRB_NEEDS_SVG();
  const auto dir = OutDir("stretches");
  // 1'00" to 2'30": labels every 20 s from the first round time on, none outside.
  const std::string middle = Svg(dir / "middle.svg", {"--from", "1", "--to", "2.5"});
  for (const char* label : {"01'00\"", "01'20\"", "02'00\"", "02'20\""})
    EXPECT_TRUE(Labelled(middle, label)) << label;
  for (const char* label : {"00'40\"", "02'40\""}) EXPECT_FALSE(Labelled(middle, label)) << label;
  // A --to past the last sample ends at it; no --from starts at the start.
  const std::string end = Svg(dir / "end.svg", {"--from", "2.5", "--to", "99"});
  EXPECT_TRUE(Labelled(end, "03'40\""));  // 4'00" at the very edge has no room for its label
  EXPECT_FALSE(Labelled(end, "04'20\""));
  EXPECT_TRUE(Labelled(Svg(dir / "start.svg", {"--to", "1.5"}), "00'00\""));
  // Without them, the whole dive from its start to past its last sample.
  const std::string whole = Svg(dir / "whole.svg", {});
  EXPECT_TRUE(Labelled(whole, "00'00\"") && Labelled(whole, "04'00\""));
}

// Every chart over the dive's time that labels its axis draws the stretch, not the whole dive.
TEST(StretchOption, EveryTimeChartDrawsTheStretch) {
  SCRB_NEEDS_SVG();
  const auto dir = OutDir("every-chart");
  for (const char* chart : {"depth", "speed", "pressure", "oversaturation", "heatmap"}) {
    SCOPED_TRACE(chart);
    const std::string whole = Svg(dir / "whole.svg", {}, chart);
    const std::string stretch = Svg(dir / "stretch.svg", {"--from", "1", "--to", "2.5"}, chart);
    EXPECT_TRUE(Labelled(whole, "00'40\"") && Labelled(whole, "03'00\""));
    EXPECT_TRUE(Labelled(stretch, "01'20\""));
    EXPECT_FALSE(Labelled(stretch, "00'40\"") || Labelled(stretch, "03'00\""));
  }
}

// A stretch of exactly a minute is drawn; anything that is no stretch is refused, naming the
// option.
TEST(StretchOption, AMinuteIsDrawnWhatIsNoStretchRefusedNamingTheOption) {
  const auto dir = OutDir("refused-stretches");
  const std::string out = (dir / "chart.png").string();
  const struct {
    Args Extra;
    const char* Named;  // null: drawn
  } cases[] = {
      {{"--from", "1", "--to", "2"}, nullptr},
      {{"--from", "0.5", "--to", "1.5"}, nullptr},
      {{"--from", "x"}, "--from"},
      {{"--from", "-1"}, "--from"},
      {{"--to", "1,5"}, "--to"},
      {{"--to", "nan"}, "--to"},
      {{"--from", ""}, "--from"},
      {{"--from", "2", "--to", "2"}, "--to"},
      {{"--from", "3", "--to", "2"}, "--to"},
      {{"--from", "2", "--to", "2.5"}, "--from"},
      {{"--from", "4"}, "--from"},
      {{"--to", "1e999"}, "--to"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Extra.back());
    Args args = {"render", FourMinuteDive(), "--dive", "0", "--chart", "depth", "--out", out};
    args.insert(args.end(), c.Extra.begin(), c.Extra.end());
    const CliRun run = Cli(args);
    EXPECT_EQ(run.Status, c.Named ? kExitUsage : kExitOk) << run.Err;
    EXPECT_EQ(std::filesystem::remove(out), c.Named == nullptr);
    if (c.Named) {
      EXPECT_TRUE(Has(run.Err, c.Named)) << run.Err;
    }
  }
  for (const char* chart : {"legend", "stats-years"}) {
    const CliRun run =
        Cli({"render", FourMinuteDive(), "--chart", chart, "--out", out, "--from", "1"});
    EXPECT_EQ(run.Status, kExitUsage) << chart;
    EXPECT_TRUE(Has(run.Err, "--from")) << run.Err;
  }
}

}  // namespace
}  // namespace scrb::cli
