#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLabel>

#include "AppTestWindow.h"
#include "app/ChartView.h"
#include "app/DepthPages.h"

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
  void SetUp() override { context.Book.Dives = {SixSampleDive(), DiveRecord{}}; }

  void Show(DivePage& page, int index) { test::ShowOnPage(context, page, index); }

  void Open(QWidget& page) {
    page.resize(700, 520);
    page.show();
    QApplication::processEvents();
  }

  AppContext context;
};

TEST_F(DepthPages, DivePageReadoutMovesLabelAndBothCursorsOfItsView) {
  DepthChartPage page(context);
  Open(page);
  Show(page, 0);
  EXPECT_EQ(page.Label40()->text(), "Dive Number: 42  Depth (meters) versus Time (minutes)");
  EXPECT_EQ(page.DepthPicture()->ChartImage().deviceIndependentSize().toSize(), page.DepthPicture()->size());
  EXPECT_EQ(page.AlarmPicture()->height(), 41);
  const struct {
    double X;
    const char* Text;
  } cases[] = {
      {0, "Time=00'20\" Depth=3.0 m"},   // rounds to -1: the first sample
      {50, "Time=00'20\" Depth=3.0 m"},  // halfway: to the even sample
      {200, "Time=02'00\" Depth=2.5 m"},  // T: the last sample
  };
  for (const auto& c : cases) {
    emit page.AlarmPicture()->MouseMoved(c.X, 300);
    EXPECT_EQ(page.Label42()->text().toStdString(), c.Text) << c.X;
    EXPECT_EQ(page.DepthPicture()->CursorX(), c.X);
  }

  // Outside the profile, or while the charts are being drawn, the readout keeps still.
  for (double x : {-1.0, 200.5}) emit page.DepthPicture()->MouseMoved(x, 0);
  context.Readouts.ChartsReady = false;
  emit page.DepthPicture()->MouseMoved(100, 0);
  context.Readouts.ChartsReady = true;
  EXPECT_EQ(page.Label42()->text().toStdString(), "Time=02'00\" Depth=2.5 m");
  EXPECT_EQ(page.AlarmPicture()->CursorX(), 200);

  Show(page, 1);  // no samples: the readout is cleared and stays so
  emit page.DepthPicture()->MouseMoved(0, 0);
  EXPECT_TRUE(page.Label42()->text().isEmpty());
  EXPECT_FALSE(page.DepthPicture()->CursorX());
}

TEST_F(DepthPages, SpeedReadoutOnlyFromTheSecondSample) {
  SpeedPage page(context);
  Open(page);
  Show(page, 0);
  emit page.DDepthPicture()->MouseMoved(10, -500);  // sample 0: only the depth readout
  EXPECT_EQ(page.Label42()->text().toStdString(), "Time=00'20\" Depth=3.0 m");
  EXPECT_EQ(page.AlarmPicture()->CursorX(), 10);
  EXPECT_TRUE(page.Label43()->text().isEmpty());
  EXPECT_FALSE(page.DDepthPicture()->CursorX());

  emit page.DepthPicture()->MouseMoved(66, 0);  // sample 1
  EXPECT_EQ(page.Label43()->text().toStdString(), " Vertical Speed=-9.0 m/min");
  EXPECT_EQ(page.DDepthPicture()->CursorX(), 66);

  emit page.AlarmPicture()->MouseMoved(20, 0);  // back to sample 0: the speed keeps its state
  EXPECT_EQ(page.DDepthPicture()->CursorX(), 66);

  Show(page, 0);  // a new drawing clears the speed readout too
  EXPECT_TRUE(page.Label43()->text().isEmpty());
  EXPECT_FALSE(page.DDepthPicture()->CursorX());
}

TEST_F(DepthPages, CursorIsAnOverlayThatLeavesTheChartIntact) {
  DepthChartPage page(context);
  Open(page);
  Show(page, 0);
  ChartView* view = page.DepthPicture();
  const qint64 chart = view->ChartImage().cacheKey();
  const QImage clean = view->grab().toImage();

  view->SetCursorX(100);
  QApplication::processEvents();
  EXPECT_NE(view->grab().toImage(), clean);
  EXPECT_EQ(view->ChartImage().cacheKey(), chart);  // the chart was not redrawn

  view->HideCursor();
  QApplication::processEvents();
  EXPECT_EQ(view->grab().toImage(), clean);
}

}  // namespace
}  // namespace scrb
