// Comparing dives as a diver does: choose them in the table, open Logbook > Compare Dives, and
// watch the window follow every change of units, language, model and logbook.

#include <gtest/gtest.h>

#include <QAction>
#include <QProcess>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QWheelEvent>
#include <algorithm>
#include <memory>
#include <set>

#include "AppTestWindow.h"
#include "app/comparison/ComparisonWindow.h"
#include "app/views/TimeWindow.h"
#include "support/HostTools.h"
#include "support/PdfText.h"
#include "support/RecordingSurface.h"

namespace scrb {
namespace {

// Eight dives, the third without a profile; the second follows the first after 50 minutes.
// Without air none has an air estimate.
QString EightDives(const std::string& name, bool air = true) {
  std::vector<test::EntryBuilder> entries;
  for (int i = 0; i < 8; ++i) {
    test::EntryBuilder e;
    e.DiveNumber = 31 + i;
    e.DayCount += static_cast<uint32_t>(i == 1 ? 0 : i);
    e.DiveTimeMinutes = i == 1 ? 720 + 45 + 50 : 720;
    e.SurfaceIntervalMinutes = i == 1 ? 50 : 0x7FFF;
    e.MaxDepth = 2400 + 100 * i;
    if (!air) e.AirConsumption = 0;
    if (i != 2) {
      e.Profile = test::ProfileBuilder{.Samples = test::ProfileBuilder::FromDepths(
                                           {5, 12, 20, 24, 24, 24, 24, 24, 22, 15, 10, 5, 3, 2, 1}),
                                       .Status = {0x20, 0x20, 0x20, 0x20, 0x20}}
                      .Bytes();
    }
    entries.push_back(e);
  }
  return test::WriteLogbook(name, test::BuildLogbook(entries));
}

QAction* CompareAction(const MainWindow& form) {
  return form.findChild<QAction*>("CompareAction");
}

ComparisonWindow* Comparison(const MainWindow& form) {
  return form.findChild<ComparisonWindow*>("ComparisonWindow");
}

void ClickRow(const MainWindow& form, int row, Qt::KeyboardModifiers modifiers) {
  QTableView* list = DiveList(form);
  const QRect cell = list->visualRect(list->model()->index(row, 0));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, cell.center());
}

QString Cell(const ComparisonWindow& window, int row, int column) {
  return window.FigureTable()->model()->index(row, column).data().toString();
}

TEST(ComparisonWindow, OpensForTwoToSixDivesChosenWithCtrlAndShiftClicks) {
  test::TestWindow w;
  w.Start();
  w.form->OpenLogbook(EightDives("eight.log"));
  QAction* compare = CompareAction(*w.form);
  ASSERT_NE(compare, nullptr);
  ClickRow(*w.form, 0, Qt::NoModifier);
  EXPECT_FALSE(compare->isEnabled());
  EXPECT_TRUE(compare->toolTip().contains("Ctrl+click")) << compare->toolTip().toStdString();

  ClickRow(*w.form, 3, Qt::ControlModifier);
  EXPECT_TRUE(compare->isEnabled());
  EXPECT_EQ(Table(*w.form).SelectedDives(), (std::vector<int>{0, 3}));
  EXPECT_EQ(w.state->CurrentDive(), 3);  // the pages show the dive clicked last
  // Shift+click stretches the range begun by the last click and keeps the rows chosen before.
  ClickRow(*w.form, 7, Qt::ShiftModifier);
  EXPECT_EQ(Table(*w.form).SelectedDives(), (std::vector<int>{0, 3, 4, 5, 6, 7}));
  EXPECT_TRUE(compare->isEnabled());
  ClickRow(*w.form, 1, Qt::ControlModifier);
  EXPECT_FALSE(compare->isEnabled());
  EXPECT_TRUE(compare->toolTip().contains("7")) << compare->toolTip().toStdString();
  ClickRow(*w.form, 1, Qt::ControlModifier);  // let go of it again
  EXPECT_TRUE(compare->isEnabled());

  // No other action of the window answers to the same keys.
  std::set<QString> keys;
  for (QAction* action : w.form->findChildren<QAction*>()) {
    for (const QKeySequence& key : action->shortcuts()) {
      EXPECT_TRUE(keys.insert(key.toString()).second) << key.toString().toStdString();
    }
  }
  EXPECT_EQ(compare->shortcut(), QKeySequence("Ctrl+Shift+C"));

  compare->trigger();
  ComparisonWindow* window = Comparison(*w.form);
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->Dives(), (std::vector<int>{0, 3, 4, 5, 6, 7}));
  EXPECT_EQ(window->FigureTable()->model()->columnCount(), 6);
  EXPECT_FALSE(window->LeftOutNote()->isVisible());
}

// On a small, a middle and a large screen, with two, four and six dives: the charts take the
// height, the depth and over-saturation charts at least 150 px, an air chart with nothing to
// draw its one line, and each chart at its size names every dive.
TEST(ComparisonWindow, ChartsTakeTheHeightAndNameEveryDiveOnEveryScreen) {
  test::TestWindow w;
  w.Start();
  w.form->OpenLogbook(EightDives("screens.log"));
  w.form->MergeLogbook(EightDives("no-air.log", false));
  const std::vector<int> withProfiles = {0, 1, 3, 4, 5, 6};
  for (const QSize screen : {QSize(800, 600), QSize(1280, 800), QSize(1920, 1080)}) {
    for (const size_t count : {2u, 4u, 6u}) {
      for (const int offset : {0, 8}) {  // with air, then without
        SCOPED_TRACE(testing::Message() << screen.width() << "x" << screen.height() << ", " << count
                                        << " dives" << (offset ? ", no air" : ""));
        auto* window = new ComparisonWindow(*w.state, w.dialogs, w.form.get());
        window->resize(screen);
        std::vector<int> dives;
        for (size_t n = 0; n < count; ++n) dives.push_back(withProfiles[n] + offset);
        window->Compare(dives);
        window->show();
        QApplication::processEvents();
        for (const bool details : {false, true}) {
          if (details && screen.height() < 1000) continue;  // only a large screen has the room
          window->ShowDetails(details);
          QApplication::processEvents();
          for (const ComparisonChart chart :
               {ComparisonChart::Depth, ComparisonChart::OverSaturation}) {
            EXPECT_GE(window->Chart(chart)->height(), 150) << details;
          }
          ChartView* tank = window->Chart(ComparisonChart::Tank);
          if (offset != 0) {
            EXPECT_LE(tank->height(), 2 * tank->fontMetrics().height());
          }
          const QWidget* readout = window->Readout();
          EXPECT_LE(readout->mapTo(window, QPoint(0, readout->height())).y(), window->height());
        }
        for (const ComparisonChart chart :
             {ComparisonChart::Depth, ComparisonChart::OverSaturation, ComparisonChart::Tank}) {
          const ChartView* view = window->Chart(chart);
          if (!DrawsAnyDive(chart, window->Comparison())) continue;
          // 15 twips a pixel, and a 13-pixel line of text.
          test::RecordingSurface surface(view->width() * 15.0, view->height() * 15.0, 100, 195);
          DrawComparisonChart(chart, window->Comparison(), surface, UnitSystem::Metric,
                              Palette::Classic());
          const std::vector<std::string> texts = surface.Texts();
          for (const ComparedDive& dive : window->Comparison().Dives) {
            const std::string number = std::to_string(dive.Number) + ", ";
            EXPECT_TRUE(std::ranges::any_of(
                texts, [&](const std::string& t) { return t.starts_with(number); }))
                << number << static_cast<int>(chart);
          }
        }
        delete window;
      }
    }
  }
}

// Opened again, the window starts afresh: the first heat map in view and no pointer line. The
// main window's keys for the whole logbook answer in it.
TEST(ComparisonWindow, OpensAfreshAndAnswersTheMainWindowsKeys) {
  test::TestWindow w;
  w.Start();
  w.form->OpenLogbook(EightDives("again.log"));
  ClickRow(*w.form, 0, Qt::NoModifier);
  ClickRow(*w.form, 7, Qt::ShiftModifier);
  ClickRow(*w.form, 2, Qt::ControlModifier);
  ClickRow(*w.form, 7, Qt::ControlModifier);
  CompareAction(*w.form)->trigger();
  ComparisonWindow* window = Comparison(*w.form);
  ASSERT_NE(window, nullptr);
  window->ShowDetails(true);
  window->Details()->setCurrentIndex(1);
  QApplication::processEvents();
  QScrollBar* scroll = window->findChild<QScrollArea*>("HeatMapScroll")->verticalScrollBar();
  ASSERT_GT(scroll->maximum(), 0);
  scroll->setValue(scroll->maximum());
  emit window->Chart(ComparisonChart::Depth)->MouseMoved(500, 0);
  ASSERT_TRUE(window->Chart(ComparisonChart::Depth)->CursorX());
  window->close();
  CompareAction(*w.form)->trigger();
  EXPECT_EQ(scroll->value(), 0);
  for (ChartView* view : window->findChildren<ChartView*>()) EXPECT_FALSE(view->CursorX());

  QApplication::setActiveWindow(window);
  QTest::keyClick(window, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
  ASSERT_NE(Statistics(*w.form), nullptr);
  EXPECT_TRUE(Statistics(*w.form)->isVisible());
}

TEST(ComparisonWindow, FollowsEveryChangeAndClosesWithItsDives) {
  test::TestWindow w;
  w.Start();
  const QString path = EightDives("follow.log");
  w.form->OpenLogbook(path);
  auto* window = new ComparisonWindow(*w.state, w.dialogs, w.form.get());
  window->Compare({1, 0, 2});
  window->show();
  EXPECT_TRUE(window->LeftOutNote()->isVisible());
  EXPECT_TRUE(window->LeftOutNote()->text().contains("33"))
      << window->LeftOutNote()->text().toStdString();
  EXPECT_EQ(Cell(*window, 2, 0), "25.0 m");
  const QString overSaturation = Cell(*window, 6, 0);

  // The readout gives each dive drawn its value at the pointer, on every chart's cursor.
  emit window->Chart(ComparisonChart::Depth)->MouseMoved(500, 0);
  EXPECT_TRUE(window->Readout()->text().contains("Dive 32: "))
      << window->Readout()->text().toStdString();
  EXPECT_TRUE(window->Readout()->text().contains("Dive 31: "));
  EXPECT_FALSE(window->Readout()->text().contains("Dive 33: "));
  EXPECT_TRUE(window->Chart(ComparisonChart::Tank)->CursorX());

  w.state->SetUnits(UnitSystem::Imperial);
  EXPECT_EQ(Cell(*window, 2, 0), "82 ft");
  w.state->SetModel(2);
  EXPECT_EQ(window->Comparison().Model.DecoModelNumber, 2);
  EXPECT_NE(Cell(*window, 6, 0), overSaturation);
  w.state->SetRepetitive(true);
  EXPECT_TRUE(window->Comparison().Dives[0].Carried);
  EXPECT_EQ(Cell(*window, 8, 0), "Yes, from dive 31");
  const QString carried = Cell(*window, 6, 0);
  w.state->SetSurfacePressure(1, 0.7);
  EXPECT_NE(Cell(*window, 6, 0), carried);
  const QString english = window->windowTitle();
  w.state->SetLanguage("fr");
  EXPECT_NE(window->windowTitle(), english);
  w.state->SetLanguage("en");

  // One landscape page, read back where the PDF tools are (not under Wine, whose tests run this
  // window all the same).
  if (test::HostToolInstalled("pdftotext") && test::HostToolInstalled("pdfinfo")) {
    const QString pdf = w.folder.filePath("compare.pdf");
    w.dialogs.saveAnswers << pdf;
    window->SaveAsPdf();
    const std::vector<std::string> pages = test::PdfPages(pdf.toStdString());
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_NE(pages[0].find("Maximum depth"), std::string::npos) << pages[0];
    QProcess info;
    info.start("pdfinfo", {pdf});
    info.waitForFinished(30000);
    const QString size = QString::fromUtf8(info.readAllStandardOutput());
    const QRegularExpressionMatch match =
        QRegularExpression("Page size: +([0-9.]+) x ([0-9.]+)").match(size);
    ASSERT_TRUE(match.hasMatch()) << size.toStdString();
    EXPECT_GT(match.captured(1).toDouble(), match.captured(2).toDouble());
  }
  const QString printed = w.folder.filePath("printed.pdf");
  w.dialogs.printFile = printed;
  window->Print();
  EXPECT_EQ(w.dialogs.printPageCount, 1);
  if (test::HostToolInstalled("pdftotext"))
    EXPECT_EQ(test::PdfPages(printed.toStdString()).size(), 1u);

  // Dives merged in behind leave the compared ones where they were; another logbook does not.
  w.form->MergeLogbook(EightDives("more.log"));
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->Dives().size(), 3u);
  w.form->OpenLogbook(test::LogbookFile("other.log", 3));
  EXPECT_FALSE(window->isVisible());
  EXPECT_TRUE(window->Dives().empty());
}

}  // namespace
}  // namespace scrb

namespace scrb {
namespace {

// Dives 0, 2 and 3 of EightDives compared, the heat maps in view; one of them has no profile.
ComparisonWindow* ThreeDivesWithTheirHeatMaps(test::TestWindow& w, const std::string& logbook) {
  w.Start();
  w.form->OpenLogbook(EightDives(logbook));
  auto* window = new ComparisonWindow(*w.state, w.dialogs, w.form.get());
  window->resize(1000, 900);
  window->Compare({0, 2, 3});
  window->show();
  window->ShowDetails(true);
  window->Details()->setCurrentIndex(1);
  QApplication::processEvents();
  return window;
}

// A resize reaches every chart and map at once; they are drawn once for all of it, each at its
// new size.
TEST(ComparisonWindow, AResizeDrawsOnce) {
  test::TestWindow w;
  ComparisonWindow* window = ThreeDivesWithTheirHeatMaps(w, "resize.log");
  QList<ChartView*> views = window->findChildren<ChartView*>();
  std::vector<std::unique_ptr<QSignalSpy>> drawn;
  for (ChartView* view : views)
    drawn.push_back(std::make_unique<QSignalSpy>(view, &ChartView::Drawn));
  window->resize(1200, 760);
  QApplication::processEvents();
  QApplication::processEvents();
  for (qsizetype n = 0; n < views.size(); ++n) {
    EXPECT_EQ(drawn[static_cast<size_t>(n)]->count(), 1) << views[n]->objectName().toStdString();
    EXPECT_EQ(views[n]->ChartImage().deviceIndependentSize().toSize(), views[n]->size());
  }
}

// A heat map for each dive with a profile, on the charts' time axis; the charts and the maps
// zoom together, a burst of wheel steps drawn once, and the ruler marks all of them.
TEST(ComparisonWindow, HeatMapsZoomAndRulerShareTheChartsTimeAxis) {
  test::TestWindow w;
  ComparisonWindow* window = ThreeDivesWithTheirHeatMaps(w, "zoom.log");
  const QList<ChartView*> maps =
      window->findChildren<ChartView*>(QRegularExpression("^ComparisonHeatMap"));
  ASSERT_EQ(maps.size(), 2);  // the dive without a profile has none
  ChartView* depth = window->Chart(ComparisonChart::Depth);
  const auto pixel = [](ChartView* view, double x) { return view->ToPixels(x)->x(); };
  EXPECT_NEAR(pixel(maps[0], 300), pixel(depth, 300), 1.0);

  const QPointF at(pixel(depth, 300), depth->height() / 2.0);
  for (int n = 0; n < 3; ++n) {
    QWheelEvent wheel(at, depth->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton, {},
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(depth, &wheel);
  }
  QApplication::processEvents();
  const TimeStretch stretch = window->Time().Stretch();
  ASSERT_FALSE(stretch.Whole);
  for (ChartView* view :
       {window->Chart(ComparisonChart::OverSaturation), window->Chart(ComparisonChart::Tank)}) {
    EXPECT_NEAR(pixel(view, stretch.From), pixel(depth, stretch.From), 1.0);
    EXPECT_NEAR(pixel(view, stretch.To), pixel(depth, stretch.To), 1.0);
  }

  emit depth->RulerAsked((2 + 1) * 100 / 3.0, (6 + 1) * 100 / 3.0);
  EXPECT_TRUE(maps[1]->Band());
  ASSERT_GE(depth->BandLabel().size(), 3);
  EXPECT_EQ(depth->BandLabel()[0], "Time: 01'20\"");
  EXPECT_TRUE(depth->BandLabel()[1].startsWith("Dive 31: Depth: "));
  emit maps[0]->RulerClearAsked();
  EXPECT_FALSE(depth->Band());
  emit depth->WholeDiveAsked();
  QApplication::processEvents();
  EXPECT_TRUE(window->Time().Stretch().Whole);
}

}  // namespace
}  // namespace scrb
