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

const QRgb kRed = qRgb(kAlarmColor.R, kAlarmColor.G, kAlarmColor.B);

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
  surface.Line(0, 0, 50, 50, kAlarmColor);
  surface.Cls();
  surface.Finish();
  EXPECT_EQ(std::make_pair(surface.CurrentX(), surface.CurrentY()), std::make_pair(0.0, 0.0));
  EXPECT_EQ(image.pixel(30, 30), qRgb(255, 255, 255));
  surface.Line(-1e12, 40, 1e12, 40, kAlarmColor);
  surface.Finish();
  EXPECT_EQ(std::make_pair(image.pixel(1, 50), image.pixel(98, 50)), std::make_pair(kRed, kRed));
}

// At a small size, 45 m deep with flat stretches at 30 m: samples 6 to 8 carry the ascent alarm,
// so sample 7 -> 8 is red and sample 9 -> 10 blue. The mouse's way back lands where it started.
TEST(PainterSurface, DepthChartPixelsAndTheWayBackFromThem) {
  QImage image = WhiteImage(320, 180);
  PainterSurface surface(image);
  const test::SampledDive dive = test::DiveWithSamples(
      {10, 25, 45, 45, 45, 30, 30, 30, 30, 30, 30, 10, 5, 5, 5}, {0, 0, 0, 0, 0, 0, 4, 4, 4});
  DrawDepthChart(dive, dive, surface);
  surface.Finish();
  for (const auto& [sample, color] : {std::pair{7, kAlarmColor}, std::pair{9, kNormalColor}}) {
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
