#include <gtest/gtest.h>

#include <QImage>
#include <QString>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/Commands.h"
#include "support/LogbookBuilder.h"

namespace scrb::cli {
namespace {

using test::EntryBuilder;
using test::ProfileBuilder;

struct RenderRun {
  int Status;
  std::string Out;
  std::string Err;
};

RenderRun Render(const std::vector<std::string>& arguments) {
  std::ostringstream out;
  std::ostringstream err;
  const int status = RunCli(arguments, out, err);
  return {status, out.str(), err.str()};
}

// Dive 0 has a profile with an ascent alarm in the middle, dive 1 has none.
std::string Logbook() {
  ProfileBuilder profile;
  profile.Samples = ProfileBuilder::FromDepths({5, 12, 20, 24, 24, 22, 15, 10, 5, 3, 3, 2},
                                               {0, 0, 0, 0, 4, 4, 0, 0, 0, 0, 32, 1});
  EntryBuilder withProfile;
  withProfile.Profile = profile.Bytes();
  withProfile.MaxDepth = 2400;
  EntryBuilder empty;
  return test::WriteTempFile("render.log", test::BuildLogbook({withProfile, empty}));
}

std::string OutDir() {
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / "bathyscribe-render";
  std::filesystem::create_directories(dir);
  return dir.string();
}

std::string Head(const std::string& path, size_t count) {
  std::ifstream in(path, std::ios::binary);
  std::string bytes(count, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(count));
  bytes.resize(static_cast<size_t>(in.gcount()));
  return bytes;
}

TEST(CliRender, ListsEveryDiveChart) {
  const RenderRun run = Render({"render", "--list-charts"});
  EXPECT_EQ(run.Status, kExitOk);
  EXPECT_EQ(run.Out.rfind("depth\nalarms\nspeed\n", 0), 0u) << run.Out;
}

TEST(CliRender, WritesPngSvgAndPdfOfTheSameChart) {
  const std::string logbook = Logbook();
  const std::string dir = OutDir();
  const struct {
    std::string Chart;
    std::vector<std::string> Extra;
    QSize Size;
  } pngs[] = {
      {"depth", {}, QSize(1200, 600)},
      {"speed", {"--size", "320x200"}, QSize(320, 200)},
      {"alarms", {}, QSize(1200, 41)},  // as high as on the Dive page
      {"alarms", {"--view", "0", "--size", "800x33"}, QSize(800, 33)},
  };
  for (const auto& c : pngs) {
    const std::string out = dir + "/" + c.Chart + ".png";
    std::filesystem::remove(out);
    std::vector<std::string> args = {"render",  logbook, "--dive", "0",
                                     "--chart", c.Chart, "--out",  out};
    args.insert(args.end(), c.Extra.begin(), c.Extra.end());
    const RenderRun run = Render(args);
    ASSERT_EQ(run.Status, kExitOk) << run.Err;
    const QImage image(QString::fromStdString(out));
    ASSERT_FALSE(image.isNull()) << c.Chart;
    EXPECT_EQ(image.size(), c.Size) << c.Chart;
    // The ascent alarm shows in red on the profile and the strip.
    bool red = false;
    for (int y = 0; y < image.height() && !red; ++y) {
      for (int x = 0; x < image.width() && !red; ++x) red = image.pixel(x, y) == qRgb(255, 64, 64);
    }
    EXPECT_TRUE(red) << c.Chart;
  }

  const std::string svg = dir + "/depth.svg";
  ASSERT_EQ(Render({"render", logbook, "--dive", "0", "--chart", "depth", "--out", svg}).Status,
            kExitOk);
  EXPECT_NE(Head(svg, 400).find("<svg"), std::string::npos);
  const std::string pdf = dir + "/depth.PDF";
  ASSERT_EQ(Render({"render", logbook, "--dive", "0", "--chart", "depth", "--out", pdf}).Status,
            kExitOk);
  EXPECT_EQ(Head(pdf, 5), "%PDF-");
}

TEST(CliRender, DiveWithoutProfileIsDrawnAsItsMessage) {
  const std::string out = OutDir() + "/empty.png";
  const RenderRun run =
      Render({"render", Logbook(), "--dive", "1", "--chart", "depth", "--out", out});
  EXPECT_EQ(run.Status, kExitOk) << run.Err;
  EXPECT_FALSE(QImage(QString::fromStdString(out)).isNull());
}

TEST(CliRender, RefusesBadRequestsWithUsageErrors) {
  const std::string logbook = Logbook();
  const std::string out = OutDir() + "/refused.png";
  const std::vector<std::vector<std::string>> cases = {
      {"render", logbook, "--dive", "0", "--out", out},                          // no chart
      {"render", logbook, "--dive", "0", "--chart", "sonar", "--out", out},      // unknown chart
      {"render", logbook, "--dive", "0", "--chart", "depth"},                    // no output
      {"render", logbook, "--dive", "0", "--chart", "depth", "--out", "x.bmp"},  // no such format
      {"render", logbook, "--dive", "2", "--chart", "depth", "--out", out},      // no such dive
      {"render", logbook, "--chart", "depth", "--out", out},                     // no dive
      {"render", logbook, "--dive", "0", "--chart", "depth", "--out", out, "--size", "0x100"},
      {"render", logbook, "--dive", "0", "--chart", "depth", "--out", out, "--size", "100"},
      {"render", logbook, "--dive", "0", "--chart", "depth", "--out", out, "--size", "99999x9"},
      {"render", logbook, "--dive", "0", "--chart", "depth", "--out", out, "--view", "2"},
      {"render", logbook, "--dive", "0", "--chart", "depth", "--out", out, "--model", "3"},
      {"render", logbook, "--dive", "0", "--chart", "depth", "--out", out, "--surface-pressure",
       "0"},
      {"render", "--dive", "0", "--chart", "depth", "--out", out},  // no logbook
  };
  for (const auto& args : cases) {
    std::filesystem::remove(out);
    const RenderRun run = Render(args);
    EXPECT_EQ(run.Status, kExitUsage) << args.size() << ": " << run.Err;
    EXPECT_NE(run.Err.find("bathyscribe-cli: "), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(out));
  }
}

TEST(CliRender, UnreadableLogbookAndUnwritableOutput) {
  const std::string out = OutDir() + "/nowhere/missing/chart.png";
  const RenderRun missing = Render({"render", "/nonexistent/file.log", "--dive", "0", "--chart",
                                    "depth", "--out", OutDir() + "/x.png"});
  EXPECT_EQ(missing.Status, kExitUnreadable);
  const RenderRun unwritable =
      Render({"render", Logbook(), "--dive", "0", "--chart", "depth", "--out", out});
  EXPECT_EQ(unwritable.Status, kExitUnreadable);
  EXPECT_NE(unwritable.Err.find("cannot write"), std::string::npos);
}

}  // namespace
}  // namespace scrb::cli
