#include <gtest/gtest.h>

#include <QImage>
#include <cmath>

#include "charts/ChartFrame.h"
#include "charts/ChartTestDives.h"
#include "charts/DepthChart.h"
#include "charts/ProfileSamples.h"
#include "render/PainterSurface.h"

namespace scrb {
namespace {

QImage WhiteImage(int width, int height, qreal ratio = 1) {
  QImage image(int(width * ratio), int(height * ratio), QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::white);
  return image;
}

const QRgb kRed =
    qRgb(Palette::Classic().Alarm.R, Palette::Classic().Alarm.G, Palette::Classic().Alarm.B);

// Fills meet without a seam or an overlap on fractional pixels, stay on the image and move no pen.
TEST(PainterSurface, FillsMeetOnThePixelGrid) {
  QImage image = WhiteImage(100, 20);
  {
    PainterSurface s(&image, QSizeF(100, 20), 96, 96);
    s.Scale(0, 0, 100, 20);
    s.SetCurrentX(3);
    s.FillRect(10, 5, 33.3, 15, Palette::Classic().Alarm);
    s.FillRect(33.3, 5, 66.6, 15, Rgb{0, 0, 255});
    s.FillRect(66.6, 15, 250, 5, Palette::Classic().Alarm);
    EXPECT_EQ(s.CurrentX(), 3);
  }
  int red = 0;
  int blue = 0;
  for (int x = 0; x < 100; ++x) {
    const QRgb pixel = image.pixel(x, 10);
    red += pixel == kRed;
    blue += pixel == qRgb(0, 0, 255);
    if (x >= 10) EXPECT_NE(pixel, qRgb(255, 255, 255)) << x;
  }
  EXPECT_EQ(red + blue, 90);
  EXPECT_EQ(blue, 34);  // the pixels whose centres lie in 33.3..66.6
  EXPECT_EQ(image.pixel(50, 2), qRgb(255, 255, 255));
}

TEST(PainterSurface, LengthsAreTwipsFromTheLogicalDpi) {
  QImage image = WhiteImage(465, 325);
  PainterSurface at96(&image, QSizeF(465, 325), 96, 96);
  EXPECT_DOUBLE_EQ(at96.Width(), 6975);
  at96.Scale(0, 100, 1000, -100);  // y grows upward: ScaleY and text heights are negative
  EXPECT_NEAR(at96.ScaleX(25.4), 96 * 1000 / 465.0, 1e-9);
  EXPECT_NEAR(at96.ScaleY(25.4), -96 * 200 / 325.0, 1e-9);
  EXPECT_LT(at96.TextHeight("8"), 0);
  // On a high-density screen the size is still counted in logical pixels.
  QImage doubled = WhiteImage(300, 200, 2);
  EXPECT_DOUBLE_EQ(PainterSurface(doubled).Width(), 4500);
}

// After Cls a line far outside the surface still lands, clipped, in the same coordinates.
TEST(PainterSurface, ClsKeepsTheCoordinateSystemAndPutsThePenAtItsOrigin) {
  QImage image = WhiteImage(100, 100);
  PainterSurface surface(image);
  surface.Scale(-10, -10, 90, 90);
  surface.Line(0, 0, 50, 50, Palette::Classic().Alarm);
  surface.Cls();
  surface.Finish();
  EXPECT_EQ(std::make_pair(surface.CurrentX(), surface.CurrentY()), std::make_pair(0.0, 0.0));
  EXPECT_EQ(image.pixel(30, 30), qRgb(255, 255, 255));
  surface.Line(-1e12, 40, 1e12, 40, Palette::Classic().Alarm);
  surface.Finish();
  EXPECT_EQ(std::make_pair(image.pixel(1, 50), image.pixel(98, 50)), std::make_pair(kRed, kRed));
}

// What a surface remembers between lines and labels belongs to its coordinates and device: a new
// scale moves the next line even where it goes on from the last, and labels are measured again in
// the font of a device of another resolution.
TEST(PainterSurface, ANewScaleOrDeviceIsNotMeasuredWithTheOldOne) {
  QImage image = WhiteImage(100, 100);
  PainterSurface surface(image);
  surface.Scale(0, 0, 100, 100);
  surface.Line(10, 10, 20, 20, Palette::Classic().Alarm);
  surface.Scale(0, 0, 200, 200);
  surface.Line(20, 20, 20, 100, Palette::Classic().Alarm);  // from (10, 10) down, at this scale
  surface.Finish();
  EXPECT_EQ(image.pixel(10, 30), kRed);
  EXPECT_EQ(image.pixel(20, 30), qRgb(255, 255, 255));

  const double width96 = surface.TextWidth("0.95");
  QImage sharper = WhiteImage(100, 100);
  surface.Retarget(&sharper, QSizeF(100, 100), 192, 192);
  EXPECT_NEAR(surface.TextWidth("0.95"), 2 * width96, 0.25 * width96);
}

// A palette's ground and text colour, and its thinnest line: 2 px at 96 dpi, twice that at 192 dpi,
// while the classic one pixel stays one pixel at any resolution.
TEST(PainterSurface, PaletteGroundTextAndThinnestLine) {
  const auto rowsOf = [](const QImage& image, QRgb color) {
    int rows = 0;
    for (int y = 0; y < image.height(); ++y) rows += image.pixel(50, y) == color ? 1 : 0;
    return rows;
  };
  for (const auto& [palette, dpi, rows] :
       {std::tuple{&Palette::Classic(), 96, 1}, std::tuple{&Palette::Classic(), 192, 1},
        std::tuple{&Palette::HighContrast(), 96, 2}, std::tuple{&Palette::HighContrast(), 192, 4},
        std::tuple{&Palette::Dark(), 96, 1}}) {
    SCOPED_TRACE(dpi);
    QImage image = WhiteImage(100, 100);
    PainterSurface surface(&image, QSizeF(100, 100), dpi, dpi);
    surface.UsePalette(*palette);
    surface.Cls();
    surface.Scale(0, 0, 100, 100);
    const Rgb grid = palette->Grid;
    surface.Line(0, 30, 100, 30, grid);
    surface.SetCurrentX(2);
    surface.SetCurrentY(70);
    surface.Print("W");
    surface.Finish();
    const Rgb ground = palette->Background;
    EXPECT_EQ(image.pixel(99, 99), qRgb(ground.R, ground.G, ground.B));
    EXPECT_EQ(rowsOf(image, qRgb(grid.R, grid.G, grid.B)), rows);
    // Antialiased text: some pixel lies nearer the text colour than the ground.
    const auto distance = [](QRgb p, Rgb c) {
      return std::abs(qRed(p) - c.R) + std::abs(qGreen(p) - c.G) + std::abs(qBlue(p) - c.B);
    };
    bool textShown = false;
    for (int y = 70; y < 100; ++y) {
      for (int x = 0; x < 30; ++x) {
        const QRgb p = image.pixel(x, y);
        textShown |= distance(p, palette->Text) < distance(p, ground);
      }
    }
    EXPECT_TRUE(textShown);
  }
}

// At a small size, 45 m deep with flat stretches at 30 m: samples 6 to 8 carry the ascent alarm,
// so sample 7 -> 8 is red and sample 9 -> 10 blue. The mouse's way back lands where it started.
TEST(PainterSurface, DepthChartPixelsAndTheWayBackFromThem) {
  QImage image = WhiteImage(320, 180);
  PainterSurface surface(image);
  const test::SampledDive dive = test::DiveWithSamples(
      {10, 25, 45, 45, 45, 30, 30, 30, 30, 30, 30, 10, 5, 5, 5}, {0, 0, 0, 0, 0, 0, 4, 4, 4});
  DrawDepthChart(dive, dive, surface, UnitSystem::Metric, Palette::Classic());
  surface.Finish();
  for (const auto& [sample, color] :
       {std::pair{7, Palette::Classic().Alarm}, std::pair{9, Palette::Classic().Data}}) {
    const double x = (SampleTime(sample) + SampleTime(sample + 1)) / 2;
    const std::optional<QPointF> p = surface.ToLogical(x, 3000);
    ASSERT_TRUE(p);
    EXPECT_EQ(image.pixel(int(std::floor(p->x())), int(std::floor(p->y()))),
              qRgb(color.R, color.G, color.B));
    const std::optional<QPointF> back = surface.ToUser(*p);
    EXPECT_NEAR(back->x(), x, 1e-6);
    EXPECT_NEAR(back->y(), 3000, 1e-6);
  }
}

// In the real label font the alarm strip's row names and a tissue pressure such as "0.95" fit the
// margin every chart reserves, so the strip and the charts above it keep one time axis.
TEST(PainterSurface, RowNamesAndPressuresFitTheCommonLeftMargin) {
  for (double dpi : {96.0, 144.0, 192.0}) {
    QImage image = WhiteImage(400, 200);
    PainterSurface surface(&image, QSizeF(400, 200), dpi, dpi);
    EXPECT_EQ(
        LeftMarginTwips(surface, {"sos ", "up", "rbt ", "air", "deco", "tx", "0.95", "-12.5"}),
        LeftMarginTwips(surface, {}))
        << dpi;
  }
}

}  // namespace
}  // namespace scrb
