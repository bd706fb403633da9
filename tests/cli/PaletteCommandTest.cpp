// render --palette: the charts' colours by name, classic by default, and paper always classic.

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QString>
#include <filesystem>
#include <set>

#include "charts/Palette.h"
#include "cli/CliRun.h"
#include "support/LogbookBuilder.h"

namespace scrb::cli {
namespace {

QImage Render(const std::filesystem::path& out, const Args& extra) {
  Args args = {"render",  FourMinuteDive(), "--dive", "0",
               "--chart", "depth",          "--out",  out.string()};
  args.insert(args.end(), extra.begin(), extra.end());
  const CliRun run = Cli(args);
  EXPECT_EQ(run.Status, kExitOk) << run.Err;
  return QImage(QString::fromStdString(out.string())).convertToFormat(QImage::Format_RGB32);
}

bool Is(QRgb pixel, Rgb color) {
  return pixel == qRgb(color.R, color.G, color.B);
}

// Rows of a column that show the colour: the thickness of a horizontal line across it.
int RowsIn(const QImage& image, int x, Rgb color) {
  int rows = 0;
  for (int y = 0; y < image.height(); ++y) rows += Is(image.pixel(x, y), color) ? 1 : 0;
  return rows;
}

TEST(PaletteOption, ClassicByDefaultOthersByNameWithTheirGroundAndLines) {
  const auto dir = OutDir("palettes");
  const QImage plain = Render(dir / "plain.png", {});
  const QImage classic = Render(dir / "classic.png", {"--palette", "classic"});
  EXPECT_EQ(test::ReadFile((dir / "plain.png").string()),
            test::ReadFile((dir / "classic.png").string()));
  const int x = plain.width() / 2;
  EXPECT_EQ(RowsIn(classic, x, Palette::Classic().TwentyMetre), 1);

  for (const auto& [name, palette] : {std::pair{"dark", &Palette::Dark()},
                                      std::pair{"high-contrast", &Palette::HighContrast()}}) {
    SCOPED_TRACE(name);
    const QImage image = Render(dir / (std::string(name) + ".png"), {"--palette", name});
    EXPECT_TRUE(Is(image.pixel(1, 1), palette->Background));
    EXPECT_EQ(RowsIn(image, x, palette->TwentyMetre), palette->ThinnestLine);
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
      for (int i = 0; i < image.width(); ++i) colours.insert(image.pixel(i, y));
    }
    EXPECT_TRUE(colours.contains(qRgb(palette->Data.R, palette->Data.G, palette->Data.B)));
    const Rgb old = Palette::Classic().Data;
    EXPECT_FALSE(colours.contains(qRgb(old.R, old.G, old.B)));
  }
}

TEST(PaletteOption, UnknownNamesAreUsageErrorsAndPaperTakesNone) {
  const auto dir = OutDir("refused");
  const std::string out = (dir / "chart.png").string();
  for (const Args& extra : {Args{"--palette", "Dark"}, Args{"--palette", ""},
                            Args{"--palette", "high contrast"}, Args{"--palette", "light"}}) {
    SCOPED_TRACE(extra.back());
    Args args = {"render", FourMinuteDive(), "--dive", "0", "--chart", "depth", "--out", out};
    args.insert(args.end(), extra.begin(), extra.end());
    const CliRun run = Cli(args);
    EXPECT_EQ(run.Status, kExitUsage);
    EXPECT_TRUE(Has(run.Err, "--palette")) << run.Err;
    EXPECT_FALSE(std::filesystem::exists(out));
  }
  const CliRun report = Cli({"report", FourMinuteDive(), "--dive", "0", "--out",
                             (dir / "r.pdf").string(), "--palette", "dark"});
  EXPECT_EQ(report.Status, kExitUsage);
}

}  // namespace
}  // namespace scrb::cli
