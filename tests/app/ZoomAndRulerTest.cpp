// The charts over a dive's time under the diver's hand: zoom, pan, the stretch the pages share,
// readouts in a stretch and the ruler.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>
#include <QWheelEvent>
#include <iostream>

#include "AppTestWindow.h"
#include "charts/SampleTimeAxis.h"

namespace scrb {
namespace {

struct Window : test::TestWindow {
  Window()
      : TestWindow("NoWarning=1\nWindowState=0\nLogbook%20File=" +
                   test::WriteLogbook("s.log", test::SampleLogbook()).toStdString() + "\n") {
    Start();
    form->resize(1200, 800);
    QApplication::processEvents();
  }
  ChartView* Chart(int page, int n) {
    DiveTab(*form)->setCurrentIndex(page);
    QApplication::processEvents();
    return test::Charts(*form, page).at(n);
  }
  QString Readout(int page, const char* name) {
    return Page(*form, page)->findChild<QLabel*>(name)->text();
  }
};

void Wheel(ChartView* chart, double userX, int notches, Qt::KeyboardModifiers modifiers = {}) {
  const QPointF at(chart->ToPixels(userX)->x(), chart->height() / 2.0);
  QWheelEvent wheel(at, chart->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
                    modifiers, Qt::NoScrollPhase, false);
  QApplication::sendEvent(chart, &wheel);
}

void Mouse(ChartView* chart, QEvent::Type type, double pixelX, Qt::MouseButton button,
           Qt::KeyboardModifiers modifiers = {}) {
  const QPointF at(pixelX, chart->height() / 2.0);
  const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
  QMouseEvent event(type, at, chart->mapToGlobal(at),
                    type == QEvent::MouseMove ? Qt::NoButton : button, held, modifiers);
  QApplication::sendEvent(chart, &event);
}

void Drag(ChartView* chart, double fromPixel, double toPixel, Qt::MouseButton button,
          Qt::KeyboardModifiers modifiers = {}) {
  Mouse(chart, QEvent::MouseButtonPress, fromPixel, button, modifiers);
  Mouse(chart, QEvent::MouseMove, (fromPixel + toPixel) / 2, button, modifiers);
  Mouse(chart, QEvent::MouseMove, toPixel, button, modifiers);
  Mouse(chart, QEvent::MouseButtonRelease, toPixel, button, modifiers);
}

double PixelOf(ChartView* chart, double userX) {
  return chart->ToPixels(userX)->x();
}

// A burst of wheel steps is drawn once, after it; every time chart of the page then shows the same
// stretch, with its depth scale kept, and so does another page of the same dive. Another dive
// shows its whole again.
TEST(Zoom, TheStretchIsTheDivesOnEveryPageUntilAnotherDive) {
  Window w;
  ChartView* depth = w.Chart(2, 0);
  const double middle = 1000;
  const double pixel = PixelOf(depth, middle);
  const double surfacePixel = depth->ToPixels(0)->y();
  for (int n = 0; n < 4; ++n) Wheel(depth, middle, 1);
  // Not yet drawn: the steps wait for the event loop, and are drawn together.
  EXPECT_DOUBLE_EQ(PixelOf(depth, middle), pixel);
  QApplication::processEvents();
  const TimeStretch stretch = w.state->Stretch();
  ASSERT_FALSE(stretch.Whole);
  EXPECT_NEAR(stretch.To - stretch.From,
              TimesShown({}, w.state->CurrentSampleCount()).Right * 0.8 * 0.8 * 0.8 * 0.8, 1e-6);
  // The time under the pointer stays put (within the whole dive's rounding of its corners).
  EXPECT_NEAR(PixelOf(depth, middle), pixel, 0.5);
  EXPECT_DOUBLE_EQ(depth->ToPixels(0)->y(), surfacePixel);
  for (ChartView* chart : test::Charts(*w.form, 2)) {
    EXPECT_NEAR(PixelOf(chart, stretch.From), PixelOf(depth, stretch.From), 1e-6);
    EXPECT_NEAR(PixelOf(chart, stretch.To), PixelOf(depth, stretch.To), 1e-6);
  }
  ChartView* tissues = w.Chart(5, 0);
  EXPECT_EQ(w.state->Stretch(), stretch);
  EXPECT_NEAR(PixelOf(tissues, stretch.From), PixelOf(depth, stretch.From), 1e-6);

  // Shift+wheel pans; so does a drag with the left button.
  Wheel(tissues, middle, -1, Qt::ShiftModifier);
  QApplication::processEvents();
  EXPECT_GT(w.state->Stretch().From, stretch.From);
  const TimeStretch panned = w.state->Stretch();
  Drag(tissues, 400, 500, Qt::LeftButton);
  QApplication::processEvents();
  EXPECT_LT(w.state->Stretch().From, panned.From);
  EXPECT_NEAR(w.state->Stretch().To - w.state->Stretch().From, stretch.To - stretch.From, 1e-6);

  // Keys on a focused chart, and the double-click.
  tissues->setFocus();
  QTest::keyClick(tissues, Qt::Key_0);
  EXPECT_TRUE(w.state->Stretch().Whole);
  QTest::keyClick(tissues, Qt::Key_Plus);
  EXPECT_FALSE(w.state->Stretch().Whole);
  QTest::keyClick(tissues, Qt::Key_Minus);
  EXPECT_TRUE(w.state->Stretch().Whole);
  QTest::keyClick(tissues, Qt::Key_Plus);
  QTest::mouseDClick(tissues, Qt::LeftButton, {}, QPoint(300, 100));
  EXPECT_TRUE(w.state->Stretch().Whole);

  w.state->SetStretch(stretch);
  w.state->SelectDive(w.state->CurrentDive() - 1);
  QApplication::processEvents();
  EXPECT_TRUE(w.state->Stretch().Whole);
}

// In a stretch the mouse reads the sample under it, and at either end of the stretch the first
// or last sample the stretch shows, as Home and End do.
TEST(Zoom, ReadoutsReadTheSamplesTheStretchShows) {
  Window w;
  w.state->SetStretch(TimeStretch::Between(1000, 1500));  // samples 29 (10'00") to 44 (15'00")
  ChartView* depth = w.Chart(1, 0);
  QApplication::processEvents();
  const struct {
    double Pixel;
    const char* Time;
    Qt::Key Key;
  } ends[] = {{1, "Time=10'00\"", Qt::Key_Home},
              {static_cast<double>(depth->width() - 2), "Time=15'00\"", Qt::Key_End}};
  for (const auto& end : ends) {
    Mouse(depth, QEvent::MouseMove, end.Pixel, Qt::NoButton);
    const QString byMouse = w.Readout(1, "DepthReadout");
    EXPECT_TRUE(byMouse.startsWith(end.Time)) << byMouse.toStdString();
    depth->setFocus();
    QTest::keyClick(depth, end.Key);
    EXPECT_EQ(w.Readout(1, "DepthReadout"), byMouse);
  }
  Mouse(depth, QEvent::MouseMove, PixelOf(depth, SampleTime(35)), Qt::NoButton);
  EXPECT_TRUE(w.Readout(1, "DepthReadout").startsWith("Time=12'00\""));
  // A zoom keeps the readout on its time.
  Wheel(depth, SampleTime(35), 1);
  QApplication::processEvents();
  EXPECT_TRUE(w.Readout(1, "DepthReadout").startsWith("Time=12'00\""));
}

// The ruler: laid by a drag with the right button or Shift and the left, shown on every chart of
// the page with its label on the top one, kept on its times through a zoom, and cleared by Esc or
// a click.
TEST(Ruler, LaidKeptAndCleared) {
  Window w;
  ChartView* depth = w.Chart(1, 0);
  ChartView* alarms = w.Chart(1, 1);
  Drag(depth, PixelOf(depth, SampleTime(10)), PixelOf(depth, SampleTime(16)), Qt::RightButton);
  ASSERT_TRUE(w.state->Ruler());
  const auto band = std::pair{SampleTime(10), SampleTime(16)};
  EXPECT_EQ(depth->Band(), band);
  EXPECT_EQ(alarms->Band(), band);
  EXPECT_TRUE(alarms->BandLabel().isEmpty());
  ASSERT_GE(depth->BandLabel().size(), 3);
  EXPECT_EQ(depth->BandLabel()[0], "Time: 02'00\"");

  Wheel(depth, SampleTime(12), 2);
  QApplication::processEvents();
  EXPECT_EQ(depth->Band(), band);
  depth->setFocus();
  QTest::keyClick(depth, Qt::Key_Escape);
  EXPECT_FALSE(depth->Band());
  EXPECT_FALSE(w.state->Ruler());

  // On the Tissue Sat page the label also gives the highest over-saturation in the band.
  ChartView* pressure = w.Chart(5, 0);
  Drag(pressure, 200, 500, Qt::LeftButton, Qt::ShiftModifier);
  ASSERT_TRUE(pressure->Band());
  EXPECT_TRUE(pressure->BandLabel().last().startsWith("Highest over-saturation: "));
  Mouse(pressure, QEvent::MouseButtonPress, 300, Qt::LeftButton);
  Mouse(pressure, QEvent::MouseButtonRelease, 300, Qt::LeftButton);
  EXPECT_FALSE(pressure->Band());
}

}  // namespace
}  // namespace scrb
