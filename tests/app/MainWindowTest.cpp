#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QLayout>
#include <QScreen>
#include <QSplitter>
#include <algorithm>
#include <fstream>

#include "AppTestWindow.h"
#include "app/ChartView.h"
#include "app/DivePage.h"
#include "app/MainWindow.h"

namespace scrb {
namespace {

using test::BuildLogbook;
using test::EntryBuilder;
using test::WriteLogbook;
using Window = test::TestWindow;

std::string Logbook(int dives, int firstNumber = 1, const std::string& site = "Pier") {
  std::vector<EntryBuilder> entries(static_cast<size_t>(dives));
  for (int i = 0; i < dives; ++i) {
    entries[static_cast<size_t>(i)].DiveNumber = firstNumber + i;
    entries[static_cast<size_t>(i)].Site = site;
  }
  return BuildLogbook(entries);
}

TEST(MainWindow, RefusingTheDisclaimerSavesNothing) {
  Window refused;
  refused.settings->SaveSetting("TabNumber", "3");
  refused.disclaimerAnswer = -1;
  EXPECT_FALSE(refused.Start());
  EXPECT_EQ(refused.disclaimerShown, 1);
  EXPECT_EQ(refused.Saved("NoWarning"), "<absent>");
  EXPECT_EQ(refused.Saved("TabNumber"), "3");
}

QAction* MenuAction(MainWindow& form, const QString& caption) {
  for (QAction* action : form.findChildren<QAction*>()) {
    if (action->text() == caption) return action;
  }
  return nullptr;
}

// The file dialogs come up through the menu and start where the logbook on screen lies.
TEST(MainWindow, OpenAndMergeDialogsStartInTheLogbooksFolder) {
  Window w;
  w.Start();
  const QString ten = WriteLogbook("ten.log", Logbook(10));
  w.dialogs.openAnswers = {ten, ten};
  MenuAction(*w.form, "&Open Logbook")->trigger();
  EXPECT_EQ(w.form->ListCount(), 10);
  MenuAction(*w.form, "&Merge Logbook")->trigger();
  EXPECT_EQ(w.form->ListCount(), 20);
  MenuAction(*w.form, "&Open Logbook")->trigger();  // cancelled: nothing changes
  EXPECT_EQ(w.form->ListCount(), 20);
  const QString folder = QFileInfo(ten).absolutePath();
  EXPECT_EQ(w.dialogs.dialogFolders, QStringList({"", folder, folder}));
}

TEST(MainWindow, OpenReplacesMergeAppendsDisplayOptionRelists) {
  Window w;
  w.Start();
  w.form->NextDive();
  EXPECT_EQ(w.messages, QStringList({"There are not enough dives loaded to navigate ...."}));
  const QString ten = WriteLogbook("ten.log", Logbook(10));
  const QString three = WriteLogbook("three.log", Logbook(3, 50, "Reef"));
  w.form->OpenLogbook(three);
  w.form->OpenLogbook(ten);
  EXPECT_EQ(w.form->ListCount(), 10);
  w.form->NextDive();  // the newest dive is selected and Next stops there
  EXPECT_EQ(w.form->ListIndex(), 9);
  EXPECT_EQ(w.form->windowTitle(), "Bathyscribe - " + ten);
  EXPECT_EQ(w.Entry(0), "    1 - Pier");

  w.form->SelectListIndex(4);
  w.form->MergeLogbook(three);
  EXPECT_EQ(w.form->ListCount(), 13);
  EXPECT_EQ(w.form->ListIndex(), 4);
  EXPECT_EQ(w.Status(), "13 dives read.");
  EXPECT_EQ(w.Saved("Logbook File"), three.toStdString());

  // A typed surface pressure lives only in memory: relisting must not reread the files.
  w.context.Book.Dives[4].SurfacePressure = 0.9;
  w.form->ApplyDisplayOption(3);
  EXPECT_EQ(w.Entry(12), "   52 - Reef, Lake");
  EXPECT_EQ(w.form->ListIndex(), 4);
  EXPECT_DOUBLE_EQ(w.context.Book.Dives[4].SurfacePressure, 0.9);
}

// Saved values beyond the logbook, the pages or the options fall back to ones that exist.
TEST(MainWindow, OutOfRangeSavedSelectionPageAndOptionOnStart) {
  Window w;
  w.settings->SaveSetting("NoWarning", "1");
  w.settings->SaveSetting("Logbook File", WriteLogbook("ten.log", Logbook(10)).toStdString());
  w.settings->SaveSetting("TabNumber", "7");
  w.settings->SaveSetting("DisplayOptionFlag", "4");
  w.settings->SaveSetting("CurrentDiveSelected", "12");
  w.settings->SaveSetting("LastDive", "0");
  w.Start();
  EXPECT_EQ(w.form->ListIndex(), 9);
  EXPECT_EQ(w.form->DiveTab()->currentIndex(), 1);
  EXPECT_EQ(w.context.Book.DisplayOptionFlag, 0);
}

TEST(MainWindow, ExitThenStartAgainRestoresPageModelDisplayOptionAndTheNewestDive) {
  const std::string logbookPath = test::WriteTempFile("grow.log", Logbook(5));
  Window first;
  first.disclaimerAnswer = 1;
  first.Start();
  first.form->OpenLogbook(QString::fromStdString(logbookPath));
  first.form->DiveTab()->setCurrentIndex(6);
  first.form->ApplyDisplayOption(2);
  LoadDecoModel(first.context.Model, 2);
  EXPECT_EQ(first.disclaimerShown, 1);
  first.form->ExitProgram();
  EXPECT_EQ(first.quits, 1);

  // The user left on the newest dive: after the logbook grew, the newest dive is selected.
  std::ofstream(logbookPath, std::ios::binary | std::ios::trunc) << Logbook(8);
  Window second;
  second.settings = std::make_unique<QtSettingsStore>(first.iniPath);  // the next run
  second.Start();
  EXPECT_EQ(second.disclaimerShown, 0);  // ticked on the first start
  EXPECT_EQ(second.form->DiveTab()->currentIndex(), 6);
  EXPECT_EQ(second.form->ListIndex(), 7);
  EXPECT_EQ(second.context.Model.DecoModelNumber, 2);
  EXPECT_EQ(second.Entry(0), "    1 - Lake, Pier");
}

TEST(MainWindowLayout, NarrowerThanTheMinimumBeepsAndSnapsBack) {
  Window w;
  w.settings->SaveSetting("NoWarning", "1");
  w.settings->SaveSetting("WindowState", "0");
  w.Start();
  const int dpi = static_cast<int>(w.form->screen()->logicalDotsPerInch());
  w.form->resize(3000 * dpi / 1440, w.form->height());
  QApplication::processEvents();
  EXPECT_EQ(w.dialogs.beeps, 1);
  const int minWidth = (MainWindow::kMinWidthTwips * dpi + 1439) / 1440;
  const int minHeight = (MainWindow::kMinHeightTwips * dpi + 1439) / 1440;
  EXPECT_EQ(w.form->frameGeometry().width(), minWidth);
  EXPECT_EQ(minWidth, 640);

  // At the smallest size every page still has the room its widgets need: nothing overlaps.
  w.form->OpenLogbook(WriteLogbook("ten.log", Logbook(10)));
  w.form->resize(minWidth, minHeight);
  for (int page = 0; page < MainWindow::kPageCount; ++page) {
    w.form->DiveTab()->setCurrentIndex(page);
    QApplication::processEvents();
    const QSize need = w.form->Page(page)->minimumSizeHint();
    const QSize have = w.form->Page(page)->size();
    EXPECT_TRUE(need.width() <= have.width() && need.height() <= have.height())
        << page << ": " << need.width() << "x" << need.height() << " in " << have.width() << "x"
        << have.height();
  }
  EXPECT_LE(w.form->centralWidget()->layout()->minimumSize().height(),
            w.form->centralWidget()->height());
}

// The close button, Alt+F4 and the window system save what Exit saves, the splitter included,
// and the next run puts the splitter back; a damaged width leaves the window's own.
TEST(MainWindow, ClosingSavesLikeExitAndTheSplitterComesBack) {
  Window first;
  first.settings->SaveSetting("WindowState", "0");
  first.Start();
  first.form->resize(1000, 700);
  first.form->OpenLogbook(WriteLogbook("ten.log", Logbook(10)));
  first.form->SelectListIndex(3);
  first.form->DiveTab()->setCurrentIndex(4);
  first.form->Splitter()->setSizes({300, 600});
  QApplication::processEvents();
  const int listWidth = first.form->DiveList()->width();
  EXPECT_TRUE(first.form->close());
  EXPECT_EQ(first.quits, 1);
  EXPECT_EQ(first.Saved("TabNumber"), "4");
  EXPECT_EQ(first.Saved("CurrentDiveSelected"), "3");

  Window second;
  second.settings = std::make_unique<QtSettingsStore>(first.iniPath);
  second.Start();
  QApplication::processEvents();
  EXPECT_NEAR(second.form->DiveList()->width(), listWidth, 1);
  EXPECT_EQ(second.form->ListIndex(), 3);

  Window damaged;
  damaged.settings->SaveSetting("DiveListWidth", "-1e300");
  damaged.Start();
  EXPECT_GT(damaged.form->DiveList()->width(), 50);
}

// Among hundreds of dives the selected one is in sight at start, after Open and Merge and after
// a change of the display option.
TEST(MainWindow, TheSelectedDiveStaysInView) {
  const QString many = WriteLogbook("many.log", Logbook(300));
  Window w;
  w.settings->SaveSetting("WindowState", "0");
  w.settings->SaveSetting("Logbook File", many.toStdString());
  w.settings->SaveSetting("CurrentDiveSelected", "150");
  w.settings->SaveSetting("LastDive", "0");
  w.Start();
  const auto inView = [&w] {
    QApplication::processEvents();
    QListView* list = w.form->DiveList();
    return list->viewport()->rect().contains(list->visualRect(list->currentIndex()));
  };
  EXPECT_TRUE(inView());
  w.form->ApplyDisplayOption(2);
  EXPECT_TRUE(inView());
  w.form->MergeLogbook(many);
  EXPECT_TRUE(inView());
  w.form->OpenLogbook(many);
  EXPECT_EQ(w.form->ListIndex(), 299);
  EXPECT_TRUE(inView());
  w.form->resize(w.form->width(), w.form->height() - 100);
  EXPECT_TRUE(inView());
}

// Each page's charts take their share of a taller window: halves, thirds on "&Phys Data", and
// on "&Dive" all of it goes to the profile while the alarm strip keeps its height.
TEST(MainWindowLayout, ChartsShareTheVerticalChangeAsTheirPageSays) {
  Window w;
  w.settings->SaveSetting("WindowState", "0");
  w.Start();
  const auto heights = [&w](int page) {
    w.form->DiveTab()->setCurrentIndex(page);  // only the page showing is laid out
    QApplication::processEvents();
    QList<ChartView*> charts = w.form->Page(page)->findChildren<ChartView*>();
    const auto top = [](ChartView* chart) { return chart->mapTo(chart->window(), QPoint()).y(); };
    std::sort(charts.begin(), charts.end(),
              [&top](ChartView* a, ChartView* b) { return top(a) < top(b); });
    std::vector<int> result;
    for (ChartView* chart : charts) result.push_back(chart->height());
    return result;
  };
  const std::vector<std::vector<double>> shares = {
      {1, 0}, {0.5, 0, 0.5}, {0.5, 0.5}, {1.0 / 3, 1.0 / 3, 1.0 / 3}, {0.5, 0.5}};
  w.form->resize(900, 700);
  std::vector<std::vector<int>> before;
  for (int page = 1; page <= 5; ++page) before.push_back(heights(page));
  w.form->resize(1000, 1300);
  for (int page = 1; page <= 5; ++page) {
    SCOPED_TRACE(page);
    const std::vector<int> after = heights(page);
    const std::vector<int>& was = before[static_cast<size_t>(page - 1)];
    const std::vector<double>& share = shares[static_cast<size_t>(page - 1)];
    ASSERT_EQ(after.size(), share.size());
    int total = 0;
    for (size_t i = 0; i < after.size(); ++i) total += after[i] - was[i];
    EXPECT_GE(total, 590);
    for (size_t i = 0; i < after.size(); ++i)
      EXPECT_NEAR(after[i] - was[i], share[i] * total, 1.0) << i;
  }
}

TEST(MainWindowExports, ClipboardTextsAndConfirmations) {
  Window w;
  w.Start();
  EXPECT_EQ(w.Status(), "Ready");
  QGuiApplication::clipboard()->setText("before");
  w.form->CopyDiveProfile();  // no dive: nothing to copy, nothing to confirm
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "before");
  EXPECT_TRUE(w.messages.isEmpty());

  w.form->CopyAllDives();
  EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith("Dive No\tDate\t"));
  EXPECT_EQ(w.messages, QStringList({"Dive parameters copied to clipboard"}));
  w.form->OpenLogbook(WriteLogbook("two.log", Logbook(2)));
  w.form->CopyDiveProfile();
  EXPECT_EQ(w.messages.last(), "Dive data copied to clipboard");
}

}  // namespace
}  // namespace scrb
