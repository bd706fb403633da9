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

QRgb ToQRgb(Rgb c) {
  return qRgb(c.R, c.G, c.B);
}

QImage WhiteImage(int width, int height, qreal ratio = 1) {
  QImage image(static_cast<int>(width * ratio), static_cast<int>(height * ratio),
               QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::white);
  return image;
}

// The pixel under a user position; the way back is what the readouts use for the mouse.
QRgb PixelAt(const QImage& image, const PainterSurface& surface, double x, double y) {
  const std::optional<QPointF> p = surface.ToLogical(x, y);
  const std::optional<QPointF> back = p ? surface.ToUser(*p) : std::nullopt;
  if (!back) return 0;
  EXPECT_NEAR(back->x(), x, 1e-6);
  EXPECT_NEAR(back->y(), y, 1e-6);
  return image.pixel(static_cast<int>(std::floor(p->x())), static_cast<int>(std::floor(p->y())));
}

TEST(PainterSurface, LengthsAreTwipsFromTheLogicalDpi) {
  QImage image = WhiteImage(465, 325);
  PainterSurface at96(&image, QSizeF(465, 325), 96, 96);
  EXPECT_DOUBLE_EQ(at96.Width(), 6975);
  // Scale makes ScaleY negative when y grows upward.
  at96.Scale(0, 100, 1000, -100);
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
  EXPECT_EQ(image.pixel(1, 50), ToQRgb(kAlarmColor));
  EXPECT_EQ(image.pixel(98, 50), ToQRgb(kAlarmColor));
}

// At a small size: red where the alarm flags are, blue elsewhere.
TEST(PainterSurface, DepthChartPixels) {
  QImage image = WhiteImage(320, 180);
  PainterSurface surface(image);
  // 45 m deep with a flat stretch; samples 6 to 8 carry the ascent alarm.
  DrawDepthChart(test::DiveWithSamples({10, 25, 45, 45, 45, 30, 30, 30, 30, 30, 30, 10, 5, 5, 5},
                                       {0, 0, 0, 0, 0, 0, 4, 4, 4}),
                 surface);
  surface.Finish();

  // Flat stretches at 30 m: sample 7 -> 8 follows the flagged sample 7, sample 9 -> 10 does not.
  const auto between = [](int k) { return (SampleTime(k) + SampleTime(k + 1)) / 2; };
  EXPECT_EQ(PixelAt(image, surface, between(7), 3000), ToQRgb(kAlarmColor));
  EXPECT_EQ(PixelAt(image, surface, between(9), 3000), ToQRgb(kNormalColor));
}

// In the real label font the alarm strip's row names and a tissue pressure such as "0.95" fit the
// margin every chart reserves, so the strip and the charts above it keep one time axis.
TEST(PainterSurface, RowNamesAndPressuresFitTheCommonLeftMargin) {
  for (double dpi : {96.0, 144.0, 192.0}) {
    QImage image = WhiteImage(400, 200);
    PainterSurface surface(&image, QSizeF(400, 200), dpi, dpi);
    const double common = LeftMarginTwips(surface, {});
    EXPECT_EQ(
        LeftMarginTwips(surface, {"sos ", "up", "rbt ", "air", "deco", "tx", "0.95", "-12.5"}),
        common)
        << dpi;
  }
}

}  // namespace
}  // namespace scrb
