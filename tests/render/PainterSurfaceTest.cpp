#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <vector>

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

// Remembers where each text went, to check label placement in pixels.
class PrintSpy : public PainterSurface {
 public:
  using PainterSurface::PainterSurface;
  std::vector<std::pair<std::string, QPointF>> Labels;  // text and pen position

  void Print(const std::string& text) override {
    Labels.emplace_back(text, QPointF(CurrentX(), CurrentY()));
    PainterSurface::Print(text);
  }
};

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
  // Before any Scale the user units are twips; Scale makes ScaleY negative when y grows upward.
  EXPECT_NEAR(at96.ScaleX(25.4), 1440, 1e-9);
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

TEST(PainterSurface, PrintPutsTheTopLeftOfTheTextAtThePen) {
  QImage image = WhiteImage(200, 100);
  PainterSurface surface(image);
  surface.Scale(0, 0, 200, 100);
  surface.SetCurrentX(50);
  surface.SetCurrentY(40);
  surface.Print("H");
  surface.Finish();
  QRect ink;
  for (int y = 0; y < 100; ++y) {
    for (int x = 0; x < 200; ++x) {
      if (qGray(image.pixel(x, y)) < 128) ink |= QRect(x, y, 1, 1);
    }
  }
  EXPECT_NEAR(ink.left(), 50, 2);
  EXPECT_GE(ink.top(), 40);
  EXPECT_LE(ink.top(), 40 + surface.TextHeight("H") / 2);
}

// At a small size: red where the alarm flags are, blue elsewhere, and every label still inside
// the surface.
TEST(PainterSurface, DepthChartPixels) {
  QImage image = WhiteImage(320, 180);
  PrintSpy surface(image);
  // 45 m deep with a flat stretch; samples 6 to 8 carry the ascent alarm.
  DrawDepthChart(test::DiveWithSamples({10, 25, 45, 45, 45, 30, 30, 30, 30, 30, 30, 10, 5, 5, 5},
                                       {0, 0, 0, 0, 0, 0, 4, 4, 4}),
                 surface);
  surface.Finish();

  // Flat stretches at 30 m: sample 7 -> 8 follows the flagged sample 7, sample 9 -> 10 does not.
  const auto between = [](int k) { return (SampleTime(k) + SampleTime(k + 1)) / 2; };
  EXPECT_EQ(PixelAt(image, surface, between(7), 3000), ToQRgb(kAlarmColor));
  EXPECT_EQ(PixelAt(image, surface, between(9), 3000), ToQRgb(kNormalColor));

  ASSERT_FALSE(surface.Labels.empty());
  for (const auto& [text, pen] : surface.Labels) {
    const std::optional<QPointF> topLeft = surface.ToLogical(pen.x(), pen.y());
    const std::optional<QPointF> bottomRight =
        surface.ToLogical(pen.x() + surface.TextWidth(text), pen.y() + surface.TextHeight(text));
    ASSERT_TRUE(topLeft && bottomRight) << text;
    EXPECT_TRUE(QRectF(-0.5, -0.5, 321, 181).contains(QRectF(*topLeft, *bottomRight))) << text;
  }
}

}  // namespace
}  // namespace scrb
