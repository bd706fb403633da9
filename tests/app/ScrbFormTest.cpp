#include "app/ScrbForm.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QScreen>
#include <fstream>

#include "AppTestWindow.h"
#include "app/ChartView.h"

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

TEST(ScrbForm, FirstStartWithoutSettings) {
  Window w;
  w.Start();
  EXPECT_EQ(w.disclaimerShown, 1);
  EXPECT_EQ(w.Saved("NoWarning"), "0");
  EXPECT_EQ(w.form->windowTitle(), "Bathyscribe - ");
  EXPECT_EQ(w.form->DiveTab()->currentIndex(), 1);
  EXPECT_EQ(w.form->ListCount(), 0);
  EXPECT_EQ(w.form->StatusLabel()->text(), "Ready");
  EXPECT_EQ(w.context.Model.DecoModelNumber, 0);
  const QStringList captions = {"&General", "&Dive", "Vertical &Speed", "&Air",
                                "&Phys Data", "&Tissue Sat", "&Raw Data"};
  for (int i = 0; i < 7; ++i) EXPECT_EQ(w.form->DiveTab()->tabText(i), captions[i]);
  EXPECT_TRUE(ScrbForm::AboutText().startsWith("Bathyscribe v1.0\r\n\r\n"));
}

TEST(ScrbForm, DisclaimerTickedIsNotShownAgainAndRefusalSavesNothing) {
  Window w;
  w.disclaimerAnswer = 1;
  w.Start();
  EXPECT_EQ(w.Saved("NoWarning"), "1");
  Window again;
  again.Reopen(w);
  again.Start();
  EXPECT_EQ(again.disclaimerShown, 0);

  Window refused;
  refused.settings->SaveSetting("TabNumber", "3");
  refused.disclaimerAnswer = -1;
  EXPECT_FALSE(refused.Start());
  EXPECT_EQ(refused.Saved("NoWarning"), "<absent>");
  EXPECT_EQ(refused.Saved("TabNumber"), "3");
  EXPECT_EQ(refused.context.Book.DiveCount(), 0);
}

TEST(ScrbForm, OpenReplacesMergeAppends) {
  Window w;
  w.Start();
  const QString ten = WriteLogbook("ten.log", Logbook(10));
  const QString three = WriteLogbook("three.log", Logbook(3, 50, "Reef"));
  w.form->OpenLogbook(ten);
  EXPECT_EQ(w.form->ListCount(), 10);
  EXPECT_EQ(w.form->ListIndex(), 9);
  EXPECT_EQ(w.context.Book.CurrentDive, 9);
  EXPECT_EQ(w.form->windowTitle(), "Bathyscribe - " + ten);
  EXPECT_EQ(w.Saved("Logbook File"), ten.toStdString());

  w.form->OpenLogbook(three);
  EXPECT_EQ(w.form->ListCount(), 3);
  EXPECT_EQ(w.form->ListIndex(), 2);
  EXPECT_EQ(w.form->StatusLabel()->text(), "3 dives read.");
  EXPECT_EQ(w.Entry(0), "   50 - Reef");

  w.form->OpenLogbook(ten);
  w.form->SelectListIndex(4);
  w.form->MergeLogbook(three);
  EXPECT_EQ(w.form->ListCount(), 13);
  EXPECT_EQ(w.context.Book.DiveCount(), 13);
  EXPECT_EQ(w.form->ListIndex(), 4);
  EXPECT_EQ(w.form->StatusLabel()->text(), "13 dives read.");
  EXPECT_EQ(w.Saved("Logbook File"), three.toStdString());
  EXPECT_TRUE(w.messages.isEmpty());
}

TEST(ScrbForm, Navigation) {
  Window w;
  w.Start();
  w.form->OpenLogbook(WriteLogbook("one.log", Logbook(1)));
  w.form->NextDive();
  w.form->PreviousDive();
  EXPECT_EQ(w.messages, QStringList({"There are not enough dives loaded to navigate ....",
                                     "There are not enough dives loaded to navigate ...."}));
  EXPECT_EQ(w.form->ListIndex(), 0);

  w.messages.clear();
  w.form->OpenLogbook(WriteLogbook("three.log", Logbook(3)));
  w.form->SelectListIndex(-1);
  w.form->PreviousDive();
  EXPECT_EQ(w.form->ListIndex(), -1);
  w.form->NextDive();
  EXPECT_EQ(w.form->ListIndex(), 0);
  EXPECT_EQ(w.context.Book.CurrentDive, 0);
  w.form->PreviousDive();
  EXPECT_EQ(w.form->ListIndex(), 0);
  w.form->SelectListIndex(2);
  w.form->NextDive();
  EXPECT_EQ(w.form->ListIndex(), 2);
  w.form->PreviousDive();
  EXPECT_EQ(w.context.Book.CurrentDive, 1);
  EXPECT_TRUE(w.messages.isEmpty());
}

TEST(ScrbForm, ChangingPageRedrawsOnceAndTheSamePageNot) {
  Window w;
  w.Start();
  w.form->OpenLogbook(WriteLogbook("three.log", Logbook(3)));
  const int shows = w.form->ShowCount();
  w.form->DiveTab()->setCurrentIndex(1);
  EXPECT_EQ(w.form->ShowCount(), shows);
  w.form->DiveTab()->setCurrentIndex(6);
  EXPECT_EQ(w.form->ShowCount(), shows + 1);
  EXPECT_TRUE(w.context.Readouts.ChartsReady);
  EXPECT_TRUE(w.context.Book.Dives[2].ProfileDecoded);
  EXPECT_FALSE(w.context.Book.Dives[1].ProfileDecoded);
}

TEST(ScrbForm, DisplayOptionRelistsTheDivesInMemory) {
  Window w;
  w.Start();
  w.form->OpenLogbook(WriteLogbook("ten.log", Logbook(10)));
  w.form->MergeLogbook(WriteLogbook("three.log", Logbook(3, 50, "Reef")));
  w.form->SelectListIndex(5);
  w.context.Book.Dives[5].SurfacePressure = 0.9;
  w.form->ApplyDisplayOption(3);
  EXPECT_EQ(w.form->ListCount(), 13);
  EXPECT_EQ(w.Entry(12), "   52 - Reef, Lake");
  EXPECT_EQ(w.Entry(0), "    1 - Pier, Lake");
  EXPECT_EQ(w.form->ListIndex(), 5);
  EXPECT_EQ(w.context.Book.CurrentDive, 5);
  EXPECT_DOUBLE_EQ(w.context.Book.Dives[5].SurfacePressure, 0.9);
  EXPECT_EQ(w.form->StatusLabel()->text(), "13 dives read.");
}

TEST(ScrbForm, SettingsAreRestoredWithTheirChecksAndSavedOnExit) {
  struct Case {
    const char* Current;
    const char* Last;
    int Selected;
  };
  for (const Case& c : {Case{"3", "0", 3}, Case{"3", "1", 9}, Case{"9", "0", 9},
                        Case{"12", "0", 9}, Case{"junk", "junk", 0}}) {
    Window w;
    const QString ten = WriteLogbook("ten.log", Logbook(10));
    w.settings->SaveSetting("NoWarning", "1");
    w.settings->SaveSetting("Logbook File", ten.toStdString());
    w.settings->SaveSetting("TabNumber", "7");
    w.settings->SaveSetting("DisplayOptionFlag", "4");
    w.settings->SaveSetting("DecoModelNumber", "1");
    w.settings->SaveSetting("CurrentDiveSelected", c.Current);
    w.settings->SaveSetting("LastDive", c.Last);
    w.Start();
    EXPECT_EQ(w.disclaimerShown, 0);
    EXPECT_EQ(w.form->DiveTab()->currentIndex(), 1);
    EXPECT_EQ(w.context.Book.DisplayOptionFlag, 0);
    EXPECT_EQ(w.context.Model.DecoModelNumber, 1);
    EXPECT_EQ(w.form->ListIndex(), c.Selected) << c.Current << " " << c.Last;
    EXPECT_EQ(w.form->StatusLabel()->text(), "10 dives read.");
    EXPECT_EQ(w.form->windowTitle(), "Bathyscribe - " + ten);

    w.form->DiveTab()->setCurrentIndex(4);
    w.form->ExitProgram();
    EXPECT_EQ(w.quits, 1);
    EXPECT_EQ(w.Saved("TabNumber"), "4");
    EXPECT_EQ(w.Saved("DisplayOptionFlag"), "0");
    EXPECT_EQ(w.Saved("DecoModelNumber"), "1");
    EXPECT_EQ(w.Saved("CurrentDiveSelected"), std::to_string(c.Selected));
    EXPECT_EQ(w.Saved("LastDive"), c.Selected == 9 ? "1" : "0");
    EXPECT_NE(w.Saved("Width"), "<absent>");
  }
}

TEST(ScrbForm, ExitThenStartAgainRestoresPageDiveModelAndDisplayOption) {
  const std::string logbookPath = test::WriteTempFile("grow.log", Logbook(5));
  Window first;
  first.disclaimerAnswer = 1;
  first.Start();
  first.form->OpenLogbook(QString::fromStdString(logbookPath));
  first.form->DiveTab()->setCurrentIndex(6);
  first.form->ApplyDisplayOption(2);
  LoadDecoModel(first.context.Model, 2);
  first.form->ExitProgram();

  Window second;
  second.Reopen(first);
  second.Start();
  EXPECT_EQ(second.disclaimerShown, 0);
  EXPECT_EQ(second.form->DiveTab()->currentIndex(), 6);
  EXPECT_EQ(second.form->ListIndex(), 4);
  EXPECT_EQ(second.context.Model.DecoModelNumber, 2);
  EXPECT_EQ(second.context.Book.DisplayOptionFlag, 2);
  EXPECT_EQ(second.Entry(0), "    1 - Lake, Pier");
  second.form->ExitProgram();

  // The user left on the newest dive: after the logbook grew, the newest dive is selected.
  std::ofstream(logbookPath, std::ios::binary | std::ios::trunc) << Logbook(8);
  Window third;
  third.Reopen(first);
  third.Start();
  EXPECT_EQ(third.form->ListIndex(), 7);

  third.form->SelectListIndex(2);
  third.form->ExitProgram();
  Window fourth;
  fourth.Reopen(first);
  fourth.Start();
  EXPECT_EQ(fourth.form->ListIndex(), 2);
}

TEST(ScrbFormLayout, MinimumSizeBeepsAndResizeRedrawsOnce) {
  Window w;
  w.settings->SaveSetting("NoWarning", "1");
  w.settings->SaveSetting("WindowState", "0");
  w.settings->SaveSetting("Width", "12000");
  w.settings->SaveSetting("Height", "9000");
  int beeps = 0;
  w.Create();
  w.form->Beep = [&beeps] { ++beeps; };
  ASSERT_TRUE(w.form->StartUp());
  w.form->LoadWindow();
  w.form->OpenLogbook(WriteLogbook("three.log", Logbook(3)));
  QApplication::processEvents();
  const int dpi = static_cast<int>(w.form->screen()->logicalDotsPerInch());
  EXPECT_EQ(w.form->frameGeometry().width(), 12000 * dpi / 1440);

  int shows = w.form->ShowCount();
  w.form->resize(w.form->size());
  QApplication::processEvents();
  EXPECT_EQ(w.form->ShowCount(), shows);

  w.form->resize(w.form->width() + 50, w.form->height() + 60);
  w.form->resize(w.form->width() + 50, w.form->height() + 60);
  QApplication::processEvents();
  EXPECT_EQ(w.form->ShowCount(), shows + 1);
  EXPECT_EQ(beeps, 0);

  w.form->resize(3000 * dpi / 1440, w.form->height());
  QApplication::processEvents();
  EXPECT_EQ(beeps, 1);
  EXPECT_EQ(w.form->frameGeometry().width(), (4600 * dpi + 1439) / 1440);
}

TEST(ScrbFormExports, ClipboardTextsAndConfirmations) {
  Window w;
  w.Start();
  QGuiApplication::clipboard()->setText("before");
  w.form->CopyDiveProfile();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "before");
  EXPECT_TRUE(w.messages.isEmpty());

  w.form->CopyAllDives();
  EXPECT_EQ(QGuiApplication::clipboard()->text(),
            "Dive No\tDate\tTime\tDepth\tDuration\tLocation\tSite\tAir Consumption\t"
            "Water Temperature\tTank Size\r\n");
  EXPECT_EQ(w.messages, QStringList({"Dive parameters copied to clipboard"}));

  w.form->OpenLogbook(WriteLogbook("two.log", Logbook(2)));
  w.form->CopyDiveProfile();
  EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith("Point No\tTime\tDepth\t"));
  EXPECT_TRUE(QGuiApplication::clipboard()->text().endsWith("\r\nNo Data available\r\n"));
  EXPECT_EQ(w.messages.last(), "Dive data copied to clipboard");
}

// Heights of a page's charts, top to bottom.
std::vector<int> ChartHeights(QWidget* page) {
  QList<ChartView*> charts = page->findChildren<ChartView*>();
  std::sort(charts.begin(), charts.end(), [](ChartView* a, ChartView* b) {
    return a->mapTo(a->window(), QPoint()).y() < b->mapTo(b->window(), QPoint()).y();
  });
  std::vector<int> heights;
  for (ChartView* chart : charts) heights.push_back(chart->height());
  return heights;
}

TEST(ScrbFormLayout, ChartsShareTheVerticalChangeAsTheirPageSays) {
  Window w;
  w.settings->SaveSetting("NoWarning", "1");
  w.settings->SaveSetting("WindowState", "0");
  w.Start();
  w.form->resize(900, 700);
  QApplication::processEvents();
  // Only the page showing is laid out, so each is brought up before it is measured.
  auto heightsOf = [&w](int page) {
    w.form->DiveTab()->setCurrentIndex(page);
    QApplication::processEvents();
    return ChartHeights(w.form->Page(page));
  };
  std::vector<std::vector<int>> before;
  for (int page = 1; page <= 5; ++page) before.push_back(heightsOf(page));
  w.form->resize(1000, 1300);
  QApplication::processEvents();

  // Per page: how many parts of the change each chart gets, top to bottom.
  const std::vector<std::vector<double>> shares = {
      {1, 0}, {0.5, 0, 0.5}, {0.5, 0.5}, {1.0 / 3, 1.0 / 3, 1.0 / 3}, {0.5, 0.5}};
  for (int page = 1; page <= 5; ++page) {
    const std::vector<int> after = heightsOf(page);
    const std::vector<double>& share = shares[static_cast<size_t>(page - 1)];
    ASSERT_EQ(after.size(), share.size()) << "page " << page;
    int total = 0;
    for (size_t i = 0; i < after.size(); ++i) total += after[i] - before[static_cast<size_t>(page - 1)][i];
    EXPECT_GE(total, 590) << "page " << page;
    for (size_t i = 0; i < after.size(); ++i) {
      EXPECT_NEAR(after[i] - before[static_cast<size_t>(page - 1)][i], share[i] * total, 1.0)
          << "page " << page << " chart " << i;
    }
  }
}

}  // namespace
}  // namespace scrb
