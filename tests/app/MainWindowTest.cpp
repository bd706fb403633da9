#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFontMetricsF>
#include <QScreen>
#include <algorithm>
#include <fstream>

#include "AppTestWindow.h"
#include "app/ChartView.h"
#include "app/DivePage.h"
#include "app/MainWindow.h"
#include "render/PainterSurface.h"

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
  int beeps = 0;
  w.form->Beep = [&beeps] { ++beeps; };
  const int dpi = static_cast<int>(w.form->screen()->logicalDotsPerInch());
  w.form->resize(3000 * dpi / 1440, w.form->height());
  QApplication::processEvents();
  EXPECT_EQ(beeps, 1);
  EXPECT_EQ(w.form->frameGeometry().width(), (4600 * dpi + 1439) / 1440);
}

// Each page's charts take their share of a taller window: halves, thirds on "&Phys Data"; on the
// profile pages the alarm strip takes a seventh, and is never lower than six or seven label
// heights.
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
  const std::vector<std::vector<double>> shares = {{6.0 / 7, 1.0 / 7},
                                                   {3.0 / 7, 1.0 / 7, 3.0 / 7},
                                                   {0.5, 0.5},
                                                   {1.0 / 3, 1.0 / 3, 1.0 / 3},
                                                   {0.5, 0.5}};
  w.form->resize(900, 1000);  // tall enough for the strips to be above their least height
  std::vector<std::vector<int>> before;
  for (int page = 1; page <= 5; ++page) before.push_back(heights(page));
  w.form->resize(1000, 1300);
  for (int page = 1; page <= 2; ++page) {
    const QFontMetricsF labels(PainterSurface::LabelFont(w.form->logicalDpiY()));
    EXPECT_GE(before[static_cast<size_t>(page - 1)][1], 6 * labels.height()) << page;
  }
  for (int page = 1; page <= 5; ++page) {
    SCOPED_TRACE(page);
    const std::vector<int> after = heights(page);
    const std::vector<int>& was = before[static_cast<size_t>(page - 1)];
    const std::vector<double>& share = shares[static_cast<size_t>(page - 1)];
    ASSERT_EQ(after.size(), share.size());
    int total = 0;
    for (size_t i = 0; i < after.size(); ++i) total += after[i] - was[i];
    EXPECT_GE(total, 290);
    for (size_t i = 0; i < after.size(); ++i)
      EXPECT_NEAR(after[i] - was[i], share[i] * total, 2.0) << i;
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
