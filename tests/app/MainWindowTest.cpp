#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QSplitter>
#include <QTimer>
#include <functional>
#include <map>

#include "AppTestWindow.h"
#include "app/dialogs/DisplayOptionDialog.h"
#include "app/dialogs/ModelWindow.h"
#include "app/pages/TissuePage.h"
#include "export/ExportTexts.h"
#include "render/PainterSurface.h"

namespace scrb {
namespace {

using test::LogbookFile;
using Window = test::TestWindow;

// A refused disclaimer saves nothing. Exit and the window's close control save the page, the
// display option, the model, the dive and the splitter, and the next run puts them back; a user
// who left on the newest dive finds the newest one selected after the logbook grew.
TEST(MainWindow, WhatOneRunLeavesTheNextRunRestores) {
  const QString path = LogbookFile("grow.log", 5);
  Window first("TabNumber=3\n");
  first.dialogs.disclaimerAnswer = -1;
  EXPECT_FALSE(first.Start());
  EXPECT_EQ(first.Saved("NoWarning"), "<absent>");
  EXPECT_EQ(first.Saved("TabNumber"), "3");
  first.dialogs.disclaimerAnswer = 1;
  first.Start();
  first.form->OpenLogbook(path);
  DiveTab(*first.form)->setCurrentIndex(6);
  first.state->SetDisplayOption(2);
  first.state->SetModel(2);
  first.state->SetRepetitive(true);
  first.form->ExitProgram();
  EXPECT_EQ(first.Saved("RepetitiveDives"), "1");
  EXPECT_EQ(first.dialogs.quits, 1);
  // Not copy_file with overwrite_existing: MinGW's libstdc++ refuses to overwrite.
  ASSERT_TRUE(QFile::remove(path));
  ASSERT_TRUE(QFile::copy(LogbookFile("grow.log", 8), path));

  const auto nextRun = [&first](Window& w) {
    w.settings = std::make_unique<QtSettingsStore>(first.iniPath);
    w.settings->SaveSetting("WindowState", "0");
    w.Start();
    QApplication::processEvents();
  };
  Window second;
  nextRun(second);
  // The disclaimer was ticked on the first start.
  EXPECT_EQ(
      std::tuple(second.dialogs.disclaimerShown, DiveTab(*second.form)->currentIndex(),
                 Table(*second.form).ListIndex(), second.state->Analysis().Model().DecoModelNumber),
      std::tuple(0, 6, 7, 2));
  EXPECT_TRUE(second.state->Analysis().Repetitive());
  EXPECT_EQ(second.Entries().value(0), "    1 - Lake, Pier");
  second.form->resize(1000, 700);
  Table(*second.form).SelectListIndex(3);
  DiveTab(*second.form)->setCurrentIndex(4);
  Splitter(*second.form)->setSizes({300, 600});
  QApplication::processEvents();
  const int listWidth = DiveList(*second.form)->width();
  EXPECT_TRUE(second.form->close());
  EXPECT_EQ(second.dialogs.quits, 1);

  Window third;
  nextRun(third);
  EXPECT_EQ(std::pair(DiveTab(*third.form)->currentIndex(), Table(*third.form).ListIndex()),
            std::pair(4, 3));
  EXPECT_NEAR(DiveList(*third.form)->width(), listWidth, 1);
}

// Open of a logbook without dives after one with: no page goes on showing a dive that is gone,
// neither the one showing at the time nor one shown later, and no readout answers.
TEST(MainWindow, AfterOpenOfAnEmptyLogbookEveryPageIsEmpty) {
  Window blank, w;  // blank: the pages as they are before any dive was shown
  blank.Start();
  w.Start();
  const QString full = test::WriteLogbook("full.log", test::SampleLogbook());
  const QString empty = test::WriteLogbook("empty.log", test::BuildLogbook({}));
  for (int page = 0; page < MainWindow::kPageCount; ++page) {
    w.form->OpenLogbook(full);
    EXPECT_NE(w.PageState(page), blank.PageState(page)) << page;
    w.form->OpenLogbook(empty);
    for (ChartView* chart : Page(*w.form, page)->findChildren<ChartView*>())
      emit chart->MouseMoved(100, 100);
    EXPECT_EQ(w.PageState(page), blank.PageState(page)) << page;
  }
  w.form->OpenLogbook(full);
  w.ShowEveryPage();
  w.form->OpenLogbook(empty);
  for (int page = 0; page < MainWindow::kPageCount; ++page)
    EXPECT_EQ(w.PageState(page), blank.PageState(page)) << page;
  EXPECT_TRUE(w.messages.isEmpty());
}

// Among hundreds of dives the selected one stays in sight. Each page's charts take their share of
// a taller window: halves, thirds on "Ph&ys Data"; on the profile pages the alarm strip takes a
// seventh, and is never lower than six label heights. Below 640 pixels of width (at 96 dpi) the
// window beeps and snaps back, and every page still fits.
TEST(MainWindow, LayoutKeepsTheSelectionInSightAndEveryPageInRoom) {
  const QString many = LogbookFile("many.log", 300);
  Window w("NoWarning=1\nWindowState=0\nLogbook%20File=" + many.toStdString() +
           "\nCurrentDiveSelected=150\nLastDive=0\n");
  w.Start();
  const auto inView = [&w] {
    QApplication::processEvents();
    QTableView* list = DiveList(*w.form);
    // The selected row from top to bottom; a wide first column may reach past the right edge.
    const QRect row = list->visualRect(list->currentIndex());
    return row.isValid() && row.top() >= 0 && row.bottom() <= list->viewport()->height();
  };
  EXPECT_TRUE(inView());
  w.state->SetDisplayOption(2);
  EXPECT_TRUE(inView());
  w.form->MergeLogbook(many);
  EXPECT_TRUE(inView());
  w.form->OpenLogbook(many);
  EXPECT_EQ(Table(*w.form).ListIndex(), 299);
  EXPECT_TRUE(inView());
  w.form->resize(w.form->width(), w.form->height() - 100);
  EXPECT_TRUE(inView());

  const auto heights = [&w](int page) {
    DiveTab(*w.form)->setCurrentIndex(page);  // only the page showing is laid out
    QApplication::processEvents();
    std::map<int, int> byTop;
    for (ChartView* chart : test::Charts(*w.form, page))
      byTop[chart->mapTo(w.form.get(), QPoint()).y()] = chart->height();
    std::vector<int> result;
    for (const auto& [top, height] : byTop) result.push_back(height);
    return result;
  };
  const std::vector<std::vector<double>> shares = {{6.0 / 7, 1.0 / 7},
                                                   {3.0 / 7, 1.0 / 7, 3.0 / 7},
                                                   {0.5, 0.5},
                                                   {1.0 / 3, 1.0 / 3, 1.0 / 3},
                                                   {0.5, 0.5}};
  w.form->resize(900, 1000);  // tall enough for the strips to be above their least height
  std::vector<std::vector<int>> before;
  for (int page = 1; page <= 5; ++page) before.push_back(heights(page));
  const QFontMetricsF labels(PainterSurface::LabelFont(w.form->logicalDpiY()));
  EXPECT_GE(std::min(before[0][1], before[1][1]), 6 * labels.height());
  w.form->resize(1000, 1300);
  for (size_t i = 0; i < shares.size(); ++i) {
    SCOPED_TRACE(i + 1);
    const std::vector<int> after = heights(static_cast<int>(i + 1));
    ASSERT_EQ(after.size(), shares[i].size());
    const int total =
        std::reduce(after.begin(), after.end()) - std::reduce(before[i].begin(), before[i].end());
    EXPECT_GE(total, 290);
    for (size_t c = 0; c < after.size(); ++c)
      EXPECT_NEAR(after[c] - before[i][c], shares[i][c] * total, 2.0) << c;
  }

  const int beeps = w.dialogs.beeps;
  w.form->resize(200, w.form->height());
  QApplication::processEvents();
  EXPECT_EQ(w.dialogs.beeps, beeps + 1);
  EXPECT_EQ(w.form->frameGeometry().width(), 640);
  w.form->resize(640, 480);
  for (int page = 0; page < MainWindow::kPageCount; ++page) {
    DiveTab(*w.form)->setCurrentIndex(page);
    QApplication::processEvents();
    const QSize need = Page(*w.form, page)->minimumSizeHint();
    EXPECT_EQ(need.boundedTo(Page(*w.form, page)->size()), need) << page;
  }
  EXPECT_LE(w.form->centralWidget()->layout()->minimumSize().height(),
            w.form->centralWidget()->height());
}

// Two deep dives five minutes apart on one day, with profiles: the second carries nitrogen over.
QString TwoDivesADay() {
  std::vector<test::EntryBuilder> entries(2);
  for (int i = 0; i < 2; ++i) {
    test::EntryBuilder& e = entries[static_cast<size_t>(i)];
    e.DiveNumber = 1461 + i;
    e.DiveTimeMinutes = 600 + 35 * i;
    e.DivingTimeMinutes = 30;
    e.SurfaceIntervalMinutes = i == 0 ? 0x7FFF : 5;
    test::ProfileBuilder profile{
        .Samples = test::ProfileBuilder::FromDepths(std::vector<double>(90, 30)),
        .Status = std::vector<int>(30, 0x10)};
    e.Profile = profile.Bytes();
  }
  return test::WriteLogbook("day.log", test::BuildLogbook(entries));
}

// Every chart is drawn at its view's size as soon as the size changes, by the splitter as by the
// window; the tissue page follows the carry-over option while the model window is still open,
// and its charts are drawn anew when the carry-over line takes room from them.
TEST(MainWindow, PagesFollowTheSplitterAndTheCarryOverAtOnce) {
  Window w("NoWarning=1\nWindowState=0\n");
  w.Start();
  w.form->resize(800, 600);
  w.form->OpenLogbook(TwoDivesADay());
  Table(*w.form).SelectListIndex(1);
  const auto drawnToSize = [&w](int page) {
    QApplication::processEvents();
    QApplication::processEvents();
    const QList<ChartView*> charts = test::Charts(*w.form, page);
    return !charts.isEmpty() && std::ranges::all_of(charts, [](ChartView* chart) {
      return chart->ChartImage().deviceIndependentSize().toSize() == chart->size();
    });
  };
  for (const int page : {1, 5}) {
    DiveTab(*w.form)->setCurrentIndex(page);
    EXPECT_TRUE(drawnToSize(page));
    for (const int move : {120, -200}) {
      const QList<int> sizes = Splitter(*w.form)->sizes();
      Splitter(*w.form)->setSizes({sizes[0] + move, sizes[1] - move});
      EXPECT_TRUE(drawnToSize(page)) << page << " " << move;
    }
  }

  auto* tissue = static_cast<TissuePage*>(Page(*w.form, 5));
  const QString alone = tissue->MaxOverSaturationLabel()->text();
  ModelWindow* models = tissue->Models();
  models->Prepare();
  models->show();
  models->RepetitiveBox()->click();
  QApplication::processEvents();
  EXPECT_NE(tissue->MaxOverSaturationLabel()->text(), alone);
  EXPECT_EQ(tissue->CarryOverLabel()->text(), "carried over 0:05 from dive 1461");
  EXPECT_TRUE(tissue->CarryOverLabel()->isVisible());
  // The line's room comes from the charts, which are drawn anew at their new height.
  EXPECT_TRUE(drawnToSize(5));
  models->reject();
  models->RepetitiveBox()->click();
}

// Only the page showing draws a change; the others wait, stale, and show the latest state when
// brought up, not what they last drew.
TEST(MainWindow, HiddenPagesWaitAndShowTheLatestWhenBroughtUp) {
  Window w("NoWarning=1\n");
  w.Start();
  w.form->OpenLogbook(TwoDivesADay());
  const QStringList metric = w.PageState(0);
  w.PageState(1);
  w.state->SetUnits(UnitSystem::Imperial);
  Table(*w.form).SelectListIndex(0);
  for (int page = 0; page < MainWindow::kPageCount; ++page)
    EXPECT_EQ(Page(*w.form, page)->Stale(), page != 1) << page;
  const auto texts = [&w] {
    QStringList texts;
    for (QLabel* label : Page(*w.form, 0)->findChildren<QLabel*>()) texts << label->text();
    return texts.join('|');
  };
  EXPECT_EQ(texts().count(" ft"), 0);  // still as drawn before the change
  const QStringList imperial = w.PageState(0);
  EXPECT_FALSE(Page(*w.form, 0)->Stale());
  EXPECT_NE(imperial, metric);
  EXPECT_GT(texts().count(" ft"), 0);
}

// Answers the modal dialog of this kind that the next action opens, once it is up. Nothing is
// answered when no such dialog came up, and the test's own checks see that.
template <class Dialog>
void WhenModal(const std::function<void(Dialog&)>& answer) {
  QTimer::singleShot(0, [answer] {
    if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) answer(*dialog);
  });
}

// Every entry and button chosen through its action, with what the diver sees. (That each has an
// Alt key of its own is checked in every language, English too, by the language tests.)
TEST(MainWindow, EveryMenuEntryAndButtonThroughItsAction) {
  Window w;
  w.Start();
  const QString three = LogbookFile("three.log", 3, 50, "Reef");
  const QString two = LogbookFile("two.log", 2);
  QClipboard* clipboard = QGuiApplication::clipboard();
  const auto choose = [&w](const QString& caption) {
    test::MenuAction(*w.form, caption)->trigger();
    return w.messages.value(w.messages.size() - 1);
  };
  const auto button = [&w](const QString& caption) {
    for (QPushButton* b : w.form->findChildren<QPushButton*>()) {
      if (b->text() == caption) return b->click();
    }
  };
  // Ticks an option and presses OK: the list is redone, the selection and what lives only in
  // memory (a typed surface pressure) stay, so the files are not read again.
  const auto displayOption = [&](const QString& caption, int option, const QString& firstEntry) {
    WhenModal<DisplayOptionDialog>([option](DisplayOptionDialog& dialog) {
      dialog.OptionButton(option)->click();
      dialog.findChild<QPushButton*>("OkButton")->click();
    });
    w.state->SetSurfacePressure(4, 0.9);
    choose(caption);
    EXPECT_EQ(w.Entries().value(0), firstEntry);
    EXPECT_EQ(Table(*w.form).ListIndex(), 2);
    EXPECT_EQ(w.state->Analysis().SurfacePressure(4), 0.9);
  };

  // With no dive, navigating says why not, and copying the profile has nothing to copy.
  clipboard->setText("before");
  button("&Next");
  choose("Copy Current Dive &Profile to clipboard");
  EXPECT_EQ(clipboard->text(), "before");
  EXPECT_EQ(w.messages, QStringList({"There are not enough dives loaded to navigate ...."}));

  w.dialogs.openAnswers = {three, two};
  choose("&Open Logbook");
  EXPECT_EQ(w.Entries(), QStringList({"   50 - Reef", "   51 - Reef", "   52 - Reef"}));
  EXPECT_EQ(Table(*w.form).ListIndex(), 2);
  EXPECT_EQ(w.form->windowTitle(), "Bathyscribe - " + three);
  choose("&Merge Logbook");
  EXPECT_EQ(w.Entries().mid(3), QStringList({"    1 - Pier", "    2 - Pier"}));
  EXPECT_EQ(Table(*w.form).ListIndex(), 2);
  EXPECT_EQ(w.Status(), "5 dives read.");
  EXPECT_EQ(std::pair(w.Saved("Logbook File"), w.Saved("MergedLogbooks")),
            std::pair(three.toStdString(), two.toStdString()));
  choose("&Open Logbook");  // cancelled: nothing changes
  EXPECT_EQ(Table(*w.form).ListCount(), 5);
  // The dialogs start where the logbook on screen lies; the save dialogs (cancelled) at its name.
  EXPECT_EQ(w.dialogs.dialogFolders,
            QStringList({"", QFileInfo(three).absolutePath(), QFileInfo(two).absolutePath()}));
  choose("Export Logbook as &UDDF...");
  EXPECT_TRUE(w.dialogs.dialogFolders.last().endsWith("/two.uddf"));
  EXPECT_EQ(test::MenuAction(*w.form, "&Recent Logbooks")->menu(), RecentMenu(*w.form));
  w.dialogs.scopeAnswers = {ReportScope::CurrentDive, ReportScope::AllDives};
  choose("&Print");  // the print dialog comes up for one page, and is cancelled
  EXPECT_EQ(w.dialogs.printPageCount, 1);
  choose("Export Dive Report as P&DF...");
  EXPECT_TRUE(w.dialogs.dialogFolders.last().endsWith("/two.pdf"));
  displayOption("Op&tions", 3, "   50 - Reef, Lake");
  choose("E&xit");
  EXPECT_EQ(w.dialogs.quits, 1);
  EXPECT_EQ(w.Saved("DisplayOptionFlag"), "3");
  EXPECT_EQ(choose("Copy &All Dives to clipboard"), "Dive parameters copied to clipboard");
  EXPECT_EQ(clipboard->text().toStdString(), AllDivesText(w.state->Book()));
  EXPECT_EQ(choose("Copy Current Dive &Profile to clipboard"), "Dive data copied to clipboard");
  EXPECT_EQ(clipboard->text().toStdString(),
            DiveProfileText(w.state->Analysis().Analysed(2), w.state->Analysis().Model()));
  displayOption("&Options", 0, "   50 - Lake");
  EXPECT_EQ(choose("&About"), MainWindow::AboutText());
  EXPECT_TRUE(MainWindow::AboutText().startsWith("Bathyscribe v"));

  // The list shows dive 52 selected, the third of five; Previous stops at the first, Next at the
  // newest.
  for (int press = 0; press < 3; ++press) button("&Previous");
  EXPECT_EQ(Table(*w.form).ListIndex(), 0);
  for (int press = 0; press < 5; ++press) button("&Next");
  EXPECT_EQ(Table(*w.form).ListIndex(), 4);
  DiveTab(*w.form)->setCurrentIndex(5);
  // Another model than the one in force: the dive is shown again under it at once.
  const int other = w.state->Analysis().Model().DecoModelNumber == 2 ? 0 : 2;
  WhenModal<ModelWindow>([other](ModelWindow& models) {
    models.ModelButton(other)->click();
    models.CloseButton()->click();
  });
  const auto modelText = [&w] {
    return Page(*w.form, 5)->findChild<QLabel*>("ModelLabel")->text();
  };
  const QString before = modelText();
  button("&Change Model ...");
  EXPECT_EQ(w.state->Analysis().Model().DecoModelNumber, other);
  EXPECT_NE(modelText(), before);
  button("E&xit");
  EXPECT_EQ(w.dialogs.quits, 2);
}

}  // namespace
}  // namespace scrb
