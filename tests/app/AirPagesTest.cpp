#include <gtest/gtest.h>

#include <QApplication>
#include <QEvent>
#include <QImage>
#include <QLabel>
#include <QStringList>

#include "AppTestWindow.h"
#include "app/AirPage.h"
#include "app/ChartView.h"
#include "app/PhysPage.h"

namespace scrb {
namespace {

// Ten minutes of 31 samples at one depth and status; the extra sample lets the last status byte
// be read.
DiveRecord MinutesDive(int rawDepth, int status, double tank, double used) {
  test::ProfileBuilder profile;
  profile.Samples.assign(31, {rawDepth, 0});
  profile.Status.assign(10, status);
  profile.Padding = rawDepth == 0;  // a first sample byte of 0 would read as padding
  return test::MakeDecodedDive(profile, tank, used);
}

bool HasBlue(const QImage& image) {
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if ((image.pixel(x, y) & 0xFFFFFF) == 0x4040FF) return true;
    }
  }
  return false;
}

// The label's text each time it is painted.
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
  void Show(DivePage& page, int index) { test::ShowOnPage(context, page, index); }

  AppContext context;
};

TEST_F(AirPages, AirLabelShowsThePassCountWhileTheModelRunsThenTheSummary) {
  context.Book.Dives = {MinutesDive(0, 0x30, 10, 16.55)};  // swings for a hundred passes
  AirPage page(context);
  page.resize(700, 500);
  page.show();
  QApplication::processEvents();
  PaintLog log;
  page.Label44()->installEventFilter(&log);
  Show(page, 0);
  page.Label44()->removeEventFilter(&log);
  ASSERT_GE(log.Texts.size(), 2);
  EXPECT_EQ(log.Texts.front(), "1");
  EXPECT_TRUE(log.Texts.back().startsWith("Min:")) << log.Texts.back().toStdString();
  EXPECT_LT(log.Texts.size(), 50);  // painting every pass would cost far more than the passes
  EXPECT_TRUE(HasBlue(page.TankPicture()->ChartImage()));
  EXPECT_TRUE(HasBlue(page.AirPicture()->ChartImage()));
  // Shown again, the estimate exists: the label waits for the mouse.
  Show(page, 0);
  EXPECT_EQ(page.Label44()->text(), "");
}

TEST_F(AirPages, OneReadoutMovesTheCursorOnBothAirCharts) {
  context.Book.Dives = {MinutesDive(128, 0x10, 12, 50), MinutesDive(128, 0x10, 327.67, 50)};
  AirPage page(context);
  page.resize(700, 500);
  Show(page, 0);
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

  // A dive without estimate: the cursors go with the old charts, the text replaces the lines,
  // and the readout stays quiet.
  Show(page, 1);
  EXPECT_FALSE(HasBlue(page.TankPicture()->ChartImage()));
  page.AirPictureMouseMove(100, 0);
  EXPECT_EQ(page.Label44()->text(), "");
  EXPECT_FALSE(page.AirPicture()->CursorX().has_value());
}

TEST_F(AirPages, PhysPageDrawsItsThreeChartsOrTheirTexts) {
  context.Book.Dives = {MinutesDive(128, 0x1D, 12, 50), DiveRecord{}};
  PhysPage page(context);
  page.resize(700, 600);
  for (const int dive : {0, 1}) {
    Show(page, dive);
    for (ChartView* chart : {page.ColdPicture(), page.DecoPicture(), page.AirConsoPicture()}) {
      EXPECT_EQ(HasBlue(chart->ChartImage()), dive == 0);
    }
  }
}

}  // namespace
}  // namespace scrb
