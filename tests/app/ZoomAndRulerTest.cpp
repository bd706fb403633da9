// The charts over a dive's time under the diver's hand: zoom, pan, the stretch the pages share,
// readouts in a stretch and the ruler.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QWheelEvent>
#include <iostream>

#include "AppTestWindow.h"
#include "app/comparison/ComparisonWindow.h"
#include "app/views/TimeWindow.h"
#include "charts/SampleTimeAxis.h"
#include "saturation/TissueHeatMap.h"

namespace scrb {
namespace {

struct Window : test::TestWindow {
  explicit Window(const std::string& logbook = test::SampleLogbook())
      : TestWindow("NoWarning=1\nWindowState=0\nLogbook%20File=" +
                   test::WriteLogbook("s.log", logbook).toStdString() + "\n") {
    Start();
    form->resize(1200, 800);
    form->show();
    form->activateWindow();
    QApplication::setActiveWindow(form.get());
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

// The pixels the view paints over its chart (cursor, band, label), as the bounds of them.
QRect PaintedOver(ChartView* chart) {
  chart->clearFocus();
  const QImage shown = chart->grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QImage drawn = chart->ChartImage().convertToFormat(QImage::Format_RGB32);
  QRect over;
  for (int y = 0; y < std::min(shown.height(), drawn.height()); ++y) {
    for (int x = 0; x < std::min(shown.width(), drawn.width()); ++x) {
      if (shown.pixel(x, y) != drawn.pixel(x, y)) over |= QRect(x, y, 1, 1);
    }
  }
  return over;
}

// Whether the chart has anything but its ground in the rows from `top` down, near x.
bool InkBelow(ChartView* chart, int top, int x) {
  const QImage drawn = chart->ChartImage();
  const QRgb ground = drawn.pixel(1, 1);
  for (int y = top; y < drawn.height(); ++y) {
    for (int dx = -6; dx <= 6; ++dx) {
      if (drawn.pixel(std::clamp(x + dx, 0, drawn.width() - 1), y) != ground) return true;
    }
  }
  return false;
}

// A dive of twenty minutes whose logbook records no air used: the Air page has nothing to draw.
std::string DiveWithoutAir() {
  std::vector<double> depths(60, 18.0);
  test::EntryBuilder entry{
      .AirConsumption = 0,
      .Profile = test::ProfileBuilder{.Samples = test::ProfileBuilder::FromDepths(depths)}.Bytes()};
  return test::BuildLogbook({entry});
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
  const TimeStretch stretch = w.form->Time().Stretch();
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
  EXPECT_EQ(w.form->Time().Stretch(), stretch);
  EXPECT_NEAR(PixelOf(tissues, stretch.From), PixelOf(depth, stretch.From), 1e-6);

  // Shift+wheel pans; so does a drag with the left button.
  Wheel(tissues, middle, -1, Qt::ShiftModifier);
  QApplication::processEvents();
  EXPECT_GT(w.form->Time().Stretch().From, stretch.From);
  const TimeStretch panned = w.form->Time().Stretch();
  Drag(tissues, 400, 500, Qt::LeftButton);
  QApplication::processEvents();
  EXPECT_LT(w.form->Time().Stretch().From, panned.From);
  EXPECT_NEAR(w.form->Time().Stretch().To - w.form->Time().Stretch().From,
              stretch.To - stretch.From, 1e-6);

  // Keys on a focused chart, and the double-click.
  tissues->setFocus();
  QTest::keyClick(tissues, Qt::Key_0);
  EXPECT_TRUE(w.form->Time().Stretch().Whole);
  QTest::keyClick(tissues, Qt::Key_Plus);
  EXPECT_FALSE(w.form->Time().Stretch().Whole);
  QTest::keyClick(tissues, Qt::Key_Minus);
  EXPECT_TRUE(w.form->Time().Stretch().Whole);
  QTest::keyClick(tissues, Qt::Key_Plus);
  QTest::mouseDClick(tissues, Qt::LeftButton, {}, QPoint(300, 100));
  EXPECT_TRUE(w.form->Time().Stretch().Whole);

  w.form->Time().SetStretch(stretch);
  w.state->SelectDive(w.state->CurrentDive() - 1);
  QApplication::processEvents();
  EXPECT_TRUE(w.form->Time().Stretch().Whole);
}

// In a stretch the mouse reads the sample under it, and at either end of the stretch the first
// or last sample the stretch shows, as Home and End do.
TEST(Zoom, ReadoutsReadTheSamplesTheStretchShows) {
  Window w;
  w.form->Time().SetStretch(
      TimeStretch::Between(1000, 1500));  // samples 29 (10'00") to 44 (15'00")
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
  ASSERT_TRUE(w.form->Time().Ruler());
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
  EXPECT_FALSE(w.form->Time().Ruler());

  // On the Tissue Sat page the label also gives the highest over-saturation in the band.
  ChartView* pressure = w.Chart(5, 0);
  Drag(pressure, 200, 500, Qt::LeftButton, Qt::ShiftModifier);
  ASSERT_TRUE(pressure->Band());
  EXPECT_TRUE(pressure->BandLabel().last().startsWith("Highest over-saturation: "));
  Mouse(pressure, QEvent::MouseButtonPress, 300, Qt::LeftButton);
  Mouse(pressure, QEvent::MouseButtonRelease, 300, Qt::LeftButton);
  EXPECT_FALSE(pressure->Band());
}

// The pointer's line and the ruler's band end at the plot's bottom line: the time labels under
// it, and the heat map's key, stay as drawn. The label stays within the plot, off the value
// labels on its left, on whichever side of the band it goes.
TEST(Ruler, LineBandAndLabelLeaveTheAxisLabelsAlone) {
  Window w;
  for (const int page : {1, 5}) {
    SCOPED_TRACE(page);
    if (page == 5) Page(*w.form, 5)->findChild<QPushButton*>("HeatMapButton")->setChecked(true);
    ChartView* chart = w.Chart(page, 0);
    if (page == 5) chart = Page(*w.form, 5)->findChild<ChartView*>("HeatMapChart");
    QApplication::processEvents();
    const QRectF plot = *chart->PlotArea();
    const double minute = PixelOf(chart, 600);
    Mouse(chart, QEvent::MouseMove, minute, Qt::NoButton);
    ASSERT_TRUE(chart->CursorX());
    const QRect cursor = PaintedOver(chart);
    EXPECT_FALSE(cursor.isEmpty());
    EXPECT_LE(cursor.bottom(), plot.bottom() + 1);
    EXPECT_TRUE(InkBelow(chart, static_cast<int>(plot.bottom()) + 2, static_cast<int>(minute)));
    const int last = w.state->CurrentSampleCount() - 1;
    for (const auto& [from, to] :
         {std::pair{500.0, 700.0}, std::pair{SampleTime(last - 4), SampleTime(last)}}) {
      w.form->Time().SetRuler(std::pair{from, to});
      const QRect over = PaintedOver(chart);
      EXPECT_LE(over.bottom(), plot.bottom() + 1);
      EXPECT_GE(over.left(), plot.left() - 1);
    }
    w.form->Time().SetRuler(std::nullopt);
  }
}

// Air page of a dive without an air estimate: its charts say so and show neither the band of a
// ruler laid on another page nor a pointer line, and take no gestures.
TEST(Ruler, NoBandOrPointerOnAChartWithoutData) {
  Window w(DiveWithoutAir());
  ChartView* speed = w.Chart(2, 0);
  Drag(speed, PixelOf(speed, 500), PixelOf(speed, 1000), Qt::RightButton);
  ASSERT_TRUE(w.form->Time().Ruler());
  for (ChartView* chart : test::Charts(*w.form, 3)) {
    DiveTab(*w.form)->setCurrentIndex(3);
    QApplication::processEvents();
    EXPECT_FALSE(chart->PlotArea());
    Mouse(chart, QEvent::MouseMove, chart->width() / 2.0, Qt::NoButton);
    chart->SetCursorX(600);
    EXPECT_TRUE(PaintedOver(chart).isEmpty()) << chart->objectName().toStdString();
    Wheel(chart, 600, 1);
  }
  QApplication::processEvents();
  EXPECT_TRUE(w.form->Time().Stretch().Whole);
}

// After a pan by Shift+wheel or a drag, with the mouse then still, the readout and its line show
// the time now under the mouse, not the one it was over before the chart moved.
TEST(Zoom, TheReadoutFollowsTheChartUnderAStillMouse) {
  Window w;
  w.form->Time().SetStretch(TimeStretch::Between(1000, 1500));
  ChartView* depth = w.Chart(1, 0);
  QApplication::processEvents();
  const double pixel = depth->width() / 2.0;
  Mouse(depth, QEvent::MouseMove, pixel, Qt::NoButton);
  const QString before = w.Readout(1, "DepthReadout");
  const QPointF at(pixel, depth->height() / 2.0);
  QWheelEvent wheel(at, depth->mapToGlobal(at), QPoint(), QPoint(0, -240), Qt::NoButton,
                    Qt::ShiftModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(depth, &wheel);
  QApplication::processEvents();
  ASSERT_GT(w.form->Time().Stretch().From, 1000);
  EXPECT_NE(w.Readout(1, "DepthReadout"), before);
  ASSERT_TRUE(depth->CursorX());
  EXPECT_NEAR(PixelOf(depth, *depth->CursorX()), pixel, PixelOf(depth, 100) - PixelOf(depth, 80));

  Drag(depth, pixel, pixel - 150, Qt::LeftButton);
  QApplication::processEvents();
  EXPECT_NEAR(PixelOf(depth, *depth->CursorX()), pixel - 150,
              PixelOf(depth, 100) - PixelOf(depth, 80));
}

// Esc clears the ruler with the focus anywhere in the pages (here on the Heat Map button after
// Alt+M, and on the tab strip), but the search field keeps its own Esc.
TEST(Ruler, EscClearsItWhereverTheFocusIsInThePages) {
  Window w;
  ChartView* pressure = w.Chart(5, 0);
  auto* heatMap = Page(*w.form, 5)->findChild<QPushButton*>("HeatMapButton");
  for (QWidget* focus :
       {static_cast<QWidget*>(heatMap), static_cast<QWidget*>(DiveTab(*w.form)->tabBar())}) {
    w.form->Time().SetRuler(std::pair{SampleTime(3), SampleTime(9)});
    ASSERT_TRUE(pressure->Band());
    focus->setFocus();
    QTest::keyClick(focus, Qt::Key_Escape);
    EXPECT_FALSE(w.form->Time().Ruler()) << focus->metaObject()->className();
  }
  w.form->Time().SetRuler(std::pair{SampleTime(3), SampleTime(9)});
  SearchField(*w.form)->setFocus();
  QTest::keyClicks(SearchField(*w.form), "x");
  QTest::keyClick(SearchField(*w.form), Qt::Key_Escape);
  EXPECT_TRUE(SearchField(*w.form)->text().isEmpty());
  EXPECT_TRUE(w.form->Time().Ruler());
}

// With the heat map shown, the readout above it gives the time, the tissue under the pointer and
// its over-saturation, as the map's cell there is coloured.
TEST(Zoom, TheHeatMapReadsTheCellUnderThePointer) {
  Window w;
  Page(*w.form, 5)->findChild<QPushButton*>("HeatMapButton")->setChecked(true);
  w.Chart(5, 0);
  ChartView* map = Page(*w.form, 5)->findChild<ChartView*>("HeatMapChart");
  QApplication::processEvents();
  const QRectF plot = *map->PlotArea();
  const DecoModel model = w.state->Analysis().Model();
  const AnalysedDive dive = w.state->Analysis().Analysed(*w.state->Current());
  // Over the middle of the top row, then of the bottom one, at 6 minutes.
  const double rowHeight = plot.height() / model.TissueCount;
  const double x = PixelOf(map, 600);
  for (const auto& [y, row] : {std::pair{plot.top() + rowHeight / 2, 0},
                               std::pair{plot.bottom() - rowHeight / 2, model.TissueCount - 1}}) {
    QMouseEvent move(QEvent::MouseMove, QPointF(x, y), map->mapToGlobal(QPointF(x, y)),
                     Qt::NoButton, Qt::NoButton, {});
    QApplication::sendEvent(map, &move);
    const std::string expected =
        *HeatMapReadoutText(*dive.Profile, *dive.Saturation, model, *map->CursorX(),
                            HeatMapRows(model)[static_cast<size_t>(row)]);
    EXPECT_EQ(w.Readout(5, "PressureReadout").toStdString(), expected);
  }
}

// Dives whose logbook records no air used leave the comparison's tank chart empty: it shows
// neither the pointer's line nor the ruler's band, which the other charts show at their time.
TEST(Ruler, AnEmptyComparisonChartShowsNoLineAndNoBand) {
  std::vector<test::EntryBuilder> entries(2);
  for (test::EntryBuilder& e : entries) {
    e.AirConsumption = 0;
    e.Profile = test::ProfileBuilder{.Samples = test::ProfileBuilder::FromDepths(
                                         std::vector<double>(30, 15.0))}
                    .Bytes();
  }
  Window w(test::BuildLogbook(entries));
  auto* window = new ComparisonWindow(*w.state, w.dialogs, w.form.get());
  window->resize(1000, 900);
  window->Compare({0, 1});
  window->show();
  QApplication::processEvents();
  ChartView* depth = window->Chart(ComparisonChart::Depth);
  ChartView* tank = window->Chart(ComparisonChart::Tank);
  EXPECT_TRUE(depth->PlotArea());
  EXPECT_FALSE(tank->PlotArea());
  emit depth->MouseMoved(300, 0);
  emit depth->RulerAsked(200, 400);
  ASSERT_TRUE(tank->CursorX() && tank->Band());
  EXPECT_FALSE(PaintedOver(depth).isEmpty());
  EXPECT_TRUE(PaintedOver(tank).isEmpty());
}

}  // namespace
}  // namespace scrb
