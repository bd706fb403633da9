#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>

#include "AppTestWindow.h"
#include "app/ChartView.h"
#include "app/DepthPages.h"
#include "charts/DepthChart.h"
#include "logbook/DiveRecord.h"

namespace scrb {
namespace {

// Six samples: T = 200 hundredths of a minute. A descent of 3 m between samples 0 and 1 reads as
// -9 m/min.
DiveRecord SixSampleDive() {
  DiveRecord dive;
  dive.DiveNumber = 42;
  dive.SampleDepth = {3, 6, 8, 8, 5, 2.5, 0};
  dive.SampleFlags = {0, 0, 2, 0, 0, 0, 0};
  dive.SampleCount = 6;
  dive.MaxDepth = 8;
  dive.ProfileDecoded = true;
  return dive;
}

class DepthPages : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(QApplication::instance(), nullptr);
    context.Book.Dives = {SixSampleDive(), DiveRecord{}};
  }

  void Show(DivePage& page, int index) { test::ShowOnPage(context, page, index); }

  template <typename Page>
  void Open(Page& page) {
    page.resize(700, 520);
    page.show();
    QApplication::processEvents();
  }

  AppContext context;
};

TEST_F(DepthPages, DivePageDrawsTitleChartAndStrip) {
  DepthChartPage page(context);
  Open(page);
  Show(page, 0);
  EXPECT_EQ(page.Label40()->text(), "Dive Number: 42  Depth (meters) versus Time (minutes)");
  EXPECT_TRUE(page.Label42()->text().isEmpty());
  const QImage depth = page.DepthPicture()->ChartImage();
  EXPECT_EQ(depth.deviceIndependentSize().toSize(), page.DepthPicture()->size());
  EXPECT_TRUE(depth.pixelColor(depth.width() / 2, depth.height() / 2).isValid());
  EXPECT_GT(page.DepthPicture()->height(), 5 * page.AlarmPicture()->height());
  EXPECT_EQ(page.AlarmPicture()->height(), 41);
}

TEST_F(DepthPages, ReadoutMovesLabelAndBothCursorsOfItsView) {
  DepthChartPage page(context);
  Open(page);
  Show(page, 0);
  const struct {
    double X;
    const char* Text;
  } cases[] = {
      {0, "Time=00'20\" Depth=3.0 m"},   // rounds to -1: the first sample
      {50, "Time=00'20\" Depth=3.0 m"},  // halfway: to the even sample
      {100, "Time=01'00\" Depth=8.0 m"},
      {200, "Time=02'00\" Depth=2.5 m"},  // T: the last sample
  };
  for (const auto& c : cases) {
    emit page.AlarmPicture()->MouseMoved(c.X, 300);
    EXPECT_EQ(page.Label42()->text().toStdString(), c.Text) << c.X;
    EXPECT_EQ(page.DepthPicture()->CursorX(), c.X);
    EXPECT_EQ(page.AlarmPicture()->CursorX(), c.X);
    EXPECT_EQ(context.Readouts.DepthCursorX[1], static_cast<float>(c.X));
    EXPECT_EQ(context.Readouts.DepthCursorX[0], 0);
  }

  // Outside the profile, while the charts are being drawn, or on a dive without samples, the
  // readout keeps still.
  emit page.DepthPicture()->MouseMoved(100, 0);
  const QString reading = page.Label42()->text();
  for (double x : {-1.0, 200.5, 1e9}) emit page.DepthPicture()->MouseMoved(x, 0);
  context.Readouts.ChartsReady = false;
  emit page.DepthPicture()->MouseMoved(150, 0);
  context.Readouts.ChartsReady = true;
  EXPECT_EQ(page.Label42()->text(), reading);
  EXPECT_EQ(page.DepthPicture()->CursorX(), 100);

  Show(page, 1);  // no samples
  EXPECT_TRUE(page.Label42()->text().isEmpty());
  EXPECT_FALSE(page.DepthPicture()->CursorX());
  emit page.DepthPicture()->MouseMoved(0, 0);
  EXPECT_TRUE(page.Label42()->text().isEmpty());
  EXPECT_FALSE(page.DepthPicture()->CursorX());
}

TEST_F(DepthPages, SpeedReadoutOnlyFromTheSecondSample) {
  SpeedPage page(context);
  Open(page);
  Show(page, 0);
  EXPECT_EQ(page.findChild<QLabel*>("Label41")->text(), "Depth derivative (meters per minutes)");

  // Sample 0: depth readout and view 0 cursors move, the speed readout keeps its state.
  emit page.DDepthPicture()->MouseMoved(10, -500);
  EXPECT_EQ(page.Label42()->text().toStdString(), "Time=00'20\" Depth=3.0 m");
  EXPECT_EQ(page.DepthPicture()->CursorX(), 10);
  EXPECT_EQ(page.AlarmPicture()->CursorX(), 10);
  EXPECT_TRUE(page.Label43()->text().isEmpty());
  EXPECT_FALSE(page.DDepthPicture()->CursorX());
  EXPECT_EQ(context.Readouts.SpeedCursorX, 0);

  emit page.DepthPicture()->MouseMoved(66, 0);  // sample 1
  EXPECT_EQ(page.Label43()->text().toStdString(), " Vertical Speed=-9.0 m/min");
  EXPECT_EQ(page.DDepthPicture()->CursorX(), 66);
  EXPECT_EQ(context.Readouts.SpeedCursorX, 66.0f);
  EXPECT_EQ(context.Readouts.DepthCursorX[0], 66.0f);

  emit page.AlarmPicture()->MouseMoved(20, 0);  // back to sample 0
  EXPECT_EQ(page.Label43()->text().toStdString(), " Vertical Speed=-9.0 m/min");
  EXPECT_EQ(page.DDepthPicture()->CursorX(), 66);

  // A new drawing clears both readouts and the cursors.
  Show(page, 0);
  EXPECT_TRUE(page.Label42()->text().isEmpty());
  EXPECT_TRUE(page.Label43()->text().isEmpty());
  EXPECT_FALSE(page.DDepthPicture()->CursorX());
  EXPECT_FALSE(page.DepthPicture()->CursorX());
}

TEST_F(DepthPages, CursorIsAnOverlayThatLeavesTheChartIntact) {
  DepthChartPage page(context);
  Open(page);
  Show(page, 0);
  ChartView* view = page.DepthPicture();
  const QImage chart = view->ChartImage();
  const QImage clean = view->grab().toImage().convertToFormat(QImage::Format_RGB32);

  view->SetCursorX(100);
  QApplication::processEvents();
  const QImage withCursor = view->grab().toImage().convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(view->ChartImage().cacheKey(), chart.cacheKey());  // the chart was not redrawn
  EXPECT_NE(withCursor, clean);

  view->SetCursorX(150);
  view->HideCursor();
  QApplication::processEvents();
  EXPECT_EQ(view->grab().toImage().convertToFormat(QImage::Format_RGB32), clean);
}

}  // namespace
}  // namespace scrb
