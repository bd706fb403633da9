#include <gtest/gtest.h>

#include <QApplication>
#include <QEvent>
#include <QImage>
#include <QLabel>
#include <QStringList>

#include "app/AirPage.h"
#include "app/ChartView.h"
#include "app/PhysPage.h"
#include "support/LogbookBuilder.h"

namespace scrb {
namespace {

// Ten minutes at 20 m at air level 1, then one more sample so that the last status byte is read.
DiveRecord AirDive(double tank = 12, double used = 50) {
  test::ProfileBuilder profile;
  profile.Samples.assign(31, {128, 0});
  profile.Status.assign(10, 0x1D);  // air level 1, cold, bubble level 5
  return test::MakeDecodedDive(profile, tank, used);
}

int PixelsOf(const QImage& image, QRgb color) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) count += (image.pixel(x, y) & 0xFFFFFF) == (color & 0xFFFFFF);
  }
  return count;
}

bool IsBlank(const QImage& image) { return PixelsOf(image, qRgb(255, 255, 255)) == image.width() * image.height(); }

const QRgb kBlue = qRgb(64, 64, 255);

// Records the label's text every time it is painted.
class PaintLog : public QObject {
 public:
  QStringList Texts;
  bool eventFilter(QObject* object, QEvent* event) override {
    if (event->type() == QEvent::Paint) Texts << static_cast<QLabel*>(object)->text();
    return false;
  }
};

class AirPages : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_NE(QApplication::instance(), nullptr); }

  // Shows the dive as the main window does.
  template <typename Page>
  void Show(Page& page, int index) {
    context.Book.CurrentDive = index;
    context.Readouts.ChartsReady = false;
    context.Readouts.ResetCursors();
    page.ShowDive(index);
    context.Readouts.ChartsReady = true;
  }

  AppContext context;
};

TEST_F(AirPages, AirPageCountsThePassesThenShowsTheSummaryAndBothCharts) {
  context.Book.Dives = {AirDive(12, 55)};
  AirPage page(context);
  page.resize(700, 500);
  page.show();
  QApplication::processEvents();
  PaintLog log;
  page.Label44()->installEventFilter(&log);
  Show(page, 0);
  ASSERT_GE(log.Texts.size(), 2);
  EXPECT_EQ(log.Texts.front(), "1");
  EXPECT_TRUE(log.Texts.back().startsWith("Min:")) << log.Texts.back().toStdString();
  EXPECT_EQ(page.Label44()->text(), log.Texts.back());
  EXPECT_GT(PixelsOf(page.TankPicture()->ChartImage(), kBlue), 0);
  EXPECT_GT(PixelsOf(page.AirPicture()->ChartImage(), kBlue), 0);

  // Shown again, the estimate exists: the label waits for the mouse.
  Show(page, 0);
  EXPECT_EQ(page.Label44()->text(), "");
}

TEST_F(AirPages, ALongIterationDoesNotPaintEveryPass) {
  // Ten surface minutes at air level 3 with little air used: hundreds of passes.
  test::ProfileBuilder profile;
  profile.Samples.assign(31, {0, 0});
  profile.Status.assign(10, 0x30);
  profile.Padding = true;  // a first sample byte of 0 would read as padding
  context.Book.Dives = {test::MakeDecodedDive(profile, 10, 16.55)};
  AirPage page(context);
  page.resize(700, 500);
  page.show();
  QApplication::processEvents();
  PaintLog log;
  page.Label44()->installEventFilter(&log);
  Show(page, 0);
  ASSERT_GT(context.Book.Dives[0].BaseBreathRate, 0);
  EXPECT_LT(log.Texts.size(), 100);
  EXPECT_EQ(log.Texts.front(), "1");
  EXPECT_TRUE(log.Texts.back().startsWith("Min:11.0 l/min"));
}

TEST_F(AirPages, OneReadoutMovesTheCursorOnBothAirCharts) {
  context.Book.Dives = {AirDive()};
  AirPage page(context);
  page.resize(700, 500);
  Show(page, 0);
  const DiveRecord& dive = context.Book.Dives[0];
  ASSERT_GT(dive.BaseBreathRate, 0);

  page.AirPictureMouseMove(100, 0);
  EXPECT_TRUE(page.Label44()->text().contains("Time=01'00\""));
  EXPECT_EQ(page.TankPicture()->CursorX(), 100);
  EXPECT_EQ(page.AirPicture()->CursorX(), 100);
  EXPECT_EQ(context.Readouts.AirCursorX, 100);

  page.TankPictureMouseMove(250, 0);
  EXPECT_TRUE(page.Label44()->text().contains("Time=02'00\""));
  EXPECT_EQ(page.AirPicture()->CursorX(), 250);

  // Past the last sample, or while the charts are being drawn, nothing changes.
  const QString shown = page.Label44()->text();
  page.AirPictureMouseMove(1100, 0);
  context.Readouts.ChartsReady = false;
  page.AirPictureMouseMove(300, 0);
  EXPECT_EQ(page.Label44()->text(), shown);
  EXPECT_EQ(page.TankPicture()->CursorX(), 250);

  // A redraw takes the cursors away with the old charts.
  Show(page, 0);
  EXPECT_FALSE(page.TankPicture()->CursorX().has_value());
  EXPECT_FALSE(page.AirPicture()->CursorX().has_value());
}

TEST_F(AirPages, ADiveWithoutEstimateShowsTextOnlyAndNoReadout) {
  context.Book.Dives = {AirDive(), AirDive(327.67)};
  AirPage page(context);
  page.resize(700, 500);
  Show(page, 0);
  Show(page, 1);
  EXPECT_EQ(page.Label44()->text(), "");
  for (ChartView* chart : {page.TankPicture(), page.AirPicture()}) {
    const QImage image = chart->ChartImage();
    EXPECT_FALSE(IsBlank(image));
    EXPECT_EQ(PixelsOf(image, kBlue), 0);
  }
  page.AirPictureMouseMove(100, 0);
  EXPECT_EQ(page.Label44()->text(), "");
  EXPECT_FALSE(page.AirPicture()->CursorX().has_value());
}

TEST_F(AirPages, PhysPageDrawsItsThreeChartsOrTheirTexts) {
  context.Book.Dives = {AirDive(), DiveRecord{}};
  PhysPage page(context);
  page.resize(700, 600);
  Show(page, 0);
  for (ChartView* chart : {page.ColdPicture(), page.DecoPicture(), page.AirConsoPicture()}) {
    EXPECT_GT(PixelsOf(chart->ChartImage(), kBlue), 0);
  }
  Show(page, 1);
  for (ChartView* chart : {page.ColdPicture(), page.DecoPicture(), page.AirConsoPicture()}) {
    const QImage image = chart->ChartImage();
    EXPECT_FALSE(IsBlank(image));
    EXPECT_EQ(PixelsOf(image, kBlue), 0);
  }
}

TEST_F(AirPages, ChartsShareTheHeightOfThePageEqually) {
  AirPage air(context);
  PhysPage phys(context);
  air.resize(700, 500);
  phys.resize(700, 600);
  air.show();
  phys.show();
  QApplication::processEvents();
  const int tank = air.TankPicture()->height();
  const int cold = phys.ColdPicture()->height();
  EXPECT_NEAR(air.AirPicture()->height(), tank, 1);
  EXPECT_NEAR(phys.DecoPicture()->height(), cold, 1);
  EXPECT_NEAR(phys.AirConsoPicture()->height(), cold, 1);

  air.resize(700, 1100);
  phys.resize(700, 1200);
  QApplication::processEvents();
  EXPECT_NEAR(air.TankPicture()->height() - tank, 300, 1);
  EXPECT_NEAR(air.AirPicture()->height() - tank, 300, 1);
  EXPECT_NEAR(phys.ColdPicture()->height() - cold, 200, 1);
  EXPECT_NEAR(phys.AirConsoPicture()->height() - cold, 200, 1);
}

}  // namespace
}  // namespace scrb
