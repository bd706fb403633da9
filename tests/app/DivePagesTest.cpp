// The dive pages one by one: what they draw, what they write, and the readouts under the mouse.

#include <gtest/gtest.h>

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>

#include "AppTestWindow.h"
#include "app/AirPage.h"
#include "app/ChartView.h"
#include "app/DepthPages.h"
#include "app/GeneralPage.h"
#include "app/PhysPage.h"
#include "app/RawDataPage.h"
#include "charts/ChartTestDives.h"

namespace scrb {
namespace {

// Six samples: T = 200 hundredths of a minute. A descent of 3 m between samples 0 and 1 reads as
// -9 m/min.
DiveRecord SixSampleDive() { return test::DiveWithSamples({3, 6, 8, 8, 5, 2.5}, {0, 0, 2}); }

// Ten minutes of 31 samples at one depth and status; the extra sample lets the last status byte
// be read.
DiveRecord MinutesDive(int rawDepth, int status, double tank, double used) {
  test::ProfileBuilder profile;
  profile.Samples.assign(31, {rawDepth, 0});
  profile.Status.assign(10, status);
  profile.Padding = rawDepth == 0;  // a first sample byte of 0 would read as padding
  return test::MakeDecodedDive(profile, tank, used);
}

DiveRecord ReportDive(int number, int samples) {
  test::ProfileBuilder profile;
  profile.Samples.assign(static_cast<size_t>(samples), {64, 0});
  DiveRecord dive = test::MakeDecodedDive(profile);
  dive.DiveNumber = number;
  dive.DiveDate = "17/10/1998";
  dive.Site = "<b>Pier</b>";
  return dive;
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

class DivePages : public ::testing::Test {
 protected:
  void Show(DivePage& page, int index) { test::ShowOnPage(context, page, index); }

  void Open(QWidget& page) {
    page.resize(700, 520);
    page.show();
    QApplication::processEvents();
  }

  AppContext context;
};

TEST_F(DivePages, DepthReadoutMovesLabelAndBothCursorsOfItsView) {
  context.Book.Dives = {SixSampleDive(), DiveRecord{}};
  DepthChartPage page(context);
  Open(page);
  Show(page, 0);
  EXPECT_EQ(page.Label40()->text(), "Dive Number: 12  Depth (meters) versus Time (minutes)");
  EXPECT_EQ(page.AlarmPicture()->height(), 41);
  // 0 rounds to -1, the first sample; 50 is halfway and goes to the even sample; 200 is T, the last.
  for (const auto& [x, text] : {std::pair{0.0, "Time=00'20\" Depth=3.0 m"}, std::pair{50.0, "Time=00'20\" Depth=3.0 m"},
                                std::pair{200.0, "Time=02'00\" Depth=2.5 m"}}) {
    emit page.AlarmPicture()->MouseMoved(x, 300);
    EXPECT_EQ(page.Label42()->text().toStdString(), text) << x;
    EXPECT_EQ(page.DepthPicture()->CursorX(), x);
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

TEST_F(DivePages, SpeedReadoutOnlyFromTheSecondSample) {
  context.Book.Dives = {SixSampleDive()};
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
  emit page.AlarmPicture()->MouseMoved(20, 0);  // back to sample 0: the speed keeps its state
  EXPECT_EQ(page.DDepthPicture()->CursorX(), 66);
}

TEST_F(DivePages, AirLabelShowsThePassCountWhileTheModelRunsThenTheSummary) {
  context.Book.Dives = {MinutesDive(0, 0x30, 10, 16.55)};  // swings for a hundred passes
  AirPage page(context);
  Open(page);
  PaintLog log;
  page.Label44()->installEventFilter(&log);
  Show(page, 0);
  page.Label44()->removeEventFilter(&log);
  ASSERT_GE(log.Texts.size(), 2);
  EXPECT_EQ(log.Texts.front(), "1");
  EXPECT_TRUE(log.Texts.back().startsWith("Min:")) << log.Texts.back().toStdString();
  EXPECT_LT(log.Texts.size(), 50);  // painting every pass would cost far more than the passes
  // Shown again, the estimate exists: the label waits for the mouse.
  Show(page, 0);
  EXPECT_EQ(page.Label44()->text(), "");
}

TEST_F(DivePages, OneAirReadoutMovesTheCursorOnBothAirCharts) {
  context.Book.Dives = {MinutesDive(128, 0x10, 12, 50), MinutesDive(128, 0x10, 327.67, 50)};
  AirPage page(context);
  Open(page);
  Show(page, 0);
  EXPECT_TRUE(HasBlue(page.TankPicture()->ChartImage()));
  page.TankPictureMouseMove(250, 0);
  EXPECT_TRUE(page.Label44()->text().contains("Time=02'00\""));
  EXPECT_EQ(page.AirPicture()->CursorX(), 250);

  // Past the last sample, or while the charts are being drawn, nothing changes.
  page.AirPictureMouseMove(1100, 0);
  context.Readouts.ChartsReady = false;
  page.AirPictureMouseMove(300, 0);
  EXPECT_EQ(page.TankPicture()->CursorX(), 250);

  // A dive without estimate: the cursors go with the old charts, the text replaces the lines,
  // and the readout stays quiet.
  Show(page, 1);
  EXPECT_FALSE(HasBlue(page.TankPicture()->ChartImage()));
  page.AirPictureMouseMove(100, 0);
  EXPECT_EQ(page.Label44()->text(), "");
  EXPECT_FALSE(page.AirPicture()->CursorX().has_value());
}

TEST_F(DivePages, PhysPageDrawsItsThreeChartsOrTheirTexts) {
  context.Book.Dives = {MinutesDive(128, 0x1D, 12, 50), DiveRecord{}};
  PhysPage page(context);
  Open(page);
  for (const int dive : {0, 1}) {
    Show(page, dive);
    for (ChartView* chart : {page.ColdPicture(), page.DecoPicture(), page.AirConsoPicture()}) {
      EXPECT_EQ(HasBlue(chart->ChartImage()), dive == 0);
    }
  }
}

TEST_F(DivePages, GeneralPageShowsTheSummaryAsPlainText) {
  context.Book.Dives = {ReportDive(7, 4)};
  context.Book.Dives.back().MaxDepth = 327.67;
  GeneralPage page(context);
  page.ShowDive(0);
  EXPECT_EQ(page.Heading()->text(), "Dive Number: 7");
  EXPECT_EQ(page.Caption(0)->text(), "Date:");
  EXPECT_EQ(page.Value(0)->text(), " Sat 17 October 1998");
  // A site typed with markup is shown as typed, not rendered.
  EXPECT_EQ(page.Value(3)->text(), " <b>Pier</b>");
  EXPECT_EQ(page.Value(3)->textFormat(), Qt::PlainText);
  EXPECT_EQ(page.Value(12)->text(), " Unknown");

  // No dive: the labels empty rather than keep another dive's values.
  page.ShowDive(-1);
  EXPECT_EQ(page.Heading()->text(), "");
  EXPECT_EQ(page.Value(0)->text(), "");
}

TEST_F(DivePages, RawDataShowsDetailsThenDumpInFixedPitch) {
  DiveRecord undecoded = ReportDive(3, 4);
  undecoded.ProfileDecoded = false;
  undecoded.SampleCount = 0;
  context.Book.Dives = {undecoded};
  RawDataPage page(context);
  page.ShowDive(0);  // a dive not decoded yet is decoded for its dump
  const QString text = page.TextBox()->toPlainText();
  EXPECT_TRUE(text.startsWith("Dive Number: 3\n    Dive Date: 17/10/1998"));
  EXPECT_TRUE(text.contains("    0004 , 01'20\" , 10.0 , txok"));
  EXPECT_FALSE(text.contains('\r'));
  const QFontMetrics metrics(page.TextBox()->font());
  EXPECT_EQ(metrics.horizontalAdvance("iiii , ...."), metrics.horizontalAdvance("WWWW - 0000"));
}

}  // namespace
}  // namespace scrb
